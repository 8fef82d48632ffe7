// The bindings of the design fields and result texts to the main window's
// controls: every field has its controls, the result texts keep their ids.
#include "window/controls.h"

#include <gtest/gtest.h>

#include <set>

namespace kelvara {
namespace {

TEST(ResultControls, IdsAreInResultOrder) {
    const int ids[] = {1073, 1104, 1078, 1109, 1110, 1111, 1031, 1033, 1034, 1035, 1079, 1080,
                       1020, 1081, 1021, 1083, 1022, 1084, 1085, 1089, 1086, 1088, 1112, 1087};
    for (int k = 0; k < kResultFieldCount; ++k) {
        EXPECT_EQ(kResultFields[k].field, k);
        EXPECT_EQ(kResultFields[k].controlId, ids[k]);
    }
}

TEST(ResultControls, EveryRowHasItsValueAndUnitControls) {
    ASSERT_EQ(kResultRowDefs.size(), 20u);
    // The inductance rows show the unit the calculation fills.
    EXPECT_EQ(ResultRowOf(ctl::kResLm).unitId, ctl::kResLmUnit);
    EXPECT_EQ(ResultRowOf(ctl::kResLr).unitId, ctl::kResLrUnit);
    EXPECT_EQ(ResultRowOf(ctl::kResLtot).unitId, ctl::kResLtotUnit);
    EXPECT_EQ(ResultRowOf(ctl::kResCr).unitId, 0);
    EXPECT_EQ(ResultRowOf(ctl::kResCr).unit, u"нФ");
    EXPECT_EQ(ResultRowOf(ctl::kResN1).label, u"Число витков первичной обмотки");
    std::set<int> values;
    for (const ResultRowDef& r : kResultRowDefs) values.insert(r.valueId);
    EXPECT_EQ(values.size(), kResultRowDefs.size());
}

TEST(FieldControls, EveryFieldIsBoundToAsManyControlsAsItHasValues) {
    std::set<std::u16string_view> bound;
    for (const FieldControls& c : kFieldControls) EXPECT_TRUE(bound.insert(c.key).second);
    std::set<int> ids;
    auto check = [&](const FieldDef& f) {
        ASSERT_TRUE(bound.count(f.key)) << ToUtf8(f.key);
        const FieldControls& c = ControlsOf(f);
        EXPECT_EQ(c.key, f.key);
        const int expected = f.kind == FieldKind::Choice ? f.values : 1;
        EXPECT_EQ(c.count, expected) << ToUtf8(f.key);
        for (int b = 0; b < c.count; ++b) EXPECT_TRUE(ids.insert(c.ids[b]).second) << c.ids[b];
    };
    for (const FieldDef& f : kDesignFileFields) check(f);
    for (const FieldDef& f : kCoreGroupFields) check(f);
    EXPECT_EQ(bound.size(), kDesignFileFields.size() + kCoreGroupFields.size());
}

TEST(FieldControls, LabelsComeFromTheFieldTable) {
    struct Case {
        int id;
        std::u16string_view label;
    };
    const Case cases[] = {
        {ctl::kFr, u"Резонансная частота, кГц"},
        {ctl::kUmax, u"Питание (мин., ном., макс.), В"},
        {ctl::kZazor, kGapRadioLabel},
        {ctl::kYesD, u"Использовать диаметры проводов"},
        {ctl::kAe, u"Площадь сечения сердечника, Ae"},
        {ctl::kRadioAL, u""},  // only a field's first control carries its label
        {ctl::kCalculate, u""},
    };
    for (const Case& c : cases) EXPECT_EQ(FieldLabelOf(c.id), c.label) << c.id;
}

}  // namespace
}  // namespace kelvara
