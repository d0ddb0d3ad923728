#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "Font.h"
#include "Handles.h"
#include "ScopeGuards.h"
#include "TestFiles.h"

namespace {

HBRUSH NewBrush() { return CreateSolidBrush(RGB(1, 2, 3)); }
bool IsAlive(HGDIOBJ object) { return GetObjectType(object) != 0; }

// A file can be opened for writing alone only when no other handle holds it open.
bool IsOpenElsewhere(const std::string& path) {
    const TFileHandle alone(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !alone;
}

}  // namespace

TEST(ScopedHandle, DeletesItsObjectOnceAndHandsItOnWhenMovedOrReleased) {
    HBRUSH first = NewBrush(), second = NewBrush();
    {
        TGdiObject<HBRUSH> held(first);
        held.Reset(second);
        EXPECT_FALSE(IsAlive(first));  // the one replaced goes at once
        TGdiObject<HBRUSH> moved(std::move(held));
        EXPECT_FALSE(held);
        EXPECT_EQ(moved.Get(), second);
        EXPECT_TRUE(IsAlive(second));
    }
    EXPECT_FALSE(IsAlive(second));

    HBRUSH kept = NewBrush();
    {
        TGdiObject<HBRUSH> held(kept);
        TGdiObject<HBRUSH> other(NewBrush());
        const HBRUSH replaced = other.Get();
        other = std::move(held);
        EXPECT_FALSE(IsAlive(replaced));
        EXPECT_EQ(other.Release(), kept);
    }
    EXPECT_TRUE(IsAlive(kept));
    TGdiObject<HBRUSH> last(kept);
}

TEST(ScopedHandle, AFileHandleTakesTheFailedValueForNoneAndClosesARealOne) {
    TempDir dir;
    const std::string path = dir / "held.txt";
    EXPECT_FALSE(TFileHandle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)));
    // Whichever failed value a kernel call answers, it holds no handle.
    EXPECT_FALSE(TKernelHandle(INVALID_HANDLE_VALUE));
    EXPECT_FALSE(TKernelHandle(nullptr));
    {
        const TFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        EXPECT_TRUE(IsOpenElsewhere(path));
    }
    EXPECT_FALSE(IsOpenElsewhere(path));

    WIN32_FIND_DATAA data;
    EXPECT_FALSE(TFindHandle(FindFirstFileA((dir / "none*").c_str(), &data)));
    EXPECT_TRUE(TFindHandle(FindFirstFileA((dir / "held*").c_str(), &data)));
}

TEST(DeviceContexts, ASelectionIsUndoneAndAMemoryDCLetsItsBitmapGo) {
    const TClientDC screen;
    ASSERT_NE(screen.Get(), nullptr);
    const HGDIOBJ before = GetCurrentObject(screen.Get(), OBJ_FONT);
    TGdiObject<HFONT> font(CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    {
        const TSelectedObject selected(screen.Get(), font.Get());
        EXPECT_EQ(GetCurrentObject(screen.Get(), OBJ_FONT), font.Get());
    }
    EXPECT_EQ(GetCurrentObject(screen.Get(), OBJ_FONT), before);

    TGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), 4, 4));
    {
        const TMemoryDC memory(bitmap.Get());
        EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_BITMAP), bitmap.Get());
    }
    // Selected into a live DC it could not be deleted; deselected, it can.
    const HBITMAP released = bitmap.Release();
    TGdiObject<HBITMAP>(released).Reset();
    EXPECT_FALSE(IsAlive(released));
}

TEST(Font, ItsHandleGoesWhenTheFontChangesAndWithTheFont) {
    HFONT first = nullptr;
    {
        TFont font;
        first = font.Handle();
        ASSERT_TRUE(IsAlive(first));
        font.SetSize(font.Size() + 4);
        EXPECT_FALSE(IsAlive(first));
        first = font.Handle();
        EXPECT_TRUE(IsAlive(first));
    }
    EXPECT_FALSE(IsAlive(first));
}

namespace {

struct TCountingList {
    int Depth = 0;
    void BeginUpdate() { ++Depth; }
    void EndUpdate() { --Depth; }
};

}  // namespace

TEST(ScopeGuards, PutBackWhatTheySetAlsoWhenTheScopeRaises) {
    bool flag = false;
    int depth = 1;
    TCountingList list;
    std::vector<int> log;
    try {
        const TRestore set(flag, true);
        const TRestore deeper(depth, depth + 1);
        const TUpdateScope update(list);
        const TAtScopeExit atExit([&] { log.push_back(depth); });
        {
            const TRestore nested(depth, 7);
            EXPECT_EQ(depth, 7);
        }
        EXPECT_TRUE(flag);
        EXPECT_EQ(depth, 2);
        EXPECT_EQ(list.Depth, 1);
        throw std::runtime_error("failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(flag);
    EXPECT_EQ(depth, 1);
    EXPECT_EQ(list.Depth, 0);
    EXPECT_EQ(log, std::vector<int>{2});  // run before the guards made earlier put their values back
}
