// On every screen the windows are whole: each control lies inside its parent's client area, as
// the platform really placed it, and the texts that the window shows fit it. The test program
// runs once per screen setting (96, 120, 144 and 192 pixels per inch).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

#include "Application.h"
#include "Bitmap.h"
#include "ControlsForm.h"
#include "DialogDriver.h"
#include "DialogLayout.h"
#include "FileCtrl.h"
#include "Handles.h"
#include "MessageDlg.h"
#include "Screen.h"
#include "main.h"
#include "product.h"
#include "support.h"

namespace {

// The controls of `parent` (windows of this toolkit) that stick out of its client area.
std::vector<std::string> OutsideTheirParent(TWinControl& parent) {
    std::vector<std::string> outside;
    const RECT client = ClientRectOf(parent.Handle());
    for (int i = 0; i < parent.ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(parent.Controls(i));
        if (!child || !child->Visible()) continue;
        RECT r{};
        GetWindowRect(child->Handle(), &r);
        MapWindowPoints(nullptr, parent.Handle(), reinterpret_cast<POINT*>(&r), 2);
        if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom) {
            std::ostringstream where;
            where << child->Name << " (" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom
                  << ") in " << client.right << " x " << client.bottom;
            outside.push_back(where.str());
        }
        for (const std::string& inner : OutsideTheirParent(*child)) outside.push_back(inner);
    }
    return outside;
}

// The work area of the window's monitor.
RECT WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

void ExpectWhole(TForm& form) {
    form.Show();
    EXPECT_EQ(OutsideTheirParent(form), std::vector<std::string>{}) << form.Name;
    // Inside the work area; one larger than that with its top left corner inside.
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    const RECT work = WorkArea(form.Handle());
    EXPECT_GE(r.left, work.left) << form.Name;
    EXPECT_GE(r.top, work.top) << form.Name;
    EXPECT_LE(r.right, std::max(work.right, work.left + r.right - r.left)) << form.Name;
    EXPECT_LE(r.bottom, std::max(work.bottom, work.top + r.bottom - r.top)) << form.Name;
    form.Hide();
}

}  // namespace

TEST(WholeWindow, EveryControlOfEachFormLiesInsideItsParent) {
    auto main = std::make_unique<TTessellorForm>(Application);
    ExpectWhole(*main);
    auto support = std::make_unique<TSupportFrm>(Application);
    ExpectWhole(*support);
    auto product = std::make_unique<TProductFrm>(Application);
    ExpectWhole(*product);
    auto controls = std::make_unique<TControlsForm>(Application);
    ExpectWhole(*controls);
}

TEST(WholeWindow, TheMainWindowsClientAreaGrowsWithTheScreen) {
    // 447 x 486 outside at 96 pixels per inch leaves 439 x 440 inside; frames, caption and menu bar
    // grow as the platform draws them, and the inside grows by the screen's scale.
    auto main = std::make_unique<TTessellorForm>(Application);
    EXPECT_EQ(main->ClientWidth(), Scaled(439));
    EXPECT_EQ(main->ClientHeight(), Scaled(440));
    EXPECT_EQ(main->Left(), Scaled(222));
    EXPECT_EQ(main->Top(), Scaled(78));
    // Shown, it stays there, or moves the least that brings it on the screen.
    main->Show();
    const RECT work = WorkArea(main->Handle());
    EXPECT_EQ(main->Left(), std::min(Scaled(222), static_cast<int>(work.right) - main->Width()));
    EXPECT_EQ(main->Top(), std::min(Scaled(78), static_cast<int>(work.bottom) - main->Height()));
    main->Hide();
}

TEST(WholeWindow, TheMessageDialogsTextAndButtonsFitInside) {
    const std::string text =
        "The folder C:\\Pictures\\Holidays\\Summer cannot be read. Check that the drive is ready and try again.";
    std::vector<std::string> outside;
    int textHeight = 0, textNeeds = 0;
    DialogDriver driver;
    driver.Then([&](WindowView& w) {
        auto* dialog = dynamic_cast<TForm*>(TWinControl::FromHandle(w.Handle()));
        ASSERT_NE(dialog, nullptr);
        outside = OutsideTheirParent(*dialog);
        // The text's label is as tall as its lines in the font it draws with.
        for (int i = 0; i < dialog->ControlCount(); ++i) {
            if (dialog->Controls(i)->Caption() != text) continue;
            auto* label = dialog->Controls(i);
            const TClientDC dc;
            const TSelectedObject font(dc.Get(), label->EffectiveFont().Handle());
            RECT r{0, 0, label->Width(), 0};
            DrawTextA(dc.Get(), text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            textHeight = label->Height();
            textNeeds = r.bottom;
        }
        w.Press("OK");
    });
    MessageDlg(text, TMsgDlgType::mtWarning, mbOK | mbCancel, 0);
    EXPECT_EQ(outside, std::vector<std::string>{});
    EXPECT_GT(textNeeds, 0);
    EXPECT_GE(textHeight, textNeeds);
}

TEST(WholeWindow, ListGlyphsKeepTheirPixelsAndStandCentredInTheirRows) {
    auto main = std::make_unique<TTessellorForm>(Application);
    main->Show();
    TDirectoryListBox* dirs = main->DirectoryListBox1;
    ASSERT_GT(dirs->Items().Count(), 0);
    const auto* glyph = dynamic_cast<const TBitmap*>(dirs->Items().GetObject(0));
    ASSERT_NE(glyph, nullptr);
    // The layout's item heights, scaled like every other size.
    EXPECT_EQ(dirs->ItemHeight(), Scaled(16));
    EXPECT_EQ(main->FileListBox1->ItemHeight(), Scaled(13));
    RECT item{};
    SendMessageA(dirs->Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.bottom - item.top, Scaled(16));
    RedrawWindow(dirs->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    // The first line's glyph stands 2 pixels in, centred in its row, pixel for pixel as it is.
    const int left = item.left + 2, top = (item.top + item.bottom - glyph->Height()) / 2;
    int compared = 0, differing = 0;
    {
        const TClientDC screen(dirs->Handle());
        const TMemoryDC picture(glyph->Handle());
        for (int y = 0; y < glyph->Height(); ++y)
            for (int x = 0; x < glyph->Width(); ++x) {
                const COLORREF want = GetPixel(picture.Get(), x, y);
                if (want == glyph->TransparentColor()) continue;
                ++compared;
                if (GetPixel(screen.Get(), left + x, top + y) != want) ++differing;
            }
    }
    main->Hide();
    EXPECT_GT(compared, 20);
    EXPECT_EQ(differing, 0) << "of " << compared << " glyph pixels";
}
