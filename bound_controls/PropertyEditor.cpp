#include "PropertyEditor.h"

#include <vector>

#include "Exceptions.h"

namespace {

struct PublishedString {
    std::string ComponentClass;
    std::string PropertyName;
    std::function<bool(TComponent*)> IsA;
    std::function<std::string(TComponent*)> Get;
    std::function<void(TComponent*, const std::string&)> Set;
};

// Both lists are filled by the registrations the program makes as it starts (RegisterIniCtrlsEditors),
// and read from then on.
std::vector<TPropertyEditorRecord>& Editors() {
    static std::vector<TPropertyEditorRecord> editors;
    return editors;
}

std::vector<PublishedString>& Published() {
    static std::vector<PublishedString> published;
    return published;
}

const PublishedString* FindPublished(TComponent* component, const std::string& propertyName) {
    if (!component) return nullptr;
    const auto& list = Published();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (it->PropertyName == propertyName && it->IsA(component)) return &*it;
    return nullptr;
}

TPropertyAccess AccessOf(TComponent* component, const std::string& propertyName) {
    const PublishedString* property = FindPublished(component, propertyName);
    if (!property) throw EInvalidOperation("Property " + propertyName + " does not exist");
    return {[get = property->Get, component] { return get(component); },
            [set = property->Set, component](const std::string& v) { set(component, v); }};
}

}  // namespace

TPropertyEditor::TPropertyEditor(TPropertyAccess access) : FAccess(std::move(access)) {}

TPropertyEditor::TPropertyEditor(TComponent* component, const std::string& propertyName)
    : FAccess(AccessOf(component, propertyName)) {}

std::string TPropertyEditor::GetStrValue() const { return FAccess.Get ? FAccess.Get() : std::string(); }

void TPropertyEditor::SetStrValue(const std::string& value) {
    if (!FAccess.Set) throw EInvalidOperation("Property is read-only");
    FAccess.Set(value);
}

void RegisterPropertyEditor(TPropertyEditorRecord record) { Editors().push_back(std::move(record)); }

namespace {

const TPropertyEditorRecord* Find(const std::string* propertyType, const std::string& componentClass,
                                  const std::string& propertyName) {
    const auto& list = Editors();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (propertyType && it->PropertyType != *propertyType) continue;
        if (!it->ComponentClass.empty() && it->ComponentClass != componentClass) continue;
        if (!it->PropertyName.empty() && it->PropertyName != propertyName) continue;
        return &*it;
    }
    return nullptr;
}

}  // namespace

const TPropertyEditorRecord* FindPropertyEditor(const std::string& propertyType, const std::string& componentClass,
                                                const std::string& propertyName) {
    return Find(&propertyType, componentClass, propertyName);
}

const TPropertyEditorRecord* FindPropertyEditor(const std::string& componentClass, const std::string& propertyName) {
    return Find(nullptr, componentClass, propertyName);
}

int PropertyEditorCount() { return static_cast<int>(Editors().size()); }

void ForgetPropertyEditorsFrom(int count) {
    auto& editors = Editors();
    if (count >= 0 && count < PropertyEditorCount()) editors.erase(editors.begin() + count, editors.end());
}

void RegisterStringProperty(const std::string& componentClass, const std::string& propertyName,
                            std::function<bool(TComponent*)> isA, std::function<std::string(TComponent*)> get,
                            std::function<void(TComponent*, const std::string&)> set) {
    Published().push_back({componentClass, propertyName, std::move(isA), std::move(get), std::move(set)});
}

std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TComponent* component, const std::string& propertyName) {
    const PublishedString* property = FindPublished(component, propertyName);
    if (!property) return nullptr;
    TPropertyAccess access = AccessOf(component, propertyName);
    if (const TPropertyEditorRecord* record = FindPropertyEditor("string", property->ComponentClass, propertyName);
        record && record->Factory)
        return record->Factory(std::move(access));
    return std::make_unique<TStringProperty>(std::move(access));
}
