// The two file pickers: the list, its refilling, the selection, the buttons
// and the replace question.
#include "ui/file_dialogs.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "support/temp_dir.h"
#include "ui/qt_text.h"

namespace kelvara::ui {
namespace {

namespace fs = std::filesystem;
using kelvara::testing::TempDir;
using kelvara::testing::WriteBytes;

QStringList Entries(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
}

// What a double-click sends: press, release, a second press reported as a
// double-click, release.
void DoubleClick(QWidget* w, QPoint at) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
}

class Pickers : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"b.sav", "A.sav", "Kelvara.ini", "notes.txt", "c.SAV"}) {
            WriteBytes(dir / name, "x");
        }
        fs::create_directories(dir / "folder.sav");
    }
    // Shows a picker and lets its activation settle.
    static void Show(QWidget& w) {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
    }
    static void Activate(QWidget& w) {
        QEvent change(QEvent::ActivationChange);
        QApplication::sendEvent(&w, &change);
    }
    TempDir dir;
};

TEST_F(Pickers, ListTheDesignFilesOfTheFolderInOneOrder) {
    COpenFileDlg open(dir.path(), nullptr);
    EXPECT_EQ(open.windowTitle(), "Открыть файл...");
    EXPECT_EQ(Entries(open.fileList()), QStringList({"A.sav", "b.sav", "c.SAV", "Kelvara.ini"}));
    EXPECT_TRUE(open.nameEdit()->isReadOnly());
    EXPECT_EQ(open.nameEdit()->text(), "");
    EXPECT_EQ(open.okButton()->text(), "Открыть");
    EXPECT_TRUE(static_cast<QPushButton*>(open.okButton())->isDefault());
    EXPECT_EQ(open.cancelButton()->text(), "Отмена");

    CSaveFileDlg save(dir.path(), u"new.sav", nullptr);
    EXPECT_EQ(save.windowTitle(), "Сохранить как...");
    EXPECT_EQ(Entries(save.fileList()), Entries(open.fileList()));
    EXPECT_FALSE(save.nameEdit()->isReadOnly());
    EXPECT_EQ(save.nameEdit()->text(), "new.sav");
    EXPECT_EQ(save.okButton()->text(), "Сохранить");
}

TEST_F(Pickers, SelectingCopiesTheNameAndActivationRefillsTheList) {
    COpenFileDlg open(dir.path(), nullptr);
    Show(open);
    open.fileList()->setCurrentRow(1);
    EXPECT_EQ(open.nameEdit()->text(), "b.sav");

    WriteBytes(dir / "0.sav", "x");
    fs::remove(dir / "A.sav");
    Activate(open);
    EXPECT_EQ(Entries(open.fileList()), QStringList({"0.sav", "b.sav", "c.SAV", "Kelvara.ini"}));
    EXPECT_TRUE(open.fileList()->selectedItems().isEmpty());
    EXPECT_EQ(open.nameEdit()->text(), "b.sav");  // the edit keeps the name

    // Without a selection, and with the name in the edit no longer listed,
    // "Открыть" does nothing.
    fs::remove(dir / "b.sav");
    Activate(open);
    EXPECT_EQ(Entries(open.fileList()), QStringList({"0.sav", "c.SAV", "Kelvara.ini"}));
    EXPECT_EQ(open.nameEdit()->text(), "b.sav");
    open.okButton()->click();
    EXPECT_TRUE(open.isVisible());
    EXPECT_EQ(open.result(), QDialog::Rejected);

    open.fileList()->setCurrentRow(0);
    open.okButton()->click();
    EXPECT_FALSE(open.isVisible());
    EXPECT_EQ(open.result(), QDialog::Accepted);
    EXPECT_EQ(open.chosenName(), u"0.sav");
}

// Switching to another window and back clears the selection; the name in
// the edit still names a listed file, and "Открыть" opens it.
TEST_F(Pickers, OpenTakesTheListedNameInTheEditAfterAnActivationChange) {
    COpenFileDlg open(dir.path(), nullptr);
    Show(open);
    open.fileList()->setCurrentRow(1);
    ASSERT_EQ(open.nameEdit()->text(), "b.sav");
    Activate(open);
    ASSERT_TRUE(open.fileList()->selectedItems().isEmpty());
    QTest::keyClick(open.fileList(), Qt::Key_Return);  // the default button
    EXPECT_FALSE(open.isVisible());
    EXPECT_EQ(open.result(), QDialog::Accepted);
    EXPECT_EQ(open.chosenName(), u"b.sav");
}

TEST_F(Pickers, DoubleClickAcceptsOnlyASelectedEntry) {
    COpenFileDlg open(dir.path(), nullptr);
    Show(open);
    QListWidget* list = open.fileList();
    // A double-click reported while nothing is selected (the selection was
    // cleared by an activation change) leaves the picker open.
    emit list->itemDoubleClicked(list->item(2));
    EXPECT_TRUE(open.isVisible());

    const QRect entry = list->visualItemRect(list->item(2));
    DoubleClick(list->viewport(), entry.center());
    EXPECT_FALSE(open.isVisible());
    EXPECT_EQ(open.result(), QDialog::Accepted);
    EXPECT_EQ(open.chosenName(), u"c.SAV");
}

TEST_F(Pickers, DoubleClickInTheSavePickerAsksFirst) {
    CSaveFileDlg save(dir.path(), u"new.sav", nullptr);
    std::vector<Text> questions;
    bool replace = false;
    save.setQuestion([&](TextView, TextView text) {
        questions.emplace_back(text);
        return replace;
    });
    Show(save);
    QListWidget* list = save.fileList();
    DoubleClick(list->viewport(), list->visualItemRect(list->item(0)).center());
    // Cancel: the picker stays open with the name.
    EXPECT_TRUE(save.isVisible());
    EXPECT_EQ(save.nameEdit()->text(), "A.sav");
    replace = true;
    list->setCurrentRow(0);
    DoubleClick(list->viewport(), list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_EQ(save.chosenName(), u"A.sav");
    EXPECT_EQ(questions,
              (std::vector<Text>{u"Заменить файл \"A.sav\"?", u"Заменить файл \"A.sav\"?"}));
}

// "Kelvara.ini" picked in the save picker is written as "Kelvara.ini.sav":
// nothing to ask while that file is not there.
TEST_F(Pickers, PickingTheRememberedInputsDoesNotAskAboutThem) {
    CSaveFileDlg save(dir.path(), u"new.sav", nullptr);
    int asked = 0;
    save.setQuestion([&](TextView, TextView) {
        ++asked;
        return false;
    });
    Show(save);
    QListWidget* list = save.fileList();
    DoubleClick(list->viewport(), list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_EQ(save.chosenName(), u"Kelvara.ini");
    EXPECT_EQ(asked, 0);
}

TEST_F(Pickers, SavingOverAListedFileAsksFirst) {
    CSaveFileDlg save(dir.path(), u"x", nullptr);
    std::vector<std::pair<Text, Text>> questions;
    bool replace = false;
    save.setQuestion([&](TextView caption, TextView text) {
        questions.emplace_back(Text(caption), Text(text));
        return replace;
    });
    Show(save);
    save.nameEdit()->clear();
    QTest::keyClicks(save.nameEdit(), "b.sav");
    QTest::keyClick(save.nameEdit(), Qt::Key_Return);  // the default button
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].first, u"Внимание!");
    EXPECT_EQ(questions[0].second, u"Заменить файл \"b.sav\"?");
    // Cancel: the picker stays open with the name.
    EXPECT_TRUE(save.isVisible());
    EXPECT_EQ(save.nameEdit()->text(), "b.sav");

    replace = true;
    save.okButton()->click();
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_FALSE(save.isVisible());
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_EQ(save.chosenName(), u"b.sav");
}

TEST_F(Pickers, EscapeCancels) {
    CSaveFileDlg save(dir.path(), u"A.sav", nullptr);
    Show(save);
    QTest::keyClick(save.nameEdit(), Qt::Key_Escape);
    EXPECT_FALSE(save.isVisible());
    EXPECT_EQ(save.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace kelvara::ui
