#include "platform/ReadProgress.h"

#include "support/TestUtil.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(ReadProgress, IsTheFurthestOffsetOfOurDescriptorsOnTheFile)
{
    Sandbox box;
    const QString path = box.write("big.abr", QByteArray(4096, 'x'));
    const QString other = box.write("other.abr", QByteArray(64, 'x'));
    EXPECT_EQ(ReadOffsetOfOpenFile(path), -1);
    const int a = open(QFile::encodeName(path).constData(), O_RDONLY);
    const int b = open(QFile::encodeName(path).constData(), O_RDONLY);
    const int c = open(QFile::encodeName(other).constData(), O_RDONLY);
    ASSERT_TRUE(a >= 0 && b >= 0 && c >= 0);
    char buffer[1500];
    ASSERT_EQ(read(a, buffer, 1000), 1000);
    ASSERT_EQ(read(b, buffer, 1500), 1500);
    ASSERT_EQ(read(c, buffer, 10), 10);
    EXPECT_EQ(ReadOffsetOfOpenFile(path), 1500);
    EXPECT_EQ(ReadOffsetOfOpenFile(box.path("missing.abr")), -1);
    close(a);
    close(b);
    close(c);
    EXPECT_EQ(ReadOffsetOfOpenFile(path), -1);
}
