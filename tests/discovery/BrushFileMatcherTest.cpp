#include "discovery/BrushFileMatcher.h"

#include <gtest/gtest.h>

TEST(BrushFileMatcher, SuffixesMatchInAnyCaseAtTheEndOnly)
{
    const BrushFileMatcher brushes = BrushFileMatcher::brushFilesBySuffix();
    for (const char* name : {"a.abr", "A.ABR", "Soft.Abr", ".abr", "ä ü.abr"})
        EXPECT_TRUE(brushes.matches(std::string(name))) << name;
    for (const char* name : {"a.abr.txt", "abr", "a.ab", "a_abr", "", "a.abrr"})
        EXPECT_FALSE(brushes.matches(std::string(name))) << name;
    // The name ends where its length says, not at a zero byte.
    EXPECT_TRUE(brushes.matches("a.abrx", 5));
    EXPECT_FALSE(brushes.matches("a.abr", 4));

    const BrushFileMatcher packs = BrushFileMatcher::convertedPackFiles();
    for (const char* name : {"tip.GBR", "tip.vbr", "Inking.bundle"})
        EXPECT_TRUE(packs.matches(std::string(name))) << name;
    for (const char* name : {"tip.abr", "bundle", "tip.pat"})
        EXPECT_FALSE(packs.matches(std::string(name))) << name;
}

TEST(BrushFileMatcher, AMimeTypeTakesTheNamesTheDatabaseGivesIt)
{
    const BrushFileMatcher byType({QStringLiteral("abr")}, QStringLiteral("text/plain"));
    EXPECT_TRUE(byType.matches(std::string("notes.TXT")));
    EXPECT_TRUE(byType.matches(std::string("x.abr")));
    EXPECT_FALSE(byType.matches(std::string("notes.png")));
    EXPECT_FALSE(byType.matches(std::string("notes")));

    // Whether or not the system knows the type of brush files, the suffix alone is enough.
    const BrushFileMatcher every = BrushFileMatcher::brushFiles();
    for (const char* name : {"a.abr", "A.ABR", ".abr"})
        EXPECT_TRUE(every.matches(std::string(name))) << name;
    EXPECT_FALSE(every.matches(std::string("a.png")));
}
