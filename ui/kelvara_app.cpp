#include "ui/kelvara_app.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QStyleOptionMenuItem>
#include <QToolTip>
#include <QWindow>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "kelvara/version.h"
#include "session/program_folders.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/tooltips.h"
#include "window/controls.h"

namespace kelvara::ui {

namespace {

// The common style with the tooltip timing of the main window, and group
// boxes whose etched frame runs through the middle of their title, so that the
// controls laid out inside keep their room.
class KelvaraStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return kTooltipDelayMs;
        // A lone Alt opens the menu bar for the keyboard on every platform.
        if (hint == SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        // The command lit in a menu bar opened from the keyboard (Alt, F10)
        // is drawn as a pressed one, so the user sees where the arrows are.
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuBarItem && item && (item->state & State_Selected) && widget &&
            widget->hasFocus()) {
            QStyleOptionMenuItem lit = *item;
            lit.state |= State_Sunken;
            QProxyStyle::drawControl(element, &lit, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QFontMetrics& fm = box->fontMetrics;
        const QRect r = box->rect;
        const int top = r.top() + fm.height() / 2;
        const int textLeft = r.left() + 8;
        const int textWidth = box->text.isEmpty() ? 0 : fm.horizontalAdvance(box->text) + 4;
        painter->save();
        // Dark line, then a light one below and right of it.
        for (int pass = 0; pass < 2; ++pass) {
            painter->setPen(box->palette.color(pass == 0 ? QPalette::Mid : QPalette::Light));
            const int d = pass;
            const int left = r.left() + d, right = r.right() - 1 + d;
            const int y0 = top + d, bottom = r.bottom() - 1 + d;
            painter->drawLine(left, y0, left, bottom);
            painter->drawLine(left, bottom, right, bottom);
            painter->drawLine(right, y0, right, bottom);
            painter->drawLine(left, y0, textLeft - 2, y0);
            painter->drawLine(textLeft + textWidth, y0, right, y0);
        }
        painter->setPen(box->palette.color(QPalette::WindowText));
        painter->drawText(QRect(textLeft + 2, r.top(), textWidth, fm.height()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, box->text);
        painter->restore();
    }
};

}  // namespace

QFont DialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Arimo"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

void ApplyLook(QApplication& app) {
    // One style on every platform, so that the dialog-unit layout looks and
    // fits the same everywhere.
    app.setStyle(new KelvaraStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    const QFont font = DialogFont();
    app.setFont(font);
    QToolTip::setFont(font);
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, kTooltipBackground);
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);
}

namespace {

// The arguments Qt left, as the system names them.
std::vector<std::filesystem::path> ArgumentsOf(int argc, char** argv) {
    std::vector<std::filesystem::path> args;
#if defined(_WIN32)
    (void)argv;
    const QStringList list = QCoreApplication::arguments();
    for (qsizetype i = 1; i < list.size(); ++i) args.emplace_back(list[i].toStdWString());
#else
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
#endif
    return args;
}

// --start-check: the window on screen with its first results; they are
// printed as "label: value unit" lines read back from the window's controls.
int StartCheck(MainWindow& window, const std::filesystem::path& programFolder, int messages) {
    window.show();
    QElapsedTimer timer;
    timer.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           timer.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents();
    const bool exposed = window.windowHandle() && window.windowHandle()->isExposed();
    std::cout << StartCheckReport(programFolder, FromQ(window.windowTitle()), exposed, window)
              << std::flush;
    const bool ok = exposed && window.dialog().lastRunCompleted() && messages == 0;
    window.hide();
    return ok ? 0 : 1;
}

}  // namespace

CKelvaraApp::CKelvaraApp(int& argc, char** argv) : app_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("Kelvara"));
    QApplication::setApplicationVersion(ToQ(kProgramVersion));
    // Ties the window to its menu entry (and its icon) on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVARA_APP_ID));
    ApplyLook(app_);
    // The language the user chose last; Russian at the first start.
    ApplyLanguage(StoredLanguage());
    // Qt has taken its own options out of argc and argv.
    options_ = ParseStartOptions(ArgumentsOf(argc, argv));
}

std::optional<int> AnswerWithoutWindow(int argc, char** argv) {
    std::vector<std::filesystem::path> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    const StartOptions options = ParseStartOptions(args);
    if (options.help) {
        std::cout << WindowUsage();
        return 0;
    }
    if (options.version) {
        std::cout << "kelvara " << kProgramVersionUtf8 << "\n";
        return 0;
    }
    return std::nullopt;
}

int CKelvaraApp::Run() {
    if (!options_.error.empty()) {
        std::cerr << "kelvara: " << options_.error << "\nTry 'kelvara --help'.\n";
        return 2;
    }
    // The current folder as the system names it: its name need not be text.
    std::error_code ec;
    std::filesystem::path current = std::filesystem::current_path(ec);
    if (ec) current = std::filesystem::path(".");
    const ProgramFolders folders = FindProgramFolders(ProcessFolderInputs(current));

    MainWindow window;
    int messages = 0;
    if (options_.startCheck) {
        window.setMessageHook([&messages](TextView caption, TextView text, View::Buttons) {
            ++messages;
            std::cout << ToUtf8(caption) << ": " << ToUtf8(text) << "\n";
            return View::Answer::Ok;
        });
    }
    if (const Text problems = FillProblemsMessage(folders); !problems.empty()) {
        window.dialog().Warning(problems);
    }
    // A missing wire table or material folder ends the program with the
    // message already shown; nothing is written.
    if (!window.Open(folders.programFolder)) return 1;
    if (options_.designFile) {
        window.dialog().OpenDesign(
            DesignFileFromCommandLine(*options_.designFile, current, folders.programFolder));
    }
    if (options_.startCheck) return StartCheck(window, folders.programFolder, messages);
    window.exec();
    return 0;
}

}  // namespace kelvara::ui
