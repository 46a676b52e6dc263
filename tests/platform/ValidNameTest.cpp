#include "platform/ValidName.h"
#include "platform/NativePath.h"

#include <gtest/gtest.h>

namespace {

struct ValidNameCase
{
    const char* what;
    QString name;
    qsizetype maxUtf8Bytes;
    QString valid;
};

void PrintTo(const ValidNameCase& c, std::ostream* out)
{
    *out << c.what;
}

const QChar kReplacement(QChar::ReplacementCharacter);
const QString kFace = QString::fromUtf8("\xF0\x9F\x98\x80"); // a surrogate pair, 4 UTF-8 bytes

class ValidNameTest : public ::testing::TestWithParam<ValidNameCase>
{
};

// Whatever comes in, what goes out is UTF-8 both ways, fits, and has no zero unit.
TEST_P(ValidNameTest, GivesTextEveryFormatHolds)
{
    const ValidNameCase& c = GetParam();
    const QString valid = ValidName(c.name, c.maxUtf8Bytes);
    EXPECT_EQ(valid, c.valid);
    EXPECT_EQ(QString::fromUtf8(valid.toUtf8()), valid);
    EXPECT_FALSE(valid.contains(QChar(0)));
    if (c.maxUtf8Bytes >= 0) {
        EXPECT_LE(valid.toUtf8().size(), c.maxUtf8Bytes);
    }
    EXPECT_EQ(ValidName(valid, c.maxUtf8Bytes), valid);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ValidNameTest,
    ::testing::Values(
        ValidNameCase{"plain", QStringLiteral("Chalk 筆 ü"), 255, QStringLiteral("Chalk 筆 ü")},
        ValidNameCase{"lone high surrogate", QStringLiteral("a") + QChar(0xD800) + u'b', -1,
                      QStringLiteral("a") + kReplacement + u'b'},
        ValidNameCase{"lone low surrogate last", QStringLiteral("a") + QChar(0xDC00), -1,
                      QStringLiteral("a") + kReplacement},
        ValidNameCase{"pair kept", QStringLiteral("x") + kFace, -1, QStringLiteral("x") + kFace},
        ValidNameCase{"Latin-1 file name", PathFromNative(QByteArray("caf\xe9")), -1,
                      QStringLiteral("caf") + kReplacement},
        ValidNameCase{"Shift-JIS file name", PathFromNative(QByteArray("\x83u\x83\x89V")), -1,
                      QString(kReplacement) + u'u' + kReplacement + kReplacement + u'V'},
        ValidNameCase{"zero unit", QStringLiteral("a") + QChar(0) + u'b', 255,
                      QStringLiteral("ab")},
        ValidNameCase{"line break and tab", QStringLiteral("a\nb\tc"), -1, QStringLiteral("a b c")},
        ValidNameCase{"non-character", QStringLiteral("a") + QChar(0xFFFF), -1,
                      QStringLiteral("a") + kReplacement},
        ValidNameCase{"300 ASCII characters", QString(300, u'x'), 255, QString(255, u'x')},
        ValidNameCase{"cut between two-byte characters", QString(300, QChar(0xE9)), 255,
                      QString(127, QChar(0xE9))},
        ValidNameCase{"cut before a pair", QStringLiteral("a") + kFace.repeated(64), 255,
                      QStringLiteral("a") + kFace.repeated(63)},
        ValidNameCase{"replacement counted as three bytes", QString(100, QChar(0xD800)), 255,
                      QString(85, kReplacement)}));

} // namespace
