#include <gtest/gtest.h>

#include "Application.h"
#include "Exceptions.h"
#include "PropertyEditor.h"

namespace {

class TNamedThing : public TComponent {
public:
    using TComponent::TComponent;
    std::string Title() const { return FTitle; }
    void SetTitle(const std::string& v) { FTitle = v.empty() ? "untitled" : v; }

private:
    std::string FTitle;
};

class TUpperEditor : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    void Edit() override { SetValue("EDITED"); }
    TPropertyAttributes GetAttributes() const override { return {paDialog, paReadOnly}; }
};

}  // namespace

// The editors a test registers, the catch-all among them, leave the registry with the test, so
// that no later test of the program finds them.
class PropertyEditor : public ::testing::Test {
protected:
    ~PropertyEditor() override { ForgetPropertyEditorsFrom(FBefore); }
    const int FBefore = PropertyEditorCount();
};

TEST_F(PropertyEditor, PublishedPropertiesAreEditedThroughTheirOwnSetterByTheEditorRegisteredLast) {
    RegisterStringProperty<TNamedThing>(
        "TNamedThing", "Title", [](TNamedThing& t) { return t.Title(); },
        [](TNamedThing& t, const std::string& v) { t.SetTitle(v); });
    TNamedThing thing(nullptr);

    // Without a registered editor: the plain string editor, value typed in place.
    std::unique_ptr<TPropertyEditor> plain = CreatePropertyEditor(&thing, "Title");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetAttributes(), (TPropertyAttributes{paMultiSelect, paRevertable}));
    plain->SetValue("");
    EXPECT_EQ(thing.Title(), "untitled");  // the component's own rule applied
    EXPECT_EQ(plain->GetValue(), "untitled");
    EXPECT_EQ(CreatePropertyEditor(&thing, "Caption"), nullptr);
    EXPECT_THROW(TStringProperty(&thing, "Caption"), EInvalidOperation);

    const int before = PropertyEditorCount();
    RegisterPropertyEditor({"string", "", "", [](TPropertyAccess a) { return std::make_unique<TStringProperty>(a); }});
    RegisterPropertyEditor({"string", "TNamedThing", "Title",
                            [](TPropertyAccess a) { return std::make_unique<TUpperEditor>(a); }});
    EXPECT_EQ(PropertyEditorCount(), before + 2);
    EXPECT_EQ(FindPropertyEditor("string", "TNamedThing", "Title")->PropertyName, "Title");
    EXPECT_EQ(FindPropertyEditor("string", "TOther", "Title")->ComponentClass, "");  // the catch-all
    EXPECT_EQ(FindPropertyEditor("integer", "TNamedThing", "Title"), nullptr);
    EXPECT_EQ(FindPropertyEditor("TNamedThing", "Title")->PropertyType, "string");

    std::unique_ptr<TPropertyEditor> editor = CreatePropertyEditor(&thing, "Title");
    ASSERT_NE(dynamic_cast<TUpperEditor*>(editor.get()), nullptr);
    editor->Edit();
    EXPECT_EQ(thing.Title(), "EDITED");

    ForgetPropertyEditorsFrom(before);
    EXPECT_EQ(PropertyEditorCount(), before);
    EXPECT_EQ(FindPropertyEditor("string", "TOther", "Title"), nullptr);

    // Editors made from a getter and a setter directly.
    std::string value = "a";
    TStringProperty direct({[&] { return value; }, [&](const std::string& v) { value = v + "!"; }});
    direct.SetValue("b");
    EXPECT_EQ(direct.GetValue(), "b!");
}
