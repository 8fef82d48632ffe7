// The application object: the program's look (style, font, tooltips) and its
// one window, run in the program folder.
#pragma once

#include <QApplication>
#include <QFont>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "window/start_options.h"

namespace kelvara::ui {

// The dialog font: Liberation Sans (metrics of Arial), 12 pixels, with
// fallbacks of the same metrics.
QFont DialogFont();

// Style, font and tooltip settings of every window of the program.
void ApplyLook(QApplication& app);

// --help and --version, answered before any window system is asked for (Qt's
// options are not taken out yet, so nothing else is judged here); nothing
// when the window is to start.
std::optional<int> AnswerWithoutWindow(int argc, char** argv);

class CKelvaraApp {
  public:
    CKelvaraApp(int& argc, char** argv);
    // Opens the main window in the program folder (the current folder when it
    // is one, else the per-user one), loads the design the command line
    // names, and runs the window until it closes.
    int Run();

  private:
    QApplication app_;
    StartOptions options_;
};

}  // namespace kelvara::ui
