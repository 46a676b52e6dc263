// Draws the pictures of the window shown in the README:
//   kelbrin-screenshots OUTDIR NAME [--dark] [--per-row N]
// writes OUTDIR/NAME.png (the window, names on, two brushes selected, N brushes a row, 6 unless
// given) and OUTDIR/NAME-viewer.png (the brush viewer). --file PATH shows that brush file instead
// of the made-up one, --brush N selects and views its brush N rather than the fifth, --strokes
// shows the grid's stroke previews.
// --dark chooses View > Theme > Dark. Run
// it under QT_SCALE_FACTOR=2 for the high-density picture.
//   kelbrin-screenshots OUTDIR NAME --outlines [--made-up-home] [--dark]
// runs the search over the home folder ($HOME, set it to a made-up one, or let --made-up-home
// make one: brush files here and there, Photoshop CS6 under Wine, GIMP and Krita each with a
// converted pack) and writes NAME.png
// (both outlines, a file selected), NAME-menu.png (the context menu on a file), and
// NAME-searching.png / NAME-empty.png (the all-files outline before and after a search that
// found nothing), and NAME-installed.png (the first installed file or pack on display).
//   kelbrin-screenshots OUTDIR NAME --walk --made-up-home [--dark]
// walks through the main job in a made-up home: NAME-1-open.png … NAME-7-reveal-failed.png.
//   kelbrin-screenshots OUTDIR NAME --install-result [--dark]
// writes NAME.png (the dialog that says what an install did in three applications) and
// NAME-failed.png (the same with a failure and a damaged file).
//   kelbrin-screenshots OUTDIR NAME --library [--dark]
// catalogues two made-up files into a library of its own and writes NAME.png: the brushes named
// "round" in place of the grid, the outline narrowed to the file named so, and the status line
// as while cataloguing.
//   kelbrin-screenshots OUTDIR NAME --patterns [--dark]
// shows the demo file followed by a textured brush and made-up patterns (grey, RGB with alpha,
// indexed, 16-bit, one larger than a cell), as a read would deliver them, and writes NAME.png
// (the grid scrolled to the patterns, one selected), NAME-viewer.png (a pattern in the viewer)
// and NAME-texture.png (the viewer of the brush that paints through one).
//   kelbrin-screenshots OUTDIR NAME --marks [--dark]
// catalogues a made-up home (as --made-up-home) into its own library, stars a file and two
// brushes, tags two files, and writes NAME.png (the grid's stars), NAME-favourites.png (the
// outlines narrowed to them), NAME-menu.png (the outline's menu), NAME-tags.png (the tags
// dialog) and NAME-duplicates.png (the duplicates of the home's copies of one file).
#include "actions/BrushInstaller.h"
#include "brush/SampledBrush.h"
#include "convert/BrushPackReader.h"
#include "discovery/BrushFileSearch.h"
#include "library/CBrushCataloguer.h"
#include "library/CLibrary.h"
#include "platform/Translations.h"
#include "support/AbrWriter.h"
#include "support/MadeUpHome.h"
#include "thread/PostingBrushSink.h"
#include "ui/dialogs/InstallResultDialog.h"
#include "ui/dialogs/TagsDialog.h"
#include "ui/grid/BrushFileView.h"
#include "ui/grid/BrushViewer.h"
#include "ui/library/DuplicatesDialog.h"
#include "ui/library/LibraryController.h"
#include "ui/library/LibraryResultsView.h"
#include "ui/library/MarksController.h"
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineModels.h"
#include "ui/window/AppTheme.h"
#include "ui/window/BrushWindow.h"
#include "ui/window/KelbrinApplication.h"
#include "ui/window/OutlineSetup.h"
#include "ui/window/WindowMenus.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>

namespace {
// Chalk-like texture: a soft blob broken up by a fixed pseudo-random grain.
QByteArray Texture(int w, int h, int seed)
{
    QByteArray raw(w * h, '\0');
    unsigned state = unsigned(seed) * 2654435761u + 1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            state = state * 1103515245u + 12345u;
            const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
            const double r = std::sqrt(dx * dx + dy * dy);
            const double grain = double((state >> 16) & 0xFF) / 255.0;
            const double ink = std::max(0.0, 1.0 - r) * (0.35 + 0.65 * grain);
            raw[y * w + x] = char(std::min(255, int(ink * 320)));
        }
    return raw;
}

QString WriteDemoFile(const QString& folder)
{
    const char* names[] = {"Soft Round", "Hard Round", "Chalk",      "Dry Media", "Charcoal Smudge",
                           "Splatter",   "Pencil",     "Flat Angle", "Grain",     "Felt Tip"};
    AbrWriter w;
    const int count = 30;
    w.u16(2).u16(count);
    for (int i = 0; i < count; ++i) {
        const QString name =
            QStringLiteral("%1 %2").arg(QString::fromLatin1(names[i % 10])).arg(10 + i * 7);
        if (i % 3 == 1) {
            const int side = 40 + (i * 11) % 60;
            const QByteArray raw = Texture(side, side, i);
            w.sampledRecord(true, name, 0, 0, side, side, 8, false, raw);
        } else {
            w.computedRecord(true, name, uint16_t(20 + (i * 13) % 80),
                             uint16_t(i % 4 == 2 ? 35 : 100), int16_t((i * 37) % 180),
                             uint16_t(i % 2 ? 100 : (i * 17) % 90));
        }
    }
    const QString path = QDir(folder).filePath(QStringLiteral("Sketching Set.abr"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(w.data()) != w.data().size())
        return QString();
    return path;
}

void Wait(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Patterns as a reader would make them, one of each kind the window has to show.
std::vector<PatternPtr> MadeUpPatterns()
{
    std::vector<PatternPtr> patterns;
    const QByteArray grain = Texture(64, 64, 7);
    QImage granite(64, 64, QImage::Format_Grayscale8);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            granite.scanLine(y)[x] = uchar(110 + (uchar(grain[y * 64 + x]) * 97 + x * y) % 90);
    patterns.push_back(
        std::make_shared<Pattern>(QStringLiteral("$$$/Presets/Patterns/GrayGranite=Gray Granite"),
                                  QStringLiteral("g-1"), Pattern::Mode::Grey, 8, granite));

    QImage leaves(40, 40, QImage::Format_ARGB32);
    leaves.fill(Qt::transparent);
    {
        QPainter painter(&leaves);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(60, 150, 70));
        painter.drawEllipse(QRectF(4, 6, 18, 10));
        painter.setBrush(QColor(200, 140, 30));
        painter.drawEllipse(QRectF(20, 22, 14, 14));
    }
    patterns.push_back(std::make_shared<Pattern>(QStringLiteral("Leaves"), QStringLiteral("l-1"),
                                                 Pattern::Mode::Rgb, 8, leaves));

    QImage checks(8, 8, QImage::Format_Indexed8);
    checks.setColorTable({qRgb(30, 60, 140), qRgb(240, 220, 120), qRgb(200, 60, 50)});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            checks.setPixel(x, y, (x / 4 + y / 4) % 2 ? (x == y ? 2 : 1) : 0);
    patterns.push_back(std::make_shared<Pattern>(QStringLiteral("Tiles"), QStringLiteral("t-1"),
                                                 Pattern::Mode::Indexed, 8, checks));

    QImage canvas(96, 60, QImage::Format_RGBX64);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 96; ++x) {
            const int weave = ((x / 3 + y / 3) % 2) * 4000;
            canvas.setPixelColor(
                x, y,
                QColor::fromRgba64(quint16(52000 + weave), 48000, quint16(40000 - weave), 65535));
        }
    patterns.push_back(std::make_shared<Pattern>(QStringLiteral("Canvas"), QStringLiteral("c-1"),
                                                 Pattern::Mode::Rgb, 16, canvas));

    QImage clouds(320, 320, QImage::Format_RGB32);
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 320; ++x) {
            const double v = 0.5 + 0.25 * std::sin(x / 23.0) * std::cos(y / 31.0) +
                             0.25 * std::sin((x + y) / 47.0);
            clouds.setPixel(x, y, qRgb(int(90 + 120 * v), int(140 + 100 * v), 255));
        }
    patterns.push_back(std::make_shared<Pattern>(QStringLiteral("Clouds"), QStringLiteral("k-1"),
                                                 Pattern::Mode::Rgb, 8, clouds));
    return patterns;
}

int DrawPatterns(BrushWindow& window, const QDir& out, const QString& name)
{
    window.resize(900, 600);
    window.show();
    window.menus()->showNamesAction()->setChecked(true);
    window.fileView()->setItemsPerColumn(6);
    QTemporaryDir folder;
    window.doOpenFile(WriteDemoFile(folder.path()));
    QElapsedTimer limit;
    limit.start();
    while (window.isReadingFile() && limit.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    // The same path a read takes: a brush that paints through the first pattern, then the
    // patterns, after the brushes.
    PostingBrushSink sink(window.fileView()->getBrushFile());
    const QByteArray stamp = Texture(60, 60, 3);
    auto textured = std::make_shared<SampledBrush>(QStringLiteral("Granite Stamp"), 60, 60, 8,
                                                   PixelBlock(stamp.begin(), stamp.end()));
    textured->setTexture(
        {QStringLiteral("$$$/Presets/Patterns/GrayGranite=Gray Granite"), QStringLiteral("g-1")});
    sink.AddBrush(textured);
    for (const PatternPtr& pattern : MadeUpPatterns())
        sink.AddPattern(pattern);
    Wait(300);
    BrushFileView* view = window.fileView();
    const int brushes = int(view->getBrushFile()->count());
    view->setFocus();
    view->selectOnly(brushes + 1);
    window.findChild<QScrollArea*>()->verticalScrollBar()->setValue(
        window.findChild<QScrollArea*>()->verticalScrollBar()->maximum());
    Wait(300);
    bool ok = window.grab().save(out.filePath(name + QStringLiteral(".png")));
    window.openViewer(brushes + 1);
    if (BrushViewer* viewer = window.viewer()) {
        viewer->resize(640, 420);
        viewer->setZoom(BrushViewer::Double);
        Wait(300);
        ok = viewer->grab().save(out.filePath(name + QStringLiteral("-viewer.png"))) && ok;
        viewer->showBrush(brushes - 1);
        Wait(300);
        ok = viewer->grab().save(out.filePath(name + QStringLiteral("-texture.png"))) && ok;
    }
    return ok ? 0 : 1;
}
// Shows window with both outlines over the home folder, once the search's first phase and the
// installed outline's own search are over.
void ShowWithOutlines(KelbrinApplication& app, BrushWindow& window)
{
    window.resize(1000, 640);
    AttachOutlines(window, *app.getBrushFileQuery(), app.getPaintingApps(),
                   KelbrinApplication::searchedFolders());
    window.show();
    QElapsedTimer limit;
    limit.start();
    while (!window.fileOutlineModel()->firstPhaseFinished() && limit.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    Wait(1500);
}

// The made-up home's brush files, all copies of the demo file; GIMP's and Krita's folders are
// made so that they count as installed.
void FillMadeUpHome(const MadeUpHome& home)
{
    QTemporaryDir folder;
    QFile demo(WriteDemoFile(folder.path()));
    demo.open(QIODevice::ReadOnly);
    const QByteArray bytes = demo.readAll();
    for (const char* file :
         {"Downloads/dual-brush-pack.abr", "Downloads/free-clouds.abr",
          "Pictures/Brushes/Charcoal.abr", "Pictures/Brushes/Ink Pens.abr",
          "Pictures/Brushes/Watercolour/Granulation.abr",
          "Pictures/Brushes/Watercolour/Wet Edges.abr", "Documents/Comic/inking.abr"})
        home.file(QString::fromUtf8(file), bytes);
    const QString app =
        home.adobeApp(QStringLiteral(".wine"), QStringLiteral("Adobe Photoshop CS6"),
                      QStringLiteral("Photoshop.exe"), 13);
    const QString inHome = app.mid(home.path().size() + 1);
    home.file(inHome + QStringLiteral("/Presets/Brushes/Assorted Brushes.abr"), bytes);
    home.file(inHome + QStringLiteral("/Presets/Brushes/Natural Brushes.abr"), bytes);
    const QString local =
        home.adobeSupportFolder(QStringLiteral(".wine"), QStringLiteral("Adobe Photoshop CS6"));
    home.file(local.mid(home.path().size() + 1) + QStringLiteral("My Pencils.abr"), bytes);
    home.file(QStringLiteral("Downloads/empty.abr"), QByteArray());
    // GIMP's own brushes folder is left for the first install to make.
    home.folder(QStringLiteral(".config/GIMP/2.10"));
    home.folder(QStringLiteral(".local/share/krita"));
}

// Installs one of the home's files into GIMP and Krita, as the window's Install would.
void InstallIntoPaintingApps(const PaintingAppList& apps)
{
    PaintingAppList painting;
    for (const PaintingApp& app : apps)
        if (!app.packsFolderPath().isEmpty())
            painting.push_back(app);
    ConvertedFile file(QDir::home().filePath(QStringLiteral("Pictures/Brushes/Ink Pens.abr")));
    BrushInstaller::installItem(file, painting);
}

int DrawOutlines(KelbrinApplication& app, const QDir& out, const QString& name)
{
    bool ok = true;
    {
        // Before the search says anything, and after a search that found nothing.
        BrushWindow window;
        window.resize(900, 420);
        window.setOutlineModels(new FoundFileOutlineModel({}, QDir::homePath()),
                                new InstalledFileOutlineModel({}), {},
                                KelbrinApplication::searchedFolders());
        window.show();
        Wait(300);
        ok = window.grab().save(out.filePath(name + QStringLiteral("-searching.png"))) && ok;
        window.fileOutlineModel()->finishedQueryFirstPhase();
        Wait(300);
        ok = window.grab().save(out.filePath(name + QStringLiteral("-empty.png"))) && ok;
    }
    if (app.arguments().contains(QStringLiteral("--made-up-home")))
        InstallIntoPaintingApps(app.getPaintingApps());
    BrushWindow window;
    ShowWithOutlines(app, window);
    FileOutlineView* all = window.getFileOutline();
    all->expandAll();
    window.getInstalledFileOutline()->expandAll();
    const QModelIndex first = all->model()->index(0, 0);
    const QModelIndex file = all->model()->index(0, 0, first);
    all->setCurrentIndex(file);
    Wait(1200);
    ok = window.grab().save(out.filePath(name + QStringLiteral(".png"))) && ok;
    if (QMenu* menu = all->menuForPosition(all->visualRect(file).center())) {
        menu->popup(all->viewport()->mapToGlobal(all->visualRect(file).center()));
        Wait(300);
        ok = menu->grab().save(out.filePath(name + QStringLiteral("-menu.png"))) && ok;
        menu->hide();
    }
    // The first converted pack of the installed outline on display, else its first file.
    FileOutlineView* installed = window.getInstalledFileOutline();
    const std::function<QModelIndex(const QModelIndex&, bool)> firstItem =
        [&](const QModelIndex& parent, bool packOnly) {
            for (int row = 0; row < installed->model()->rowCount(parent); ++row) {
                const QModelIndex index = installed->model()->index(row, 0, parent);
                if (!index.data(OutlineModel::IsFolderRole).toBool()) {
                    const QString path = index.data(OutlineModel::PathRole).toString();
                    if (!packOnly || BrushPackReader::isPackPath(path))
                        return index;
                } else if (const QModelIndex inner = firstItem(index, packOnly); inner.isValid()) {
                    return inner;
                }
            }
            return QModelIndex();
        };
    QModelIndex item = firstItem(QModelIndex(), true);
    if (!item.isValid())
        item = firstItem(QModelIndex(), false);
    if (item.isValid()) {
        installed->setCurrentIndex(item);
        Wait(1200);
        ok = window.grab().save(out.filePath(name + QStringLiteral("-installed.png"))) && ok;
    }
    return ok ? 0 : 1;
}

void WriteAndCatalogueMarkFiles(LibraryController& library, const QDir& home)
{
    // Two files of their own, so that not every file is a copy of every other: pens with one
    // tip of the demo file's under another name, and clouds of their own.
    AbrWriter pens;
    pens.u16(2).u16(5);
    for (int i = 0; i < 4; ++i)
        pens.computedRecord(true, QStringLiteral("Pen %1").arg(i + 1), uint16_t(3 + i * 2), 100, 0,
                            100);
    pens.computedRecord(true, QStringLiteral("Soft Pen"), 20, 100, 0, 0);
    AbrWriter clouds;
    clouds.u16(2).u16(3);
    for (int i = 0; i < 3; ++i)
        clouds.computedRecord(true, QStringLiteral("Cloud %1").arg(i + 1), uint16_t(60 + i * 15),
                              70, int16_t(i * 30), 10);
    for (const auto& [file, writer] : {std::pair{"Pictures/Brushes/Ink Pens.abr", &pens},
                                       std::pair{"Downloads/free-clouds.abr", &clouds}}) {
        QFile out(home.filePath(QString::fromUtf8(file)));
        if (out.open(QIODevice::WriteOnly))
            out.write(writer->data());
    }
    QStringList files;
    QDirIterator it(QDir::homePath(), {QStringLiteral("*.abr")}, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    CBrushCataloguer cataloguer(library.status().path);
    cataloguer.catalogue(files);
    QElapsedTimer limit;
    limit.start();
    while (!cataloguer.isIdle() && limit.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

int DrawMarks(KelbrinApplication& app, const QDir& out, const QString& name)
{
    BrushWindow window;
    ShowWithOutlines(app, window);
    LibraryController* library = window.libraryController();
    if (!library->library())
        return 1;
    const QDir home = QDir::home();
    WriteAndCatalogueMarkFiles(*library, home);
    const QString charcoal = home.filePath(QStringLiteral("Pictures/Brushes/Charcoal.abr"));
    library->setStarred(charcoal, -1, true);
    library->setStarred(home.filePath(QStringLiteral("Pictures/Brushes/Ink Pens.abr")), -1, true);
    library->setTags(home.filePath(QStringLiteral("Pictures/Brushes/Ink Pens.abr")),
                     {QStringLiteral("ink"), QStringLiteral("comic")});
    library->setTags(home.filePath(QStringLiteral("Documents/Comic/inking.abr")),
                     {QStringLiteral("comic")});
    FileOutlineView* all = window.getFileOutline();
    all->expandAll();
    all->selectFileByPath(charcoal);
    QElapsedTimer limit;
    limit.start();
    while (window.isReadingFile() && limit.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (int brush : {2, 7}) {
        window.fileView()->selectOnly(brush);
        window.marks()->favouriteBrushAction()->trigger();
    }
    Wait(600);
    bool ok = window.grab().save(out.filePath(name + QStringLiteral(".png")));
    const QRect row = all->visualRect(all->currentIndex());
    if (QMenu* menu = all->menuForPosition(row.center())) {
        menu->popup(all->viewport()->mapToGlobal(row.center()));
        Wait(300);
        ok = menu->grab().save(out.filePath(name + QStringLiteral("-menu.png"))) && ok;
        menu->hide();
    }
    auto* narrowing = window.findChild<QComboBox*>(QStringLiteral("outlineNarrowing"));
    narrowing->setCurrentIndex(1);
    Q_EMIT narrowing->activated(1);
    all->expandAll();
    Wait(600);
    ok = window.grab().save(out.filePath(name + QStringLiteral("-favourites.png"))) && ok;
    if (TagsDialog* tags = window.marks()->editTags(
            home.filePath(QStringLiteral("Pictures/Brushes/Ink Pens.abr")))) {
        tags->field()->setText(QStringLiteral("co"));
        Wait(300);
        ok = tags->grab().save(out.filePath(name + QStringLiteral("-tags.png"))) && ok;
        tags->reject();
    }
    DuplicatesDialog* duplicates = window.marks()->showDuplicates();
    Wait(600);
    ok = duplicates->grab().save(out.filePath(name + QStringLiteral("-duplicates.png"))) && ok;
    return ok ? 0 : 1;
}

// Grabs the next modal dialog once it is up (NAME-STEP.png), then lets act close it.
void GrabNextDialog(const QDir& out, const QString& file, std::function<void(QWidget*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, [=] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        // One more turn, so the dialog has laid itself out and painted.
        QTimer::singleShot(300, dialog, [=] {
            dialog->grab().save(out.filePath(file));
            act(dialog);
        });
    });
    poll->start();
}

// Presses the dialog's button with that text, or closes it.
void Press(QWidget* dialog, const QString& text)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->text().remove(QLatin1Char('&')) == text) {
            button->click();
            return;
        }
    dialog->close();
}

// The main job from start to end, a picture at each step: a file found and opened, its install
// (the summary, the result with GIMP's brushes folder made), the same install again, an install
// refused, the file trashed, a reveal with no file manager to answer.
int DrawWalk(KelbrinApplication& app, const QDir& out, const QString& name)
{
    BrushWindow window;
    ShowWithOutlines(app, window);
    QElapsedTimer limit;
    bool ok = true;
    const auto shot = [&](const char* step) {
        Wait(600);
        ok = window.grab().save(out.filePath(QStringLiteral("%1-%2.png").arg(name, step))) && ok;
    };
    const auto dialogShot = [&](const char* step, const QString& press, auto trigger) {
        GrabNextDialog(out, QStringLiteral("%1-%2.png").arg(name, QString::fromUtf8(step)),
                       [press](QWidget* dialog) { Press(dialog, press); });
        trigger();
        Wait(300);
    };
    const QString charcoal = QDir::home().filePath(QStringLiteral("Pictures/Brushes/Charcoal.abr"));
    window.doOpenFile(charcoal);
    shot("1-open");
    // The summary asks first; the result follows it.
    GrabNextDialog(out, name + QStringLiteral("-2-summary.png"), [&](QWidget* dialog) {
        GrabNextDialog(out, name + QStringLiteral("-3-installed.png"),
                       [](QWidget* result) { result->close(); });
        Press(dialog, QStringLiteral("Install"));
    });
    window.menus()->installMenuAction()->trigger();
    Wait(500);
    shot("3-installed-window");
    GrabNextDialog(out, name + QStringLiteral("-4-summary-again.png"), [&](QWidget* dialog) {
        GrabNextDialog(out, name + QStringLiteral("-4-already-installed.png"),
                       [](QWidget* result) { result->close(); });
        Press(dialog, QStringLiteral("Install"));
    });
    window.menus()->installMenuAction()->trigger();
    Wait(500);
    window.doOpenFile(QDir::home().filePath(QStringLiteral("Downloads/empty.abr")));
    Wait(500);
    dialogShot("5-refused", QString(), [&] { window.menus()->installMenuAction()->trigger(); });
    shot("5-refused-window");
    window.doOpenFile(charcoal);
    Wait(500);
    window.menus()->trashMenuAction()->trigger();
    shot("6-trashed");
    window.doOpenFile(QDir::home().filePath(QStringLiteral("Documents/Comic/inking.abr")));
    Wait(500);
    dialogShot("7-reveal-failed", QString(),
               [&] { window.menus()->revealMenuAction()->trigger(); });
    // xdg-open has its time to fail before the message comes.
    const QString last = out.filePath(name + QStringLiteral("-7-reveal-failed.png"));
    limit.restart();
    while (!QFileInfo::exists(last) && limit.elapsed() < 15000)
        Wait(100);
    return ok && QFileInfo::exists(last) ? 0 : 1;
}

int DrawInstallResult(const QDir& out, const QString& name)
{
    using eResult = BrushInstaller::Outcome::eResult;
    const QString home = QDir::homePath();
    const QString file = QStringLiteral("Sketching Set.abr");
    BrushInstaller::Report report;
    report.outcomes = {{eResult::Installed,
                        QStringLiteral("Adobe Photoshop CS6"),
                        home + QStringLiteral("/.wine/drive_c/Program Files/Adobe/Adobe Photoshop "
                                              "CS6/Presets/Brushes/Sketching Set.abr"),
                        {},
                        false,
                        false},
                       {eResult::Installed,
                        QStringLiteral("GIMP 2.10"),
                        home + QStringLiteral("/.config/GIMP/2.10/brushes/Sketching Set"),
                        {},
                        true,
                        false},
                       {eResult::Duplicate,
                        QStringLiteral("Krita"),
                        home + QStringLiteral("/.local/share/krita/Sketching Set.bundle"),
                        {},
                        false,
                        false}};
    QWidget window;
    window.setWindowTitle(file);
    bool ok = true;
    for (const bool failed : {false, true}) {
        if (failed) {
            report.outcomes[0].result = eResult::Failed;
            report.outcomes[0].reason = QStringLiteral("No space left on device");
            report.damage =
                QStringLiteral("the file is damaged: only 12 brushes could be read from it");
        }
        InstallResultDialog dialog(report, file, &window);
        dialog.show();
        Wait(200);
        const QString suffix = failed ? QStringLiteral("-failed.png") : QStringLiteral(".png");
        ok = dialog.grab().save(out.filePath(name + suffix)) && ok;
    }
    return ok ? 0 : 1;
}
int DrawLibrary(const QDir& out, const QString& name)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    // Two copies of the demo file, one named so that the outline keeps it under the filter.
    QStringList files;
    for (const char* set : {"Studio", "Field Kit"}) {
        const QString folder = data.filePath(QString::fromLatin1(set));
        QDir().mkpath(folder);
        files << WriteDemoFile(folder);
    }
    const QString renamed = QFileInfo(files[0]).dir().filePath(QStringLiteral("Round Tips.abr"));
    if (!QFile::rename(files[0], renamed))
        return 1;
    files[0] = renamed;
    BrushWindow window;
    window.resize(900, 600);
    auto* found = new FoundFileOutlineModel({}, data.path());
    window.setOutlineModels(found, new InstalledFileOutlineModel({}), {}, {data.path()});
    found->addItems(
        files, FileNodeFlagsList(size_t(files.size()),
                                 FileNodeFlags{FileNodeFlags::eExists | FileNodeFlags::eIsFile}));
    found->finishedQueryFirstPhase();
    window.show();
    window.startLibrary();
    LibraryController* library = window.libraryController();
    // The library is made ready on a thread of its own.
    QElapsedTimer readying;
    readying.start();
    while (!library->isReady() && readying.elapsed() < 10000)
        Wait(20);
    if (!library->cataloguer())
        return 1;
    library->cataloguer()->catalogue(files);
    QElapsedTimer limit;
    limit.start();
    while (library->library()->totals().brushes < 60 && limit.elapsed() < 10000)
        Wait(50);
    // A starred brush shows its star among the results.
    for (const LibraryBrush& brush : library->library()->searchBrushNames(QStringLiteral("round")))
        if (brush.path == files[1]) {
            library->setStarred(brush.path, brush.position, true);
            break;
        }
    window.outlineFilterField()->setText(QStringLiteral("round"));
    Wait(400);
    window.getFileOutline()->expandAll();
    if (LibraryResultsView* results = window.libraryResults())
        results->listView()->setCurrentIndex(results->listView()->model()->index(2, 0));
    Q_EMIT library->cataloguer()->progress(1234, 5678);
    Wait(100);
    return window.grab().save(out.filePath(name + QStringLiteral(".png"))) ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true); // the user's own settings stay out of the picture
    Q_INIT_RESOURCE(kelbrin);
    // Made before the application, which looks for the installed applications as it starts.
    std::optional<MadeUpHome> home;
    for (int i = 1; i < argc; ++i)
        if ((std::strcmp(argv[i], "--made-up-home") == 0 || std::strcmp(argv[i], "--marks") == 0) &&
            !home)
            FillMadeUpHome(home.emplace());
    KelbrinApplication app(argc, argv);
    InstallTranslations(); // LANGUAGE=de shows the window in German, as the program does
    QSettings().clear();   // and neither do the tests' leftovers
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: kelbrin-screenshots OUTDIR NAME [--dark] [--per-row N] "
                             "| --outlines | --marks | --install-result | --patterns [--dark]\n");
        return 2;
    }
    app.theme()->setChoice(args.contains(QStringLiteral("--dark")) ? AppTheme::eDark
                                                                   : AppTheme::eSystem);
    if (args.contains(QStringLiteral("--install-result")))
        return DrawInstallResult(QDir(args.at(1)), args.at(2));
    const int perRowAt = int(args.indexOf(QStringLiteral("--per-row")));
    const int perRow =
        perRowAt > 0 && perRowAt + 1 < args.size() ? args.at(perRowAt + 1).toInt() : 6;
    if (args.contains(QStringLiteral("--library")))
        return DrawLibrary(QDir(args.at(1)), args.at(2));
    if (args.contains(QStringLiteral("--walk")))
        return DrawWalk(app, QDir(args.at(1)), args.at(2));
    if (args.contains(QStringLiteral("--outlines")))
        return DrawOutlines(app, QDir(args.at(1)), args.at(2));
    if (args.contains(QStringLiteral("--marks")))
        return DrawMarks(app, QDir(args.at(1)), args.at(2));
    if (args.contains(QStringLiteral("--patterns"))) {
        BrushWindow window;
        return DrawPatterns(window, QDir(args.at(1)), args.at(2));
    }
    QTemporaryDir folder;
    const int fileAt = int(args.indexOf(QStringLiteral("--file")));
    const QString path =
        fileAt > 0 && fileAt + 1 < args.size() ? args.at(fileAt + 1) : WriteDemoFile(folder.path());
    if (path.isEmpty())
        return 1;
    const int brushAt = int(args.indexOf(QStringLiteral("--brush")));
    const int shown = brushAt > 0 && brushAt + 1 < args.size() ? args.at(brushAt + 1).toInt() : 4;

    BrushWindow window;
    window.resize(900, 600);
    window.show();
    window.menus()->showNamesAction()->setChecked(true);
    window.menus()->showStrokesAction()->setChecked(args.contains(QStringLiteral("--strokes")));
    window.fileView()->setItemsPerColumn(perRow);
    window.doOpenFile(path);
    QElapsedTimer limit;
    limit.start();
    while (window.isReadingFile() && limit.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    window.fileView()->selectOnly(shown);
    QMouseEvent ctrlClick(
        QEvent::MouseButtonPress, window.fileView()->thumbnailRect(7).center(),
        window.fileView()->mapToGlobal(window.fileView()->thumbnailRect(7).center()),
        Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    QCoreApplication::sendEvent(window.fileView(), &ctrlClick);
    Wait(args.contains(QStringLiteral("--strokes")) ? 2000 : 300);
    const QDir out(args.at(1));
    const QString name = args.at(2);
    bool ok = window.grab().save(out.filePath(name + QStringLiteral(".png")));

    window.openViewer(shown);
    if (BrushViewer* viewer = window.viewer()) {
        viewer->resize(640, 420);
        viewer->setZoom(BrushViewer::Double);
        Wait(300);
        ok = viewer->grab().save(out.filePath(name + QStringLiteral("-viewer.png"))) && ok;
    }
    return ok ? 0 : 1;
}
