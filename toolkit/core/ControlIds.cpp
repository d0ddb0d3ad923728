#include "ControlIds.h"

#include <iterator>

#include "Exceptions.h"

int TControlIds::Take() {
    if (!FFreed.empty()) {
        const int id = *FFreed.begin();
        FFreed.erase(FFreed.begin());
        return id;
    }
    if (FNext > kLast) throw EOutOfResources("Too many controls in one window");
    return FNext++;
}

void TControlIds::Give(int id) {
    if (id < kFirst || id >= FNext) return;
    FFreed.insert(id);
    // Keep the set small: ids given back at the top lower the next fresh id instead.
    while (!FFreed.empty() && *FFreed.rbegin() == FNext - 1) {
        FFreed.erase(std::prev(FFreed.end()));
        --FNext;
    }
}
