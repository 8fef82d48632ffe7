// The help, typical-circuit and about windows, and how every secondary window
// closes.
#include "ui/secondary_windows.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "kelvara/version.h"
#include "support/temp_dir.h"
#include "ui/about_dlg.h"
#include "ui/dialog_layout.h"
#include "ui/help_dlg.h"
#include "ui/hints_dlg.h"
#include "ui/per_char.h"
#include "ui/secondary_test_app.h"

namespace kelvara::ui {
namespace {

using kelvara::testing::SecondaryTestApp;
using kelvara::testing::TempDir;

struct Message {
    std::u16string caption;
    std::u16string text;
};

// Closes whatever modal window is open after `ms` milliseconds, so that a
// window that should not have appeared cannot hang the test; reports whether
// it had to.
class Watchdog {
  public:
    explicit Watchdog(int ms) {
        QTimer::singleShot(ms, &guard_, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                fired_ = true;
                w->close();
            }
        });
    }
    bool Fired() const { return fired_; }

  private:
    QObject guard_;
    bool fired_ = false;
};

// --- Help ------------------------------------------------------------------------

TEST(HelpWindow, WithoutReadMeOnlyTheMessageIsShown) {
    SecondaryTestApp();
    TempDir dir;
    std::vector<Message> messages;
    bool dialogSeen = false;
    QTimer::singleShot(0, [&] { dialogSeen = QApplication::activeModalWidget() != nullptr; });
    Watchdog watchdog(3000);
    ShowHelp(nullptr, dir.path(), [&](TextView caption, TextView text) {
        messages.push_back({Text(caption), Text(text)});
    });
    QApplication::processEvents();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_FALSE(dialogSeen);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(ToUtf8(messages[0].caption), "Внимание!");
    EXPECT_EQ(ToUtf8(messages[0].text), "В папке с программой отсутствует файл ReadMe.txt");
}

// Opens the help window on `folder`; returns the text its edit held (and
// whether it was read-only), pressing the window's button to close it.
struct HelpSeen {
    bool shown = false;
    bool readOnly = false;
    QString title;
    QString text;
    int messages = 0;
};

HelpSeen OpenHelp(const std::filesystem::path& folder) {
    HelpSeen seen;
    QTimer::singleShot(0, [&] {
        auto* help = dynamic_cast<CHelpDlg*>(QApplication::activeModalWidget());
        if (!help) return;
        seen.shown = true;
        seen.readOnly = help->Edit()->isReadOnly();
        seen.title = help->windowTitle();
        seen.text = help->Edit()->toPlainText();
        help->OkButton()->click();
    });
    Watchdog watchdog(3000);
    ShowHelp(nullptr, folder, [&](TextView, TextView) { ++seen.messages; });
    EXPECT_FALSE(watchdog.Fired());
    return seen;
}

TEST(HelpWindow, ShowsTheWholeUtf16ReadMe) {
    SecondaryTestApp();
    TempDir dir;
    Text text = u"Kelvara\r\n\r\nПервая строка справки.\r\nВторая строка: 0.3*Fr, \"кавычки\".\r\n";
    for (int i = 0; i < 2000; ++i) text += u"Строка " + FormatInt(i) + u"\r\n";
    kelvara::testing::WriteUtf16(dir / "ReadMe.txt", text);
    const HelpSeen seen = OpenHelp(dir.path());
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.messages, 0);
    EXPECT_TRUE(seen.readOnly);
    EXPECT_EQ(seen.title, QStringLiteral("Помощь"));
    // The byte-order mark is not part of the text; line ends become breaks.
    QString expected = QString::fromStdU16String(text);
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(seen.text, expected);
    EXPECT_TRUE(seen.text.endsWith(QStringLiteral("Строка 1999\n")));
}

TEST(HelpWindow, ReadsAUtf8ReadMeToo) {
    SecondaryTestApp();
    TempDir dir;
    kelvara::testing::WriteBytes(dir / "ReadMe.txt", "\xEF\xBB\xBFСправка\nвторая строка\n");
    const HelpSeen seen = OpenHelp(dir.path());
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, QStringLiteral("Справка\nвторая строка\n"));
}

TEST(HelpWindow, ShippedReadMeIsReadableAndRussian) {
    SecondaryTestApp();
    const std::filesystem::path folder =
        std::filesystem::path(KELVARA_SOURCE_DIR) / "data" / "Kelvara";
    // Its first two bytes are the UTF-16 little-endian mark.
    const std::string bytes = kelvara::testing::ReadBytes(folder / "ReadMe.txt");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
    const HelpSeen seen = OpenHelp(folder);
    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(seen.text.contains(QStringLiteral("Передаточная характеристика")));
    EXPECT_TRUE(seen.text.contains(QStringLiteral("Kelvara.ini")));
    EXPECT_FALSE(seen.text.contains(QChar(0xFFFD)));
    EXPECT_FALSE(seen.text.contains(QLatin1Char('\r')));
}

// --- Layout ------------------------------------------------------------------------

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    std::function<QPushButton*(QDialog&)> button;
    const char* caption;
    int width, height;  // dialog units
    const char* buttonText;
    int bx, by, bw, bh;  // the button, dialog units
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

template <typename D>
QPushButton* ButtonOf(QDialog& d) {
    return dynamic_cast<D&>(d).OkButton();
}

std::vector<WindowCase> WindowCases() {
    return {
        {"Help", [] { return std::make_unique<CHelpDlg>(nullptr, u"Справка"); }, ButtonOf<CHelpDlg>,
         "Помощь", 400, 330, "ОК", 175, 309, 50, 14},
        {"Circuit", [] { return std::make_unique<CHints>(nullptr); }, ButtonOf<CHints>,
         "Типовая схема резонансного полумостового преобразователя", 400, 220, "ОК", 175, 199, 50,
         14},
        {"About", [] { return std::make_unique<CAboutDlg>(nullptr); }, ButtonOf<CAboutDlg>,
         "О программе", 280, 168, "OK", 115, 145, 50, 16},
        {"TransferCharacteristic",
         [] { return std::make_unique<CPerChar>(nullptr, 4.384, 0.4, 0.85, 1.1, 100); },
         ButtonOf<CPerChar>, "Передаточная характеристика", 680, 336, "OK", 315, 312, 49, 16},
    };
}

class SecondaryWindowLayout : public ::testing::TestWithParam<WindowCase> {};

TEST_P(SecondaryWindowLayout, SizeCaptionAndButtonInDialogUnits) {
    SecondaryTestApp();
    const WindowCase& c = GetParam();
    const std::unique_ptr<QDialog> dialog = c.make();
    const DialogUnits units = DialogUnits::ForFont(dialog->font());
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(dialog->size(), units.ToSize(c.width, c.height));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());  // not resizable
    EXPECT_TRUE(dialog->isModal());
    QPushButton* button = c.button(*dialog);
    ASSERT_NE(button, nullptr);
    // "ОК" of the help and circuit windows is Cyrillic, "OK" of the others Latin.
    EXPECT_EQ(button->text(), QString::fromUtf8(c.buttonText));
    EXPECT_TRUE(button->isDefault());
    EXPECT_EQ(button->geometry(), units.ToRect(c.bx, c.by, c.bw, c.bh));
}

// --- Closing: the button, Esc and the close box ---------------------------------

enum class CloseBy { Button, Escape, CloseBox };

struct CloseCase {
    WindowCase window;
    CloseBy by;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    const char* by[] = {"button", "Esc", "close box"};
    *os << c.window.name << " by " << by[static_cast<int>(c.by)];
}

class SecondaryWindowClosing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(SecondaryWindowClosing, ExecReturnsAndTheWindowIsGone) {
    SecondaryTestApp();
    const CloseCase& c = GetParam();
    const std::unique_ptr<QDialog> dialog = c.window.make();
    bool acted = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        if (!dialog->isVisible()) return;
        acted = true;
        switch (c.by) {
            case CloseBy::Button:
                c.window.button(*dialog)->click();
                break;
            case CloseBy::Escape: {
                QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog.get();
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(target, &press);
                break;
            }
            case CloseBy::CloseBox:
                dialog->close();
                break;
        }
    });
    Watchdog watchdog(3000);
    const int result = dialog->exec();
    EXPECT_TRUE(acted);
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(result, c.by == CloseBy::Button ? QDialog::Accepted : QDialog::Rejected);
}

std::vector<CloseCase> CloseCases() {
    std::vector<CloseCase> out;
    for (const WindowCase& w : WindowCases()) {
        for (CloseBy by : {CloseBy::Button, CloseBy::Escape, CloseBy::CloseBox}) {
            out.push_back({w, by});
        }
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(Windows, SecondaryWindowLayout, ::testing::ValuesIn(WindowCases()),
                         [](const auto& info) { return std::string(info.param.name); });

std::string CloseCaseName(const ::testing::TestParamInfo<CloseCase>& info) {
    const char* by[] = {"Button", "Escape", "CloseBox"};
    return std::string(info.param.window.name) + "By" + by[static_cast<int>(info.param.by)];
}

INSTANTIATE_TEST_SUITE_P(Windows, SecondaryWindowClosing, ::testing::ValuesIn(CloseCases()),
                         CloseCaseName);

// --- The circuit picture and the about box ----------------------------------------

TEST(CircuitWindow, PictureAtItsOwnSizeCentredInItsArea) {
    SecondaryTestApp();
    QSvgRenderer renderer(QString::fromLatin1(kCircuitPicture));
    ASSERT_TRUE(renderer.isValid()) << "the circuit picture is not in the resources";
    CHints hints(nullptr);
    const DialogUnits units = DialogUnits::ForFont(hints.font());
    const QLabel* picture = hints.Picture();
    EXPECT_EQ(picture->geometry(), units.ToRect(80, 20, 243, 169));
    EXPECT_EQ(picture->alignment(), Qt::AlignCenter);
    const QPixmap pixmap = picture->pixmap();
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), renderer.defaultSize());
    EXPECT_EQ(renderer.defaultSize(), QSize(365, 275));
}

TEST(AboutWindow, TextsAreCentredInTheirRectanglesAndNeverCutOff) {
    SecondaryTestApp();
    CAboutDlg about(nullptr);
    const DialogUnits units = DialogUnits::ForFont(about.font());
    struct Expected {
        QString text;
        QRect rect;
    };
    const std::vector<Expected> expected = {
        {QStringLiteral("Kelvara - Расчет трансформатора и резонансных цепей "
                        "резонансного полумостового преобразователя"),
         units.ToRect(45, 10, 190, 16)},
        {QStringLiteral(" Версия ") +
             QString::fromUtf8(kProgramVersionUtf8.data(),
                               static_cast<int>(kProgramVersionUtf8.size())),
         units.ToRect(120, 35, 40, 8)},
        {QStringLiteral("06.10.25"), units.ToRect(120, 50, 40, 8)},
    };
    std::vector<const QLabel*> labels;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (label != about.Icon()) labels.push_back(label);
    }
    ASSERT_EQ(labels.size(), expected.size());
    for (size_t i = 0; i < labels.size(); ++i) {
        const QLabel* label = labels[i];
        EXPECT_EQ(label->text(), expected[i].text);
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
        // The text's centre is its rectangle's centre, its top the rectangle's top.
        EXPECT_NEAR(label->geometry().center().x(), expected[i].rect.center().x(), 1);
        EXPECT_EQ(label->geometry().top(), expected[i].rect.top());
        const QFontMetrics fm(label->font());
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height());
        } else {
            EXPECT_LE(fm.horizontalAdvance(label->text()), label->width());
        }
    }
    EXPECT_EQ(about.Icon()->pos(), QPoint(units.ToX(11), units.ToY(17)));
    EXPECT_EQ(about.Icon()->size(), QSize(32, 32));
}

}  // namespace
}  // namespace kelvara::ui
