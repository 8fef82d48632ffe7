// The main window beyond single clicks: typing in the material list, the
// marking of results that belong to earlier inputs, the messages of the
// opening over the shown window, and the menu bar from the keyboard.
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <set>

#include "session/messages.h"
#include "ui/check_window.h"
#include "ui/per_char.h"
#include "ui/secondary_test_app.h"
#include "ui_support.h"

namespace kelvara::ui {
namespace {

namespace fs = std::filesystem;
using testing::WindowTest;

class KeyboardTest : public WindowTest {
  protected:
    // Opens the window and makes it the active one, so keys go to its focus.
    void OpenActive() {
        OpenWindow();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // Types into the material list as the user does: focus, select all, keys.
    void TypeMaterial(const QString& text) {
        QComboBox* materials = Combo(ctl::kMaterialList);
        materials->setFocus(Qt::TabFocusReason);
        materials->lineEdit()->selectAll();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    void PressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
};

// --- Typing in the material list ----------------------------------------------

TEST_F(KeyboardTest, TypedMaterialChoosesByTheListsRuleOrGivesWayToTheOneInUse) {
    OpenActive();
    QComboBox* materials = Combo(ctl::kMaterialList);
    ASSERT_EQ(materials->currentText(), "N87 Epcos");
    const int runs = window->dialog().calculationsRun();

    // "XYZ" names no material: the list shows the one in use again, and
    // Enter goes on to "Рассчитать", which calculates with it.
    TypeMaterial("XYZ");
    ASSERT_EQ(materials->currentText(), "XYZ");
    PressEnter();
    EXPECT_EQ(materials->currentText(), "N87 Epcos");
    EXPECT_EQ(materials->currentIndex(), 1);
    EXPECT_EQ(materials->count(), 2);
    EXPECT_EQ(window->dialog().inputs().mater, u"N87 Epcos");
    EXPECT_EQ(window->dialog().calculationsRun(), runs + 1);

    // The beginning of another entry, letter case ignored, chooses it; the
    // choice calculates, once.
    TypeMaterial("3c");
    PressEnter();
    EXPECT_EQ(materials->currentText(), "3C90 Ferroxcube");
    EXPECT_EQ(materials->currentIndex(), 0);
    EXPECT_EQ(window->dialog().inputs().mater, u"3C90 Ferroxcube");
    EXPECT_EQ(window->dialog().calculationsRun(), runs + 2);

    // Leaving the list ends the typing as well.
    TypeMaterial("nothing");
    Edit(ctl::kFr)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(materials->currentText(), "3C90 Ferroxcube");
    EXPECT_EQ(window->dialog().calculationsRun(), runs + 2);
    EXPECT_TRUE(messages.empty());
}

// --- Results of earlier inputs ----------------------------------------------------

// Whether every result value is greyed (or none is).
bool ValuesGreyed(const MainWindow& w, bool greyed) {
    for (const ResultRowDef& r : kResultRowDefs) {
        if (w.control(r.valueId)->isEnabled() == greyed) return false;
    }
    return w.control(ctl::kResGapReq)->isEnabled() != greyed;
}

TEST_F(WindowTest, ResultsOfEarlierInputsAreGreyedAndSaidSoUntilTheNextCalculation) {
    OpenWindow();
    const QString stale = ToQ(msg::kResultsStale);
    const QSize size = window->size();
    EXPECT_FALSE(window->dialog().resultsStale());
    EXPECT_FALSE(window->checkStrip()->text().contains(stale));
    EXPECT_TRUE(ValuesGreyed(*window, false));
    const QString cr = TextOf(ctl::kResCr);

    // Typing does not calculate: the values stay, greyed, and the strip says why.
    Retype(ctl::kFr, "150");
    EXPECT_TRUE(window->dialog().resultsStale());
    EXPECT_TRUE(ValuesGreyed(*window, true));
    EXPECT_EQ(TextOf(ctl::kResCr), cr);
    EXPECT_TRUE(window->checkStrip()->text().contains(stale));
    EXPECT_TRUE(window->checkStrip()->text().contains("Подробно"));
    EXPECT_EQ(window->size(), size);

    Click(ctl::kCalculate);
    EXPECT_FALSE(window->dialog().resultsStale());
    EXPECT_TRUE(ValuesGreyed(*window, false));
    EXPECT_FALSE(window->checkStrip()->text().contains(stale));
    EXPECT_NE(TextOf(ctl::kResCr), cr);

    // The supply kind and the rectifier radios do not calculate either.
    for (int id : {ctl::kRadioAC, ctl::kVypr2}) {
        Click(id);
        EXPECT_TRUE(window->dialog().resultsStale()) << id;
        EXPECT_TRUE(ValuesGreyed(*window, true)) << id;
        Click(ctl::kCalculate);
        EXPECT_FALSE(window->dialog().resultsStale()) << id;
    }
    // A click that changes nothing leaves the results as they are.
    Click(ctl::kVypr2);
    EXPECT_FALSE(window->dialog().resultsStale());
}

// Runs `body` on the modal window of type W the next modal loop shows.
template <typename W, typename Body>
void OnNextModal(Body body) {
    QTimer::singleShot(0, [body] {
        auto* w = dynamic_cast<W*>(QApplication::activeModalWidget());
        if (!w) {
            ADD_FAILURE() << "no window shown";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
            return;
        }
        body(*w);
        w->reject();
    });
}

bool HasNote(const TransferPlot& plot) {
    for (const PlotLabel& l : plot.gridLabels) {
        if (l.text == msg::kResultsStale) return true;
    }
    return false;
}

TEST_F(WindowTest, TheTransferCharacteristicAndTheCheckOfEarlierInputsSaySo) {
    OpenWindow();
    const QString stale = ToQ(msg::kResultsStale);
    int seen = 0;
    OnNextModal<CPerChar>([&](CPerChar& w) {
        EXPECT_FALSE(HasNote(w.BuildPlot()));
        ++seen;
    });
    window->menuCommand(ctl::kCmdTransfer)->trigger();
    OnNextModal<CheckWindow>([&](CheckWindow& w) {
        EXPECT_FALSE(w.summary()->text().contains(stale));
        ++seen;
    });
    window->menuCommand(ctl::kCmdCheck)->trigger();

    Retype(ctl::kQ, "0.5");
    OnNextModal<CPerChar>([&](CPerChar& w) {
        EXPECT_TRUE(HasNote(w.BuildPlot()));
        ++seen;
    });
    window->menuCommand(ctl::kCmdTransfer)->trigger();
    OnNextModal<CheckWindow>([&](CheckWindow& w) {
        EXPECT_TRUE(w.summary()->text().contains(stale));
        ++seen;
    });
    window->menuCommand(ctl::kCmdCheck)->trigger();
    EXPECT_EQ(seen, 4);
}

// --- Messages of the opening --------------------------------------------------------

// Answers every message box that comes up, noting its text and whether the
// main window was on screen then.
class BoxWatcher {
  public:
    struct Box {
        QString text;
        bool windowShown = false;
        bool overTheWindow = false;
    };
    explicit BoxWatcher(const QWidget* window) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this, window] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            boxes.push_back({box->text(), window->isVisible(), box->parentWidget() == window});
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start();
    }
    std::vector<Box> boxes;

  private:
    QTimer timer_;
};

TEST(OpeningMessages, AppearOverTheShownWindow) {
    kelvara::testing::DataRoot data;
    fs::remove(data.root() / "Bases_Cores" / "FerritesCores.txt");
    // A "Kelvara.ini" that cannot be read (a folder of that name).
    fs::create_directories(data.program() / "Kelvara.ini");
    MainWindow window;
    BoxWatcher watcher(&window);
    ASSERT_TRUE(window.Open(data.program()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(watcher.boxes.empty());  // held until the window is shown

    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.boxes.size() >= 2; }, 5000));
    ASSERT_EQ(watcher.boxes.size(), 2u);
    EXPECT_EQ(watcher.boxes[0].text, ToQ(msg::kSettingsUnreadable));
    EXPECT_EQ(watcher.boxes[1].text, ToQ(msg::kNoCoreFile));
    for (const BoxWatcher::Box& b : watcher.boxes) {
        EXPECT_TRUE(b.windowShown);
        EXPECT_TRUE(b.overTheWindow);
    }
    window.hide();
}

TEST(OpeningMessages, WithoutTheWireTableTheMessageComesAloneAndNoWindow) {
    kelvara::testing::DataRoot data;
    fs::remove(data.root() / "Wire.txt");
    MainWindow window;
    BoxWatcher watcher(&window);
    EXPECT_FALSE(window.Open(data.program()));
    ASSERT_EQ(watcher.boxes.size(), 1u);
    EXPECT_TRUE(watcher.boxes[0].text.contains("Wire.txt"));
    EXPECT_FALSE(watcher.boxes[0].windowShown);
    EXPECT_FALSE(window.isVisible());
}

// --- The menu bar from the keyboard ----------------------------------------------------

QChar Mnemonic(const QAction* a) {
    const qsizetype at = a->text().indexOf(u'&');
    return at >= 0 && at + 1 < a->text().size() ? a->text()[at + 1].toUpper() : QChar();
}

TEST_F(KeyboardTest, EveryMenuCommandHasItsOwnMnemonic) {
    OpenWindow();
    std::set<QChar> letters;
    for (const QAction* a : window->menuBar()->actions()) {
        EXPECT_EQ(a->text().count(u'&'), 1) << a->text().toStdString();
        EXPECT_FALSE(Mnemonic(a).isNull()) << a->text().toStdString();
        EXPECT_TRUE(letters.insert(Mnemonic(a)).second) << a->text().toStdString();
    }
}

TEST_F(KeyboardTest, TheMenuBarOpensWithAltOrF10AndChoosesByLetterOrEnter) {
    OpenActive();
    QMenuBar* bar = window->menuBar();
    const QList<QAction*> actions = bar->actions();
    QLineEdit* fr = Edit(ctl::kFr);
    fr->setFocus(Qt::TabFocusReason);
    const auto helpShown = [&] {
        return !messages.empty() && messages.back().text.find(u"ReadMe.txt") != Text::npos;
    };

    // Alt with the letter: "По&мощь" (without "ReadMe.txt" only its message).
    QTest::sendKeyEvent(QTest::Click, fr, Qt::Key(u'М'), QStringLiteral("м"), Qt::AltModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(helpShown());
    // The chosen command stays lit for a moment.
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->activeAction() == nullptr; }, 2000));

    // F10: the first command lit (and shown so), the arrows move, Enter
    // chooses; the focus then goes back.
    const QColor lit = bar->palette().color(QPalette::Highlight);
    EXPECT_EQ(
        kelvara::testing::CountPixels(bar->grab(bar->actionGeometry(actions[0])).toImage(), lit),
        0);
    QTest::keyClick(fr, Qt::Key_F10);
    EXPECT_EQ(QApplication::focusWidget(), bar);
    EXPECT_EQ(bar->activeAction(), actions[0]);
    EXPECT_GT(
        kelvara::testing::CountPixels(bar->grab(bar->actionGeometry(actions[0])).toImage(), lit),
        100);
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->activeAction(), actions[1]);
    QTest::keyClick(bar, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(helpShown());
    EXPECT_EQ(QApplication::focusWidget(), fr);

    // A lone Alt does the same; a command's letter then chooses it.
    QTest::keyClick(fr, Qt::Key_Alt);
    EXPECT_EQ(QApplication::focusWidget(), bar);
    QTest::sendKeyEvent(QTest::Click, bar, Qt::Key(u'М'), QStringLiteral("м"), Qt::NoModifier);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(helpShown());
    EXPECT_EQ(QApplication::focusWidget(), fr);
    EXPECT_EQ(bar->activeAction(), nullptr);

    // Escape closes it without a command.
    QTest::keyClick(fr, Qt::Key_F10);
    EXPECT_EQ(QApplication::focusWidget(), bar);
    QTest::keyClick(bar, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), fr);
    EXPECT_EQ(messages.size(), 3u);
}

}  // namespace
}  // namespace kelvara::ui
