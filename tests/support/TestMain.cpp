#include "thread/KelbrinCoreApplication.h"

#include <gtest/gtest.h>

// Core tests run with the command-line program's application object, so notifications posted
// to the main thread travel exactly as they do there.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    KelbrinCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
