#include "ui/KelbrinApplication.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

// Window tests run offscreen under the window program's own application object.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    // Settings written by the window go to a throw-away place, not the user's own.
    QStandardPaths::setTestModeEnabled(true);
    Q_INIT_RESOURCE(kelbrin);
    KelbrinApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
