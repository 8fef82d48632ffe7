// The shipped wire table, read through the program's own reader.
#include <gtest/gtest.h>

#include <algorithm>

#include "refdata/lookup.h"
#include "refdata/text_file.h"
#include "refdata/wire_table.h"
#include "shipped_data.h"

namespace kelvara {
namespace {

using testing::CsvTable;
using testing::DataRoot;
using testing::Number;
using testing::Numbered;
using testing::PlainFindKeyValue;
using testing::ReadCsv;
using testing::SourceTables;

TEST(ShippedWires, ReadsEveryPairOfTheSourceInAscendingOrder) {
    const std::optional<WireTable> table = ReadWireTable(DataRoot() / "Wire.txt");
    ASSERT_TRUE(table.has_value());
    const CsvTable source = ReadCsv(SourceTables() / "wires.csv");
    ASSERT_EQ(table->size(), static_cast<int>(source.rows.size()));
    ASSERT_GT(table->size(), 40);
    ASSERT_LE(table->size(), WireTable::kMaxEntries);
    for (int k = 0; k < table->size(); ++k) {
        const WireEntry& wire = table->entries[k];
        SCOPED_TRACE(k);
        EXPECT_EQ(wire.d, Number(source.rows[k].at("d_mm")));
        EXPECT_EQ(wire.diz, Number(source.rows[k].at("diz_grade2_max_mm")));
        EXPECT_GT(wire.diz, wire.d);
        if (k > 0) {
            EXPECT_GT(wire.d, table->entries[k - 1].d);
        }
    }
    EXPECT_EQ(table->entries.front().d, 0.05);
    EXPECT_EQ(table->entries.back().d, 2.5);
    const auto has = [&](double d) {
        return std::any_of(table->entries.begin(), table->entries.end(),
                           [d](const WireEntry& w) { return w.d == d; });
    };
    EXPECT_TRUE(has(0.63));
    EXPECT_TRUE(has(1.0));
}

TEST(ShippedWires, PlainSubstringLookupsFindTheSameValues) {
    const std::optional<Text> text = ReadTextFile(DataRoot() / "Wire.txt");
    ASSERT_TRUE(text.has_value());
    const int count = ParseWireTable(*text).size();
    for (int n = 1; n <= count + 1; ++n) {
        for (const char16_t* prefix : {u"d", u"diz"}) {
            const Text key = Numbered(prefix, n);
            EXPECT_EQ(PlainFindKeyValue(*text, key), FindKeyValue(*text, key)) << ToUtf8(key);
        }
    }
    EXPECT_EQ(FindKeyValue(*text, Numbered(u"d", count + 1)), u"");
}

}  // namespace
}  // namespace kelvara
