// Insertion, deletion, index walks and the three kinds of text matching of the item list.
#include "vxComboItemRules.h"

#include <gtest/gtest.h>

#include "vxtest.h"

#include <mbctype.h>

#include <cstring>
#include <set>
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
    vxComboItemIndex index;
    int nCurSel = -1;
    vxListboxItemList items;
    // Index 0 into an empty list appends.
    EXPECT_EQ(vxComboInsertItem(items, index, nCurSel, 0, Item("a")), 0);
    items = MakeList({"a", "b", "c"});
    // The count itself inserts nothing; -1 and anything past the count append.
    EXPECT_EQ(vxComboInsertItem(items, index, nCurSel, 3, Item("x")), -1);
    EXPECT_EQ(Texts(items), "a;b;c;");
    EXPECT_EQ(vxComboInsertItem(items, index, nCurSel, -1, Item("d")), 3);
    EXPECT_EQ(vxComboInsertItem(items, index, nCurSel, 8, Item("e")), 4);
    EXPECT_EQ(Texts(items), "a;b;c;d;e;");
    // A missing selection is never moved.
    EXPECT_EQ(vxComboInsertItem(items, index, nCurSel, 0, Item("f")), 0);
    EXPECT_EQ(nCurSel, -1);

    items = MakeList({"a", "b", "c"});
    nCurSel = 2;
    EXPECT_EQ(vxComboInsertItem(items, index, nCurSel, 2, Item("x")), 2);
    EXPECT_EQ(nCurSel, 3);
    EXPECT_EQ(Texts(items), "a;b;x;c;");
    nCurSel = 2;
    EXPECT_EQ(vxComboInsertItem(items, index, nCurSel, 0, Item("y")), 0);
    EXPECT_EQ(nCurSel, 3);
    nCurSel = 2;
    EXPECT_EQ(vxComboInsertItem(items, index, nCurSel, 3, Item("z")), 3);
    EXPECT_EQ(nCurSel, 2);
    // Appending after the selection leaves it too.
    EXPECT_EQ(vxComboInsertItem(items, index, nCurSel, -1, Item("w")), 6);
    EXPECT_EQ(nCurSel, 2);
    EXPECT_EQ(Texts(items), "y;a;b;z;x;c;w;");
}

TEST(ComboItemRules, DeletionAndBadIndicesLeaveTheListAlone)
{
    vxComboItemIndex index;
    vxListboxItemList items = MakeList({"a", "b", "c"});
    EXPECT_EQ(vxComboDeleteItem(items, index, 3), -1);
    EXPECT_EQ(vxComboDeleteItem(items, index, static_cast<unsigned int>(-1)), -1);
    EXPECT_EQ(Texts(items), "a;b;c;");
    EXPECT_EQ(vxComboDeleteItem(items, index, 1), 2);
    EXPECT_EQ(Texts(items), "a;c;");
    EXPECT_EQ(vxComboDeleteItem(items, index, 1), 1);
    EXPECT_EQ(vxComboDeleteItem(items, index, 0), 0);
    EXPECT_EQ(vxComboDeleteItem(items, index, 0), -1);
    EXPECT_TRUE(items.empty());

    // Finding by index names nothing outside the list.
    items = MakeList({"a", "b"});
    EXPECT_TRUE(index.Find(items, -1) == items.end());
    EXPECT_TRUE(index.Find(items, 2) == items.end());
    EXPECT_TRUE(index.Find(items, -5) == items.end());
    vxListboxItemList empty;
    EXPECT_TRUE(index.Find(empty, 0) == empty.end());
}

TEST(ComboItemRules, IndexGivesTheSameItemsAsAWalkFromTheFrontAcrossChanges)
{
    vxListboxItemList items;
    for (int i = 0; i < 50; ++i) {
        _tagListboxItem item;
        item.strText.Format(_T("%d"), i);
        items.push_back(item);
    }
    vxComboItemIndex index;
    const int order[] = {0, 1, 2, 49, 48, 25, 26, 10, 40, 3, 3, 49, 0};
    for (int i : order)
        EXPECT_EQ(vxtest::Narrow(index.Find(items, i)->strText), std::to_string(i)) << i;

    // Insertions, deletions and appends by the rules patch the index.
    int nCurSel = -1;
    vxComboInsertItem(items, index, nCurSel, 10, Item("new"));
    EXPECT_EQ(vxtest::Narrow(index.Find(items, 31)->strText), "30");
    EXPECT_EQ(vxtest::Narrow(index.Find(items, 10)->strText), "new");
    vxComboDeleteItem(items, index, 0);
    EXPECT_EQ(vxtest::Narrow(index.Find(items, 9)->strText), "new");
    EXPECT_EQ(vxtest::Narrow(index.Find(items, 49)->strText), "49");
    EXPECT_TRUE(index.Find(items, 50) == items.end());
    vxComboInsertItem(items, index, nCurSel, -1, Item("end"));
    EXPECT_EQ(vxtest::Narrow(index.Find(items, 50)->strText), "end");
    // A list changed behind the index's back is walked again.
    items.pop_front();
    items.push_front(Item("front"));
    items.push_back(Item("more"));
    EXPECT_EQ(vxtest::Narrow(index.Find(items, 0)->strText), "front");
    EXPECT_EQ(vxtest::Narrow(index.Find(items, 51)->strText), "more");
}

TEST(ComboItemRules, PrefixSearchIgnoresCaseStartsAtStartAndDoesNotWrap)
{
    vxComboItemIndex index;
    vxListboxItemList items = MakeList({"ABC", "abd", "xyz", "Abe"});
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, -1, _T("ab")), 0);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, 0, _T("ab")), 0);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, 1, _T("AB")), 1);
    // The walk starts at the start index itself and never returns an earlier item.
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, 2, _T("ab")), 3);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, 2, _T("xy")), 2);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, 3, _T("xy")), -1);
    // An empty text matches the first item walked.
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, 2, _T("")), 2);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, -1, _T("abcd")), -1);
    // Start indices naming no item, and a null text, find nothing.
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, 4, _T("")), -1);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, -2, _T("ab")), -1);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, 99, _T("ab")), -1);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, -1, NULL), -1);
}

TEST(ComboItemRules, ExactSearchIsCaseSensitiveAndChecksItsStart)
{
    vxComboItemIndex index;
    vxListboxItemList items = MakeList({"ABC", "abc", "ab", "abc"});
    EXPECT_EQ(vxComboFindExact(items, index, -1, _T("abc")), 1);
    EXPECT_EQ(vxComboFindExact(items, index, -1, _T("ABC")), 0);
    EXPECT_EQ(vxComboFindExact(items, index, -1, _T("Abc")), -1);
    // Exact, not a prefix.
    EXPECT_EQ(vxComboFindExact(items, index, -1, _T("a")), -1);
    EXPECT_EQ(vxComboFindExact(items, index, 2, _T("abc")), 3);
    EXPECT_EQ(vxComboFindExact(items, index, 2, _T("ab")), 2);
    EXPECT_EQ(vxComboFindExact(items, index, 3, _T("ab")), -1);
    // At the count the walk is empty; past it, and below -1, nothing is searched.
    EXPECT_EQ(vxComboFindExact(items, index, 4, _T("abc")), -1);
    EXPECT_EQ(vxComboFindExact(items, index, 5, _T("abc")), -1);
    EXPECT_EQ(vxComboFindExact(items, index, -3, _T("abc")), -1);
    EXPECT_EQ(vxComboFindExact(items, index, -1, NULL), -1);
    vxListboxItemList empty;
    EXPECT_EQ(vxComboFindExact(empty, index, -1, _T("")), -1);
    vxListboxItemList withEmpty = MakeList({"a", ""});
    EXPECT_EQ(vxComboFindExact(withEmpty, index, -1, _T("")), 1);
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
    vxComboItemIndex index;
    vxListboxItemList items = MakeList({"\x83\x41x", "\x83\x61y", "ab"});
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, -1, CString("\x83\x61")), 1);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, -1, CString("\x83\x41")), 0);
    EXPECT_EQ(vxComboFindPrefixNoCase(items, index, -1, _T("AB")), 2);
    EXPECT_EQ(vxComboFindExact(items, index, -1, CString("\x83\x61y")), 1);
    EXPECT_EQ(vxComboFindExact(items, index, -1, CString("\x83\x41X")), -1);
    EXPECT_TRUE(vxComboBeginsWith("\x83\x41x", CString("\x83\x41")));
    EXPECT_FALSE(vxComboBeginsWith("\x83\x41x", CString("\x83\x61")));
}

} // namespace

TEST(ComboItemRules, PooledNodesAcrossBlocksKeepTheirItemsAndGoBackWhenFree)
{
    {
        vxListboxItemList items;
        vxComboItemIndex index;
        int nCurSel = -1;
        for (int i = 0; i < 10000; ++i)
            vxComboInsertItem(items, index, nCurSel, -1, Item(std::to_string(i).c_str()));
        // Every other one out, then new ones in their places.
        for (int i = 9999; i >= 0; i -= 2)
            vxComboDeleteItem(items, index, static_cast<unsigned int>(i));
        for (int i = 0; i < 5000; ++i)
            vxComboInsertItem(items, index, nCurSel, 2 * i, Item(("n" + std::to_string(i)).c_str()));
        ASSERT_EQ(items.size(), 10000u);
        for (int i = 0; i < 10000; i += 997) {
            const std::string expected = i % 2 ? std::to_string(i - 1) : "n" + std::to_string(i / 2);
            EXPECT_EQ(vxtest::Narrow(index.Find(items, i)->strText), expected) << i;
        }
    }
    // Nodes of many 64 KB blocks, each its own; once all are free, the blocks went back to
    // the system but one.
    std::vector<void*> nodes;
    std::set<UINT_PTR> blocks;
    for (int i = 0; i < 20000; ++i) {
        nodes.push_back(vxAllocateItemNode(sizeof(void*)));
        *static_cast<int*>(nodes.back()) = i;
        blocks.insert(reinterpret_cast<UINT_PTR>(nodes.back()) & ~(UINT_PTR)0xFFFF);
    }
    EXPECT_GE(blocks.size(), 10u);
    for (int i = 0; i < 20000; ++i)
        ASSERT_EQ(*static_cast<int*>(nodes[i]), i);
    for (void* p : nodes)
        vxFreeItemNode(p, sizeof(void*));
    int nCommitted = 0;
    for (UINT_PTR block : blocks) {
        MEMORY_BASIC_INFORMATION info = {};
        ::VirtualQuery(reinterpret_cast<void*>(block), &info, sizeof(info));
        nCommitted += info.State == MEM_COMMIT;
    }
    EXPECT_LE(nCommitted, 1);
    // Larger requests than a node still work (the heap takes them).
    void* pLarge = vxAllocateItemNode(4096);
    std::memset(pLarge, 0x5A, 4096);
    vxFreeItemNode(pLarge, 4096);
}
