#pragma once
// Design-time property editing: a TPropertyEditor reads and writes one property of a component as
// text and may offer an edit action (a dialog); a registry finds the editor registered for a
// component class and property. String properties that a library publishes for editing by name are
// listed beside it, so an editor can be made for a component and a property name.
#include <functional>
#include <memory>
#include <set>
#include <string>

class TComponent;

enum TPropertyAttribute { paValueList, paSubProperties, paDialog, paMultiSelect, paAutoUpdate, paSortList, paReadOnly,
                          paRevertable };
using TPropertyAttributes = std::set<TPropertyAttribute>;

// How an editor reaches the value: a getter and a setter of its text.
struct TPropertyAccess {
    std::function<std::string()> Get;
    std::function<void(const std::string&)> Set;
};

class TPropertyEditor {
public:
    explicit TPropertyEditor(TPropertyAccess access);
    // The published string property `propertyName` of the component; EInvalidOperation when the
    // component publishes no such property.
    TPropertyEditor(TComponent* component, const std::string& propertyName);
    virtual ~TPropertyEditor() = default;
    TPropertyEditor(const TPropertyEditor&) = delete;
    TPropertyEditor& operator=(const TPropertyEditor&) = delete;

    // The value as the inspector shows it, and text typed there.
    virtual std::string GetValue() const { return GetStrValue(); }
    virtual void SetValue(const std::string& value) { SetStrValue(value); }
    // What the inspector offers for the property; paDialog puts a button beside the value that runs Edit.
    virtual TPropertyAttributes GetAttributes() const { return {paRevertable}; }
    // The edit action; the base has none.
    virtual void Edit() {}

protected:
    std::string GetStrValue() const;
    // Goes through the property's own setter, with every rule the component applies.
    void SetStrValue(const std::string& value);

private:
    TPropertyAccess FAccess;
};

// The editor of a string property: the value is the text itself, typed in place.
class TStringProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() const override {
        return {paMultiSelect, paRevertable};
    }
};

// ---------------------------------------------------------------- registry of property editors

using TPropertyEditorFactory = std::function<std::unique_ptr<TPropertyEditor>(TPropertyAccess access)>;

struct TPropertyEditorRecord {
    std::string PropertyType;    // "string"
    std::string ComponentClass;  // e.g. "TIniSource"; empty for every class
    std::string PropertyName;    // e.g. "IniFileName"; empty for every property of the type
    TPropertyEditorFactory Factory;
};

void RegisterPropertyEditor(TPropertyEditorRecord record);
// The editor registered last that fits, or none.
const TPropertyEditorRecord* FindPropertyEditor(const std::string& propertyType, const std::string& componentClass,
                                                const std::string& propertyName);
// The same for a property of any type.
const TPropertyEditorRecord* FindPropertyEditor(const std::string& componentClass, const std::string& propertyName);
int PropertyEditorCount();
// Forgets the editors registered after the first `count`: a registration that was meant to last a
// while only (a test's) leaves the process-wide registry as it found it.
void ForgetPropertyEditorsFrom(int count);

// ---------------------------------------------------------------- published string properties

// Lists a string property of a component class for editing by name. `isA` tells whether a component
// is of that class (or derived from it).
void RegisterStringProperty(const std::string& componentClass, const std::string& propertyName,
                            std::function<bool(TComponent*)> isA,
                            std::function<std::string(TComponent*)> get,
                            std::function<void(TComponent*, const std::string&)> set);

template <class C>
void RegisterStringProperty(const std::string& componentClass, const std::string& propertyName,
                            std::function<std::string(C&)> get, std::function<void(C&, const std::string&)> set) {
    RegisterStringProperty(
        componentClass, propertyName, [](TComponent* c) { return dynamic_cast<C*>(c) != nullptr; },
        [get](TComponent* c) { return get(dynamic_cast<C&>(*c)); },
        [set](TComponent* c, const std::string& v) { set(dynamic_cast<C&>(*c), v); });
}

// An editor for a component's published string property: the editor registered for the class that
// published it when there is one, else a TStringProperty; none when no such property is published.
std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TComponent* component, const std::string& propertyName);
