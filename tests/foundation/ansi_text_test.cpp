// Characters of ANSI texts: their length in bytes in UTF-8 and in a double-byte code page,
// and UTF-8 prefixes compared without case.
#include "vxAnsiText.h"

#include <gtest/gtest.h>

namespace {

TEST(AnsiText, CharacterBytesInUtf8)
{
    auto bytes = [](const char* text, int available = -1) {
        return vxAnsiCharBytes(text, available < 0 ? static_cast<int>(strlen(text)) : available, CP_UTF8);
    };
    EXPECT_EQ(bytes("a"), 1);
    EXPECT_EQ(bytes("\xC3\xA9x"), 2);                     // é
    EXPECT_EQ(bytes("\xE6\x97\xA5"), 3);                  // 日
    EXPECT_EQ(bytes("\xF0\x9F\x98\x80"), 4);              // 😀
    // Cut off by the end, broken, or no start at all: one byte.
    EXPECT_EQ(bytes("\xE6\x97\xA5", 2), 1);
    EXPECT_EQ(bytes("\xE6x\xA5"), 1);
    EXPECT_EQ(bytes("\x97"), 1);
    EXPECT_EQ(bytes("\xC0\x80"), 1);                      // an overlong form
    EXPECT_EQ(bytes("\xF8\x80\x80\x80\x80"), 1);
    EXPECT_EQ(vxAnsiCharBytes("abc", 0, CP_UTF8), 0);
    EXPECT_EQ(vxAnsiCharBytes(nullptr, 3, CP_UTF8), 0);
}

TEST(AnsiText, CharacterBytesInADoubleByteCodePage)
{
    CPINFO info = {};
    if (!::GetCPInfo(932, &info))
        GTEST_SKIP() << "code page 932 is not available";
    EXPECT_EQ(vxAnsiCharBytes("\x82\xa0x", 3, 932), 2);
    EXPECT_EQ(vxAnsiCharBytes("\x82\xa0", 1, 932), 1);  // the trail byte is cut off
    EXPECT_EQ(vxAnsiCharBytes("\x82", 2, 932), 1);      // the text ends after the lead byte
    EXPECT_EQ(vxAnsiCharBytes("\xa0\x82", 2, 932), 1);  // a half-width katakana
    // A single-byte code page has no lead bytes.
    EXPECT_EQ(vxAnsiCharBytes("\x82\xa0", 2, 1252), 1);
}

TEST(AnsiText, Utf8PrefixesIgnoreTheCaseOfWholeCharacters)
{
    auto begins = [](const char* text, const char* prefix) {
        return vxUtf8BeginsWithNoCase(text, prefix, strlen(prefix));
    };
    EXPECT_TRUE(begins("Hello", "hEL"));
    EXPECT_TRUE(begins("Hello", ""));
    EXPECT_FALSE(begins("He", "Hel"));
    EXPECT_FALSE(begins("Hello", "Hex"));
    EXPECT_TRUE(begins("\xC3\x89" "cole", "\xC3\xA9" "CO"));            // École, éCO
    EXPECT_FALSE(begins("\xC3\x89" "cole", "\xC3\xA8"));                // è is another letter
    EXPECT_TRUE(begins("\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0", "\xD0\xBC\xD0\x9E")); // Москва, мО
    EXPECT_TRUE(begins("\xE6\x97\xA5\xE6\x9C\xAC", "\xE6\x97\xA5"));
    EXPECT_FALSE(begins("\xE6\x97\xA5", "\xE6\x97\xA5\xE6\x9C\xAC"));
    EXPECT_TRUE(begins("\xF0\x9F\x98\x80!", "\xF0\x9F\x98\x80"));
    EXPECT_FALSE(vxUtf8BeginsWithNoCase(nullptr, "a", 1));
    EXPECT_FALSE(vxUtf8BeginsWithNoCase("a", nullptr, 1));
}

} // namespace

TEST(AnsiText, Utf16SurrogatePairsAreOneCharacter)
{
    EXPECT_EQ(vxCharUnits(L"\xD83D\xDE00x", 3), 2);
    EXPECT_EQ(vxCharUnits(L"\xD83D\xDE00", 1), 1);  // the low half is cut off
    EXPECT_EQ(vxCharUnits(L"\xD83Dx", 2), 1);       // a lone high half
    EXPECT_EQ(vxCharUnits(L"\xDE00\xD83D", 2), 1);  // halves the wrong way round
    EXPECT_EQ(vxCharUnits(L"x", 0), 0);
    EXPECT_TRUE(vxBeginsWithNoCase(L"\x03A9mega", L"\x03C9M", 2));
    EXPECT_FALSE(vxBeginsWithNoCase(L"\x03A9", L"\x03C9m", 2));  // the text is shorter
    EXPECT_FALSE(vxBeginsWith(L"\x03A9mega", L"\x03C9", 1));
}
