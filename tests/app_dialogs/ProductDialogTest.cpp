#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Application.h"
#include "DialogDriver.h"
#include "DialogLayout.h"
#include "product.h"

namespace {

const COLORREF kLime = RGB(0, 255, 0);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kRed = RGB(255, 0, 0);

void ClickOnScreen(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    for (DWORD flags : {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
    }
}

RECT Union(const RECT& a, const RECT& b) {
    RECT r{};
    UnionRect(&r, &a, &b);
    return r;
}

// The pixels of a rectangle of the form's client area, read once, addressed in client coordinates.
class PixelGrid {
public:
    PixelGrid(TForm& form, const RECT& area) : FArea(area) {
        CountPixels(form, area, [&](COLORREF c) {
            FColours.push_back(c);
            return false;
        });
    }
    COLORREF At(int x, int y) const {
        if (x < FArea.left || x >= FArea.right || y < FArea.top || y >= FArea.bottom) return CLR_INVALID;
        return FColours[(y - FArea.top) * (FArea.right - FArea.left) + (x - FArea.left)];
    }
    template <class F> void ForEach(F visit) const {
        for (int y = FArea.top; y < FArea.bottom; ++y)
            for (int x = FArea.left; x < FArea.right; ++x) visit(x, y, At(x, y));
    }
    template <class F> int Count(F match) const {
        int n = 0;
        ForEach([&](int, int, COLORREF c) { n += match(c) ? 1 : 0; });
        return n;
    }
    bool operator==(const PixelGrid& other) const { return FColours == other.FColours; }

private:
    RECT FArea;
    std::vector<COLORREF> FColours;
};

void Repaint(TForm& form) {
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The layout of the dialog: the address pair, then per product title shadow, title, (subtitle),
// picture and description.
const std::vector<Placed> kLayout = {
    {"OKButton", 321, 14, 57, 24}, {"Label9", 214, 138, 164, 24}, {"Label10", 212, 137, 164, 24},
    {"Label1", 10, 8, 123, 24},    {"Label2", 8, 7, 123, 24},     {"Image1", 8, 30, 297, 142},
    {"Label3", 12, 174, 369, 55},  {"Label4", 14, 234, 127, 24},  {"Label5", 12, 233, 127, 24},
    {"Label6", 64, 252, 105, 13},  {"Image2", 12, 252, 370, 51},  {"Label7", 12, 304, 369, 45},
    {"Label8", 16, 352, 59, 24},   {"Label11", 14, 351, 59, 24},  {"Label12", 12, 376, 369, 55},
};

}  // namespace

TEST(ProductDialog, HasItsCaptionSizeAndLayoutAndEscClosesIt) {
    auto form = std::make_unique<TProductFrm>(Application);
    DialogDriver driver;
    std::string caption, cancelCaption;
    RECT client{}, window{};
    driver.Then([&](WindowView& w) {
        caption = w.Caption();
        client = ClientRectOf(w.Handle());
        GetWindowRect(w.Handle(), &window);
        ExpectLayout(*form, kLayout);
        w.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(caption, "Other Products  ");
    EXPECT_EQ(client.right, Scaled(390));
    EXPECT_EQ(client.bottom, Scaled(438));
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    ASSERT_NE(form->CancelButton(), nullptr);
    EXPECT_EQ(form->CancelButton()->Caption(), "OK");
    // The maker's web address, in red over its grey copy.
    EXPECT_EQ(form->Label9->Caption(), "tessellor.test");
    EXPECT_EQ(form->Label10->Caption(), "tessellor.test");
}

TEST(ProductDialog, ThePicturesAreTheProgramsOwnBitmapsInTheirColourDepths) {
    struct Picture {
        const char* Name;
        int Width, Height, Bits;
    };
    for (const Picture& p : {Picture{"TILECRAFT", 297, 142, 8}, Picture{"QUILTWORK", 370, 51, 4}}) {
        HRSRC found = FindResourceA(nullptr, p.Name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
        ASSERT_NE(found, nullptr) << p.Name;
        const auto* info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_NE(info, nullptr) << p.Name;
        EXPECT_EQ(info->biWidth, p.Width) << p.Name;
        EXPECT_EQ(info->biHeight, p.Height) << p.Name;
        EXPECT_EQ(info->biBitCount, p.Bits) << p.Name;
    }
    EXPECT_NE(FindResourceA(nullptr, "MAINICON", MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */), nullptr);
}

TEST(ProductDialog, ClickingTheWebAddressLeavesTheDialogOpen) {
    auto form = std::make_unique<TProductFrm>(Application);
    int clicks = 0;
    for (TLabel* label : {form->Label9, form->Label10}) {
        TNotifyEvent own = label->OnClick;
        ASSERT_TRUE(own);
        label->OnClick = [&clicks, own](TObject* sender) {
            ++clicks;
            own(sender);
        };
    }
    bool openAfterClicks = false;
    int resultAfterClicks = -1;
    DialogDriver driver;
    driver.Then([&](WindowView& w) {
        // Once on the red text and once on its grey shadow's edge, with the mouse.
        ClickOnScreen(w.Handle(), Scaled(230), Scaled(150));
        EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
        ClickOnScreen(w.Handle(), Scaled(376), Scaled(160));
        EXPECT_TRUE(PumpUntil([&] { return clicks == 2; }));
        PumpUntilQuiet();
        openAfterClicks = IsWindowVisible(w.Handle()) != FALSE;
        resultAfterClicks = form->ModalResult;
        w.Press("OK");
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(openAfterClicks);
    EXPECT_EQ(resultAfterClicks, mrNone);
}

TEST(ProductDialog, TransparentTitlesShowTheirShadowUnderneathWhateverRepaints) {
    auto form = std::make_unique<TProductFrm>(Application);
    form->Show();
    PumpUntilQuiet();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct Pair {
        TLabel* Shadow;
        TLabel* Top;
        COLORREF TopColour;
    };
    for (const Pair& pair : {Pair{form->Label1, form->Label2, kLime}, Pair{form->Label4, form->Label5, kLime},
                             Pair{form->Label8, form->Label11, kLime}, Pair{form->Label9, form->Label10, kRed}}) {
        const std::string name = pair.Top->Name;
        const RECT shadowPlace = PlaceOf(*form, pair.Shadow->Name);
        const RECT topPlace = PlaceOf(*form, name);
        const POINT offset{shadowPlace.left - topPlace.left, shadowPlace.top - topPlace.top};
        const RECT area = Union(shadowPlace, topPlace);

        // The ground, the shadow alone, then the shadow with its top copy over it.
        const auto paint = [&](bool shadow, bool top) {
            pair.Shadow->SetVisible(shadow);
            pair.Top->SetVisible(top);
            Repaint(*form);
            return PixelGrid(*form, area);
        };
        const PixelGrid ground = paint(false, false);
        const PixelGrid alone = paint(true, false);
        const PixelGrid both = paint(true, true);

        // Whatever the face, the top copy covers its shadow but a rim: part of the shadow's ink goes
        // under it, and what is left shows beside the top copy's own ink, one shadow offset away.
        int shadowInk = 0, rim = 0, rimBesideTop = 0;
        alone.ForEach([&](int x, int y, COLORREF c) {
            if (c == ground.At(x, y)) return;
            ++shadowInk;
            if (both.At(x, y) != c) return;
            ++rim;
            const int tx = x - offset.x, ty = y - offset.y;
            if (both.At(tx, ty) != alone.At(tx, ty)) ++rimBesideTop;
        });
        EXPECT_GT(shadowInk, 10) << name;
        EXPECT_GT(rim, 10) << name;
        EXPECT_LT(rim, shadowInk) << name;
        EXPECT_EQ(rimBesideTop, rim) << name;
        EXPECT_GT(both.Count([&](COLORREF c) { return Near(c, pair.TopColour); }), 10) << name;
        EXPECT_EQ(both.Count([&](COLORREF c) { return c == face; }), 0) << name;

        // Repainting one copy alone must not bring the shadow to the top.
        for (TLabel* label : {pair.Shadow, pair.Top}) {
            InvalidateRect(label->Handle(), nullptr, TRUE);
            UpdateWindow(label->Handle());
            EXPECT_TRUE(PixelGrid(*form, area) == both) << name << " after repainting " << label->Name;
        }
    }
    // Descriptions: white on the black ground.
    const RECT description = PlaceOf(*form, "Label3");
    EXPECT_GT(CountPixels(*form, description, [](COLORREF c) { return c == RGB(255, 255, 255); }), 100);
    EXPECT_EQ(CountPixels(*form, description, [&](COLORREF c) { return c == face; }), 0);
    form->Hide();
}
