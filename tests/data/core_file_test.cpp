// The shipped core database, read through the program's own lookups and
// compared with the table it is generated from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "refdata/core_database.h"
#include "refdata/lookup.h"
#include "refdata/text_file.h"
#include "shipped_data.h"

namespace kelvara {
namespace {

using testing::CsvTable;
using testing::DataRoot;
using testing::Number;
using testing::PlainFindSectionValue;
using testing::ReadCsv;
using testing::SourceTables;

// Families that no core list can show; they are not shipped.
const std::set<std::string> kUnlistedFamilies = {"EFD", "EQ", "R"};

class ShippedCores : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const std::optional<Text> text =
            ReadTextFile(DataRoot() / "Bases_Cores" / "FerritesCores.txt");
        ASSERT_TRUE(text.has_value());
        text_ = new Text(*text);
        const CsvTable table = ReadCsv(SourceTables() / "cores.csv");
        rows_ = new std::map<Text, std::map<std::string, std::string>>();
        for (const auto& row : table.rows) (*rows_)[FromUtf8(row.at("name"))] = row;
        ASSERT_GT(rows_->size(), 50u);
    }
    static void TearDownTestSuite() {
        delete text_;
        delete rows_;
    }

    static const Text& text() { return *text_; }
    static const std::map<std::string, std::string>* Row(const Text& name) {
        const auto it = rows_->find(name);
        return it == rows_->end() ? nullptr : &it->second;
    }

    static Text* text_;
    static std::map<Text, std::map<std::string, std::string>>* rows_;
};

Text* ShippedCores::text_ = nullptr;
std::map<Text, std::map<std::string, std::string>>* ShippedCores::rows_ = nullptr;

TEST_F(ShippedCores, EveryListedCoreReadsItsOwnRecord) {
    int listed = 0;
    for (int32_t shape = kShapeE; shape <= kShapeOther; ++shape) {
        const std::vector<Text> names = CoreNamesOfFamily(text(), shape);
        EXPECT_FALSE(names.empty()) << "family " << shape;
        for (const Text& name : names) {
            SCOPED_TRACE(ToUtf8(name));
            ++listed;
            // Choosing the name from a design or the remembered inputs lands in
            // the same family.
            EXPECT_EQ(ShapeFromName(name), shape);
            const auto* row = Row(name);
            ASSERT_NE(row, nullptr) << "name not in the source table";

            const CoreData data = LookupCore(text(), name);
            const CoreRecord& core = data.record;
            EXPECT_GT(core.Ae, 0);
            EXPECT_GT(core.An, 0);
            EXPECT_GT(core.le, 0);
            EXPECT_GE(core.mu, 1);
            EXPECT_DOUBLE_EQ(core.Ae, Number(row->at("Ae_mm2")));
            EXPECT_DOUBLE_EQ(core.An, Number(row->at("An_mm2")));
            EXPECT_DOUBLE_EQ(core.le, Number(row->at("le_mm")));
            const double csvVe = Number(row->at("Ve_mm3")) / 1000;
            EXPECT_NEAR(core.Ve, csvVe, 0.03 * csvVe);

            // The published effective permeability where there is one, the
            // residual-gap estimate otherwise.
            const std::string& mu_e = row->at("mu_e");
            if (!mu_e.empty()) {
                EXPECT_EQ(core.mu, std::round(Number(mu_e)));
            } else {
                const double le = core.le;
                EXPECT_EQ(core.mu, std::floor(le / (le / 2200 + 0.012) + 0.5));
            }
            // The AL law only where the source has a fit; never half of it.
            if (!row->at("k1").empty()) {
                EXPECT_DOUBLE_EQ(core.k1, Number(row->at("k1")));
                EXPECT_DOUBLE_EQ(core.k2, Number(row->at("k2")));
                EXPECT_GT(core.k1, 0);
                EXPECT_LT(core.k2, 0);
            } else {
                EXPECT_EQ(core.k1, 0);
                EXPECT_EQ(core.k2, 0);
            }
        }
    }
    // Every record of the file is listed: one "[" per listed name.
    int records = 0;
    for (char16_t c : text()) records += c == u'[';
    EXPECT_EQ(listed, records);
}

TEST_F(ShippedCores, ListsEveryListableCoreOfTheSourceExactlyOnce) {
    std::multiset<Text> listed;
    for (int32_t shape = kShapeE; shape <= kShapeOther; ++shape) {
        for (const Text& name : CoreNamesOfFamily(text(), shape)) listed.insert(name);
    }
    for (const auto& [name, row] : *rows_) {
        if (kUnlistedFamilies.count(row.at("family"))) {
            EXPECT_EQ(listed.count(name), 0u) << ToUtf8(name);
        } else {
            EXPECT_EQ(listed.count(name), 1u) << ToUtf8(name);
        }
    }
}

TEST_F(ShippedCores, FamiliesHoldTheirOwnShapes) {
    const std::map<int32_t, std::set<std::string>> families = {{kShapeE, {"E"}},
                                                               {kShapeEI, {"EI"}},
                                                               {kShapeER, {"ER"}},
                                                               {kShapeETD, {"ETD"}},
                                                               {kShapeOther, {"PQ", "RM"}}};
    for (const auto& [shape, allowed] : families) {
        for (const Text& name : CoreNamesOfFamily(text(), shape)) {
            const auto* row = Row(name);
            ASSERT_NE(row, nullptr) << ToUtf8(name);
            EXPECT_TRUE(allowed.count(row->at("family"))) << ToUtf8(name) << " in family " << shape;
        }
    }
    const std::vector<Text> e = CoreNamesOfFamily(text(), kShapeE);
    EXPECT_NE(std::find(e.begin(), e.end(), u"E 40/16/12"), e.end()) << "the default core";
}

TEST_F(ShippedCores, NoNameOccursAnywhereButInItsOwnHeader) {
    for (int32_t shape = kShapeE; shape <= kShapeOther; ++shape) {
        for (const Text& name : CoreNamesOfFamily(text(), shape)) {
            SCOPED_TRACE(ToUtf8(name));
            const size_t first = text().find(name);
            ASSERT_NE(first, Text::npos);
            EXPECT_EQ(text().find(name, first + 1), Text::npos);
            ASSERT_GT(first, 0u);
            EXPECT_EQ(text()[first - 1], u'[');
            EXPECT_EQ(text()[first + name.size()], u']');
        }
    }
}

TEST_F(ShippedCores, PlainSubstringLookupsFindTheSameValues) {
    const std::vector<Text> keys = {u"Ae", u"An", u"le", u"mu", u"k1", u"k2"};
    for (int32_t shape = kShapeE; shape <= kShapeOther; ++shape) {
        for (const Text& name : CoreNamesOfFamily(text(), shape)) {
            for (const Text& key : keys) {
                EXPECT_EQ(PlainFindSectionValue(text(), name, key),
                          FindSectionValue(text(), name, key))
                    << ToUtf8(name) << " " << ToUtf8(key);
            }
        }
    }
}

TEST_F(ShippedCores, UserCoresAppendedToTheShippedFileAreFound) {
    // The shipped text ends with a line end, so the user's file follows as is.
    const Text user = CoreRecordText(u"E 40", u"100", u"150", u"70", u"1500");
    const Text joined = JoinCoreTexts(text(), user);
    EXPECT_EQ(joined, text() + user);
    const std::vector<Text> e = CoreNamesOfFamily(joined, kShapeE);
    ASSERT_FALSE(e.empty());
    EXPECT_EQ(e.back(), u"E 40");
    EXPECT_EQ(LookupCore(joined, u"E 40").record.Ae, 100);
    EXPECT_EQ(LookupCore(joined, u"E 40/16/12").record.Ae, 152);
}

}  // namespace
}  // namespace kelvara
