// Adding a core: what the core group must hold in each mode, the family's
// prefix, the data computed from the dimensions and the record written.
#include "calc/new_core.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

struct NewCoreCase {
    const char* name;
    int32_t shape;
    bool bySize;
    Text typedName;
    Text mu;
    Text A, B, C, D, H, h, I;     // dimensions (by size)
    Text Ae, An, le;              // data (by data)
    std::u16string_view problem;  // empty: a record is made
    Text core;                    // the name written
};

class PrepareCore : public ::testing::TestWithParam<NewCoreCase> {};

TEST_P(PrepareCore, RefusesWhatIsMissingAndNamesTheCore) {
    const NewCoreCase& c = GetParam();
    DesignInputs in;
    in.shape = c.shape;
    in.add_by_size = c.bySize ? 1 : 0;
    in.add_by_data = c.bySize ? 0 : 1;
    in.mu = c.mu;
    in.A = c.A, in.B = c.B, in.C = c.C, in.D = c.D, in.H = c.H, in.h = c.h, in.I = c.I;
    in.Ae = c.Ae, in.An = c.An, in.le = c.le;
    CoreRecord shown;
    shown.Ae = 11, shown.An = 22, shown.le = 33;
    const NewCore core = PrepareNewCore(in, c.typedName, shown);
    if (!c.problem.empty()) {
        EXPECT_FALSE(core.record);
        EXPECT_EQ(core.problem, c.problem);
        return;
    }
    ASSERT_TRUE(core.record);
    EXPECT_EQ(in.core, c.core);
    EXPECT_EQ(*core.record, CoreRecordText(in.core, in.Ae, in.An, in.le, in.mu));
    if (c.bySize) {
        // The data computed from the dimensions, formatted as the fields show them.
        EXPECT_EQ(in.Ae, FormatFixed(shown.Ae, 2));
        EXPECT_EQ(in.le, FormatFixed(shown.le, 1));
    } else {
        EXPECT_EQ(in.Ae, c.Ae);
        EXPECT_EQ(shown.Ae, 11);  // the shown core is not touched
    }
}

constexpr std::u16string_view kNoName = u"Вы забыли перед добавлением ввести название сердечника.";
constexpr std::u16string_view kNoMu =
    u"Вы забыли перед добавлением ввести магнитную проницаемость.";
constexpr std::u16string_view kNoDims = u"Вы забыли перед добавлением ввести все размеры.";
constexpr std::u16string_view kNoData = u"Вы забыли перед добавлением ввести все данные.";

INSTANTIATE_TEST_SUITE_P(Cases, PrepareCore,
                         ::testing::Values(NewCoreCase{"NoName",
                                                       kShapeE,
                                                       false,
                                                       u"",
                                                       u"1800",
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       u"50",
                                                       u"60",
                                                       u"70",
                                                       kNoName,
                                                       u""},
                                           NewCoreCase{"NoMu",
                                                       kShapeE,
                                                       false,
                                                       u"E 1",
                                                       u"",
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       u"50",
                                                       u"60",
                                                       u"70",
                                                       kNoMu,
                                                       u""},
                                           NewCoreCase{"DataMissingLe",
                                                       kShapeE,
                                                       false,
                                                       u"E 1",
                                                       u"1800",
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       u"50",
                                                       u"60",
                                                       u"",
                                                       kNoData,
                                                       u""},
                                           NewCoreCase{"ByDataGetsThePrefix",
                                                       kShapeETD,
                                                       false,
                                                       u"44/22/15",
                                                       u"1800",
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       u"173",
                                                       u"214",
                                                       u"103",
                                                       {},
                                                       u"ETD 44/22/15"},
                                           NewCoreCase{"PrefixKeptWhenThere",
                                                       kShapeER,
                                                       false,
                                                       u"ER 28/11",
                                                       u"1800",
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       u"77",
                                                       u"44",
                                                       u"41.5",
                                                       {},
                                                       u"ER 28/11"},
                                           NewCoreCase{"OtherHasNoPrefix",
                                                       kShapeOther,
                                                       false,
                                                       u"RM 99",
                                                       u"1800",
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       u"77",
                                                       u"44",
                                                       u"41.5",
                                                       {},
                                                       u"RM 99"},
                                           NewCoreCase{"BySizeMissingH",
                                                       kShapeE,
                                                       true,
                                                       u"E 1",
                                                       u"1800",
                                                       u"40",
                                                       u"17",
                                                       u"12",
                                                       u"12",
                                                       u"",
                                                       u"10",
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       kNoDims,
                                                       u""},
                                           NewCoreCase{"EIWithoutI",
                                                       kShapeEI,
                                                       true,
                                                       u"1",
                                                       u"1800",
                                                       u"40",
                                                       u"17",
                                                       u"12",
                                                       u"12",
                                                       u"28",
                                                       u"10",
                                                       u"",
                                                       {},
                                                       {},
                                                       {},
                                                       kNoDims,
                                                       u""},
                                           NewCoreCase{"BySizeComputes",
                                                       kShapeE,
                                                       true,
                                                       u"40/16/12",
                                                       u"1800",
                                                       u"40",
                                                       u"16",
                                                       u"12",
                                                       u"12",
                                                       u"28",
                                                       u"10",
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       {},
                                                       u"E 40/16/12"}),
                         [](const ::testing::TestParamInfo<NewCoreCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace kelvara
