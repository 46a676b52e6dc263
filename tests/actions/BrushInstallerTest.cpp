#include "actions/BrushInstaller.h"

#include <gtest/gtest.h>

struct AlertCase
{
    int apps, failures, duplicates;
    const char* key;
};

class InstallAlertTest : public ::testing::TestWithParam<AlertCase>
{
};

TEST_P(InstallAlertTest, PicksTheKeyOfTheTable)
{
    const AlertCase& c = GetParam();
    EXPECT_EQ(BrushInstaller::alertKeyFor(c.apps, c.failures, c.duplicates).toStdString(), c.key);
}

INSTANTIATE_TEST_SUITE_P(BrushInstaller, InstallAlertTest,
                         ::testing::Values(AlertCase{1, 0, 0, ""}, AlertCase{3, 0, 0, ""},
                                           AlertCase{1, 1, 1, "bad install-one-duplicate"},
                                           AlertCase{1, 1, 0, "bad install-one-other"},
                                           AlertCase{3, 2, 2, "bad install-some-duplicate"},
                                           AlertCase{3, 3, 3, "bad install-all-duplicate"},
                                           AlertCase{3, 2, 1, "bad install-some-other"},
                                           AlertCase{3, 3, 2, "bad install-all-other"}));
