// Line breaking with a measuring function passed in: breaks at any character, keeps
// double-byte and UTF-8 characters whole, and stays bounded on every input.
#include "vxTextWrap.h"

#include "vxAnsiText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The texts are bytes of a code page; in a Unicode build each byte goes in as one TCHAR of
// the same value, so that the breaking is tested on the same units in both builds.
typedef std::basic_string<TCHAR> Units;

Units ToUnits(const std::string& bytes)
{
    Units units;
    for (char byte : bytes)
        units += static_cast<TCHAR>(static_cast<unsigned char>(byte));
    return units;
}

std::string ToBytes(const Units& units)
{
    std::string bytes;
    for (TCHAR unit : units)
        bytes += static_cast<char>(unit);
    return bytes;
}

// Five pixels a byte (a double-byte character ten), "W" thirty.
int Measure(LPCTSTR text, int length)
{
    int width = 0;
    for (int i = 0; i < length; ++i)
        width += text[i] == _T('W') ? 30 : 5;
    return width;
}

UINT s_codePage = 932;                   // the texts' code page

int CharBytes(LPCTSTR text, int available)
{
    if (text == nullptr || available <= 0)
        return vxAnsiCharBytes(nullptr, available, s_codePage);
    const int nLook = available < 4 ? available : 4;
    return vxAnsiCharBytes(ToBytes(Units(text, static_cast<size_t>(nLook))).c_str(), nLook, s_codePage);
}

std::vector<std::string> Wrap(const std::string& bytes, int width, int* pCount = nullptr)
{
    std::vector<std::string> lines;
    const Units text = ToUnits(bytes);
    int n = vxWrapText(text.c_str(), static_cast<int>(text.size()), width, Measure, CharBytes,
                       [&](int start, int length) { lines.push_back(ToBytes(text.substr(start, length))); });
    if (pCount)
        *pCount = n;
    EXPECT_EQ(n, static_cast<int>(lines.size()));
    return lines;
}

using Lines = std::vector<std::string>;

TEST(TextWrap, BreaksAtAnyCharacter)
{
    EXPECT_EQ(Wrap("abc", 100), (Lines{"abc"}));
    EXPECT_EQ(Wrap("abc", 15), (Lines{"abc"}));               // exactly as wide
    EXPECT_EQ(Wrap("abcdefghij", 20), (Lines{"abcd", "efgh", "ij"}));
    EXPECT_EQ(Wrap("ab cd", 10), (Lines{"ab", " c", "d"}));   // not at word boundaries
    // Without a line sink only the count comes back.
    EXPECT_EQ(vxWrapText(_T("abcdefghij"), 10, 20, Measure, CharBytes), 3);
}

TEST(TextWrap, EmptyTextZeroWidthAndOversizedCharacters)
{
    int count = -1;
    EXPECT_TRUE(Wrap("", 100, &count).empty());
    EXPECT_EQ(count, 0);
    EXPECT_EQ(vxWrapText(nullptr, 5, 100, Measure, CharBytes), 0);
    EXPECT_EQ(vxWrapText(_T("abc"), -1, 100, Measure, CharBytes), 0);

    // A zero or negative width leaves every character on a line of its own.
    EXPECT_EQ(Wrap("abc", 0), (Lines{"a", "b", "c"}));
    EXPECT_EQ(Wrap("abc", -40), (Lines{"a", "b", "c"}));
    // A character wider than the line stands alone; nothing is lost or repeated.
    EXPECT_EQ(Wrap("aWb", 20), (Lines{"a", "W", "b"}));
    EXPECT_EQ(Wrap("WWW", 20), (Lines{"W", "W", "W"}));
    EXPECT_EQ(Wrap("abcW", 20), (Lines{"abc", "W"}));
}

TEST(TextWrap, DoubleByteCharactersAreNeverSplit)
{
    const std::string two = "\x82\xa0\x82\xa2";               // two double-byte characters
    EXPECT_EQ(Wrap(two, 10), (Lines{"\x82\xa0", "\x82\xa2"}));
    EXPECT_EQ(Wrap(two, 15), (Lines{"\x82\xa0", "\x82\xa2"}));
    EXPECT_EQ(Wrap(two, 3), (Lines{"\x82\xa0", "\x82\xa2"})); // too wide: still whole
    EXPECT_EQ(Wrap("a" + two, 15), (Lines{"a\x82\xa0", "\x82\xa2"}));
    // A lead byte cut off at the end is taken on its own, not read past the text.
    EXPECT_EQ(Wrap("ab\x82", 100), (Lines{"ab\x82"}));
    EXPECT_EQ(Wrap("ab\x82", 10), (Lines{"ab", "\x82"}));
}

TEST(TextWrap, Utf8CharactersAreNeverSplit)
{
    s_codePage = CP_UTF8;
    const std::string sun = "\xE6\x97\xA5", book = "\xE6\x9C\xAC";  // three bytes each
    const std::string grin = "\xF0\x9F\x98\x80";                     // four bytes
    EXPECT_EQ(Wrap(sun + book, 20), (Lines{sun, book}));
    EXPECT_EQ(Wrap(sun + book, 10), (Lines{sun, book}));            // too wide: still whole
    EXPECT_EQ(Wrap("a" + grin + "b", 20), (Lines{"a", grin, "b"}));
    EXPECT_EQ(Wrap("\xC3\xA9t\xC3\xA9", 15), (Lines{"\xC3\xA9t", "\xC3\xA9"}));
    // A sequence cut off at the end, or bytes that start none, go one by one.
    EXPECT_EQ(Wrap("ab\xE6\x97", 5), (Lines{"a", "b", "\xE6", "\x97"}));
    EXPECT_EQ(Wrap("\x97\xE6x", 5), (Lines{"\x97", "\xE6", "x"}));
    s_codePage = 932;
}

TEST(TextWrap, WorkIsBoundedByTheTextLength)
{
    const Units text(1000, _T('x'));
    for (int width : {-1, 0, 5, 7, 50, 10000}) {
        int calls = 0;
        int bytes = 0;               // measured in all; a walk over ever longer prefixes of a
                                     // line of 1,000 measures half a million
        auto counting = [&](LPCTSTR t, int n) {
            ++calls;
            bytes += n;
            return Measure(t, n);
        };
        int lines = vxWrapText(text.c_str(), 1000, width, counting, CharBytes);
        EXPECT_LE(calls, 2000) << "width " << width;
        EXPECT_LE(bytes, 8 * 1000) << "width " << width;
        EXPECT_EQ(lines, width >= 5000 ? 1 : width < 5 ? 1000 : 1000 / (width / 5)) << width;
    }
    // A measuring function that contradicts itself (wider for shorter prefixes) still ends.
    int calls = 0;
    auto odd = [&](LPCTSTR, int n) { return ++calls % 2 ? 0 : 100 - n; };
    vxWrapText(text.c_str(), 1000, 50, odd, CharBytes);
    EXPECT_LE(calls, 2000);
}

TEST(TextWrap, LineBoxes)
{
    RECT box = vxWrapLineBox({13, 13, 100, 20}, 0, 18);
    EXPECT_EQ(box.left, 13);
    EXPECT_EQ(box.top, 13);
    EXPECT_EQ(box.right, 100);
    EXPECT_EQ(box.bottom, 25);                               // at least 12 tall
    box = vxWrapLineBox({13, 13, 100, 20}, 2, 18);
    EXPECT_EQ(box.top, 49);
    EXPECT_EQ(box.bottom, 61);
    box = vxWrapLineBox({13, 13, 100, 200}, 1, 18);
    EXPECT_EQ(box.top, 31);
    EXPECT_EQ(box.bottom, 200);                              // down to the rectangle's bottom
}

} // namespace
