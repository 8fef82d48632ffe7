// The application object the secondary windows' tests need: one QApplication
// for the test program, on the off-screen platform unless another one is
// asked for.
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>

namespace kelvara::testing {

inline QApplication& SecondaryTestApp() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Number of pixels of exactly this colour.
inline int CountPixels(const QImage& image, QColor colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb wanted = colour.rgb();
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) n += (line[x] | 0xFF000000u) == wanted;
    }
    return n;
}

}  // namespace kelvara::testing
