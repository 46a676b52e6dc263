#include "platform/NativePath.h"

#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Each case: raw name bytes and whether they are valid UTF-8 (then the QString must be the
// ordinary decoding, with no escapes).
struct NameCase
{
    QByteArray bytes;
    bool validUtf8;
};

class NativePathRoundTrip : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(NativePathRoundTrip, BytesSurviveTheQStringAndBack)
{
    const NameCase& c = GetParam();
    const QString decoded = PathFromNative(c.bytes);
    EXPECT_EQ(PathToNative(decoded), c.bytes);
    if (c.validUtf8) {
        EXPECT_EQ(decoded, QString::fromUtf8(c.bytes));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, NativePathRoundTrip,
    ::testing::Values(NameCase{"plain/brush.abr", true}, NameCase{"caf\xc3\xa9.abr", true},
                      NameCase{"\xf0\x9f\x96\x8c brush", true}, NameCase{"", true},
                      NameCase{"Pinsel \xe4\xf6\xfc.abr", false},                  // Latin-1
                      NameCase{"bad\xff.abr", false}, NameCase{"\xc0\xaf", false}, // overlong
                      NameCase{"\xed\xa0\x80", false},     // encoded surrogate
                      NameCase{"\xf4\x90\x80\x80", false}, // past U+10FFFF
                      NameCase{"cut\xe2\x82", false}));    // truncated sequence

TEST(NativePath, InvalidBytesBecomeLoneSurrogatesNotReplacementCharacters)
{
    const QString decoded = PathFromNative(QByteArray("a\xff"));
    ASSERT_EQ(decoded.size(), 2);
    EXPECT_EQ(decoded.at(1).unicode(), 0xDCFF);
    // A lone surrogate no decoding can make is written as U+FFFD rather than as garbage.
    EXPECT_EQ(PathToNative(QString(QChar(0xD800))), QByteArray("\xef\xbf\xbd"));
}

// URLs carry the same bytes percent-encoded; those of UTF-8 names are the ones Qt makes.
TEST(NativePath, FileUrlsCarryTheBytes)
{
    const QString utf8 = QStringLiteral("/data/caf\u00e9 & [1] #2 ?3 %4 ~5.abr");
    EXPECT_EQ(FileUrlFromPath(utf8).toEncoded(), QUrl::fromLocalFile(utf8).toEncoded());
    const QString latin1 = PathFromNative(QByteArray("/data/caf\xe9.abr"));
    EXPECT_EQ(FileUrlFromPath(latin1).toEncoded(), "file:///data/caf%E9.abr");
    for (const QString& path : {utf8, latin1})
        EXPECT_EQ(PathFromFileUrl(FileUrlFromPath(path)), path);

    const struct
    {
        const char* url;
        QString path;
    } urls[] = {
        {"file:///data/caf%E9.abr", latin1},
        {"file://localhost/data/a%20b.abr", "/data/a b.abr"},
        {"FILE:/data/x.abr", "/data/x.abr"},
        {"file://otherhost/data/x.abr", ""},
        {"file:data/x.abr", ""},
        {"sftp://host/data/x.abr", ""},
    };
    for (const auto& c : urls) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(PathFromFileUrl(QUrl::fromEncoded(c.url)), c.path);
    }
}

} // namespace

// Shortened names stay whole characters; a byte that is not UTF-8 counts as the one byte it is.
TEST(NativePath, FittedNamesKeepTheExtensionAndWholeCharacters)
{
    EXPECT_EQ(FitFileName(QStringLiteral("Soft.abr")), QStringLiteral("Soft.abr"));
    const QString latin1 = PathFromNative(QByteArray(300, '\xe9') + ".abr");
    EXPECT_EQ(PathToNative(FitFileName(latin1)), QByteArray(251, '\xe9') + ".abr");
    EXPECT_EQ(FitFileName(QStringLiteral("\u20ac\u20ac\u20ac.abr"), 11),
              QStringLiteral("\u20ac\u20ac.abr"));
    EXPECT_EQ(CutNameToBytes(QStringLiteral("a\U0001F58C"), 4), QStringLiteral("a"));
    // No room beside the extension: the name is simply cut.
    EXPECT_EQ(FitFileName(QStringLiteral("a.") + QString(300, 'e')).size(), 255);
}
