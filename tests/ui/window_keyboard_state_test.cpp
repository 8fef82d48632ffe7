// The main window beyond single clicks: typing in the material list and the
// marking of results that belong to earlier inputs.
#include <QTimer>
#include <filesystem>

#include "ui/check_window.h"
#include "ui/per_char.h"
#include "ui_support.h"
#include "window/messages.h"

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

}  // namespace
}  // namespace kelvara::ui
