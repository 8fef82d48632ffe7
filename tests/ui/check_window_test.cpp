// The design check in the window: the summary line below the controls after
// every calculation, and the "Проверка проекта" window with one table row per
// checked quantity.
#include "ui/check_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

#include "ui_support.h"

namespace kelvara::ui {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, TheSummaryLineFollowsEveryCalculation) {
    OpenWindow();
    const DesignCheck& check = window->dialog().check();
    ASSERT_TRUE(check.done);
    ASSERT_NE(window->checkStrip(), nullptr);
    EXPECT_TRUE(window->checkStrip()->isVisible());
    const QString strip = window->checkStrip()->text();
    EXPECT_TRUE(strip.contains("Проверка проекта:"));
    EXPECT_TRUE(strip.contains(ToQ(CheckCounts(check)).toHtmlEscaped())) << strip.toStdString();

    // A run that stops at the input check clears it.
    Retype(ctl::kFr, "0");
    Click(ctl::kCalculate);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(window->dialog().check().done);
    EXPECT_TRUE(window->checkStrip()->text().contains("расчет не выполнен до конца"));

    // The next run that ends brings it back.
    Retype(ctl::kFr, "100");
    Click(ctl::kCalculate);
    EXPECT_TRUE(window->dialog().check().done);
    EXPECT_TRUE(window->checkStrip()->text().contains("Подробно"));
}

TEST_F(WindowTest, TheCheckWindowShowsEveryRow) {
    OpenWindow();
    const DesignCheck& check = window->dialog().check();
    CheckWindow shown(window.get(), window->dialog());
    QTableWidget* table = shown.table();
    ASSERT_EQ(table->rowCount(), static_cast<int>(kCheckRowKeys.size()));
    ASSERT_EQ(table->columnCount(), 5);
    for (int i = 0; i < table->rowCount(); ++i) {
        const CheckRow& row = check.rows[static_cast<size_t>(i)];
        SCOPED_TRACE(std::string(row.key));
        EXPECT_EQ(table->item(i, 0)->data(Qt::UserRole).toString().toStdString(),
                  StatusKey(row.status));
        EXPECT_EQ(table->item(i, 0)->text(), StatusMark(row.status));
        EXPECT_EQ(table->item(i, 1)->text(), ToQ(row.label));
        EXPECT_EQ(table->item(i, 2)->text(), ToQ(row.value));
        EXPECT_EQ(table->item(i, 3)->text(), ToQ(row.limit));
        EXPECT_EQ(table->item(i, 4)->text(), ToQ(row.note));
    }
    EXPECT_TRUE(shown.summary()->text().contains(ToQ(CheckCounts(check)).toHtmlEscaped()));
}

TEST_F(WindowTest, TheMenuCommandOpensTheCheckWindow) {
    OpenWindow();
    int rows = -1;
    QTimer::singleShot(0, [&rows] {
        auto* shown = qobject_cast<CheckWindow*>(QApplication::activeModalWidget());
        if (shown) {
            rows = shown->table()->rowCount();
            shown->reject();
        }
    });
    window->menuCommand(ctl::kCmdCheck)->trigger();
    EXPECT_EQ(rows, static_cast<int>(kCheckRowKeys.size()));
}

TEST_F(WindowTest, TheCheckWindowsInputsRecalculateTheCheck) {
    OpenWindow();
    CheckWindow shown(window.get(), window->dialog());
    shown.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    // The windings are drawn to scale below the table.
    EXPECT_TRUE(shown.winding()->picture().drawn);
    auto* td = qobject_cast<QLineEdit*>(shown.input(u"tdead"));
    auto* strand = qobject_cast<QLineEdit*>(shown.input(u"litz2d"));
    auto* strands = qobject_cast<QLineEdit*>(shown.input(u"litz2n"));
    ASSERT_TRUE(td && strand && strands);
    EXPECT_EQ(td->text(), "200");
    const int runs = window->dialog().calculationsRun();
    td->setText("120");
    strand->setText("0,1");
    strands->setText("200");
    QTest::keyClick(strands, Qt::Key_Return);
    EXPECT_EQ(window->dialog().calculationsRun(), runs + 1);
    EXPECT_EQ(window->dialog().inputs().tdead, u"120");
    EXPECT_EQ(window->dialog().inputs().litz2n, u"200");
    // What the calculation read is shown (a point for the comma), and the
    // table is the new check's.
    EXPECT_EQ(strand->text(), "0.1");
    const CheckRow* copper = window->dialog().check().Row("copper");
    ASSERT_NE(copper, nullptr);
    bool found = false;
    for (int i = 0; i < shown.table()->rowCount(); ++i) {
        if (shown.table()->item(i, 1)->text() == ToQ(copper->label)) {
            EXPECT_EQ(shown.table()->item(i, 2)->text(), ToQ(copper->value));
            found = true;
        }
    }
    EXPECT_TRUE(found);
    EXPECT_NE(shown.winding()->picture().legend[1].find(u"литцендрат 200"), Text::npos);
    // The interleaving checkbox calculates at once.
    auto* inter = qobject_cast<QCheckBox*>(shown.input(u"inter"));
    ASSERT_NE(inter, nullptr);
    inter->click();
    EXPECT_EQ(window->dialog().inputs().inter, 1);
    EXPECT_EQ(window->dialog().calculationsRun(), runs + 2);
}

TEST(CheckColours, EachStatusHasItsOwnMarkAndColour) {
    const CheckStatus all[] = {CheckStatus::Ok, CheckStatus::Warning, CheckStatus::Error,
                               CheckStatus::Unknown};
    for (CheckStatus a : all) {
        for (CheckStatus b : all) {
            if (a == b) continue;
            EXPECT_NE(StatusMark(a), StatusMark(b));
            EXPECT_NE(StatusColour(a), StatusColour(b));
        }
    }
}

}  // namespace
}  // namespace kelvara::ui
