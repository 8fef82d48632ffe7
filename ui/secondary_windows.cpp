#include "ui/secondary_windows.h"

#include <optional>

#include "ui/about_dlg.h"
#include "ui/help_dlg.h"
#include "ui/hints_dlg.h"
#include "ui/per_char.h"
#include "window/help_text.h"

namespace kelvara::ui {

void ShowTransferCharacteristic(QWidget* parent, double kL, double Q, double xMin, double xMax,
                                double Fr, bool stale, double xTdMin, double xTdMax) {
    CPerChar dialog(parent, kL, Q, xMin, xMax, Fr, stale, xTdMin, xTdMax);
    dialog.exec();
}

void ShowHelp(QWidget* parent, const std::filesystem::path& currentFolder,
              const MessageFn& message) {
    const std::optional<Text> text = ReadHelpText(currentFolder);
    if (!text) {
        if (message) message(Tr(u"Внимание!"), Tr(kNoHelpFileText));
        return;
    }
    CHelpDlg dialog(parent, *text);
    dialog.exec();
}

void ShowCircuit(QWidget* parent) {
    CHints dialog(parent);
    dialog.exec();
}

void ShowAbout(QWidget* parent) {
    CAboutDlg dialog(parent);
    dialog.exec();
}

}  // namespace kelvara::ui
