#include "platform/OpenFilesLimit.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

class MaxOpenFolders : public testing::TestWithParam<std::pair<int, int>>
{
};

TEST_P(MaxOpenFolders, IsClampedToTheSupportedRange)
{
    EXPECT_EQ(ClampMaxOpenFolders(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, MaxOpenFolders,
                         testing::Values(std::pair{0, 1024}, std::pair{-5, 1024},
                                         std::pair{1023, 1024}, std::pair{1024, 1024},
                                         std::pair{4000, 4000}, std::pair{5000, 5000},
                                         std::pair{5001, 5000}, std::pair{100000, 5000}));

TEST(OpenFilesLimit, NeverGoesAboveTheHardLimit)
{
    struct rlimit before;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &before), 0);
    const long now = RaiseOpenFilesLimit(5000);
    if (before.rlim_max != RLIM_INFINITY) {
        EXPECT_LE(now, long(before.rlim_max));
    }
    EXPECT_EQ(
        now, std::min<long>(5000, before.rlim_max == RLIM_INFINITY ? 5000 : long(before.rlim_max)));
    setrlimit(RLIMIT_NOFILE, &before);
}
