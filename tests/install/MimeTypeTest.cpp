// The file type the package installs: files without the suffix are still recognised by their
// first bytes, for every version we read, and other files that begin alike are not taken.
#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <gtest/gtest.h>

namespace {
const QString kAbr = QStringLiteral("application/x-photoshop-abr");
}

TEST(MimeTypeTest, MagicOfEveryVersionAndNothingElse)
{
    // Qt reads the database once per process, from the first folders it is shown.
    Sandbox data;
    ASSERT_TRUE(QDir().mkpath(data.path(QStringLiteral("mime/packages"))));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KELBRIN_SOURCE_DIR "/data/kelbrin-abr.xml"),
                            data.path(QStringLiteral("mime/packages/kelbrin-abr.xml"))));
    qputenv("XDG_DATA_HOME", data.path(QStringLiteral("home")).toUtf8());
    qputenv("XDG_DATA_DIRS", data.path({}).toUtf8());
    const QMimeDatabase db;
    ASSERT_TRUE(db.mimeTypeForName(kAbr).isValid());
    EXPECT_EQ(db.mimeTypeForFile(QStringLiteral("x.ABR"), QMimeDatabase::MatchExtension).name(),
              kAbr);

    for (uint16_t version : {6, 7, 8, 9, 10}) {
        SCOPED_TRACE(version);
        AbrWriter w;
        w.u16(version).u16(2).ascii("8BIMsamp").u32(0);
        EXPECT_EQ(db.mimeTypeForData(w.data()).name(), kAbr);
    }
    for (uint16_t version : {1, 2})
        for (uint16_t type : {1, 2}) {
            SCOPED_TRACE(version * 10 + type);
            AbrWriter w;
            w.u16(version).u16(3).u16(type).u32(20).zeros(20);
            EXPECT_EQ(db.mimeTypeForData(w.data()).name(), kAbr);
        }

    AbrWriter noSection, trueTypeLike, version5;
    noSection.u16(6).u16(2).ascii("XXXXsamp");
    trueTypeLike.u16(1).u16(0).u16(12).u16(128);
    version5.u16(5).u16(2).ascii("8BIMsamp");
    for (const AbrWriter* other : {&noSection, &trueTypeLike, &version5})
        EXPECT_NE(db.mimeTypeForData(other->data()).name(), kAbr);
}
