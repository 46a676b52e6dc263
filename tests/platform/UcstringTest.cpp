#include "platform/ucstring.h"

#include <gtest/gtest.h>

TEST(Ucstring, ConversionsKeepEveryCodeUnitButTrailingZerosOfAscii)
{
    EXPECT_EQ(ascii_ustringToString(ucstring{'a', 'b', 0, 0}), "ab");
    EXPECT_EQ(ascii_ustringToString(ucstring{'a', 0, 'b'}), std::string("a\0b", 3));

    // Round trips through the platform string keep every code unit.
    const ucstring withZero{0x00E9, 0xD83D, 0xDE00, 0};
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
