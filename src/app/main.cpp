#include "ui/BrushWindow.h"
#include "ui/KelbrinApplication.h"

int main(int argc, char** argv)
{
    KelbrinApplication app(argc, argv);
    BrushWindow window;
    const QStringList args = app.arguments();
    if (args.size() == 2)
        window.openFile(args.at(1));
    window.show();
    return app.exec();
}
