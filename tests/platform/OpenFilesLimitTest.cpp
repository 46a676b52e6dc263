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

// Raised towards the clamp when lower, never above the hard limit, and never lowered.
TEST(OpenFilesLimit, OnlyEverRaisesTheSoftLimit)
{
    struct rlimit before;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &before), 0);
    const long hard = before.rlim_max == RLIM_INFINITY ? 1L << 20 : long(before.rlim_max);
    struct rlimit low = before;
    low.rlim_cur = 300;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
    EXPECT_EQ(RaiseOpenFilesLimit(5000), std::min<long>(5000, hard));
    if (hard > 6000) {
        struct rlimit high = before;
        high.rlim_cur = 6000;
        ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &high), 0);
        EXPECT_EQ(RaiseOpenFilesLimit(0), 6000);
    }
    setrlimit(RLIMIT_NOFILE, &before);
}
