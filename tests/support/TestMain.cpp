#include "platform/Translations.h"
#include "thread/BackgroundWork.h"
#include "thread/KelbrinCoreApplication.h"

#include <gtest/gtest.h>

// Core tests run with the command-line program's application object, so notifications posted
// to the main thread travel exactly as they do there.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    KelbrinCoreApplication app(argc, argv);
    // English whatever the desktop's language, with its plural forms.
    InstallTranslations(QProcessEnvironment());
    const int status = RUN_ALL_TESTS();
    EndBackgroundWork();
    return status;
}
