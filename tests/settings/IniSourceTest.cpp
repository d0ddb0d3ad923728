#include <gtest/gtest.h>

#include "Application.h"
#include "DialogDriver.h"
#include "Label.h"
#include "SettingsTestSupport.h"
#include "TestFiles.h"

namespace {

std::vector<std::string> ListedNames(const TIniSource& source) {
    std::vector<std::string> names;
    for (int i = 0; i < source.BoundControlCount(); ++i) names.push_back(source.BoundControls(i)->BoundControl().Name);
    return names;
}

using Names = std::vector<std::string>;

// Three probe edits, bound to one key each of section S, and a source after them, as a layout has it.
struct ThreeEdits {
    explicit ThreeEdits(const std::string& path) {
        for (const char* name : {"E1", "E2", "E3"}) {
            TProbeEdit* edit = form.Add<TProbeEdit>(name);
            edit->SetSectionName("S");
            edit->SetKeyword(name);
            edits.push_back(edit);
        }
        source = new TIniSource(&form);
        source->Name = "IniSource1";
        source->OnActivate = [this](TObject*) { ++activations; };
        source->OnDeactivate = [this](TObject*) { ++deactivations; };
        if (!path.empty()) source->SetIniFileName(path);
        HandlePosted();
        gBindingLog.clear();
    }
    ~ThreeEdits() {
        HandlePosted();  // nothing posted here may reach the next test
        gBindingLog.clear();
    }
    void BindAll() {
        for (TProbeEdit* edit : edits) edit->SetDataSource(source);
    }
    TBoundForm form{Application};
    std::vector<TProbeEdit*> edits;
    TIniSource* source = nullptr;
    int activations = 0;
    int deactivations = 0;
};

}  // namespace

TEST(IniSource, FileNameAlwaysTakesTheIniExtensionAndReenables) {
    TIniSource source(nullptr);  // no owner: nothing to attach, and enabling must not fail
    int activations = 0, deactivations = 0;
    source.OnActivate = [&](TObject* sender) {
        EXPECT_EQ(sender, &source);
        EXPECT_TRUE(source.Enabled());
        ASSERT_NE(source.IniFile(), nullptr);
        EXPECT_EQ(source.IniFile()->FileName(), source.IniFileName());
        ++activations;
    };
    source.OnDeactivate = [&](TObject*) {
        EXPECT_FALSE(source.Enabled());
        ++deactivations;
    };
    const std::pair<const char*, const char*> names[] = {
        {"settings.cfg", "settings.ini"}, {"C:\\data.d\\app", "C:\\data.d\\app.ini"},
        {"app.INI", "app.ini"},           {"", ".ini"},
        {"dir.x/name", "dir.ini"},        {"a:b.c:d", "a:b.c:d.ini"},
        {"C:\\x\\.profile", "C:\\x\\.ini"},
    };
    for (const auto& [given, stored] : names) {
        source.SetIniFileName(given);
        EXPECT_EQ(source.IniFileName(), stored) << given;
        EXPECT_TRUE(source.Enabled());
    }
    EXPECT_EQ(activations, 7);
    EXPECT_EQ(deactivations, 6);  // the first name found it disabled
    source.SetIniFileName("same");
    source.SetIniFileName("same");  // the same name again still cycles
    EXPECT_EQ(activations, 9);
    EXPECT_EQ(deactivations, 8);

    source.SetEnabled(true);
    EXPECT_EQ(activations, 9);
    source.SetEnabled(false);
    EXPECT_EQ(source.IniFile(), nullptr);
    source.SetEnabled(false);
    EXPECT_EQ(deactivations, 9);
    EXPECT_FALSE(source.Modified());
}

TEST(IniSource, RegistrationFollowsSettersThenTheOwnersOrderAfterEnabling) {
    TempDir dir;
    ThreeEdits f(dir / "s.ini");
    f.edits[2]->SetDataSource(f.source);
    f.edits[0]->SetDataSource(f.source);
    f.edits[1]->SetDataSource(f.source);
    EXPECT_EQ(ListedNames(*f.source), (Names{"E3", "E1", "E2"}));
    // The setters posted their refreshes: nothing has been delivered yet.
    EXPECT_TRUE(gBindingLog.empty());
    HandlePosted();
    EXPECT_EQ(gBindingLog, (Names{"E3:refresh", "E1:refresh", "E2:refresh"}));

    gBindingLog.clear();
    f.source->SetEnabled(false);
    EXPECT_TRUE(ListedNames(*f.source).empty());
    f.source->SetEnabled(true);
    EXPECT_TRUE(gBindingLog.empty());  // attach requests are posted
    HandlePosted();
    EXPECT_EQ(gBindingLog, (Names{"E1:attach", "E2:attach", "E3:attach", "E1:refresh", "E2:refresh", "E3:refresh"}));
    EXPECT_EQ(ListedNames(*f.source), (Names{"E1", "E2", "E3"}));

    // Sent: every listed control has handled the message when the call returns.
    gBindingLog.clear();
    f.source->Save();
    EXPECT_EQ(gBindingLog, (Names{"E1:save", "E2:save", "E3:save"}));
    gBindingLog.clear();
    f.source->Refresh();
    EXPECT_FALSE(f.source->Modified());
    EXPECT_EQ(gBindingLog, (Names{"E1:refresh", "E2:refresh", "E3:refresh", "E1:querymodified", "E2:querymodified",
                                  "E3:querymodified"}));
}

TEST(IniSource, OnlyTheOwnersControlsBoundToItAreAttached) {
    TempDir dir;
    ThreeEdits f(dir / "s.ini");
    TIniSource other(&f.form);
    other.Name = "Other";
    f.edits[0]->SetDataSource(&other);
    f.edits[1]->SetDataSource(f.source);
    TBoundForm elsewhere(Application);  // a control of another owner, bound to this source
    auto* stranger = elsewhere.Add<TProbeEdit>("Stranger");
    stranger->SetDataSource(f.source);
    EXPECT_EQ(ListedNames(*f.source), (Names{"E2", "Stranger"}));
    HandlePosted();
    f.source->SetEnabled(false);
    f.source->SetEnabled(true);
    HandlePosted();
    EXPECT_EQ(ListedNames(*f.source), (Names{"E2"}));
    EXPECT_EQ(ListedNames(other), (Names{"E1"}));
    EXPECT_EQ(stranger->DataSource(), f.source);  // still bound, just not listed
}

TEST(IniSource, ActivationOrderAndARefreshForControlsBoundDuringOnActivate) {
    TempDir dir;
    ThreeEdits f("");
    f.edits[0]->SetDataSource(f.source);
    Names order;
    f.source->OnActivate = [&](TObject*) {
        order.push_back("activate, listed " + std::to_string(f.source->BoundControlCount()));
        f.edits[2]->SetDataSource(f.source);  // registers after the attach step emptied the list
    };
    f.source->SetIniFileName(dir / "s.ini");
    // E3 was refreshed by Enabled's own Refresh (sent), the rest wait for their attach requests.
    EXPECT_EQ(order, (Names{"activate, listed 0"}));
    EXPECT_EQ(gBindingLog, (Names{"E3:refresh"}));
}

TEST(IniSource, ADisabledSourceSavesNothingAndAsksNothing) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    ThreeEdits f(path);
    f.BindAll();
    HandlePosted();
    f.edits[0]->SetText("typed");
    f.edits[0]->SetModified(true);
    f.source->SetEnabled(false);
    gBindingLog.clear();
    f.source->Save();
    EXPECT_FALSE(f.source->Modified());
    EXPECT_TRUE(gBindingLog.empty());
    EXPECT_FALSE(FileExists(path));
    // A control's refresh request enables the source again.
    f.edits[1]->SetSectionName("T");
    EXPECT_EQ(f.activations, 1);
    HandlePosted();
    EXPECT_TRUE(f.source->Enabled());
    EXPECT_EQ(f.activations, 2);
    EXPECT_EQ(ListedNames(*f.source), (Names{"E1", "E2", "E3"}));
    // Loading replaced the typed text by the file's (absent) value, and that cleared the flag.
    EXPECT_EQ(f.edits[0]->Text(), "");
    EXPECT_FALSE(f.source->Modified());
}

TEST(IniSource, SaveErrorAndRefreshErrorReachTheErrorBox) {
    TempDir dir;
    TBoundForm form(Application);
    auto* edit = form.Add<TIniEdit>("NameEdit");
    auto* source = new TIniSource(&form);
    source->Name = "IniSource1";
    source->SetIniFileName(dir / "s.ini");
    edit->SetSectionName("S");
    edit->SetKeyword("Name");
    edit->SetDataSource(source);
    HandlePosted();
    source->SetEnabled(false);
    DialogSeen seen;
    {
        DialogDriver driver;
        driver.Record(seen, "OK");
        SendMessageA(edit->Handle(), IM_SAVE, 0, 0);
    }
    EXPECT_EQ(seen.Caption, "Tessellor");
    EXPECT_EQ(seen.Text, "Save of NameEdit failed: IniSource1 not enabled.");
    EXPECT_EQ(seen.Icon, "stop");
    EXPECT_FALSE(source->Enabled());  // a save makes no attempt to enable it
    EXPECT_FALSE(FileExists(dir / "s.ini"));

    // A source that will not stay enabled: its OnActivate turns it off again.
    source->OnActivate = [source](TObject*) { source->SetEnabled(false); };
    edit->SetText("kept");
    DialogSeen refresh;
    {
        DialogDriver driver;
        driver.Record(refresh, "OK");
        PostMessageA(edit->Handle(), IM_REFRESH, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return refresh.Shown; }));
        HandlePosted();  // the attach request of that short enabling finds the source disabled: no second box
    }
    EXPECT_EQ(refresh.Text, "Refresh of NameEdit failed: IniSource1 not enabled.");
    EXPECT_EQ(edit->Text(), "kept");
}

TEST(IniSource, SectionFiltersSelectTheControlsThatAct) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    ThreeEdits f(path);
    f.edits[1]->SetSectionName("Other");
    f.BindAll();
    HandlePosted();
    for (TProbeEdit* edit : f.edits) {
        edit->DefaultValue = "default";
        edit->SetText("value");
    }
    for (TProbeEdit* edit : f.edits) SendFiltered(*edit, IM_SAVE, "S");
    EXPECT_EQ(StoredValue(path, "S", "E1"), "value");
    EXPECT_EQ(StoredValue(path, "Other", "E2"), "<absent>");
    EXPECT_EQ(StoredValue(path, "S", "E3"), "value");
    for (TProbeEdit* edit : f.edits) SendFiltered(*edit, IM_SETDEFAULT, "other");  // case counts
    EXPECT_EQ(f.edits[1]->Text(), "value");
    for (TProbeEdit* edit : f.edits) SendFiltered(*edit, IM_SETDEFAULT, "Other");
    EXPECT_EQ(f.edits[0]->Text(), "value");
    EXPECT_EQ(f.edits[1]->Text(), "default");
    SendMessageA(f.edits[0]->Handle(), IM_SETDEFAULT, 0, 0);
    EXPECT_EQ(f.edits[0]->Text(), "default");
    // An edit takes no filter on refresh.
    SendFiltered(*f.edits[2], IM_REFRESH, "Other");
    EXPECT_EQ(f.edits[2]->Text(), "value");
    Store(path, "S", "E3", "changed");
    SendFiltered(*f.edits[2], IM_REFRESH, "Other");
    EXPECT_EQ(f.edits[2]->Text(), "changed");
}

TEST(IniSource, DestroyingEitherSideUnbinds) {
    TempDir dir;
    ThreeEdits f(dir / "s.ini");
    f.BindAll();
    HandlePosted();
    delete f.edits[1];
    EXPECT_EQ(ListedNames(*f.source), (Names{"E1", "E3"}));
    gBindingLog.clear();
    delete f.source;
    EXPECT_EQ(gBindingLog, (Names{"E1:detach", "E3:detach"}));
    EXPECT_EQ(f.deactivations, 1);
    EXPECT_EQ(f.edits[0]->DataSource(), nullptr);
    EXPECT_EQ(f.edits[2]->DataSource(), nullptr);
}

TEST(IniSource, AControlOffTheListForgetsADestroyedSource) {
    TempDir dir;
    ThreeEdits f(dir / "s.ini");
    f.BindAll();
    HandlePosted();
    f.source->SetEnabled(false);  // empties the list; the controls keep their DataSource
    gBindingLog.clear();
    delete f.source;
    EXPECT_TRUE(gBindingLog.empty());
    EXPECT_EQ(f.deactivations, 1);  // it was disabled already
    for (TProbeEdit* edit : f.edits) EXPECT_EQ(edit->DataSource(), nullptr);
    delete f.edits[0];  // must not reach the freed source
}

TEST(IniSource, APostedRefreshAfterTheSourceIsGoneDoesNothing) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    Store(path, "S", "E1", "stored");
    ThreeEdits f(path);
    f.edits[0]->SetText("own");
    f.edits[0]->SetDataSource(f.source);
    f.edits[0]->SetDataSource(nullptr);
    f.edits[1]->SetDataSource(f.source);
    delete f.source;
    DialogDriver driver;  // fails the test if any error box appears
    HandlePosted();
    EXPECT_EQ(gBindingLog, (Names{"E2:detach", "E1:refresh", "E2:refresh"}));
    EXPECT_EQ(f.edits[0]->Text(), "own");
    EXPECT_EQ(f.edits[1]->Text(), "");
}

TEST(IniSource, ABroadcastSurvivesAHandlerThatDestroysAListedControl) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    ThreeEdits f(path);
    f.BindAll();
    HandlePosted();
    f.edits[0]->BeforeBindingMessage = [&](UINT msg) {
        if (msg == IM_SAVE && f.edits[2]) {
            delete f.edits[2];
            f.edits[2] = nullptr;
        }
    };
    f.edits[1]->SetText("second");
    gBindingLog.clear();
    f.source->Save();
    EXPECT_EQ(gBindingLog, (Names{"E1:save", "E2:save"}));
    EXPECT_EQ(StoredValue(path, "S", "E2"), "second");
    EXPECT_EQ(ListedNames(*f.source), (Names{"E1", "E2"}));
}

TEST(IniSource, TwoControlsOnOneKeyLeaveTheLaterOnesValue) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    ThreeEdits f(path);
    for (TProbeEdit* edit : f.edits) edit->SetKeyword("Shared");
    f.BindAll();
    HandlePosted();
    f.edits[0]->SetText("first");
    f.edits[1]->SetText("second");
    f.edits[2]->SetText("third");
    f.edits[2]->SetDataSource(nullptr);
    f.source->Save();
    EXPECT_EQ(StoredValue(path, "S", "Shared"), "second");
    f.edits[0]->SetDataSource(f.source);  // moves to the end of the list
    f.source->Save();
    EXPECT_EQ(StoredValue(path, "S", "Shared"), "first");
}

// Nothing a control was promised is lost to anyone else's IM_DETACH: it leaves the list with its
// source, so its destruction cannot leave the source a control that is gone.
TEST(IniSource, ADetachFromAnyoneTakesTheControlOffTheList) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    ThreeEdits f(path);
    f.BindAll();
    HandlePosted();
    SendMessageA(f.edits[1]->Handle(), IM_DETACH, 0, 0);
    EXPECT_EQ(f.edits[1]->DataSource(), nullptr);
    ASSERT_EQ(ListedNames(*f.source), (Names{"E1", "E3"}));
    delete f.edits[1];
    f.edits[1] = nullptr;
    gBindingLog.clear();
    f.source->Save();
    EXPECT_EQ(gBindingLog, (Names{"E1:save", "E3:save"}));
}

// Moving a control to another parent makes its window again: the attach and refresh requests posted
// to the old window reach the new one.
TEST(IniSource, RequestsPostedToAControlOutliveItsWindow) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    for (const char* name : {"E1", "E2", "E3"}) Store(path, "S", name, std::string("stored ") + name);
    ThreeEdits f(path);
    auto* box = new TGroupBox(&f.form);
    box->SetParent(&f.form);
    box->SetBounds(220, 10, 200, 100);
    f.edits[0]->SetDataSource(f.source);
    f.edits[1]->SetDataSource(f.source);
    HandlePosted();
    f.source->SetEnabled(false);
    f.source->SetEnabled(true);  // empties the list and posts IM_ATTACH to every control
    f.edits[2]->SetDataSource(f.source);  // listed, with a refresh posted
    f.edits[1]->SetParent(box);
    f.edits[2]->SetParent(box);
    HandlePosted();
    EXPECT_EQ(ListedNames(*f.source), (Names{"E1", "E2", "E3"}));
    EXPECT_EQ(f.edits[1]->Text(), "stored E2");
    EXPECT_EQ(f.edits[2]->Text(), "stored E3");
    f.edits[1]->SetText("saved E2");
    f.source->Save();
    EXPECT_EQ(StoredValue(path, "S", "E2"), "saved E2");
}

// A bound control without a parent still gets its binding messages, but shows no window of its own;
// once it has a parent, its window is that parent's child.
TEST(IniSource, AControlsWindowFollowsItsParent) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    Store(path, "S", "Loose", "stored");
    ThreeEdits f(path);
    auto* loose = new TIniEdit(&f.form);
    loose->Name = "Loose";
    loose->SetBounds(10, 100, 200, 22);
    loose->SetSectionName("S");
    loose->SetKeyword("Loose");
    loose->SetDataSource(f.source);
    HandlePosted();
    EXPECT_EQ(loose->Text(), "stored");
    ASSERT_TRUE(loose->HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(loose->Handle()));
    loose->SetParent(&f.form);
    EXPECT_EQ(GetParent(loose->Handle()), f.form.Handle());
    EXPECT_NE(GetWindowLongPtrA(loose->Handle(), GWL_STYLE) & WS_CHILD, 0);
    EXPECT_TRUE(IsWindowVisible(loose->Handle()));
    EXPECT_EQ(loose->Text(), "stored");
    loose->SetText("typed");
    f.source->Save();
    EXPECT_EQ(StoredValue(path, "S", "Loose"), "typed");
    // Taken off its parent again, it goes back to a window nobody sees.
    loose->SetParent(nullptr);
    loose->SetDataSource(nullptr);
    loose->SetDataSource(f.source);
    HandlePosted();
    ASSERT_TRUE(loose->HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(loose->Handle()));
    EXPECT_EQ(loose->Text(), "typed");
}

// The DataSource setter and IM_ATTACH agree: a disabled source keeps an empty list, and the control's
// refresh, which enables the source, lists the control.
TEST(IniSource, ADisabledSourceListsAControlOnlyOnceItsRefreshEnablesIt) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    Store(path, "S", "E1", "stored");
    ThreeEdits f(path);
    TBoundForm other(Application);  // a control of another owner is listed the same way
    auto* stranger = other.Add<TIniEdit>("Stranger");
    stranger->SetSectionName("S");
    stranger->SetKeyword("Stranger");
    f.source->SetEnabled(false);
    f.edits[0]->SetDataSource(f.source);
    stranger->SetDataSource(f.source);
    EXPECT_TRUE(ListedNames(*f.source).empty());
    {
        DialogDriver driver;  // fails the test if any error box appears
        f.source->Save();
        EXPECT_EQ(driver.Answered(), 0);
    }
    EXPECT_EQ(StoredValue(path, "S", "E1"), "stored");
    HandlePosted();
    EXPECT_TRUE(f.source->Enabled());
    EXPECT_EQ(ListedNames(*f.source), (Names{"Stranger", "E1"}));  // E1 moved on by its IM_ATTACH
    EXPECT_EQ(f.edits[0]->Text(), "stored");
    stranger->SetText("mine");
    f.source->Save();
    EXPECT_EQ(StoredValue(path, "S", "Stranger"), "mine");
    stranger->SetDataSource(nullptr);
}

// Handlers that take controls off the list or put them back at its end change nobody's turn.
TEST(IniSource, ABroadcastReachesEachControlListedAtItsStartOnce) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    ThreeEdits f(path);
    f.BindAll();
    HandlePosted();
    f.edits[1]->BeforeBindingMessage = [&](UINT msg) {
        if (msg == IM_SAVE) f.edits[0]->SetDataSource(f.source);  // E1 moves to the end of the list
    };
    gBindingLog.clear();
    f.source->Save();
    EXPECT_EQ(gBindingLog, (Names{"E1:save", "E2:save", "E3:save"}));
    EXPECT_EQ(ListedNames(*f.source), (Names{"E2", "E3", "E1"}));
    HandlePosted();

    f.edits[1]->BeforeBindingMessage = nullptr;
    f.edits[2]->BeforeBindingMessage = [&](UINT msg) {
        if (msg == IM_SAVE) f.edits[1]->SetDataSource(nullptr);  // E2, already saved, leaves
    };
    f.edits[0]->BeforeBindingMessage = [&](UINT msg) {
        if (msg == IM_SAVE) f.edits[2]->SetDataSource(nullptr);  // E3, already saved, leaves
    };
    f.edits[0]->SetText("first");
    gBindingLog.clear();
    f.source->Save();
    EXPECT_EQ(gBindingLog, (Names{"E2:save", "E3:save", "E1:save"}));
    EXPECT_EQ(StoredValue(path, "S", "E1"), "first");
    EXPECT_EQ(ListedNames(*f.source), (Names{"E1"}));

    // One that leaves before its turn is skipped.
    f.edits[1]->SetDataSource(f.source);
    f.edits[2]->SetDataSource(f.source);
    HandlePosted();
    f.edits[0]->BeforeBindingMessage = [&](UINT msg) {
        if (msg == IM_SAVE) f.edits[1]->SetDataSource(nullptr);
    };
    f.edits[2]->BeforeBindingMessage = nullptr;
    gBindingLog.clear();
    f.source->Save();
    EXPECT_EQ(gBindingLog, (Names{"E1:save", "E3:save"}));
}

// A modal loop inside a save (an error box of one control's write) runs the queue: attach and
// refresh requests waiting there must not reload texts that are still to be written.
TEST(IniSource, NoUnsavedTextIsReloadedInTheMiddleOfASave) {
    TempDir dir;
    const std::string path = dir / "s.ini";
    for (const char* name : {"E1", "E2", "E3"}) Store(path, "S", name, "old");
    ThreeEdits f(path);
    f.BindAll();
    HandlePosted();
    f.edits[0]->BeforeBindingMessage = [&](UINT msg) {
        if (msg == IM_SAVE) MessageBoxA(f.form.Handle(), "Saving", "Tessellor", MB_OK);
    };
    f.edits[1]->SetText("new E2");
    f.edits[2]->SetText("new E3");
    PostMessageA(f.edits[1]->Handle(), IM_REFRESH, 0, 0);
    PostMessageA(f.edits[2]->Handle(), IM_ATTACH, 0, reinterpret_cast<LPARAM>(f.source));
    DialogSeen box;
    {
        DialogDriver driver;
        driver.Record(box, "OK");
        f.source->Save();
    }
    EXPECT_TRUE(box.Shown);
    EXPECT_EQ(StoredValue(path, "S", "E2"), "new E2");
    EXPECT_EQ(StoredValue(path, "S", "E3"), "new E3");
    // The loads come after the save, and find what it wrote.
    gBindingLog.clear();
    HandlePosted();
    EXPECT_EQ(gBindingLog, (Names{"E2:refresh", "E3:refresh"}));
    EXPECT_EQ(f.edits[1]->Text(), "new E2");
    EXPECT_EQ(f.edits[2]->Text(), "new E3");
}
