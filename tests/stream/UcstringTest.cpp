#include "stream/ucstring.h"

#include <gtest/gtest.h>

TEST(Ucstring, ConversionsKeepEveryCodeUnitButTrailingZerosOfAscii)
{
    ucstring ab = cstringToUcstring("ab");
    ab.push_back(0);
    ab.push_back(0);
    EXPECT_EQ(ascii_ustringToString(ab), "ab");
    EXPECT_EQ(ascii_ustringToString(empty_ucstring), "");
    ucstring inner{'a', 0, 'b'};
    EXPECT_EQ(ascii_ustringToString(inner), std::string("a\0b", 3));

    // Round trips through the platform string keep every code unit.
    ucstring withZero{0x00E9, 0xD83D, 0xDE00, 0};
    QString s;
    assign(s, withZero);
    EXPECT_EQ(s.size(), 4);
    ucstring back;
    assign(back, s);
    EXPECT_EQ(back, withZero);

    std::string utf8;
    assign(utf8, QStringLiteral("é"));
    EXPECT_EQ(utf8, "\xC3\xA9");
    QString fromUtf8;
    assign(fromUtf8, std::string("ab\0cd", 5));
    EXPECT_EQ(fromUtf8, QStringLiteral("ab"));
}
