// The skin engine with real windows: what each kind looks like on the screen in each state,
// named images, the entries of a list box, fonts, tooltips, the call journal, bad input and
// the release of every window's state.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "fault_injection.h"
#include "skin_test_util.h"

using namespace skintest;

namespace {

const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kRed = RGB(200, 0, 0);

struct SkinEngine : ::testing::Test {
    vxtest::HostWindow host{600, 400};

    void SetUp() override
    {
        ::SetCursorPos(0, 0);
        vxJournalClear();
        HBITMAP green = SolidBitmap(16, 16, kGreen);
        HBITMAP red = SolidBitmap(16, 16, kRed);
        ASSERT_TRUE(vxRegisterImage("test.green", green));
        ASSERT_TRUE(vxRegisterImage("test.red", red));
        ::DeleteObject(green);     // the engine keeps copies
        ::DeleteObject(red);
    }
    void TearDown() override { vxSetGetFontFails(0); }

    HWND Button(DWORD style, const char* text, int x = 10, int y = 10, int cx = 120, int cy = 60)
    {
        return Child(host.Hwnd(), "BUTTON", text, style, x, y, cx, cy);
    }
    // Pixels of the colour in a window's rectangle, after the queue has settled.
    int CountOf(HWND hwnd, const RECT& rect, COLORREF colour)
    {
        vxtest::PumpFor(30);
        RECT all = rect;
        return (all.right - all.left) * (all.bottom - all.top) - PixelsOtherThan(hwnd, all, colour);
    }
    RECT ClientOf(HWND hwnd)
    {
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        return rc;
    }
};

// --- buttons -----------------------------------------------------------------------------

TEST_F(SkinEngine, PushButtonFaceFollowsHotPressedLockedAndDisabledStates)
{
    HWND button = Button(BS_PUSHBUTTON, "Apply");
    ASSERT_EQ(vxSkinWindow(button, 103, "test.push", 0), 1);
    EXPECT_EQ(vxIsSkinned(button), 103);
    EXPECT_STREQ(vxGetSkinName(button), "test.push");
    ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const int x = 4, y = 4;           // inside the border, clear of the caption

    EXPECT_TRUE(PixelBecomes(button, x, y, vxGetSkinColour("face"))) << SettledPixel(button, x, y);

    // Hot while the real pointer is over it, normal again once it has left.
    vxtest::MouseMove(vxtest::CentreOf(button));
    EXPECT_TRUE(PixelBecomes(button, x, y, vxGetSkinColour("face.hot"))) << SettledPixel(button, x, y);
    vxtest::MouseMove(vxtest::ScreenPoint(host.Hwnd(), 400, 300));
    EXPECT_TRUE(PixelBecomes(button, x, y, vxGetSkinColour("face"))) << SettledPixel(button, x, y);

    // Pressed through the control's own state, and held by the lock.
    ::SendMessageA(button, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(PixelBecomes(button, x, y, vxGetSkinColour("face.pressed")));
    ::SendMessageA(button, BM_SETSTATE, FALSE, 0);
    EXPECT_TRUE(PixelBecomes(button, x, y, vxGetSkinColour("face")));
    EXPECT_EQ(vxLockState(button, 1), 1);
    EXPECT_TRUE(PixelBecomes(button, x, y, vxGetSkinColour("face.pressed")));
    vxtest::Click(vxtest::CentreOf(button));   // a click does not end the lock
    EXPECT_TRUE(PixelBecomes(button, x, y, vxGetSkinColour("face.pressed")));
    EXPECT_EQ(vxLockState(button, 0), 1);
    vxtest::MouseMove(vxtest::ScreenPoint(host.Hwnd(), 400, 300));
    EXPECT_TRUE(PixelBecomes(button, x, y, vxGetSkinColour("face")));

    // Disabled wins over everything.
    vxLockState(button, 1);
    ::EnableWindow(button, FALSE);
    EXPECT_TRUE(PixelBecomes(button, x, y, vxGetSkinColour("face.disabled")));
    ::EnableWindow(button, TRUE);
    vxLockState(button, 0);

    // The caption is drawn in the theme's text colour.
    EXPECT_GT(CountOf(button, ClientOf(button), vxGetSkinColour("text")), 10);
}

TEST_F(SkinEngine, RadioButtonShowsItsCheckedState)
{
    HWND radio = Button(BS_AUTORADIOBUTTON, "Option");
    ASSERT_EQ(vxSkinWindow(radio, 105, "test.radio", 0), 1);
    ::SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(PixelBecomes(radio, 4, 4, vxGetSkinColour("face.checked"))) << SettledPixel(radio, 4, 4);
    ::SendMessageA(radio, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(PixelBecomes(radio, 4, 4, vxGetSkinColour("face"))) << SettledPixel(radio, 4, 4);
    // A real click checks it.
    vxtest::Click(vxtest::CentreOf(radio));
    vxtest::MouseMove(vxtest::ScreenPoint(host.Hwnd(), 400, 300));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    EXPECT_TRUE(PixelBecomes(radio, 4, 4, vxGetSkinColour("face.checked")));
}

TEST_F(SkinEngine, ImageIsShownHiddenAndChangedByName)
{
    HWND button = Button(BS_PUSHBUTTON, "");
    ASSERT_EQ(vxSkinWindow(button, 103, "test.push", 0), 1);
    const RECT all = ClientOf(button);
    EXPECT_EQ(CountOf(button, all, kGreen), 0);

    EXPECT_EQ(vxSetDrawItemValue(button, "image.default", "test.green", 0), 1);
    EXPECT_STREQ(vxGetDrawItemValue(button, -1, "image.default"), "test.green");
    EXPECT_EQ(CountOf(button, all, kGreen), 16 * 16);

    EXPECT_EQ(vxSetDrawItemVisible(button, VXCORE_ELEMENT_IMAGE, VXCORE_PART_ALL, 0, 0), 1);
    EXPECT_EQ(CountOf(button, all, kGreen), 0);
    EXPECT_EQ(vxSetDrawItemVisible(button, VXCORE_ELEMENT_IMAGE, VXCORE_PART_ALL, 1, 0), 1);
    EXPECT_EQ(CountOf(button, all, kGreen), 16 * 16);

    EXPECT_EQ(vxSetDrawItemValue(button, "image.default", "test.red", 0), 1);
    EXPECT_EQ(CountOf(button, all, kGreen), 0);
    EXPECT_EQ(CountOf(button, all, kRed), 16 * 16);

    // An unknown name draws nothing; a null value removes the item.
    EXPECT_EQ(vxSetDrawItemValue(button, "image.default", "no such image", 0), 1);
    EXPECT_EQ(CountOf(button, all, kRed), 0);
    EXPECT_EQ(vxSetDrawItemValue(button, "image.default", nullptr, 0), 1);
    EXPECT_EQ(vxGetDrawItemValue(button, -1, "image.default"), nullptr);
}

TEST_F(SkinEngine, ImageNamedByTheFileItIsLoadedFrom)
{
    char dir[MAX_PATH], path[MAX_PATH];
    ::GetTempPathA(sizeof dir, dir);
    std::snprintf(path, sizeof path, "%svx_skin_test_%lu.bmp", dir, ::GetCurrentProcessId());

    // A 12 x 12 bitmap file in 24-bit colour, all red.
    const int side = 12, stride = (side * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = side;
    info.biHeight = side;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * side;
    std::string pixels(static_cast<size_t>(stride * side), '\0');
    for (int row = 0; row < side; ++row)
        for (int col = 0; col < side; ++col) {
            pixels[row * stride + col * 3 + 0] = 0;                       // blue
            pixels[row * stride + col * 3 + 1] = 0;                       // green
            pixels[row * stride + col * 3 + 2] = static_cast<char>(200);  // red
        }
    FILE* out = std::fopen(path, "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);

    HWND button = Button(BS_PUSHBUTTON, "");
    ASSERT_EQ(vxSkinWindow(button, 103, "test.push", 0), 1);
    EXPECT_EQ(vxSetDrawItemValue(button, "image.default", path, 0), 1);
    EXPECT_EQ(CountOf(button, ClientOf(button), kRed), side * side);
    ::DeleteFileA(path);
}

// --- header and list box -------------------------------------------------------------------

TEST_F(SkinEngine, HeaderIsATitleBandWithItsText)
{
    HWND header = Child(host.Hwnd(), "STATIC", "Group title", SS_LEFT, 10, 10, 300, 24);
    ASSERT_EQ(vxSkinWindow(header, 106, "test.header", 0), 1);
    const RECT all = ClientOf(header);
    const int band = CountOf(header, all, vxGetSkinColour("header.band"));
    EXPECT_GT(band, 300 * 24 / 2);
    // The title's letters stand out of the band.
    EXPECT_LT(band + CountOf(header, all, vxGetSkinColour("header.line")), 300 * 24);
}

TEST_F(SkinEngine, ListEntriesFromTheirDrawItemsWithSelectionAndTopIndex)
{
    HWND list = Child(host.Hwnd(), "LISTBOX", "", LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                      10, 10, 200, 100);
    for (int i = 0; i < 12; ++i)
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("own"));
    ::SendMessageA(list, LB_SETITEMHEIGHT, 0, 20);
    ASSERT_EQ(vxSkinWindow(list, 108, "test.list", 0), 1);
    EXPECT_EQ(vxSetDrawItemValueEx(list, 0, 0, "image.default", "test.green", 0), 1);
    EXPECT_EQ(vxSetDrawItemValueEx(list, 1, 0, "default_image", "test.red", 0), 1);
    EXPECT_EQ(vxSetDrawItemValueEx(list, 1, 0, "default_text", "Second", 0), 1);
    EXPECT_EQ(vxSetDrawItemValueEx(list, 11, 0, "text.default", "Last", 0), 1);
    EXPECT_EQ(vxSetDrawItemValueEx(list, 12, 0, "text.default", "Beyond", 0), 0);
    EXPECT_EQ(vxSetDrawItemValueEx(list, -1, 0, "text.default", "Before", 0), 0);

    const RECT row0 = {0, 0, 200, 20}, row1 = {0, 20, 200, 40};
    EXPECT_EQ(CountOf(list, row0, kGreen), 16 * 16);
    EXPECT_EQ(CountOf(list, {3, 0, 4, 20}, kGreen), 16);           // three pixels in
    EXPECT_EQ(CountOf(list, row1, kRed), 16 * 16);
    EXPECT_GT(CountOf(list, row1, vxGetSkinColour("text")), 5);   // "Second" in the theme colour

    // The row under the real pointer is tinted, and only while the pointer is over it.
    const RECT row3 = {0, 60, 200, 80};
    vxtest::MouseMove(vxtest::ScreenPoint(list, 100, 70));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return CountOf(list, row3, vxGetSkinColour("list.hot")) > 200 * 20 / 2; }));
    EXPECT_EQ(CountOf(list, row1, vxGetSkinColour("list.hot")), 0);
    vxtest::MouseMove(vxtest::ScreenPoint(host.Hwnd(), 400, 300));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return CountOf(list, row3, vxGetSkinColour("list.hot")) == 0; }));

    // The selection is painted in the accent colour.
    ::SendMessageA(list, LB_SETCURSEL, 2, 0);
    const RECT row2 = {0, 40, 200, 60};
    EXPECT_GT(CountOf(list, row2, vxGetSkinColour("list.selected")), 200 * 20 / 2);

    // Scrolled to the end (five rows shown): the entries move up with the top index.
    ::SendMessageA(list, LB_SETTOPINDEX, 7, 0);
    EXPECT_EQ(::SendMessageA(list, LB_GETTOPINDEX, 0, 0), 7);
    EXPECT_EQ(CountOf(list, ClientOf(list), kGreen), 0);
    EXPECT_EQ(CountOf(list, ClientOf(list), kRed), 0);

    // Entry items follow insertions and deletions.
    ::SendMessageA(list, LB_SETTOPINDEX, 0, 0);
    ::SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("new"));
    EXPECT_STREQ(vxGetDrawItemValue(list, 1, "image.default"), "test.green");
    EXPECT_EQ(vxGetDrawItemValue(list, 0, "image.default"), nullptr);
    EXPECT_STREQ(vxGetDrawItemValue(list, 12, "text.default"), "Last");
    ::SendMessageA(list, LB_DELETESTRING, 1, 0);
    EXPECT_STREQ(vxGetDrawItemValue(list, 1, "default_text"), "Second");
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(vxGetDrawItemValue(list, 1, "default_text"), nullptr);
}

TEST_F(SkinEngine, ListWithRedrawOffPaintsNothingUntilRedrawIsBack)
{
    HWND list = Child(host.Hwnd(), "LISTBOX", "", LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, 10, 10,
                      200, 100);
    ::SendMessageA(list, LB_SETITEMHEIGHT, 0, 20);
    ASSERT_EQ(vxSkinWindow(list, 108, "test.list", 0), 1);
    vxtest::PumpFor(30);
    vxtest::MessageRecorder recorder(list);
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < 300; ++i) {
        const LRESULT index = ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
        vxSetDrawItemValueEx(list, static_cast<int>(index), 0, "image.default", "test.green", 0);
    }
    vxtest::PumpFor(30);
    EXPECT_EQ(recorder.Count(WM_PAINT), 0);
    EXPECT_EQ(CountOf(list, ClientOf(list), kGreen), 0);

    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(CountOf(list, ClientOf(list), kGreen), 5 * 16 * 16);   // five rows shown
    EXPECT_GE(recorder.Count(WM_PAINT), 1);
    EXPECT_STREQ(vxGetDrawItemValue(list, 299, "image.default"), "test.green");
}

TEST_F(SkinEngine, ListWithoutDataFollowsItsCountAndRepaintsOnlyForShownEntries)
{
    HWND list = Child(host.Hwnd(), "LISTBOX", "", LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT,
                      10, 10, 200, 100);
    ::SendMessageA(list, LB_SETITEMHEIGHT, 0, 20);
    ASSERT_EQ(vxSkinWindow(list, 108, "test.list", 0), 1);
    ASSERT_EQ(::SendMessageA(list, LB_SETCOUNT, 1000, 0), 0);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(vxSetDrawItemValueEx(list, i, 0, "text.default", ("Row " + std::to_string(i)).c_str(), 0), 1);
    EXPECT_EQ(vxSetDrawItemValueEx(list, 1000, 0, "text.default", "Beyond", 0), 0);
    vxtest::PumpFor(30);

    // An entry scrolled out of view changes nothing on screen: no paint is asked for.
    vxtest::MessageRecorder recorder(list);
    EXPECT_EQ(vxSetDrawItemValueEx(list, 500, 0, "image.default", "test.green", 0), 1);
    vxtest::PumpFor(30);
    EXPECT_EQ(recorder.Count(WM_PAINT), 0);
    EXPECT_EQ(vxSetDrawItemValueEx(list, 1, 0, "image.default", "test.green", 0), 1);
    vxtest::PumpFor(30);
    EXPECT_EQ(recorder.Count(WM_PAINT), 1);
    const RECT row1 = {0, 20, 200, 40};
    EXPECT_EQ(CountOf(list, row1, kGreen), 16 * 16);
    // Nor does one scrolled above the top.
    ::SendMessageA(list, LB_SETTOPINDEX, 100, 0);
    vxtest::PumpFor(30);
    recorder.Clear();
    EXPECT_EQ(vxSetDrawItemValueEx(list, 50, 0, "image.default", "test.red", 0), 1);
    vxtest::PumpFor(30);
    EXPECT_EQ(recorder.Count(WM_PAINT), 0);

    // Values replaced many times, a third and fourth name on one entry, a value removed: the
    // others stay as they were, and the replaced ones take no memory for long.
    vxJournalEnable(0);                          // its lines would be most of the memory
    const size_t heapBefore = vxtest::HeapBytesInUse();
    for (int round = 0; round < 200; ++round) {
        for (int i = 0; i < 1000; i += 3)
            vxSetDrawItemValueEx(list, i, 0, "default_text", ("R" + std::to_string(round)).c_str(), 0);
    }
    vxJournalEnable(1);
    EXPECT_LT(vxtest::HeapBytesInUse(), heapBefore + 128 * 1024);
    vxSetDrawItemValueEx(list, 7, 0, "third", "3", 0);
    vxSetDrawItemValueEx(list, 7, 0, "fourth", "4", 0);
    vxSetDrawItemValueEx(list, 7, 0, "text.default", nullptr, 0);
    EXPECT_STREQ(vxGetDrawItemValue(list, 999, "default_text"), "R199");
    EXPECT_STREQ(vxGetDrawItemValue(list, 998, "text.default"), "Row 998");
    EXPECT_STREQ(vxGetDrawItemValue(list, 7, "fourth"), "4");
    EXPECT_STREQ(vxGetDrawItemValue(list, 7, "third"), "3");
    EXPECT_EQ(vxGetDrawItemValue(list, 7, "text.default"), nullptr);
    EXPECT_STREQ(vxGetDrawItemValue(list, 500, "image.default"), "test.green");

    // A smaller count drops the entries past it; a larger one brings them back empty.
    ::SendMessageA(list, LB_SETCOUNT, 10, 0);
    EXPECT_EQ(vxGetDrawItemValue(list, 500, "image.default"), nullptr);
    EXPECT_STREQ(vxGetDrawItemValue(list, 9, "text.default"), "Row 9");
    ::SendMessageA(list, LB_SETCOUNT, 600, 0);
    EXPECT_EQ(vxGetDrawItemValue(list, 500, "image.default"), nullptr);
}

// --- fonts, tooltips, journal ---------------------------------------------------------------

TEST_F(SkinEngine, FontsAreNewHandlesOwnedByTheCaller)
{
    HFONT a = vxGetFont("default");
    HFONT b = vxGetFont("default");
    HFONT title = vxGetFont("title");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_NE(a, b);
    LOGFONTA normal = {}, bold = {};
    ::GetObjectA(a, sizeof normal, &normal);
    ::GetObjectA(title, sizeof bold, &bold);
    EXPECT_GT(bold.lfWeight, normal.lfWeight);
    EXPECT_TRUE(::DeleteObject(a));   // the caller's to delete
    EXPECT_TRUE(::DeleteObject(b));
    EXPECT_TRUE(::DeleteObject(title));
    EXPECT_EQ(vxGetFont("no such font"), nullptr);
    EXPECT_EQ(vxGetFont(static_cast<const char*>(nullptr)), nullptr);
    vxSetGetFontFails(1);
    EXPECT_EQ(vxGetFont("default"), nullptr);
    vxSetGetFontFails(0);
    HFONT again = vxGetFont("default");
    EXPECT_NE(again, nullptr);
    ::DeleteObject(again);
}

TEST_F(SkinEngine, TooltipsAreGivenChangedAndRemoved)
{
    HWND button = Button(BS_PUSHBUTTON, "Tip");
    EXPECT_EQ(vxSetToolTips(button, "First help"), 1);   // also for a window without a skin
    EXPECT_STREQ(vxGetToolTips(button), "First help");
    EXPECT_EQ(vxSetToolTips(button, "Second help"), 1);
    EXPECT_STREQ(vxGetToolTips(button), "Second help");
    EXPECT_EQ(vxSetToolTips(button, static_cast<const char*>(nullptr)), 1);
    EXPECT_EQ(vxGetToolTips(button), nullptr);
    EXPECT_EQ(vxSetToolTips(nullptr, "nobody"), 0);
}

TEST_F(SkinEngine, JournalRecordsEveryCallWithItsArgumentsInOrder)
{
    HWND button = Button(BS_PUSHBUTTON, "J");
    const std::string h = H(button);
    vxJournalClear();
    vxSkinWindow(button, 103, "a\"b\\c", 7);
    vxSetDrawItemValue(button, "image.default", nullptr, 0);
    vxSetDrawItemValueEx(button, 3, 1, "text.default", "line\nbreak", 2);
    vxSetDrawItemVisible(button, 100, 100, 0, 0);
    vxLockState(button, 1);
    ::DeleteObject(vxGetFont("default"));
    vxSetToolTips(nullptr, static_cast<const char*>(nullptr));
    const std::vector<std::string> expected = {
        "vxSkinWindow(" + h + ",103,\"a\\\"b\\\\c\",7)",
        "vxSetDrawItemValue(" + h + ",\"image.default\",null,0)",
        "vxSetDrawItemValueEx(" + h + ",3,1,\"text.default\",\"line\\x0Abreak\",2)",
        "vxSetDrawItemVisible(" + h + ",100,100,0,0)",
        "vxLockState(" + h + ",1)",
        "vxGetFont(\"default\")",
        "vxSetToolTips(0x00000000,null)",
    };
    EXPECT_EQ(Journal(), expected);
    // Queries are not journaled; clearing empties it.
    vxIsSkinned(button);
    vxGetDrawItemValue(button, -1, "image.default");
    EXPECT_EQ(vxJournalCount(), 7);
    EXPECT_EQ(vxJournalGet(7), nullptr);
    EXPECT_EQ(vxJournalGet(-1), nullptr);
    vxJournalClear();
    EXPECT_EQ(vxJournalCount(), 0);
    // Switched off, calls add nothing; what was kept stays.
    vxLockState(button, 0);
    vxJournalEnable(0);
    vxLockState(button, 1);
    vxSkinWindow(button, 103, "off", 0);
    vxJournalEnable(1);
    EXPECT_EQ(Journal(), std::vector<std::string>({"vxLockState(" + h + ",0)"}));
    EXPECT_EQ(vxGetSkinName(button), std::string("off"));
    // A wide call is written under the plain name, its texts in the ANSI code page.
    vxJournalClear();
    vxSetDrawItemValueW(button, L"text.default", L"wide", 0);
    EXPECT_EQ(Journal(), std::vector<std::string>({"vxSetDrawItemValue(" + h + ",\"text.default\",\"wide\",0)"}));
}

// --- bad input and clean-up -----------------------------------------------------------------

TEST_F(SkinEngine, BadInputAnswersZeroAndChangesNothing)
{
    HWND plain = Button(BS_PUSHBUTTON, "plain");
    HWND dead = Button(BS_PUSHBUTTON, "dead");
    ::DestroyWindow(dead);
    const int states = vxWindowStateCount();

    for (HWND bad : {static_cast<HWND>(nullptr), dead}) {
        EXPECT_EQ(vxSkinWindow(bad, 103, "x", 0), 0);
        EXPECT_EQ(vxSetDrawItemValue(bad, "image.default", "test.green", 0), 0);
        EXPECT_EQ(vxSetDrawItemValueEx(bad, 0, 0, "text.default", "t", 0), 0);
        EXPECT_EQ(vxSetDrawItemVisible(bad, 100, 100, 1, 0), 0);
        EXPECT_EQ(vxLockState(bad, 1), 0);
        EXPECT_EQ(vxIsSkinned(bad), 0);
        EXPECT_EQ(vxGetSkinName(bad), nullptr);
        EXPECT_EQ(vxGetDrawItemValue(bad, -1, "image.default"), nullptr);
    }
    EXPECT_EQ(vxSetToolTips(dead, "t"), 0);
    // A window without a skin takes no draw items; null and empty skin names skin nothing.
    EXPECT_EQ(vxSetDrawItemValue(plain, "image.default", "test.green", 0), 0);
    EXPECT_EQ(vxLockState(plain, 1), 0);
    EXPECT_EQ(vxSkinWindow(plain, 103, static_cast<const char*>(nullptr), 0), 0);
    EXPECT_EQ(vxSkinWindow(plain, 103, "", 0), 0);
    EXPECT_EQ(vxIsSkinned(plain), 0);
    // Null names on a skinned window; entry items on a window that is no list box.
    ASSERT_EQ(vxSkinWindow(plain, 103, "x", 0), 1);
    EXPECT_EQ(vxSetDrawItemValue(plain, nullptr, "v", 0), 0);
    EXPECT_EQ(vxSetDrawItemValueEx(plain, 0, 0, "text.default", "t", 0), 0);
    EXPECT_EQ(vxGetDrawItemValue(plain, -1, static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(vxSetDrawItemVisible(plain, 1, 2, 0, 0), 0);
    // Images: null or empty names and null images are refused.
    EXPECT_FALSE(vxRegisterImage(static_cast<const char*>(nullptr), nullptr));
    EXPECT_FALSE(vxRegisterImage("", nullptr));
    EXPECT_FALSE(vxRegisterImage("test.none", nullptr));
    EXPECT_FALSE(vxRegisterIcon("test.none", nullptr));
    // An image registered again under its name frees the copy it replaces.
    const HICON icon = ::LoadIcon(nullptr, IDI_APPLICATION);
    ASSERT_TRUE(vxRegisterIcon("test.icon", icon));
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(vxRegisterIcon("test.icon", icon));
    EXPECT_EQ(vxtest::GuiCounts::Now(), before) << vxtest::ToString(vxtest::GuiCounts::Now());
    // Out of memory, a registration reports its failure.
    {
        const HBITMAP green = skintest::SolidBitmap(16, 16, kGreen);
        vxtest::FaultInjector injector;
        injector.FailNextOf(vxtest::Request::Allocation);
        EXPECT_FALSE(vxRegisterImageW(L"test.nomemory", green));
        ::DeleteObject(green);
    }
    EXPECT_EQ(vxGetSkinColour(static_cast<const char*>(nullptr)), CLR_INVALID);
    EXPECT_EQ(vxGetSkinColour("no such role"), CLR_INVALID);
    EXPECT_EQ(vxWindowStateCount(), states + 1);
}

// The engine's subclass passes messages on in the character set the window takes, so wide
// texts survive; a subclass laid over the engine's keeps working, also while the window dies.
TEST_F(SkinEngine, SubclassKeepsWideTextsAndOuterSubclasses)
{
    const wchar_t kText[] = L"Gr\u00fc\u00dfe \u20ac \u65e5\u672c";
    HWND wide = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10,
                                  120, 40, host.Hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    HWND narrow = Button(BS_PUSHBUTTON, "", 10, 60);
    ASSERT_EQ(vxSkinWindow(wide, 103, "test.button", 0), 1);
    ASSERT_EQ(vxSkinWindow(narrow, 103, "test.button", 0), 1);
    EXPECT_TRUE(::IsWindowUnicode(wide));
    ::SendMessageW(wide, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kText));
    wchar_t back[32] = {};
    ::GetWindowTextW(wide, back, 32);
    EXPECT_STREQ(back, kText);
    ::SendMessageA(narrow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Send \xe9"));
    char narrowBack[32] = {};
    ::GetWindowTextA(narrow, narrowBack, 32);
    EXPECT_STREQ(narrowBack, "Send \xe9");

    // A subclass over the engine's: messages go through both, in order, to the end.
    vxtest::MessageRecorder outer(wide);
    ::SendMessageW(wide, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(::SendMessageW(wide, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    EXPECT_EQ(outer.Count(BM_SETSTATE), 1);
    const int states = vxWindowStateCount();
    ::DestroyWindow(wide);
    EXPECT_EQ(outer.Count(WM_NCDESTROY), 1);
    EXPECT_EQ(vxWindowStateCount(), states - 1);
}

TEST_F(SkinEngine, StateOfEveryWindowIsReleasedWithItAndNothingLeaks)
{
    auto round = [&] {
        HWND button = Button(BS_PUSHBUTTON, "b");
        HWND list = Child(host.Hwnd(), "LISTBOX", "", LBS_HASSTRINGS, 10, 100, 200, 100);
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"));
        vxSkinWindow(button, 103, "b", 0);
        vxSetDrawItemValue(button, "image.default", "test.green", 0);
        vxLockState(button, 1);
        vxSetToolTips(button, "help");
        vxSkinWindow(list, 108, "l", 0);
        vxSetDrawItemValueEx(list, 0, 0, "image.default", "test.red", 0);
        ::DeleteObject(vxGetFont("title"));
        ::RedrawWindow(host.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        ::DestroyWindow(button);
        ::DestroyWindow(list);
        vxtest::PumpMessages();
    };
    round();                          // warm-up: theme fonts, class registrations
    const int states = vxWindowStateCount();
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    for (int i = 0; i < 50; ++i)
        round();
    EXPECT_EQ(vxWindowStateCount(), states);
    EXPECT_EQ(vxtest::GuiCounts::Now(), before) << vxtest::ToString(vxtest::GuiCounts::Now());
}

} // namespace
