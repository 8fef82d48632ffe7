#include "ui/secondary_windows.h"

#include <optional>

#include "refdata/text_file.h"
#include "ui/about_dlg.h"
#include "ui/help_dlg.h"
#include "ui/hints_dlg.h"
#include "ui/per_char.h"

namespace kelvara::ui {

void ShowTransferCharacteristic(QWidget* parent, double kL, double Q, double xMin, double xMax,
                                double Fr) {
    CPerChar dialog(parent, kL, Q, xMin, xMax, Fr);
    dialog.exec();
}

void ShowHelp(QWidget* parent, const std::filesystem::path& currentFolder,
              const MessageFn& message) {
    const std::optional<Text> text = ReadTextFile(currentFolder / "ReadMe.txt");
    if (!text) {
        if (message) message(u"Внимание!", u"В папке с программой отсутствует файл ReadMe.txt");
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
