#include "ui/window/ReadMessageBar.h"

#include <gtest/gtest.h>

TEST(ReadMessageBar, SaysWhyAFileShowsFewOrNoBrushes)
{
    ReadOutcome fine;
    EXPECT_EQ(ReadMessageBar::messageFor(fine, 3), QString());

    ReadOutcome version;
    version.unsupportedVersion = 11;
    EXPECT_EQ(ReadMessageBar::messageFor(version, 0),
              QStringLiteral("Not a brush file Kelbrin can read (version 11)"));
    version.unsupportedVersion = 0x6f72; // "ro", the start of a text file
    EXPECT_EQ(ReadMessageBar::messageFor(version, 0), QStringLiteral("Not a brush file"));

    ReadOutcome damaged;
    damaged.error = -1;
    EXPECT_EQ(ReadMessageBar::messageFor(damaged, 4),
              QStringLiteral("This file is damaged: 4 brushes could be read"));
    EXPECT_EQ(ReadMessageBar::messageFor(damaged, 1),
              QStringLiteral("This file is damaged: 1 brush could be read"));
    EXPECT_EQ(ReadMessageBar::messageFor(damaged, 0, 1),
              QStringLiteral("This file is damaged: 0 brushes and 1 pattern could be read"));
    // With nothing read, the error itself is the message.
    EXPECT_EQ(ReadMessageBar::messageFor(damaged, 0),
              QStringLiteral("Not a valid brush file, or damaged"));

    ReadMessageBar bar;
    bar.showOutcome(damaged, 2);
    EXPECT_FALSE(bar.isHidden());
    bar.showOutcome(fine, 2);
    EXPECT_TRUE(bar.isHidden());
}
