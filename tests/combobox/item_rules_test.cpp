// Insertion, deletion, index walks and the three kinds of text matching of the item list.
#include "vxComboItemRules.h"

#include <gtest/gtest.h>

#include "vxtest.h"

#include <mbctype.h>

#include <vector>

namespace {

vxListboxItemList MakeList(std::initializer_list<const char*> texts)
{
    vxListboxItemList items;
    for (const char* text : texts) {
        _tagListboxItem item;
        item.strText = text;
        items.push_back(item);
    }
    return items;
}

_tagListboxItem Item(const CString& text)
{
    _tagListboxItem item;
    item.strText = text;
    return item;
}

std::string Texts(const vxListboxItemList& items)
{
    std::string out;
    for (const _tagListboxItem& item : items)
        out += vxtest::Narrow(item.strText) + ";";
    return out;
}

// Switches the multibyte code page for one test and back.
class CodePage
{
public:
    explicit CodePage(int cp) : m_previous(_getmbcp()) { m_ok = _setmbcp(cp) == 0; }
    ~CodePage() { _setmbcp(m_previous); }
    bool Ok() const { return m_ok; }

private:
    int m_previous;
    bool m_ok;
};

// Item data holds a pointer on every target.
static_assert(sizeof(_tagListboxItem::dwItemData) == sizeof(void*), "item data is pointer-sized");

TEST(ComboItemRules, InsertionPlacesAndShiftsTheSelection)
{
    int nCurSel = -1;
    vxListboxItemList items;
    // Index 0 into an empty list appends.
    EXPECT_EQ(vxComboInsertItem(items, nCurSel, 0, Item("a")), 0);
    items = MakeList({"a", "b", "c"});
    // The count itself inserts nothing; -1 and anything past the count append.
    EXPECT_EQ(vxComboInsertItem(items, nCurSel, 3, Item("x")), -1);
    EXPECT_EQ(Texts(items), "a;b;c;");
    EXPECT_EQ(vxComboInsertItem(items, nCurSel, -1, Item("d")), 3);
    EXPECT_EQ(vxComboInsertItem(items, nCurSel, 8, Item("e")), 4);
    EXPECT_EQ(Texts(items), "a;b;c;d;e;");
    // A missing selection is never moved.
    EXPECT_EQ(vxComboInsertItem(items, nCurSel, 0, Item("f")), 0);
    EXPECT_EQ(nCurSel, -1);

    items = MakeList({"a", "b", "c"});
    nCurSel = 2;
    EXPECT_EQ(vxComboInsertItem(items, nCurSel, 2, Item("x")), 2);
    EXPECT_EQ(nCurSel, 3);
    EXPECT_EQ(Texts(items), "a;b;x;c;");
    nCurSel = 2;
    EXPECT_EQ(vxComboInsertItem(items, nCurSel, 0, Item("y")), 0);
    EXPECT_EQ(nCurSel, 3);
    nCurSel = 2;
    EXPECT_EQ(vxComboInsertItem(items, nCurSel, 3, Item("z")), 3);
    EXPECT_EQ(nCurSel, 2);
    // Appending after the selection leaves it too.
    EXPECT_EQ(vxComboInsertItem(items, nCurSel, -1, Item("w")), 6);
    EXPECT_EQ(nCurSel, 2);
    EXPECT_EQ(Texts(items), "y;a;b;z;x;c;w;");
}

TEST(ComboItemRules, DeletionAndBadIndicesLeaveTheListAlone)
{
    vxListboxItemList items = MakeList({"a", "b", "c"});
    EXPECT_EQ(vxComboDeleteItem(items, 3), -1);
    EXPECT_EQ(vxComboDeleteItem(items, static_cast<unsigned int>(-1)), -1);
    EXPECT_EQ(Texts(items), "a;b;c;");
    EXPECT_EQ(vxComboDeleteItem(items, 1), 2);
    EXPECT_EQ(Texts(items), "a;c;");
    EXPECT_EQ(vxComboDeleteItem(items, 1), 1);
    EXPECT_EQ(vxComboDeleteItem(items, 0), 0);
    EXPECT_EQ(vxComboDeleteItem(items, 0), -1);
    EXPECT_TRUE(items.empty());

    // Finding by index names nothing outside the list.
    items = MakeList({"a", "b"});
    EXPECT_TRUE(vxComboItemAt(items, -1) == items.end());
    EXPECT_TRUE(vxComboItemAt(items, 2) == items.end());
    EXPECT_TRUE(vxComboItemAt(items, -5) == items.end());
    vxListboxItemList empty;
    EXPECT_TRUE(vxComboItemAt(empty, 0) == empty.end());
}

TEST(ComboItemRules, ItemsByIndexAcrossChanges)
{
    vxListboxItemList items;
    for (int i = 0; i < 50; ++i) {
        _tagListboxItem item;
        item.strText.Format(_T("%d"), i);
        items.push_back(item);
    }
    const int order[] = {0, 1, 2, 49, 48, 25, 26, 10, 40, 3, 3, 49, 0};
    for (int i : order)
        EXPECT_EQ(vxtest::Narrow(vxComboItemAt(items, i)->strText), std::to_string(i)) << i;

    // Insertions, deletions and appends by the rules.
    int nCurSel = -1;
    vxComboInsertItem(items, nCurSel, 10, Item("new"));
    EXPECT_EQ(vxtest::Narrow(vxComboItemAt(items, 31)->strText), "30");
    EXPECT_EQ(vxtest::Narrow(vxComboItemAt(items, 10)->strText), "new");
    vxComboDeleteItem(items, 0);
    EXPECT_EQ(vxtest::Narrow(vxComboItemAt(items, 9)->strText), "new");
    EXPECT_EQ(vxtest::Narrow(vxComboItemAt(items, 49)->strText), "49");
    EXPECT_TRUE(vxComboItemAt(items, 50) == items.end());
    vxComboInsertItem(items, nCurSel, -1, Item("end"));
    EXPECT_EQ(vxtest::Narrow(vxComboItemAt(items, 50)->strText), "end");
    // Changes at either end.
    items.pop_front();
    items.push_front(Item("front"));
    items.push_back(Item("more"));
    EXPECT_EQ(vxtest::Narrow(vxComboItemAt(items, 0)->strText), "front");
    EXPECT_EQ(vxtest::Narrow(vxComboItemAt(items, 51)->strText), "more");
}

TEST(ComboItemRules, PrefixSearchIgnoresCaseStartsAtStartAndDoesNotWrap)
{
    vxListboxItemList items = MakeList({"ABC", "abd", "xyz", "Abe"});
    EXPECT_EQ(vxComboFindPrefixNoCase(items, -1, _T("ab")), 0);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, 0, _T("ab")), 0);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, 1, _T("AB")), 1);
    // The walk starts at the start index itself and never returns an earlier item.
    EXPECT_EQ(vxComboFindPrefixNoCase(items, 2, _T("ab")), 3);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, 2, _T("xy")), 2);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, 3, _T("xy")), -1);
    // An empty text matches the first item walked.
    EXPECT_EQ(vxComboFindPrefixNoCase(items, 2, _T("")), 2);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, -1, _T("abcd")), -1);
    // Start indices naming no item, and a null text, find nothing.
    EXPECT_EQ(vxComboFindPrefixNoCase(items, 4, _T("")), -1);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, -2, _T("ab")), -1);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, 99, _T("ab")), -1);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, -1, NULL), -1);
}

TEST(ComboItemRules, ExactSearchIsCaseSensitiveAndChecksItsStart)
{
    vxListboxItemList items = MakeList({"ABC", "abc", "ab", "abc"});
    EXPECT_EQ(vxComboFindExact(items, -1, _T("abc")), 1);
    EXPECT_EQ(vxComboFindExact(items, -1, _T("ABC")), 0);
    EXPECT_EQ(vxComboFindExact(items, -1, _T("Abc")), -1);
    // Exact, not a prefix.
    EXPECT_EQ(vxComboFindExact(items, -1, _T("a")), -1);
    EXPECT_EQ(vxComboFindExact(items, 2, _T("abc")), 3);
    EXPECT_EQ(vxComboFindExact(items, 2, _T("ab")), 2);
    EXPECT_EQ(vxComboFindExact(items, 3, _T("ab")), -1);
    // At the count the walk is empty; past it, and below -1, nothing is searched.
    EXPECT_EQ(vxComboFindExact(items, 4, _T("abc")), -1);
    EXPECT_EQ(vxComboFindExact(items, 5, _T("abc")), -1);
    EXPECT_EQ(vxComboFindExact(items, -3, _T("abc")), -1);
    EXPECT_EQ(vxComboFindExact(items, -1, NULL), -1);
    vxListboxItemList empty;
    EXPECT_EQ(vxComboFindExact(empty, -1, _T("")), -1);
    vxListboxItemList withEmpty = MakeList({"a", ""});
    EXPECT_EQ(vxComboFindExact(withEmpty, -1, _T("")), 1);
}

TEST(ComboItemRules, BeginsWithIsCaseSensitive)
{
    EXPECT_TRUE(vxComboBeginsWith("apple", _T("ap")));
    EXPECT_TRUE(vxComboBeginsWith("apple", _T("apple")));
    EXPECT_TRUE(vxComboBeginsWith("apple", _T("")));
    EXPECT_FALSE(vxComboBeginsWith("apple", _T("A")));
    EXPECT_FALSE(vxComboBeginsWith("apple", _T("apples")));
    EXPECT_FALSE(vxComboBeginsWith("xapple", _T("apple")));
    EXPECT_FALSE(vxComboBeginsWith("apple", NULL));
}

TEST(ComboItemRules, DoubleByteTextsAreComparedWholeCharacters)
{
    if (sizeof(TCHAR) != 1)
        GTEST_SKIP() << "double-byte code pages concern narrow text only";
    CodePage japanese(932);
    if (!japanese.Ok())
        GTEST_SKIP() << "code page 932 is not available";
    // Katakana "a" is 0x83 0x41: its second byte is the letter A, which must not be
    // folded to lower case as if it stood alone. 0x83 0x61 is another character.
    vxListboxItemList items = MakeList({"\x83\x41x", "\x83\x61y", "ab"});
    EXPECT_EQ(vxComboFindPrefixNoCase(items, -1, CString("\x83\x61")), 1);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, -1, CString("\x83\x41")), 0);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, -1, _T("AB")), 2);
    EXPECT_EQ(vxComboFindExact(items, -1, CString("\x83\x61y")), 1);
    EXPECT_EQ(vxComboFindExact(items, -1, CString("\x83\x41X")), -1);
    EXPECT_TRUE(vxComboBeginsWith("\x83\x41x", CString("\x83\x41")));
    EXPECT_FALSE(vxComboBeginsWith("\x83\x41x", CString("\x83\x61")));
}

TEST(ComboItemRules, ManyInsertionsAndDeletionsKeepTheOrder)
{
    vxListboxItemList items;
    int nCurSel = -1;
    for (int i = 0; i < 10000; ++i)
        vxComboInsertItem(items, nCurSel, -1, Item(std::to_string(i).c_str()));
    // Every other one out, then new ones in their places.
    for (int i = 9999; i >= 0; i -= 2)
        vxComboDeleteItem(items, static_cast<unsigned int>(i));
    for (int i = 0; i < 5000; ++i)
        vxComboInsertItem(items, nCurSel, 2 * i, Item(("n" + std::to_string(i)).c_str()));
    ASSERT_EQ(items.size(), 10000u);
    for (int i = 0; i < 10000; i += 997) {
        const std::string expected = i % 2 ? std::to_string(i - 1) : "n" + std::to_string(i / 2);
        EXPECT_EQ(vxtest::Narrow(vxComboItemAt(items, i)->strText), expected) << i;
    }
}

} // namespace

namespace {

TEST(ComboItemRules, KeyTargetsLandOnTheNearestEnabledItem)
{
    // Items 0..5; 0, 3 and 5 disabled.
    vxListboxItemList items = MakeList({"a", "b", "c", "d", "e", "f"});
    for (int i : {0, 3, 5})
        items[i].bDisabled = TRUE;
    struct Case
    {
        int from, target, expected;
    } const cases[] = {
        {4, 0, 1},                   // Home: the first enabled one from the top
        {-1, 0, 1},                  // Home without a selection
        {1, 0, -1},                  // Home at the first enabled one: no move
        {1, 99, 4},                  // End past the items: the last enabled one
        {4, 5, -1},                  // End at the last enabled one
        {1, 3, 4},                   // a page down onto a disabled item goes on down
        {1, 5, 4},                   // nothing enabled beyond: back towards the start
        {4, 3, 2},                   // a page up onto a disabled item goes on up
        {2, -7, 1},                  // a page up past the top
        {-1, 2, 2},                  // a page down from no selection
    };
    for (const Case& c : cases)
        EXPECT_EQ(vxComboKeyTarget(items, c.from, c.target), c.expected) << c.from << " -> " << c.target;
    EXPECT_EQ(vxComboKeyTarget(vxListboxItemList(), -1, 0), -1);
    vxListboxItemList allDisabled = MakeList({"x", "y"});
    allDisabled[0].bDisabled = allDisabled[1].bDisabled = TRUE;
    EXPECT_EQ(vxComboKeyTarget(allDisabled, -1, 1), -1);
}

} // namespace
