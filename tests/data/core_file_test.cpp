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
        rth_ = new std::map<Text, std::string>();
        for (const auto& row : ReadCsv(SourceTables() / "core_rth.csv").rows) {
            (*rth_)[FromUtf8(row.at("name"))] = row.at("Rth_K_per_W");
        }
        ASSERT_FALSE(rth_->empty());
    }
    static void TearDownTestSuite() {
        delete text_;
        delete rows_;
        delete rth_;
    }

    static const Text& text() { return *text_; }
    static const std::map<std::string, std::string>* Row(const Text& name) {
        const auto it = rows_->find(name);
        return it == rows_->end() ? nullptr : &it->second;
    }

    static std::vector<Text> ListedNames() {
        std::vector<Text> names;
        for (int32_t shape = kShapeE; shape <= kShapeOther; ++shape) {
            for (const Text& name : CoreNamesOfFamily(text(), shape)) names.push_back(name);
        }
        return names;
    }

    static Text* text_;
    static std::map<Text, std::map<std::string, std::string>>* rows_;
    static std::map<Text, std::string>* rth_;  // core_rth.csv: name → Rth text
};

Text* ShippedCores::text_ = nullptr;
std::map<Text, std::map<std::string, std::string>>* ShippedCores::rows_ = nullptr;
std::map<Text, std::string>* ShippedCores::rth_ = nullptr;

// The file without its "Rth = ..." lines.
Text WithoutRthLines(const Text& text) {
    Text out;
    size_t line = 0;
    while (line < text.size()) {
        size_t end = text.find(u'\n', line);
        end = end == Text::npos ? text.size() : end + 1;
        if (!TextView(text).substr(line).starts_with(u"Rth")) out.append(text, line, end - line);
        line = end;
    }
    return out;
}

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

// The published thermal resistance in the records of the cores that have one,
// exactly as the source table gives it; nothing in the others.
TEST_F(ShippedCores, ThermalResistanceOnlyWhereTheSourceHasIt) {
    size_t given = 0;
    for (const Text& name : ListedNames()) {
        SCOPED_TRACE(ToUtf8(name));
        const Text rth = FindSectionValue(text(), name, u"Rth");
        const auto it = rth_->find(name);
        if (it == rth_->end()) {
            EXPECT_EQ(rth, u"");
            continue;
        }
        ++given;
        EXPECT_EQ(rth, FromUtf8(it->second));
        EXPECT_GT(ParseDecimal(rth), 0);
    }
    // Every source row of a listed family reached its record.
    size_t listable = 0;
    for (const auto& [name, value] : *rth_) {
        const auto* row = Row(name);
        ASSERT_NE(row, nullptr) << ToUtf8(name) << " is not in cores.csv";
        listable += kUnlistedFamilies.count(row->at("family")) == 0;
    }
    EXPECT_EQ(given, listable);
    EXPECT_GT(given, 0u);
}

// The bobbin keys in the records of the cores that bobbins.csv gives, exactly
// as it gives them; none in the others (the check then estimates the bobbin).
TEST_F(ShippedCores, BobbinOnlyWhereTheSourceHasIt) {
    std::map<Text, std::map<std::string, std::string>> bobbins;
    for (const auto& row : ReadCsv(SourceTables() / "bobbins.csv").rows) {
        bobbins[FromUtf8(row.at("name"))] = row;
    }
    ASSERT_GT(bobbins.size(), 20u);
    size_t given = 0;
    for (const Text& name : ListedNames()) {
        SCOPED_TRACE(ToUtf8(name));
        const CoreRecord core = LookupCore(text(), name).record;
        const auto it = bobbins.find(name);
        if (it == bobbins.end()) {
            EXPECT_EQ(FindSectionValue(text(), name, u"bw"), u"");
            EXPECT_EQ(core.bw, 0);
            EXPECT_EQ(core.bh, 0);
            EXPECT_EQ(core.lw, 0);
            continue;
        }
        ++given;
        EXPECT_EQ(FindSectionValue(text(), name, u"bw"), FromUtf8(it->second.at("bw_mm")));
        EXPECT_EQ(FindSectionValue(text(), name, u"bh"), FromUtf8(it->second.at("bh_mm")));
        EXPECT_EQ(FindSectionValue(text(), name, u"lw"), FromUtf8(it->second.at("lw_mm")));
        // A bobbin fits inside its core's window: less winding area than An.
        EXPECT_GT(core.bw, 0);
        EXPECT_GT(core.bh, 0);
        EXPECT_LT(core.bw * core.bh, core.An);
        EXPECT_GT(core.bw, core.bh);
    }
    EXPECT_EQ(given, bobbins.size());
}

// The new key changes nothing that the other keys give.
TEST_F(ShippedCores, ThermalResistanceLeavesTheOtherKeysAlone) {
    const Text without = WithoutRthLines(text());
    ASSERT_LT(without.size(), text().size());
    ASSERT_EQ(without.find(u"Rth"), Text::npos);
    const std::vector<Text> keys = {u"Ae", u"An",   u"le",    u"mu", u"k1",
                                    u"k2", u"Bmax", u"Bmmax", u"B1", u"F1"};
    for (const Text& name : ListedNames()) {
        for (const Text& key : keys) {
            EXPECT_EQ(FindSectionValue(text(), name, key), FindSectionValue(without, name, key))
                << ToUtf8(name) << " " << ToUtf8(key);
        }
    }
    for (const Text& key : keys) {
        EXPECT_EQ(FindKeyValue(text(), key), FindKeyValue(without, key)) << ToUtf8(key);
    }
}

TEST_F(ShippedCores, PlainSubstringLookupsFindTheSameValues) {
    const std::vector<Text> keys = {u"Ae", u"An",  u"le", u"mu", u"k1",
                                    u"k2", u"Rth", u"bw", u"bh", u"lw"};
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
    // The user's record has no thermal resistance and finds none of the shipped ones.
    EXPECT_EQ(FindSectionValue(joined, u"E 40", u"Rth"), u"");
    EXPECT_EQ(FindSectionValue(joined, u"E 40/16/12", u"Rth"), FromUtf8(rth_->at(u"E 40/16/12")));
}

}  // namespace
}  // namespace kelvara
