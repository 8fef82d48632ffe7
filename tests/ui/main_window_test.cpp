// The main window driven like a user: the first start, the handlers of its
// controls and the ways of closing it.
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "calc/design_inputs.h"
#include "designs/design_file.h"
#include "ui/file_dialogs.h"
#include "ui_support.h"

namespace kelvara::ui {
namespace {

namespace fs = std::filesystem;
using testing::WindowTest;

TEST_F(WindowTest, FirstStartShowsTheDefaultsAndTheirResults) {
    const fs::path ini = data.program() / "Kelvara.ini";
    ASSERT_FALSE(fs::exists(ini));
    OpenWindow();
    EXPECT_TRUE(fs::exists(ini));
    EXPECT_TRUE(messages.empty());

    EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), "E 40/16/12");
    EXPECT_EQ(Combo(ctl::kMaterialList)->currentText(), "N87 Epcos");
    EXPECT_TRUE(Button(ctl::kShapeE)->isChecked());
    EXPECT_TRUE(Button(ctl::kRadioRds)->isChecked());
    EXPECT_FALSE(Button(ctl::kRadioUnas)->isChecked());
    EXPECT_FALSE(Edit(ctl::kUnas)->isEnabled());
    EXPECT_TRUE(Edit(ctl::kRds)->isEnabled());
    EXPECT_TRUE(Button(ctl::kRadioDC)->isChecked());
    EXPECT_TRUE(Button(ctl::kVypr0)->isChecked());
    EXPECT_TRUE(Button(ctl::kRadioGap)->isChecked());
    for (int id : {ctl::kYesD, ctl::kAddBySize, ctl::kAddByData}) {
        EXPECT_FALSE(Button(id)->isChecked()) << id;
    }
    for (int id : kCoreDataEdits) EXPECT_FALSE(Edit(id)->isEnabled()) << id;

    // The start-up calculation normalised the fields it read.
    EXPECT_EQ(TextOf(ctl::kBm), "0.12");
    EXPECT_EQ(TextOf(ctl::kKo), "0.3");
    EXPECT_EQ(TextOf(ctl::kD11), "0.63");
    EXPECT_EQ(TextOf(ctl::kQ), "0.4");
    const QString unas = TextOf(ctl::kUnas);
    EXPECT_NE(unas, "1");
    EXPECT_EQ(unas.indexOf('.'), unas.size() - 4) << unas.toStdString();  // three decimals
    for (const ResultFieldDef& r : kResultFields) {
        EXPECT_FALSE(TextOf(r.controlId).isEmpty()) << r.controlId;
    }
    EXPECT_EQ(TextOf(ctl::kGapLabel), ToQ(kGapReqLabel));
    EXPECT_EQ(TextOf(ctl::kGapUnit), "мм");
    // The core group shows the selected core's data.
    EXPECT_EQ(TextOf(ctl::kAe), "149");
    EXPECT_EQ(TextOf(ctl::kAn), "185");
}

TEST_F(WindowTest, ListsHoldTheMaterialsAndTheCoresOfTheShape) {
    OpenWindow();
    QComboBox* materials = Combo(ctl::kMaterialList);
    ASSERT_EQ(materials->count(), 2);
    EXPECT_EQ(materials->itemText(0), "3C90 Ferroxcube");
    EXPECT_EQ(materials->itemText(1), "N87 Epcos");
    QComboBox* cores = Combo(ctl::kCoreList);
    ASSERT_EQ(cores->count(), 3);
    EXPECT_EQ(cores->itemText(0), "E 25/13/7");
    EXPECT_EQ(cores->currentIndex(), 1);

    Click(ctl::kShapeETD);
    EXPECT_TRUE(Button(ctl::kShapeETD)->isChecked());
    EXPECT_FALSE(Button(ctl::kShapeE)->isChecked());
    ASSERT_EQ(cores->count(), 2);
    EXPECT_EQ(cores->currentText(), "ETD 34/17/11");  // entry 1 stays selected
    EXPECT_EQ(TextOf(ctl::kAe), "97.1");
}

struct KoTyping {
    const char* keys;
    const char* afterEachKey;  // the edit's text after each key, "|"-separated
};

class WindowFillTyping : public WindowTest, public ::testing::WithParamInterface<KoTyping> {};

TEST_P(WindowFillTyping, CutsToTheLimitAtTheKeyThatPassesIt) {
    OpenWindow();
    QLineEdit* ko = Edit(ctl::kKo);
    Clear(ko);
    const QString keys = QString::fromUtf8(GetParam().keys);
    const QStringList expected = QString::fromUtf8(GetParam().afterEachKey).split('|');
    ASSERT_EQ(keys.size(), expected.size());
    for (int i = 0; i < keys.size(); ++i) {
        QTest::keyClicks(ko, QString(keys[i]));
        EXPECT_EQ(ko->text(), expected[i]) << "after key " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, WindowFillTyping,
                         ::testing::Values(KoTyping{"0,45", "0|0,|0,4|0.4"},
                                           KoTyping{"0,39", "0|0,|0,3|0,39"},
                                           KoTyping{"0.40001", "0|0.|0.4|0.40|0.400|0.4000|0.4"},
                                           KoTyping{"7", "0.4"}));

TEST_F(WindowTest, MainsThenDcConvertsTheVoltages) {
    OpenWindow();
    Click(ctl::kRadioAC);
    EXPECT_TRUE(Button(ctl::kRadioAC)->isChecked());
    EXPECT_EQ(TextOf(ctl::kUmin), "207");
    EXPECT_EQ(TextOf(ctl::kUmax), "253");
    Click(ctl::kRadioDC);
    EXPECT_EQ(TextOf(ctl::kUmin), "279");
    EXPECT_EQ(TextOf(ctl::kUmax), "342");
    // DC clicked again while DC is checked changes nothing.
    Retype(ctl::kUmin, "300");
    Click(ctl::kRadioDC);
    EXPECT_EQ(TextOf(ctl::kUmin), "300");
    EXPECT_EQ(TextOf(ctl::kUmax), "342");
}

TEST_F(WindowTest, DcReadsTheMainsVoltageUpToAComma) {
    OpenWindow();
    Click(ctl::kRadioAC);
    Retype(ctl::kUmin, "230,5");
    Click(ctl::kRadioDC);
    EXPECT_EQ(TextOf(ctl::kUmin), "311");  // 230 × 1.35 = 310.5
    EXPECT_EQ(TextOf(ctl::kUmax), "342");
}

TEST_F(WindowTest, TransistorRadiosSwitchTheEdits) {
    OpenWindow();
    Click(ctl::kRadioUnas);
    EXPECT_TRUE(Button(ctl::kRadioUnas)->isChecked());
    EXPECT_FALSE(Button(ctl::kRadioRds)->isChecked());
    EXPECT_TRUE(Edit(ctl::kUnas)->isEnabled());
    EXPECT_FALSE(Edit(ctl::kRds)->isEnabled());
    Click(ctl::kRadioRds);
    EXPECT_FALSE(Edit(ctl::kUnas)->isEnabled());
    EXPECT_TRUE(Edit(ctl::kRds)->isEnabled());
}

TEST_F(WindowTest, TypingInTheCoreListIsUndoneOutsideTheAddingModes) {
    OpenWindow();
    QComboBox* cores = Combo(ctl::kCoreList);
    QTest::keyClicks(cores->lineEdit(), "x");
    EXPECT_EQ(cores->currentText(), "E 40/16/12");
    EXPECT_EQ(cores->currentIndex(), 1);

    Click(ctl::kAddBySize);
    ASSERT_TRUE(Button(ctl::kAddBySize)->isChecked());
    EXPECT_EQ(cores->currentIndex(), -1);
    EXPECT_EQ(cores->currentText(), "");
    EXPECT_TRUE(Edit(ctl::kDimA)->isEnabled());
    QTest::keyClicks(cores->lineEdit(), "E 30");
    EXPECT_EQ(cores->currentText(), "E 30");
    EXPECT_EQ(ToQ(window->GetText(ctl::kCoreList)), "E 30");

    // Leaving the mode shows the core selected before.
    Click(ctl::kAddBySize);
    EXPECT_EQ(cores->currentText(), "E 40/16/12");
    EXPECT_FALSE(Edit(ctl::kDimA)->isEnabled());
}

TEST_F(WindowTest, ChoosingACoreFromTheListRecalculates) {
    OpenWindow();
    QComboBox* cores = Combo(ctl::kCoreList);
    const QString al = TextOf(ctl::kResAL);
    const int runs = window->dialog().calculationsRun();
    QTest::keyClick(cores, Qt::Key_Down);
    EXPECT_EQ(cores->currentText(), "E 55/28/21");
    EXPECT_EQ(TextOf(ctl::kAe), "353");
    EXPECT_GT(window->dialog().calculationsRun(), runs);
    EXPECT_NE(TextOf(ctl::kResAL), al);
}

TEST_F(WindowTest, GapAndAlSwitchBothWays) {
    OpenWindow();
    const QString al = TextOf(ctl::kResAL);
    ASSERT_FALSE(al.isEmpty());
    Click(ctl::kRadioAL);
    EXPECT_TRUE(Button(ctl::kRadioAL)->isChecked());
    EXPECT_EQ(TextOf(ctl::kGapLabel), ToQ(kALReqLabel));
    EXPECT_EQ(TextOf(ctl::kGapUnit), "");
    EXPECT_EQ(TextOf(ctl::kZazor), al);  // the AL of the last calculation
    EXPECT_EQ(window->dialog().inputs().yes_al, 1);

    Click(ctl::kRadioGap);
    EXPECT_TRUE(Button(ctl::kRadioGap)->isChecked());
    EXPECT_EQ(TextOf(ctl::kGapLabel), ToQ(kGapReqLabel));
    EXPECT_EQ(TextOf(ctl::kGapUnit), "мм");
    // Back to a gap equivalent to that AL, rounded up to 0.01 mm.
    const double gap = ParseDecimal(window->GetText(ctl::kZazor));
    EXPECT_GE(gap, 0.5);
    EXPECT_LE(gap, 0.51);
    EXPECT_EQ(TextOf(ctl::kResAL), al);
}

TEST_F(WindowTest, AMaterialWhoseFileWasRemovedIsNotTaken) {
    OpenWindow();
    QComboBox* materials = Combo(ctl::kMaterialList);
    ASSERT_EQ(materials->currentText(), "N87 Epcos");
    fs::remove(data.root() / "Ferrites_Materials" / "3C90 Ferroxcube.txt");
    const int runs = window->dialog().calculationsRun();
    QTest::keyClick(materials, Qt::Key_Up);  // the user chooses "3C90 Ferroxcube"
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(ToQ(messages[0].caption), "Внимание!");
    EXPECT_EQ(ToQ(messages[0].text),
              "Не удалось прочитать файл материала \"3C90 Ferroxcube.txt\".");
    EXPECT_EQ(messages[0].buttons, View::Buttons::Ok);
    EXPECT_EQ(materials->currentText(), "N87 Epcos");
    EXPECT_EQ(materials->currentIndex(), 1);
    EXPECT_EQ(ToQ(window->dialog().inputs().mater), "N87 Epcos");
    EXPECT_EQ(window->dialog().calculationsRun(), runs);
}

TEST_F(WindowTest, EnterInAnEditRunsTheCalculation) {
    OpenWindow();
    const QString bm = TextOf(ctl::kResBmAct);
    const int runs = window->dialog().calculationsRun();
    Retype(ctl::kFr, "150");
    QTest::keyClick(Edit(ctl::kFr), Qt::Key_Return);
    EXPECT_EQ(window->dialog().calculationsRun(), runs + 1);
    EXPECT_NE(TextOf(ctl::kResBmAct), bm);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, TheWireDiameterCheckboxRecalculates) {
    OpenWindow();
    const int runs = window->dialog().calculationsRun();
    Click(ctl::kYesD);
    EXPECT_TRUE(Button(ctl::kYesD)->isChecked());
    EXPECT_EQ(window->dialog().calculationsRun(), runs + 1);
    EXPECT_EQ(window->dialog().inputs().yes_d, 1);
}

TEST_F(WindowTest, AWindowWithoutTheWireTableIsNotOpened) {
    fs::remove(data.root() / "Wire.txt");
    MainWindow w;
    std::vector<Text> texts;
    w.setMessageHook([&](TextView, TextView text, View::Buttons) {
        texts.emplace_back(text);
        return View::Answer::Ok;
    });
    EXPECT_FALSE(w.Open(data.program()));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(u"Wire.txt"), Text::npos);
    EXPECT_FALSE(w.isVisible());
}

// The three ways of closing the window all remember what was typed.
enum class CloseBy { Escape, CloseBox, ExitButton };

class Closing : public WindowTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(Closing, RemembersTheTypedInputsForTheNextStart) {
    OpenWindow();
    Retype(ctl::kFr, "150");
    Retype(ctl::kU2_1, "48,5");
    switch (GetParam()) {
        case CloseBy::Escape:
            QTest::keyClick(Edit(ctl::kU2_1), Qt::Key_Escape);
            break;
        case CloseBy::CloseBox:
            window->close();
            break;
        case CloseBy::ExitButton:
            Click(ctl::kExit);
            break;
    }
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    window.reset();

    OpenWindow();
    EXPECT_EQ(TextOf(ctl::kFr), "150");
    EXPECT_EQ(TextOf(ctl::kU2_1), "48.5");  // normalised by the start-up calculation
}

INSTANTIATE_TEST_SUITE_P(Ways, Closing,
                         ::testing::Values(CloseBy::Escape, CloseBy::CloseBox,
                                           CloseBy::ExitButton));

// --- Load and save through the real pickers -----------------------------------

// Runs `body` on the picker the next modal loop shows.
template <typename Picker, typename Body>
void OnNextPicker(Body body) {
    QTimer::singleShot(0, [body] {
        auto* picker = qobject_cast<Picker*>(QApplication::activeModalWidget());
        if (!picker) {
            ADD_FAILURE() << "no picker shown";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                other->reject();
            }
            return;
        }
        body(*picker);
    });
}

TEST_F(WindowTest, LoadingADesignShowsItAndItsResults) {
    DesignInputs saved;
    saved.core = u"ETD 29/16/10";
    saved.Fr = u"150";
    saved.mater = u"3C90";
    ASSERT_TRUE(WriteDesignFile(data.program() / "b.sav", saved));
    ASSERT_TRUE(WriteDesignFile(data.program() / "a.sav", DesignInputs{}));
    OpenWindow();
    OnNextPicker<COpenFileDlg>([](COpenFileDlg& picker) {
        QListWidget* list = picker.fileList();
        ASSERT_EQ(list->count(), 3);  // a.sav, b.sav, Kelvara.ini
        list->setCurrentRow(1);
        EXPECT_EQ(picker.nameEdit()->text(), "b.sav");
        picker.okButton()->click();
    });
    Click(ctl::kLoad);
    EXPECT_EQ(TextOf(ctl::kFr), "150");
    EXPECT_TRUE(Button(ctl::kShapeETD)->isChecked());
    EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), "ETD 29/16/10");
    EXPECT_EQ(Combo(ctl::kMaterialList)->currentText(), "3C90 Ferroxcube");
    EXPECT_EQ(TextOf(ctl::kAe), "76");
}

TEST_F(WindowTest, SavingSuggestsANameAndWritesTheDesign) {
    OpenWindow();
    OnNextPicker<CSaveFileDlg>([](CSaveFileDlg& picker) {
        EXPECT_EQ(picker.windowTitle(), "Сохранить как...");
        EXPECT_EQ(picker.nameEdit()->text(), "E 40x16x12, N87 Epcos, 100кГц, 330В, 24Вх9А.sav");
        picker.nameEdit()->setText("my design");
        picker.okButton()->click();
    });
    Click(ctl::kSave);
    DesignInputs read;
    ASSERT_TRUE(ReadDesignFile(data.program() / "my design.sav", read));
    EXPECT_EQ(read.core, u"E 40/16/12");
    EXPECT_EQ(read.Q, u"0.4");
}

}  // namespace
}  // namespace kelvara::ui
