#include "platform/Paths.h"
#include "platform/PathInfo.h"
#include "support/TestUtil.h"

#include <QFile>
#include <gtest/gtest.h>

// The outline took the parent of "/x" to be "" and the trash "/": a file in the root has the
// root as its folder, and only a name without any slash has no parent.
TEST(Paths, ParentLastComponentAndFinalSlash)
{
    EXPECT_EQ(ParentPath(QStringLiteral("/x")), QStringLiteral("/"));
    EXPECT_EQ(ParentPath(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(ParentPath(QStringLiteral("/a/b c")), QStringLiteral("/a"));
    EXPECT_EQ(ParentPath(QStringLiteral("/a/b/")), QStringLiteral("/a/b"));
    EXPECT_EQ(ParentPath(QStringLiteral("x")), QString());
    EXPECT_EQ(ParentPath(QString()), QString());

    EXPECT_EQ(LastComponent(QStringLiteral("/a/b c")), QStringLiteral("b c"));
    EXPECT_EQ(LastComponent(QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(LastComponent(QStringLiteral("/")), QString());
    EXPECT_EQ(LastComponent(QStringLiteral("/a/")), QString());

    EXPECT_EQ(WithoutFinalSlash(QStringLiteral("/a/b//")), QStringLiteral("/a/b"));
    EXPECT_EQ(WithoutFinalSlash(QStringLiteral("//")), QStringLiteral("/"));
    EXPECT_EQ(WithoutFinalSlash(QStringLiteral("a")), QStringLiteral("a"));
    // A file manager shows the last component, the root as itself.
    EXPECT_EQ(DisplayNameAtPath(QStringLiteral("/a/b//")), QStringLiteral("b"));
    EXPECT_EQ(DisplayNameAtPath(QStringLiteral("//")), QStringLiteral("/"));
    EXPECT_EQ(DisplayNameAtPath(QStringLiteral("b")), QStringLiteral("b"));
    EXPECT_EQ(DisplayNameAtPath(QString()), QString());
}

TEST(Paths, ExistsWithoutFollowing_CountsALinkThatLeadsNowhere)
{
    Sandbox box;
    const QString file = box.write(QStringLiteral("f"), "x");
    const QString link = box.path(QStringLiteral("dangling"));
    ASSERT_TRUE(QFile::link(box.path(QStringLiteral("gone")), link));
    EXPECT_TRUE(ExistsWithoutFollowing(file));
    EXPECT_TRUE(ExistsWithoutFollowing(link));
    EXPECT_FALSE(ExistsWithoutFollowing(box.path(QStringLiteral("gone"))));
    EXPECT_FALSE(ExistsWithoutFollowing(QString()));
}
