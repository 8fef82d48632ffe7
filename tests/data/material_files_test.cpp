// The shipped material files, read through the program's own reader and
// compared with the loss tables and material constants they come from.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "refdata/lookup.h"
#include "refdata/material.h"
#include "shipped_data.h"

namespace kelvara {
namespace {

using testing::CsvTable;
using testing::DataRoot;
using testing::Number;
using testing::Numbered;
using testing::PlainFindKeyValue;
using testing::PlainFindSectionValue;
using testing::ReadCsv;
using testing::SourceTables;

std::filesystem::path MaterialFolder() {
    return DataRoot() / "Ferrites_Materials";
}

TEST(ShippedMaterials, ListHoldsTheMaterialsWithLossTables) {
    const std::vector<Text> expected = {u"3C90 Ferroxcube", u"3C94 Ferroxcube", u"3C95 Ferroxcube",
                                        u"3C97 Ferroxcube", u"3F3 Ferroxcube",  u"3F36 Ferroxcube",
                                        u"N27 Epcos",       u"N49 Epcos",       u"N87 Epcos",
                                        u"N95 Epcos",       u"N97 Epcos"};
    EXPECT_EQ(ListMaterials(MaterialFolder()), expected);
}

struct MaterialCase {
    const char* file;    // name in the material list
    const char* source;  // name in the source tables
};

void PrintTo(const MaterialCase& c, std::ostream* os) {
    *os << c.file;
}

class ShippedMaterial : public ::testing::TestWithParam<MaterialCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ReadMaterialFile(MaterialFolder() / (std::string(GetParam().file) + ".txt"),
                                     data_, text_));
    }
    MaterialLossData data_;
    Text text_;
};

TEST_P(ShippedMaterial, ReadsIncreasingAxesAndTheSourceConstants) {
    EXPECT_GE(data_.nB, 3);
    EXPECT_GE(data_.nF, 3);
    EXPECT_LE(data_.nB, MaterialLossData::kMaxPoints);
    EXPECT_LE(data_.nF, MaterialLossData::kMaxPoints);
    for (int j = 2; j <= data_.nB; ++j) EXPECT_GT(data_.lossTable[0][j], data_.lossTable[0][j - 1]);
    for (int i = 2; i <= data_.nF; ++i) EXPECT_GT(data_.lossTable[i][0], data_.lossTable[i - 1][0]);
    EXPECT_GT(data_.lossTable[0][1], 0);
    EXPECT_GT(data_.lossTable[1][0], 0);

    const CsvTable materials = ReadCsv(SourceTables() / "materials.csv");
    const std::map<std::string, std::string>* row = nullptr;
    for (const auto& r : materials.rows) {
        if (r.at("name") == GetParam().source) row = &r;
    }
    ASSERT_NE(row, nullptr);
    EXPECT_GT(data_.mu, 1000);
    EXPECT_EQ(data_.mu, Number(row->at("mu_i")));
    EXPECT_EQ(data_.Bmax, Number(row->at("Bsat_100C_mT")));
    EXPECT_EQ(data_.Bmmax, Number(row->at("Bsat_25C_mT")));
    EXPECT_GT(data_.Bmmax, data_.Bmax) << "saturation falls with temperature";
}

// Every cell equals the source table; every value of the source is in the
// file; every point kept on an axis has at least one value.
TEST_P(ShippedMaterial, TableHoldsEverySourceValueAndNoEmptyAxisPoint) {
    const CsvTable table =
        ReadCsv(SourceTables() / "materials" / (std::string(GetParam().source) + ".csv"));
    ASSERT_FALSE(table.rows.empty());
    auto column = [&](double tesla) {
        for (int j = 1; j <= data_.nB; ++j) {
            if (std::abs(data_.lossTable[0][j] - tesla) < 1e-12) return j;
        }
        return 0;
    };
    auto line = [&](double kHz) {
        for (int i = 1; i <= data_.nF; ++i) {
            if (data_.lossTable[i][0] == kHz) return i;
        }
        return 0;
    };
    int values = 0;
    for (const auto& csvRow : table.rows) {
        const double f = Number(csvRow.at("frequency_kHz"));
        for (size_t c = 1; c < table.columns.size(); ++c) {
            const double b = Number(table.columns[c]) / 1000;
            const std::string& cell = csvRow.at(table.columns[c]);
            const int i = line(f);
            const int j = column(b);
            SCOPED_TRACE(std::to_string(f) + " kHz, " + table.columns[c] + " mT");
            if (cell.empty()) {
                if (i > 0 && j > 0) {
                    EXPECT_EQ(data_.lossTable[i][j], 0);
                }
                continue;
            }
            ++values;
            ASSERT_GT(i, 0) << "frequency left out although it has a value";
            ASSERT_GT(j, 0) << "flux density left out although it has a value";
            EXPECT_EQ(data_.lossTable[i][j], Number(cell));
            EXPECT_GT(data_.lossTable[i][j], 0);
        }
    }
    EXPECT_GE(values, 9);
    for (int i = 1; i <= data_.nF; ++i) {
        bool any = false;
        for (int j = 1; j <= data_.nB; ++j) any = any || data_.lossTable[i][j] > 0;
        EXPECT_TRUE(any) << "frequency " << data_.lossTable[i][0] << " kHz has no value";
    }
    for (int j = 1; j <= data_.nB; ++j) {
        bool any = false;
        for (int i = 1; i <= data_.nF; ++i) any = any || data_.lossTable[i][j] > 0;
        EXPECT_TRUE(any) << "flux density " << data_.lossTable[0][j] << " T has no value";
    }
}

TEST_P(ShippedMaterial, HasALossAt100KilohertzAnd100Millitesla) {
    int i100 = 0, j100 = 0;
    for (int i = 1; i <= data_.nF; ++i) {
        if (data_.lossTable[i][0] == 100) i100 = i;
    }
    for (int j = 1; j <= data_.nB; ++j) {
        if (std::abs(data_.lossTable[0][j] - 0.1) < 1e-12) j100 = j;
    }
    ASSERT_GT(i100, 0);
    ASSERT_GT(j100, 0);
    EXPECT_GT(data_.lossTable[i100][j100], 0);
}

// Inside the range a row or a column covers, every cell has a value: the
// program would read an empty cell between two values as no loss at all.
TEST_P(ShippedMaterial, HasNoEmptyCellBetweenTwoValuesOfARowOrColumn) {
    auto expectNoHole = [&](auto cell, int count, const std::string& line) {
        int first = 0, last = 0;
        for (int n = 1; n <= count; ++n) {
            if (cell(n) > 0) {
                if (first == 0) first = n;
                last = n;
            }
        }
        for (int n = first + 1; n < last; ++n) {
            EXPECT_GT(cell(n), 0) << line << ", point " << n << " of " << count;
        }
    };
    for (int i = 1; i <= data_.nF; ++i) {
        expectNoHole([&](int j) { return data_.lossTable[i][j]; }, data_.nB,
                     "at " + std::to_string(data_.lossTable[i][0]) + " kHz");
    }
    for (int j = 1; j <= data_.nB; ++j) {
        expectNoHole([&](int i) { return data_.lossTable[i][j]; }, data_.nF,
                     "at " + std::to_string(data_.lossTable[0][j]) + " T");
    }
}

// No lookup of the reader can land in a comment or another section: the plain
// substring lookups give the same answers, and the axes end where they end.
TEST_P(ShippedMaterial, PlainSubstringLookupsFindTheSameValues) {
    for (int j = 1; j <= data_.nB + 1; ++j) {
        const Text key = Numbered(u"B", j);
        EXPECT_EQ(PlainFindSectionValue(text_, u"Flux density", key),
                  FindSectionValue(text_, u"Flux density", key));
    }
    EXPECT_EQ(FindSectionValue(text_, u"Flux density", Numbered(u"B", data_.nB + 1)), u"");
    EXPECT_EQ(FindSectionValue(text_, u"Frequencies", Numbered(u"F", data_.nF + 1)), u"");
    for (int i = 1; i <= data_.nF + 1; ++i) {
        const Text key = Numbered(u"F", i);
        const Text f = FindSectionValue(text_, u"Frequencies", key);
        EXPECT_EQ(PlainFindSectionValue(text_, u"Frequencies", key), f);
        if (f.empty()) continue;
        const Text section = u"F_" + f;
        for (int j = 1; j <= data_.nB; ++j) {
            const Text cellKey =
                u"B_" + FindSectionValue(text_, u"Flux density", Numbered(u"B", j));
            EXPECT_EQ(PlainFindSectionValue(text_, section, cellKey),
                      FindSectionValue(text_, section, cellKey))
                << ToUtf8(section) << " " << ToUtf8(cellKey);
        }
    }
    for (const char16_t* key : {u"Bmax", u"Bmmax", u"mu"}) {
        EXPECT_EQ(PlainFindKeyValue(text_, key), FindKeyValue(text_, key)) << ToUtf8(key);
        EXPECT_FALSE(FindKeyValue(text_, key).empty()) << ToUtf8(key);
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, ShippedMaterial,
    ::testing::Values(MaterialCase{"N87 Epcos", "N87"}, MaterialCase{"N97 Epcos", "N97"},
                      MaterialCase{"N95 Epcos", "N95"}, MaterialCase{"N49 Epcos", "N49"},
                      MaterialCase{"N27 Epcos", "N27"}, MaterialCase{"3C90 Ferroxcube", "3C90"},
                      MaterialCase{"3C94 Ferroxcube", "3C94"},
                      MaterialCase{"3C95 Ferroxcube", "3C95"},
                      MaterialCase{"3C97 Ferroxcube", "3C97"},
                      MaterialCase{"3F3 Ferroxcube", "3F3"},
                      MaterialCase{"3F36 Ferroxcube", "3F36"}),
    [](const ::testing::TestParamInfo<MaterialCase>& info) {
        std::string name = info.param.source;
        return "M" + name;
    });

}  // namespace
}  // namespace kelvara
