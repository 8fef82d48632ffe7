// The main window's layout, texts, tooltips and menu as they are built with
// the program's font.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <set>

#include "calc/messages.h"
#include "kelvara/version.h"
#include "ui/file_dialogs.h"
#include "ui/kelvara_app.h"
#include "ui/language.h"
#include "ui/tooltips.h"
#include "ui_support.h"
#include "window/main_window_layout.h"

namespace kelvara::ui {
namespace {

using testing::WindowTest;

TEST(DialogUnits, ConvertCornersWithRounding) {
    const DialogUnits u{7, 14};
    EXPECT_EQ(u.ToX(4), 7);
    EXPECT_EQ(u.ToX(2), 4);  // 3.5 rounds up
    EXPECT_EQ(u.ToY(8), 14);
    EXPECT_EQ(u.ToY(12), 21);
    // Adjoining rectangles stay adjoining: (1, 1, 1, 1) ends where (2, 2) begins.
    const QRect a = u.ToRect(1, 1, 1, 1), b = u.ToRect(2, 2, 1, 1);
    EXPECT_EQ(a.left() + a.width(), b.left());
    EXPECT_EQ(a.top() + a.height(), b.top());
    EXPECT_EQ(u.ToSize(680, 324), QSize(1190, 567));
}

TEST(Look, TheDialogFontIsTheOneTheLayoutWasMadeFor) {
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "Liberation Sans")
        << "install fonts-liberation2 (scripts/deps.sh)";
    EXPECT_EQ(QApplication::font().pixelSize(), 12);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), kTooltipDelayMs);
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 240, 160));
}

TEST_F(WindowTest, WindowHasTheCaptionAndAFixedSize) {
    OpenWindow();
    EXPECT_EQ(window->windowTitle(),
              "Kelvara - Расчет резонансных цепей резонансного полумостового преобразователя "
              "(Версия " +
                  QString::fromUtf8(kProgramVersionUtf8.data(),
                                    static_cast<int>(kProgramVersionUtf8.size())) +
                  ")");
    const DialogUnits u = DialogUnits::ForFont(window->font());
    // The controls' area in dialog units, the menu bar above, the check's
    // summary strip below.
    EXPECT_EQ(window->size(),
              u.ToSize(kMainWindowWidth, kMainWindowHeight) +
                  QSize(0, window->menuBar()->height() + window->checkStrip()->height()));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
}

// Every field's control exists with the right kind, and each choice field's
// buttons form one group of their own, in the field's order.
TEST_F(WindowTest, EveryFieldHasItsControl) {
    OpenWindow();
    for (const auto& fields : {std::span<const FieldDef>(kDesignFileFields),
                               std::span<const FieldDef>(kCoreGroupFields)}) {
        for (const FieldDef& f : fields) {
            SCOPED_TRACE(ToUtf8(f.key));
            const FieldControls& c = ControlsOf(f);
            QWidget* first = window->control(c.ids[0]);
            ASSERT_NE(first, nullptr);
            switch (f.kind) {
                case FieldKind::Text:
                    EXPECT_TRUE(first->inherits("QLineEdit") || first->inherits("QComboBox"));
                    break;
                case FieldKind::Flag:
                    EXPECT_TRUE(first->inherits("QCheckBox"));
                    break;
                case FieldKind::Choice: {
                    QButtonGroup* group = Button(c.ids[0])->group();
                    ASSERT_NE(group, nullptr);
                    ASSERT_EQ(group->buttons().size(), c.count);
                    for (int b = 0; b < c.count; ++b) {
                        ASSERT_TRUE(window->control(c.ids[b])->inherits("QRadioButton"));
                        EXPECT_EQ(group->buttons()[b], Button(c.ids[b]));
                    }
                    break;
                }
            }
        }
    }
    for (const ResultFieldDef& r : kResultFields) {
        QLabel* value = Label(r.controlId);
        ASSERT_NE(value, nullptr) << r.controlId;
        if (r.field != kRLmUnit && r.field != kRLrUnit && r.field != kRLtotUnit) {
            EXPECT_TRUE(value->alignment() & Qt::AlignRight) << r.controlId;
        }
    }
    for (int id : {ctl::kCalculate, ctl::kExit, ctl::kSave, ctl::kLoad, ctl::kAddCore}) {
        EXPECT_TRUE(window->control(id)->inherits("QPushButton")) << id;
    }
    EXPECT_TRUE(static_cast<QPushButton*>(Button(ctl::kCalculate))->isDefault());
    EXPECT_EQ(Edit(ctl::kBm)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(WindowTest, EveryFieldLabelIsShown) {
    OpenWindow();
    std::set<QString> shown;
    for (const PlacedControl& c : window->controls()) {
        if (auto* label = qobject_cast<QLabel*>(c.widget)) shown.insert(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(c.widget)) shown.insert(button->text());
    }
    for (const auto& fields : {std::span<const FieldDef>(kDesignFileFields),
                               std::span<const FieldDef>(kCoreGroupFields)}) {
        for (const FieldDef& f : fields) {
            if (f.label.empty()) continue;
            EXPECT_TRUE(shown.count(ToQ(f.label))) << ToUtf8(f.label);
        }
    }
    EXPECT_TRUE(shown.count("Полная индуктивность первичной обмотки  Lm+Lr"));
    EXPECT_TRUE(shown.count("ЕI"));  // Cyrillic Е, Latin I
    EXPECT_EQ(TextOf(ctl::kShapeEI).front().unicode(), 0x0415);
}

// A text fits its control: single-line texts in the width, wrapped ones in
// the rectangle, buttons with their indicator.
void ExpectTextsFit(const std::vector<PlacedControl>& controls) {
    for (const PlacedControl& c : controls) {
        QWidget* w = c.widget;
        const QFontMetrics fm(w->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty()) continue;
            SCOPED_TRACE(label->text().toStdString());
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height());
                for (const QString& word : label->text().split(' ')) {
                    EXPECT_LE(fm.horizontalAdvance(word), label->width()) << word.toStdString();
                }
            } else {
                EXPECT_LE(fm.horizontalAdvance(label->text()), label->width());
                EXPECT_LE(fm.height(), label->height());
            }
        } else if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
            auto* button = static_cast<QAbstractButton*>(w);
            SCOPED_TRACE(button->text().toStdString());
            EXPECT_LE(button->sizeHint().width(), button->width());
            EXPECT_LE(w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight), w->height());
        } else if (auto* push = qobject_cast<QPushButton*>(w)) {
            SCOPED_TRACE(push->text().toStdString());
            EXPECT_LE(fm.horizontalAdvance(push->text()) + 8, push->width());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            EXPECT_LE(fm.horizontalAdvance(group->title()) + 20, group->width());
        }
    }
}

TEST_F(WindowTest, EveryTextFitsItsControl) {
    OpenWindow();
    ExpectTextsFit(window->controls());
    // The texts the calculation puts into the results, too.
    for (int id : {ctl::kResLmUnit, ctl::kResLrUnit, ctl::kResLtotUnit}) {
        window->SetText(id, Text(msg::kMicroHenry));
    }
    window->SetText(ctl::kGapLabel, Text(kGapReqLabel));
    window->SetText(ctl::kResWire1, u"0.355 x 12");
    window->SetText(ctl::kResLossW, u"?????");
    ExpectTextsFit(window->controls());
    window->SetText(ctl::kGapLabel, Text(kALReqLabel));
    ExpectTextsFit(window->controls());
}

// Cyrillic in a text of the window.
bool HasCyrillic(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
    return false;
}

TEST_F(WindowTest, TheEnglishWindowShowsNoCyrillicAndEveryTextFits) {
    OpenWindow();
    const QString fMin = Label(ctl::kResFMin)->text();
    window->ChooseLanguage(Language::English);
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_EQ(window->windowTitle().left(30), "Kelvara - Resonant circuit des");
    // Every text but the user's data (the core and material names, typed
    // into their lists) is English; the numbers stay as they were.
    for (const PlacedControl& c : window->controls()) {
        QWidget* w = c.widget;
        if (qobject_cast<QComboBox*>(w)) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
        if (auto* box = qobject_cast<QGroupBox*>(w)) text = box->title();
        EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();
        EXPECT_FALSE(HasCyrillic(w->toolTip())) << w->toolTip().toStdString();
    }
    for (QAction* a : window->menuBar()->actions()) {
        if (a->menu()) continue;  // "Язык / Language" names both
        EXPECT_FALSE(HasCyrillic(a->text())) << a->text().toStdString();
    }
    EXPECT_FALSE(HasCyrillic(window->checkStrip()->toolTip()));
    EXPECT_EQ(Label(ctl::kResFMin)->text(), fMin);
    EXPECT_EQ(Label(ctl::kResLmUnit)->text(), QString::fromUtf8("µH"));
    EXPECT_EQ(Label(ctl::kGapLabel)->text(), "Required air gap, at least");
    ExpectTextsFit(window->controls());
    // Remembered in the user's settings, and back to Russian at once.
    EXPECT_EQ(StoredLanguage(), Language::English);
    window->ChooseLanguage(Language::Russian);
    EXPECT_EQ(StoredLanguage(), Language::Russian);
    EXPECT_EQ(Label(ctl::kGapLabel)->text(), ToQ(kGapReqLabel));
    EXPECT_EQ(Label(ctl::kResLmUnit)->text(), ToQ(msg::kMicroHenry));
    EXPECT_EQ(Button(ctl::kCalculate)->text(), "Рассчитать");
}

TEST_F(WindowTest, ChangingTheLanguageKeepsEditsNotYetCalculated) {
    OpenWindow();
    Retype(ctl::kFr, "120");
    ASSERT_TRUE(window->dialog().resultsStale());
    const QString fMin = Label(ctl::kResFMin)->text();
    const int runs = window->dialog().calculationsRun();
    window->ChooseLanguage(Language::English);
    EXPECT_EQ(Edit(ctl::kFr)->text(), "120");
    EXPECT_TRUE(window->dialog().resultsStale());
    EXPECT_EQ(Label(ctl::kResFMin)->text(), fMin);
    EXPECT_EQ(window->dialog().calculationsRun(), runs);
    EXPECT_TRUE(window->checkStrip()->text().contains("The results are not those of the inputs"));
    window->ChooseLanguage(Language::Russian);
}

TEST(PickerLayout, EveryTextFitsItsControl) {
    kelvara::testing::TempDir dir;
    COpenFileDlg open(dir.path(), nullptr);
    CSaveFileDlg save(dir.path(), u"", nullptr);
    for (QDialog* d : {static_cast<QDialog*>(&open), static_cast<QDialog*>(&save)}) {
        std::vector<PlacedControl> placed;
        for (QObject* child : d->children()) {
            if (auto* w = qobject_cast<QWidget*>(child)) placed.push_back({nullptr, w});
        }
        ExpectTextsFit(placed);
        EXPECT_EQ(d->size(), DialogUnits::ForFont(d->font()).ToSize(kPickerWidth, kPickerHeight));
    }
}

TEST_F(WindowTest, TooltipsAreAttachedWithTheirTiming) {
    OpenWindow();
    ASSERT_EQ(MainWindowTooltips().size(), 15u);
    for (const TooltipDef& t : MainWindowTooltips()) {
        QWidget* w = window->control(t.id);
        ASSERT_NE(w, nullptr) << t.id;
        EXPECT_FALSE(w->toolTip().isEmpty()) << t.id;
        EXPECT_EQ(w->toolTipDuration(), kTooltipDurationMs) << t.id;
    }
    EXPECT_TRUE(Button(ctl::kRadioUnas)->toolTip().contains("биполярных или IGBT"));
    EXPECT_TRUE(Button(ctl::kRadioRds)->toolTip().contains("полевых транзисторов"));
    // A short text is shown as it is.
    EXPECT_EQ(Edit(ctl::kD11)->toolTip(), "Желаемый диаметр провода первичной обмотки.");
}

QWidget* ShownTip() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible()) return w;
    }
    return nullptr;
}

TEST_F(WindowTest, LongTooltipsWrapWithinTheirWidth) {
    OpenWindow();
    for (int id : {ctl::kJ, ctl::kFr, ctl::kLoad}) {
        QWidget* w = window->control(id);
        QToolTip::showText(w->mapToGlobal(QPoint(2, 2)), w->toolTip(), w);
        QWidget* tip = ShownTip();
        ASSERT_NE(tip, nullptr) << id;
        EXPECT_LE(tip->width(), kTooltipMaxWidth) << id;
        // Every line of the text is there: a line break stays a line break.
        const int lines = ToQ(std::find_if(MainWindowTooltips().begin(), MainWindowTooltips().end(),
                                           [&](const TooltipDef& t) { return t.id == id; })
                                  ->text)
                              .count('\n') +
                          1;
        EXPECT_GE(tip->height(), lines * QFontMetrics(QToolTip::font()).height()) << id;
        QToolTip::hideText();
    }
}

TEST_F(WindowTest, MenuHasItsCommands) {
    OpenWindow();
    const QList<QAction*> actions = window->menuBar()->actions();
    ASSERT_EQ(actions.size(), 8);
    // Each with its mnemonic letter after "&".
    EXPECT_EQ(actions[0]->text(), "&Передаточная характеристика");
    EXPECT_EQ(actions[1]->text(), "По&мощь");
    EXPECT_EQ(actions[2]->text(), "&Типовая схема резонансного полумостового преобразователя");
    EXPECT_EQ(actions[3]->text(), "&О программе...");
    EXPECT_EQ(window->menuCommand(ctl::kCmdTransfer), actions[0]);
    EXPECT_EQ(window->menuCommand(ctl::kCmdHelp), actions[1]);
    EXPECT_EQ(window->menuCommand(ctl::kCmdCircuit), actions[2]);
    EXPECT_EQ(window->menuCommand(ctl::kCmdAbout), actions[3]);
    // The design check and the core adviser come after the window's own four commands.
    EXPECT_EQ(actions[4]->text(), "Про&верка проекта");
    EXPECT_EQ(window->menuCommand(ctl::kCmdCheck), actions[4]);
    EXPECT_EQ(actions[5]->text(), "Подбор &сердечника");
    EXPECT_EQ(window->menuCommand(ctl::kCmdAdviser), actions[5]);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(actions[i]->isEnabled());
        EXPECT_EQ(actions[i]->menu(), nullptr);
    }
    // Then the results: the waveforms, the SPICE netlist, the report and its printing.
    EXPECT_EQ(actions[6]->text(), "&Результаты");
    ASSERT_NE(actions[6]->menu(), nullptr);
    QStringList results;
    for (QAction* a : actions[6]->menu()->actions()) {
        if (!a->isSeparator()) results << QString(a->text()).remove('&');
    }
    EXPECT_EQ(results,
              (QStringList{"Осциллограммы...", "Экспорт SPICE...", "Отчёт...", "Печать..."}));
    for (int id : {ctl::kCmdWaveforms, ctl::kCmdSpice, ctl::kCmdReport, ctl::kCmdPrint}) {
        ASSERT_NE(window->menuCommand(id), nullptr) << id;
        EXPECT_TRUE(actions[6]->menu()->actions().contains(window->menuCommand(id))) << id;
    }
    // Last the language, in both languages, with its two choices.
    EXPECT_EQ(actions[7]->text(), "&Язык / Language");
    ASSERT_NE(actions[7]->menu(), nullptr);
    ASSERT_EQ(actions[7]->menu()->actions().size(), 2);
    EXPECT_EQ(actions[7]->menu()->actions()[0]->text(), "Русский");
    EXPECT_EQ(actions[7]->menu()->actions()[1]->text(), "English");
    EXPECT_TRUE(actions[7]->menu()->actions()[0]->isChecked());
    // Everything fits the bar: nothing is hidden behind its extension button.
    for (QAction* a : actions) {
        EXPECT_FALSE(window->menuBar()->actionGeometry(a).isEmpty()) << a->text().toStdString();
        EXPECT_LE(window->menuBar()->actionGeometry(a).right(), window->menuBar()->width());
    }
}

TEST_F(WindowTest, F1IsTheHelpCommand) {
    OpenWindow();
    // No "ReadMe.txt" in the program folder: only the message is shown.
    QTest::keyClick(Edit(ctl::kFr), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(messages.empty());
    QTest::keyClick(Edit(ctl::kFr), Qt::Key_F1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find(u"ReadMe.txt"), Text::npos);
}

}  // namespace
}  // namespace kelvara::ui
