#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Component.h"
#include "Control.h"
#include "IniSource.h"
#include "Menus.h"
#include "StringGrid.h"

namespace {

// Records the removals it hears of and keeps a link that must be cleared.
class Watcher : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* Link = nullptr;
    std::vector<TComponent*> Removed;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation != TOperation::opRemove) return;
        Removed.push_back(component);
        if (component == Link) Link = nullptr;
    }
};

class Counted : public TComponent {
public:
    Counted(TComponent* owner, int& alive) : TComponent(owner), FAlive(alive) { ++FAlive; }
    ~Counted() override { --FAlive; }

private:
    int& FAlive;
};

}  // namespace

TEST(Component, OwnerKeepsOrderAndFreesWhatItOwns) {
    int alive = 0;
    {
        TComponent owner(nullptr);
        auto* a = new Counted(&owner, alive);
        auto* b = new Counted(&owner, alive);
        a->Name = "A";
        b->Name = "B";
        ASSERT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(owner.Components(0), a);
        EXPECT_EQ(owner.Components(1), b);
        EXPECT_EQ(owner.FindComponent("B"), b);
        EXPECT_EQ(b->Owner(), &owner);
        delete a;  // leaves the owner's list
        ASSERT_EQ(owner.ComponentCount(), 1);
        EXPECT_EQ(owner.Components(0), b);
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(alive, 0);
}

TEST(Component, FreeNotificationClearsLinksAcrossOwners) {
    TComponent ownerA(nullptr);
    TComponent ownerB(nullptr);
    auto* watcher = new Watcher(&ownerA);
    auto* target = new TComponent(&ownerB);
    watcher->Link = target;
    watcher->FreeNotification(target);
    delete target;
    EXPECT_EQ(watcher->Link, nullptr);
    ASSERT_EQ(watcher->Removed.size(), 1u);

    // A link that was given up is not reported any more.
    auto* second = new TComponent(&ownerB);
    watcher->FreeNotification(second);
    watcher->RemoveFreeNotification(second);
    delete second;
    EXPECT_EQ(watcher->Removed.size(), 1u);
}

TEST(Component, SiblingsHearOfEachOthersRemoval) {
    TComponent owner(nullptr);
    auto* watcher = new Watcher(&owner);
    auto* sibling = new TComponent(&owner);
    watcher->Link = sibling;
    delete sibling;
    EXPECT_EQ(watcher->Link, nullptr);
}

TEST(Component, WatcherDestroyedFirstIsNotToldLater) {
    TComponent owner(nullptr);
    auto* watcher = new Watcher(&owner);
    Watcher other(nullptr);
    watcher->FreeNotification(&other);
    const TComponent* gone = watcher;
    delete watcher;
    // The other side heard of the watcher's end once, which took the watcher off its list: its own
    // end, at the close of this test, tells the freed watcher nothing.
    ASSERT_EQ(other.Removed.size(), 1u);
    EXPECT_EQ(other.Removed[0], gone);
}

// Every indexed accessor checks its position itself: a position outside the list reaches the error
// box as the toolkit's own message, never as the standard library's text.
TEST(Component, IndexedAccessorsReportTheBadPosition) {
    TComponent owner(nullptr);
    TMenuItem* item = new TMenuItem(&owner);
    TMainMenu* menu = new TMainMenu(&owner);
    TWinControl* control = new TWinControl(&owner);
    const TIniSource source(nullptr);
    TStringGrid grid(nullptr);
    grid.SetColCount(3);
    const auto expectError = [](auto&& access, int index) {
        try {
            access(index);
            ADD_FAILURE() << "no error for position " << index;
        } catch (const std::out_of_range&) {
            ADD_FAILURE() << "the standard library's error for position " << index;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    };
    for (int index : {-1, 3}) {
        expectError([&](int i) { return owner.Components(i); }, index);
        expectError([&](int i) { return item->Items(i); }, index);
        expectError([&](int i) { return menu->Items(i); }, index);
        expectError([&](int i) { return control->Controls(i); }, index);
        expectError([&](int i) { return source.BoundControls(i); }, index);
        expectError([&](int i) { return grid.Cells(i, 0); }, index);
    }
    EXPECT_EQ(owner.Components(2), control);
}
