#include "IdPool.h"

#include <iterator>

#include "Exceptions.h"

int TIdPool::Take() {
    if (!FFreed.empty()) {
        const int id = *FFreed.begin();
        FFreed.erase(FFreed.begin());
        return id;
    }
    if (FNext > FLast) throw EOutOfResources(FExhausted);
    return FNext++;
}

void TIdPool::Give(int id) {
    if (id < FFirst || id >= FNext) return;
    FFreed.insert(id);
    // Keep the set small: ids given back at the top lower the next fresh id instead.
    while (!FFreed.empty() && *FFreed.rbegin() == FNext - 1) {
        FFreed.erase(std::prev(FFreed.end()));
        --FNext;
    }
}
