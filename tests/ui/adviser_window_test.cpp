// "Подбор сердечника" in the window: the ranked table, sorting by a column,
// "все материалы", and "Выбрать" putting the row's numbers on the main window.
#include "ui/adviser_window.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "ui_support.h"

namespace kelvara::ui {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, ChoosingACandidateShowsItsNumbersOnTheMainWindow) {
    OpenWindow();
    for (const int row : {0, 3, 6}) {
        SCOPED_TRACE(row);
        AdviserWindow adviser(window.get(), window->dialog());
        ASSERT_EQ(adviser.table()->rowCount(), 8);  // the test database's cores
        EXPECT_TRUE(adviser.timing()->text().contains("Рассчитано вариантов: 8"));
        const Candidate* c = adviser.CandidateOfRow(row);
        ASSERT_NE(c, nullptr);
        ASSERT_TRUE(c->calculated());
        const Candidate chosen = *c;
        adviser.table()->selectRow(row);
        adviser.ChooseSelected();
        EXPECT_EQ(adviser.result(), QDialog::Accepted);
        EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), ToQ(chosen.core));
        EXPECT_EQ(Combo(ctl::kMaterialList)->currentText(), ToQ(chosen.material));
        EXPECT_EQ(TextOf(ctl::kZazor), ToQ(chosen.zazor));
        for (const ResultFieldDef& r : kResultFields)
            EXPECT_EQ(TextOf(r.controlId), ToQ(chosen.results.text[r.field])) << r.controlId;
    }
}

TEST_F(WindowTest, SortingKeepsEachRowWithItsCandidate) {
    OpenWindow();
    AdviserWindow adviser(window.get(), window->dialog());
    QTableWidget* table = adviser.table();
    table->sortByColumn(3, Qt::DescendingOrder);  // Ve, largest first
    double previous = 1e300;
    for (int row = 0; row < table->rowCount(); ++row) {
        const Candidate* c = adviser.CandidateOfRow(row);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(table->item(row, 1)->text(), ToQ(c->core));
        EXPECT_LE(c->Ve, previous);
        previous = c->Ve;
    }
}

TEST_F(WindowTest, AllMaterialsPairsEveryCoreWithEveryMaterial) {
    OpenWindow();
    AdviserWindow adviser(window.get(), window->dialog());
    adviser.allMaterials()->setChecked(true);
    EXPECT_EQ(adviser.table()->rowCount(), 16);
    EXPECT_TRUE(adviser.timing()->text().contains("Рассчитано вариантов: 16"));
    // Ranking never changed the main window.
    EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), "E 40/16/12");
    EXPECT_EQ(TextOf(ctl::kZazor), "0.5");
}

}  // namespace
}  // namespace kelvara::ui
