// The application object: the program's look (style, font, tooltips) and its
// one window, run from the current folder.
#pragma once

#include <QApplication>
#include <QFont>

namespace kelvara::ui {

// The dialog font: Liberation Sans (metrics of Arial), 12 pixels, with
// fallbacks of the same metrics.
QFont DialogFont();

// Style, font and tooltip settings of every window of the program.
void ApplyLook(QApplication& app);

class CKelvaraApp {
  public:
    CKelvaraApp(int& argc, char** argv);
    // Opens the main window in the current folder and runs it until it closes.
    int Run();

  private:
    QApplication app_;
};

}  // namespace kelvara::ui
