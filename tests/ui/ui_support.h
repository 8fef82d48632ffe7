// A main window over a fresh small data root, for the window tests: real
// widgets driven by simulated mouse and keyboard input, message boxes
// answered through the window's hook.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <memory>
#include <vector>

#include "support/data_root.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace kelvara::ui::testing {

struct Message {
    Text caption;
    Text text;
    View::Buttons buttons;
};

class WindowTest : public ::testing::Test {
  protected:
    // Opens the window in the data root's program folder and shows it.
    void OpenWindow() {
        window = std::make_unique<MainWindow>();
        window->setMessageHook([this](TextView caption, TextView text, View::Buttons buttons) {
            messages.push_back(Message{Text(caption), Text(text), buttons});
            return answer;
        });
        ASSERT_TRUE(window->Open(data.program()));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(window->control(id)); }
    QLabel* Label(int id) const { return qobject_cast<QLabel*>(window->control(id)); }
    QComboBox* Combo(int id) const { return qobject_cast<QComboBox*>(window->control(id)); }
    QAbstractButton* Button(int id) const {
        return qobject_cast<QAbstractButton*>(window->control(id));
    }
    QString TextOf(int id) const { return ToQ(window->GetText(id)); }

    // A mouse click on a button's indicator (radio buttons, checkboxes) or
    // middle (push buttons).
    void Click(int id) {
        QAbstractButton* button = Button(id);
        ASSERT_NE(button, nullptr) << id;
        QPoint at = button->rect().center();
        QStyleOptionButton opt;
        opt.initFrom(button);
        if (button->inherits("QRadioButton")) {
            at = button->style()
                     ->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, button)
                     .center();
        } else if (button->inherits("QCheckBox")) {
            at = button->style()
                     ->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, button)
                     .center();
        }
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
    }

    // Empties an edit, as the user selecting all and deleting does.
    void Clear(QLineEdit* edit) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    void Retype(int id, const QString& text) {
        Clear(Edit(id));
        QTest::keyClicks(Edit(id), text);
    }

    kelvara::testing::DataRoot data;
    std::unique_ptr<MainWindow> window;
    std::vector<Message> messages;
    View::Answer answer = View::Answer::Ok;
};

}  // namespace kelvara::ui::testing
