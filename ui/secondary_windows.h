// The main window's secondary windows, opened from its menu.
#pragma once

#include <filesystem>
#include <functional>

#include "window/text.h"

class QWidget;

namespace kelvara::ui {

// Shows a message box (caption, text) through the main window's view.
using MessageFn = std::function<void(TextView caption, TextView text)>;

// "Передаточная характеристика": the gain curve of the last calculation,
// marked when its inputs have been changed since (`stale`).
void ShowTransferCharacteristic(QWidget* parent, double kL, double Q, double xMin, double xMax,
                                double Fr, bool stale = false, double xTdMin = 0,
                                double xTdMax = 0);
// "Помощь": the text of "ReadMe.txt" in `currentFolder`; when it is missing
// only the message is shown.
void ShowHelp(QWidget* parent, const std::filesystem::path& currentFolder,
              const MessageFn& message);
// "Типовая схема резонансного полумостового преобразователя".
void ShowCircuit(QWidget* parent);
// "О программе...".
void ShowAbout(QWidget* parent);

}  // namespace kelvara::ui
