// The skin engine's part: skin calls for buttons and lists, the per-entry "default_text" and
// "default_image" values passed on unchanged (null included), no entry values when the list
// refuses an entry, and the entries painted by the engine alone.
#include "stack_fixture.h"

#include "../foundation/skin_test_util.h"

namespace {

using namespace stacktest;
using Lines = std::vector<std::string>;

std::string EntryLine(HWND list, int index, const char* name, const char* quotedValue)
{
    return "vxSetDrawItemValueEx(" + H(list) + "," + std::to_string(index) + ",0,\"" + name + "\"," +
           quotedValue + ",0)";
}

using StackSkinTest = StackTest;

TEST_F(StackSkinTest, ButtonsAndListsAreSkinnedWhenASkinIsNamed)
{
    CreateStack();
    vxJournalClear();
    ASSERT_EQ(stack.AddItem(_T("Skinned"), _T("stack.button"), _T("stack.list")), 0);
    ASSERT_EQ(stack.AddItem(_T("Bare"), NULL, NULL), 1);
    ASSERT_EQ(stack.AddItem(_T("Empty names"), _T(""), _T("")), 2);
    CStatic content;
    ASSERT_TRUE(content.Create(_T("content"), WS_CHILD, CRect(0, 0, 10, 10), &stack, 900));
    ASSERT_EQ(stack.AddCustomItem(_T("Custom"), &content), 3);
    EXPECT_EQ(Journal(), (Lines{
                             "vxSkinWindow(" + H(Button(0)) + ",103,\"stack.button\",0)",
                             "vxSkinWindow(" + H(Content(0)) + ",108,\"stack.list\",0)",
                             "vxSkinWindow(" + H(Button(2)) + ",103,\"\",0)",
                             "vxSkinWindow(" + H(Content(2)) + ",108,\"\",0)",
                         }));
    EXPECT_EQ(vxIsSkinned(Button(0)), 103);
    EXPECT_EQ(vxIsSkinned(Content(0)), 108);
    EXPECT_EQ(vxIsSkinned(Button(1)), 0);
    EXPECT_EQ(vxIsSkinned(Content(1)), 0);
}

TEST_F(StackSkinTest, EveryEntryGetsItsTextAndImageNullsIncluded)
{
    CreateStack();
    ASSERT_EQ(stack.AddItem(_T("Skinned"), _T("stack.button"), _T("stack.list")), 0);
    ASSERT_EQ(stack.AddItem(_T("Bare"), NULL, NULL), 1);
    HWND skinned = Content(0), bare = Content(1);
    vxJournalClear();
    EXPECT_TRUE(stack.AddSubItem(0, _T("Text \"quoted\""), _T("stack.image")));
    EXPECT_TRUE(stack.AddSubItem(0, NULL, _T("stack.image")));
    EXPECT_TRUE(stack.AddSubItem(0, _T("No image"), NULL));
    EXPECT_TRUE(stack.AddSubItem(0, NULL, NULL));
    EXPECT_TRUE(stack.AddSubItem(1, _T("Unskinned"), _T("stack.image")));
    EXPECT_EQ(Journal(), (Lines{
                             EntryLine(skinned, 0, "default_text", "\"Text \\\"quoted\\\"\""),
                             EntryLine(skinned, 0, "default_image", "\"stack.image\""),
                             EntryLine(skinned, 1, "default_text", "null"),
                             EntryLine(skinned, 1, "default_image", "\"stack.image\""),
                             EntryLine(skinned, 2, "default_text", "\"No image\""),
                             EntryLine(skinned, 2, "default_image", "null"),
                             EntryLine(skinned, 3, "default_text", "null"),
                             EntryLine(skinned, 3, "default_image", "null"),
                             EntryLine(bare, 0, "default_text", "\"Unskinned\""),
                             EntryLine(bare, 0, "default_image", "\"stack.image\""),
                         }));
    EXPECT_EQ(::SendMessage(skinned, LB_GETCOUNT, 0, 0), 4);
    EXPECT_STREQ(vxGetDrawItemValue(skinned, 0, "default_text"), "Text \"quoted\"");
    EXPECT_STREQ(vxGetDrawItemValue(skinned, 2, "default_text"), "No image");
    EXPECT_EQ(vxGetDrawItemValue(skinned, 2, "default_image"), (const char*)NULL);
}

// Answers LB_ADDSTRING as a list out of memory does; everything else goes on.
WNDPROC g_listProc = NULL;
LRESULT CALLBACK FullListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == LB_ADDSTRING)
        return LB_ERRSPACE;
    return ::CallWindowProcA(g_listProc, hwnd, message, wParam, lParam);
}

TEST_F(StackSkinTest, AnEntryTheListRefusesGetsNoValues)
{
    CreateStack();
    AddLists(1, 2, _T("stack.button"), _T("stack.list"));
    HWND list = Content(0);
    g_listProc = (WNDPROC)::SetWindowLongPtrA(list, GWLP_WNDPROC, (LONG_PTR)FullListProc);
    vxJournalClear();
    EXPECT_FALSE(stack.AddSubItem(0, _T("Refused"), _T("stack.image")));
    EXPECT_EQ(Journal(), Lines{});
    ::SetWindowLongPtrA(list, GWLP_WNDPROC, (LONG_PTR)g_listProc);

    // The entries before it keep their values.
    EXPECT_EQ(::SendMessage(list, LB_GETCOUNT, 0, 0), 2);
    EXPECT_STREQ(vxGetDrawItemValue(list, 1, "default_text"), "Entry 1");
    EXPECT_TRUE(stack.AddSubItem(0, _T("Accepted"), NULL));
    EXPECT_STREQ(vxGetDrawItemValue(list, 2, "default_text"), "Accepted");
}

TEST_F(StackSkinTest, TheEngineAlonePaintsTextAndImageOfEveryEntry)
{
    HBITMAP image = skintest::SolidBitmap(16, 16, RGB(220, 0, 0));
    ASSERT_TRUE(vxRegisterImage("stacktest.red", image));
    ::DeleteObject(image);

    CreateStack(200, 300);
    ASSERT_EQ(stack.AddItem(_T("Entries"), _T("stack.button"), _T("stack.list")), 0);
    ASSERT_TRUE(stack.AddSubItem(0, _T("Image and text"), _T("stacktest.red")));
    ASSERT_TRUE(stack.AddSubItem(0, _T("Text alone"), NULL));
    ASSERT_TRUE(stack.AddSubItem(0, NULL, NULL));
    vxtest::MouseMove(POINT{5, 5});  // no hot row
    ClickItem(0);
    vxtest::MouseMove(POINT{5, 5});

    const COLORREF back = vxGetSkinColour("list.back"), redColour = RGB(220, 0, 0);
    HWND list = Content(0);
    auto row = [](int k) { return RECT{0, k * 23, 150, k * 23 + 23}; };
    auto other = [&](int k, COLORREF colour) { return skintest::PixelsOtherThan(list, row(k), colour); };
    auto red = [&](int k) { return 150 * 23 - other(k, redColour); };
    vxtest::PumpUntil([&] { return red(0) > 100; });  // the list has painted
    EXPECT_GT(red(0), 100) << "image of entry 0";
    EXPECT_GT(other(0, back), red(0)) << "text of entry 0";
    EXPECT_EQ(red(1), 0);
    EXPECT_GT(other(1, back), 0) << "text of entry 1";
    EXPECT_EQ(other(2, back), 0) << "entry 2 has nothing to show";
    EXPECT_EQ(other(4, back), 0) << "below the entries";
}

} // namespace
