#include "Strings.h"

#include "Exceptions.h"
#include "ScopeGuards.h"

int TStrings::IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
        if (Get(i) == text) return i;
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

std::string TStringList::Text() const {
    size_t size = 0;
    for (const auto& item : FItems) size += item.first.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& item : FItems) {
        text += item.first;
        text += "\r\n";
    }
    return text;
}

void TStrings::Assign(const TStrings& other) {
    const TUpdateScope update(*this);
    Clear();
    for (int i = 0; i < other.Count(); ++i) AddObject(other.Get(i), other.GetObject(i));
}

std::string TStringList::Get(int index) const {
    CheckListIndex(index, Count());
    return FItems[static_cast<size_t>(index)].first;
}

TObject* TStringList::GetObject(int index) const {
    CheckListIndex(index, Count());
    return FItems[static_cast<size_t>(index)].second;
}

void TStringList::PutObject(int index, TObject* object) {
    CheckListIndex(index, Count());
    FItems[static_cast<size_t>(index)].second = object;
}

int TStringList::AddObject(const std::string& text, TObject* object) {
    FItems.emplace_back(text, object);
    return Count() - 1;
}

void TStringList::Insert(int index, const std::string& text) {
    CheckListIndex(index, Count() + 1);  // the end too
    FItems.insert(FItems.begin() + index, {text, nullptr});
}

void TStringList::Delete(int index) {
    CheckListIndex(index, Count());
    FItems.erase(FItems.begin() + index);
}
