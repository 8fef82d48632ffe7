// kelvara-screenshots: the program's windows as PNG pictures, for the README
// and for looking at what users see. Started in a program folder (like the
// window), it opens the main window on the remembered design and writes, into
// the folder given, main.png and one picture of each further window:
//
//   kelvara-screenshots OUTDIR [DESIGN.sav]
//
// Run it under a virtual display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QPixmap>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "ui/adviser_window.h"
#include "ui/check_window.h"
#include "ui/kelvara_app.h"
#include "ui/main_window.h"
#include "ui/per_char.h"
#include "ui/qt_text.h"
#include "ui/waveform_window.h"

using namespace kelvara;
using namespace kelvara::ui;

namespace {

bool Save(QWidget& w, const QDir& dir, const char* name) {
    w.show();
    QApplication::processEvents();
    const QString file = dir.filePath(QString::fromLatin1(name));
    const bool ok = w.grab().save(file);
    std::cout << (ok ? "wrote " : "could not write ") << file.toStdString() << "\n";
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyLook(app);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::cerr << "usage: kelvara-screenshots OUTDIR [DESIGN.sav]\n";
        return 2;
    }
    const QDir dir(args[1]);
    QDir().mkpath(dir.path());
    MainWindow window;
    window.setMessageHook([](TextView caption, TextView text, View::Buttons) {
        std::cout << ToUtf8(caption) << ": " << ToUtf8(text) << "\n";
        return View::Answer::Ok;
    });
    if (!window.Open(std::filesystem::current_path())) return 1;
    if (args.size() > 2) window.dialog().OpenDesign(args[2].toStdU16String());
    {
        int total = 0;
        for (QAction* a : window.menuBar()->actions())
            total += window.menuBar()->actionGeometry(a).width();
        std::cout << "menu bar: " << total << " of " << window.menuBar()->width() << " px\n";
    }
    bool ok = Save(window, dir, "main.png");

    CheckWindow check(&window, window.dialog());
    ok = Save(check, dir, "check.png") && ok;
    check.hide();

    const DesignResults& r = window.dialog().results();
    const TdMarks td = TdMarksOf(window.dialog().check(), r.Fr);
    CPerChar transfer(&window, r.kLact, r.Qact, r.xMinFound ? r.xMin : 0, r.xMaxFound ? r.xMax : 0,
                      r.Fr, false, td.xMin, td.xMax);
    ok = Save(transfer, dir, "transfer.png") && ok;
    transfer.hide();

    WaveformWindow waves(&window, window.dialog());
    ok = Save(waves, dir, "waveforms.png") && ok;
    waves.ShowCorner(1);
    waves.view()->MoveCursor(waves.view()->width() * 0.4);
    ok = Save(waves, dir, "waveforms_max.png") && ok;
    waves.hide();

    AdviserWindow adviser(&window, window.dialog());
    ok = Save(adviser, dir, "adviser.png") && ok;
    adviser.hide();
    return ok ? 0 : 1;
}
