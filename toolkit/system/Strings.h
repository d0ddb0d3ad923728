#pragma once
// TStrings: an ordered list of text lines, each with one attached object reference; TStringList keeps
// them in memory.
#include <string>
#include <utility>
#include <vector>

#include "Object.h"

class TStrings {
public:
    virtual ~TStrings() = default;

    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual TObject* GetObject(int index) const = 0;
    virtual void PutObject(int index, TObject* object) = 0;
    // Adds a line and returns its position (a sorted list may put it anywhere).
    virtual int AddObject(const std::string& text, TObject* object) = 0;
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    // A list shown in a window stops repainting between BeginUpdate and EndUpdate.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}

    int Add(const std::string& text) { return AddObject(text, nullptr); }
    std::string operator[](int index) const { return Get(index); }
    int IndexOf(const std::string& text) const;
    // Every line followed by a carriage return and a line feed.
    virtual std::string Text() const;
    void Assign(const TStrings& other);
};

class TStringList : public TStrings {
public:
    int Count() const override { return static_cast<int>(FItems.size()); }
    std::string Get(int index) const override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    int AddObject(const std::string& text, TObject* object) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override { FItems.clear(); }
    // The same text, made without copying each line on the way.
    std::string Text() const override;

private:
    std::vector<std::pair<std::string, TObject*>> FItems;
};
