#include "calc/calculate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "calc/messages.h"
#include "calc/result_texts.h"
#include "calc_test_support.h"

namespace kelvara {
namespace {

using test::EventLog;
using test::TestCore;
using test::TestMaterial;
using test::TestWires;
using test::U8;

const std::string kWarn = "Внимание!|";
const std::string kErr = "Ошибка!|";
const std::string kNoMin = kErr + U8(msg::kNoMinFrequency);
const std::string kGapAdj = kWarn + U8(msg::kGapAdjusted);
const std::string kALAdj = kWarn + U8(msg::kALAdjusted);
const std::string kFill = kWarn + U8(msg::kFillTooHigh);
const std::string kDrop = kWarn + U8(msg::kTransistorDrop);

// The result texts in result order.
std::vector<std::string> Texts(const DesignResults& res) {
    std::vector<std::string> out;
    for (const Text& t : res.text) out.push_back(U8(t));
    return out;
}

bool AllTextsEmpty(const DesignResults& res) {
    for (const Text& t : res.text)
        if (!t.empty()) return false;
    return true;
}

struct Outcome {
    DesignInputs in;
    DesignResults res;
    EventLog host;
    bool ok = false;
};

Outcome Calculate(const std::function<void(DesignInputs&)>& setup = {},
                  const CoreRecord& core = TestCore(), const MaterialLossData& m = TestMaterial(),
                  const WireTable& wires = TestWires()) {
    Outcome r;
    if (setup) setup(r.in);
    r.ok = RunRecorded(r.in, r.res, core, m, wires, r.host);
    return r;
}

// Whole designs on the test core (Ae 149, An 170, le 77, µ 1750), the test
// material (µ 2200, 4 × 4 loss table) and the test wire table. The expected
// texts come from tests/calc/reference_design.py, an independent re-computation
// of the formulas in Python doubles, not from this code.
struct DesignCase {
    const char* name;
    std::function<void(DesignInputs&)> setup;
    std::vector<std::string> texts;   // in result order
    const char* zazor;                // field afterwards
    const char* unas;                 // field afterwards
    std::vector<std::string> events;  // refreshes and messages in order
};

class Design : public testing::TestWithParam<DesignCase> {};

TEST_P(Design, ShowsEveryResultText) {
    const DesignCase& c = GetParam();
    Outcome r = Calculate(c.setup);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.res.calculated);
    const std::vector<std::string> got = Texts(r.res);
    ASSERT_EQ(got.size(), c.texts.size());
    for (size_t k = 0; k < got.size(); ++k) EXPECT_EQ(got[k], c.texts[k]) << "result " << k;
    EXPECT_EQ(U8(r.in.zazor), c.zazor);
    EXPECT_EQ(U8(r.in.Unas), c.unas);
    EXPECT_EQ(r.host.events, c.events);
    // The fields normalised by every run.
    EXPECT_EQ(U8(r.in.Q).find(','), std::string::npos);
    EXPECT_EQ(U8(r.in.Bm), "0.12");
    EXPECT_EQ(U8(r.in.ko), "0.3");
    EXPECT_EQ(U8(r.in.d11), "0.63");
    EXPECT_EQ(U8(r.in.d21), "0.63");
}

const std::vector<std::string> kDefaultTexts = {
    "0.31", "395",    "0.106",  "0.916",  "664.4", "216.0",  "26",    "0.4x3",
    "4+4",  "0.5x11", "0.159",  "267.54", "мкГн",  "61.83",  "мкГн",  "329.37",
    "мкГн", "4.327",  "40.967", "50.97",  "67.62", "103.21", "0.434", "0.417"};

INSTANTIATE_TEST_SUITE_P(
    Cases, Design,
    testing::Values(
        DesignCase{"Default", {}, kDefaultTexts, "0.5", "1.464", {"R"}},
        DesignCase{"Mains",
                   [](DesignInputs& in) {
                       in.setevoe = 1;
                       in.Umin = u"207";
                       in.Umax = u"253";
                   },
                   {"0.31", "395",    "0.105",  "0.910",  "662.5", "216.0",  "27",    "0.4x3",
                    "4+4",  "0.5x11", "0.162",  "288.52", "мкГн",  "66.31",  "мкГн",  "354.83",
                    "мкГн", "4.351",  "38.198", "50.82",  "71.15", "102.59", "0.462", "0.417"},
                   "0.5",
                   "1.414",
                   {"R"}},
        DesignCase{"DualPolarity",
                   [](DesignInputs& in) { in.vypr = 1; },
                   {"0.74", "287",    "0.105",  "0.896",  "794.8", "432.0",  "26",    "0.5x5",
                    "4",    "0.5x30", "0.427",  "194.37", "мкГн",  "30.36",  "мкГн",  "224.74",
                    "мкГн", "6.401",  "83.422", "48.56",  "?",     "101.74", "0.432", "0.417"},
                   "0.74",
                   "2.928",
                   {kNoMin, "R", kGapAdj, kFill}},
        DesignCase{"Bridge",
                   [](DesignInputs& in) { in.vypr = 2; },
                   {"0.32", "395",    "0.110",  "1.007",  "833.8", "216.0",  "25",    "0.5x3",
                    "4",    "0.5x15", "0.156",  "247.36", "мкГн",  "59.86",  "мкГн",  "307.22",
                    "мкГн", "4.132",  "42.313", "51.64",  "69.45", "104.66", "0.434", "0.417"},
                   "0.5",
                   "1.511",
                   {"R"}},
        DesignCase{"SmallGap",
                   [](DesignInputs& in) { in.zazor = u"0,1"; },
                   {"0.31", "582",    "0.106",  "0.916",  "664.4", "216.0",  "26",    "0.4x3",
                    "4+4",  "0.5x11", "0.159",  "393.45", "мкГн",  "61.83",  "мкГн",  "455.28",
                    "мкГн", "6.363",  "40.967", "49.18",  "?",     "104.69", "0.434", "0.417"},
                   "0.31",
                   "1.464",
                   {kNoMin, "R", kGapAdj}},
        // The required gap 0.3504 mm shows as 0.35 but is set to 0.36 mm.
        DesignCase{"SmallGapRoundedUp",
                   [](DesignInputs& in) {
                       in.zazor = u"0.1";
                       in.kL = u"4.5";
                   },
                   {"0.35", "516",    "0.106",  "0.916",  "664.4", "216.0",  "26",    "0.4x3",
                    "4+4",  "0.5x11", "0.159",  "349.07", "мкГн",  "61.83",  "мкГн",  "410.90",
                    "мкГн", "5.646",  "40.967", "49.35",  "56.83", "104.18", "0.466", "0.417"},
                   "0.36",
                   "1.464",
                   {"R", kGapAdj}},
        DesignCase{"LargeAL",
                   [](DesignInputs& in) {
                       in.yes_al = 1;
                       in.zazor = u"2000";
                   },
                   {"584",  "584",    "0.106",  "0.916",  "664.4", "216.0",  "26",    "0.4x3",
                    "4+4",  "0.5x11", "0.159",  "394.78", "мкГн",  "61.83",  "мкГн",  "456.61",
                    "мкГн", "6.385",  "40.967", "49.18",  "?",     "104.71", "0.434", "0.417"},
                   "584",
                   "1.464",
                   {kNoMin, "R", kALAdj}},
        DesignCase{"SmallAL",
                   [](DesignInputs& in) {
                       in.yes_al = 1;
                       in.zazor = u"300";
                   },
                   {"584",  "300",    "0.086",  "0.571",  "539.8", "216.0",  "32",    "0.4x3",
                    "5+5",  "0.5x11", "0.198",  "307.20", "мкГн",  "61.83",  "мкГн",  "369.03",
                    "мкГн", "4.968",  "40.967", "50.69",  "63.84", "107.87", "0.434", "0.417"},
                   "300",
                   "1.464",
                   {"R"}},
        DesignCase{"ImposedDiameters",
                   [](DesignInputs& in) { in.yes_d = 1; },
                   {"0.31", "395",    "0.106",  "0.916",  "664.4", "216.0",  "26",    "0.63x2",
                    "4+4",  "0.63x5", "0.169",  "267.54", "мкГн",  "61.83",  "мкГн",  "329.37",
                    "мкГн", "4.327",  "40.967", "50.97",  "67.62", "103.21", "0.434", "0.417"},
                   "0.5",
                   "1.464",
                   {"R"}},
        DesignCase{"SaturationVoltage",
                   [](DesignInputs& in) {
                       in.rds = 0;
                       in.Unas = u"1.5";
                   },
                   {"0.31", "395",    "0.106",  "0.915",  "664.2", "216.0",  "26",    "0.4x3",
                    "4+4",  "0.5x11", "0.159",  "267.54", "мкГн",  "61.80",  "мкГн",  "329.35",
                    "мкГн", "4.329",  "40.985", "50.96",  "67.58", "103.16", "0.434", "0.417"},
                   "0.5",
                   "1.5",
                   {"R"}},
        // Umin = Umax makes the needed gain exactly 1.
        DesignCase{"EqualSupplies",
                   [](DesignInputs& in) {
                       in.rds = 0;
                       in.Umin = u"330";
                   },
                   {"0.31", "395",    "0.106",  "0.922",  "666.2",  "216.0",  "26",    "0.4x3",
                    "4+4",  "0.5x11", "0.159",  "267.54", "мкГн",   "62.18",  "мкГн",  "329.73",
                    "мкГн", "4.303",  "40.736", "51.12",  "103.84", "103.84", "5.000", "0.417"},
                   "0.5",
                   "1",
                   {"R"}},
        // N1/n below 1: one secondary turn; the inductances reach mH.
        DesignCase{"OneSecondaryTurn",
                   [](DesignInputs& in) {
                       in.U2_1 = u"1";
                       in.Ud = u"0";
                   },
                   {"0.00", "395",    "0.017", "0.015",  "106.2", "9.0",    "164",   "0.2x1",
                    "1+1",  "0.5x11", "0.056", "10.645", "мГн",   "1.560",  "мГн",   "12.205",
                    "мГн",  "6.824",  "1.624", "48.64",  "?",     "101.97", "0.435", "0.417"},
                   "0.5",
                   "0.059",
                   {kNoMin, "R"}},
        // No gain peak above 0.3·Fr: "?" without a message.
        DesignCase{"NoGainPeak",
                   [](DesignInputs& in) {
                       in.kL = u"15";
                       in.Q = u"0,1";
                   },
                   {"0.44", "395",    "0.106",   "0.916",  "664.4", "216.0",  "26",    "0.4x3",
                    "4+4",  "0.5x11", "0.159",   "267.54", "мкГн",  "15.46",  "мкГн",  "283.00",
                    "мкГн", "17.308", "163.869", "?",      "45.33", "114.98", "0.220", "0.417"},
                   "0.5",
                   "1.464",
                   {"R"}}),
    [](const testing::TestParamInfo<DesignCase>& info) { return std::string(info.param.name); });

TEST(Calculate, DefaultDesignNormalisesTheInputFields) {
    Outcome r = Calculate();
    EXPECT_EQ(U8(r.in.Q), "0.4");
    EXPECT_EQ(U8(r.in.Ud), "0.8");
    EXPECT_EQ(U8(r.in.Rds), "0.85");
    EXPECT_EQ(U8(r.in.zazor), "0.5");
    EXPECT_FALSE(r.res.adjusted);
    EXPECT_EQ(r.res.passes, 1);
    // A larger gap than required gives more turns than the fewest possible.
    EXPECT_EQ(r.res.N1min, 23);
    EXPECT_GT(r.res.N1, r.res.N1min);
    // The numbers the transfer-characteristic window reads.
    EXPECT_EQ(r.res.Fr, 100);
    EXPECT_NEAR(r.res.Qact, 0.411677081712133, 1e-12);
    EXPECT_NEAR(r.res.kLact, 4.327047342264267, 1e-12);
    EXPECT_NEAR(r.res.xPeak, 0.5097, 1e-9);
}

TEST(Calculate, MainsSupplyComputesWithTheRectifiedPeak) {
    Outcome r = Calculate([](DesignInputs& in) {
        in.setevoe = 1;
        in.Umin = u"207";
        in.Umax = u"253";
    });
    EXPECT_NEAR(r.res.UhbMin + r.res.UnasEff, 279.45 / 2, 1e-12);
    EXPECT_NEAR(r.res.UhbMax + r.res.UnasEff, 341.55 / 2, 1e-12);
    EXPECT_EQ(U8(r.in.Umin), "207");
    EXPECT_EQ(U8(r.in.Umax), "253");
}

TEST(Calculate, TransistorDropOfTheRdsOnMode) {
    Outcome r = Calculate();  // Rds 0.85, 330 V DC, 24 V, 9 A, 0.8 V, single polarity
    EXPECT_EQ(U8(r.in.Unas), "1.464");
    Outcome unas = Calculate([](DesignInputs& in) {
        in.rds = 0;
        in.Unas = u"1,25";
    });
    EXPECT_EQ(U8(unas.in.Unas), "1.25");
    EXPECT_EQ(unas.res.UnasEff, 1.25);
}

TEST(Calculate, GapSmallerThanRequiredIsRaisedAndReportedAfterTheResults) {
    Outcome r = Calculate([](DesignInputs& in) { in.zazor = u"0.1"; });
    EXPECT_TRUE(r.res.adjusted);
    EXPECT_EQ(r.res.passes, 2);
    EXPECT_EQ(U8(r.in.zazor), "0.31");
    // The required gap rounded up to 0.01 mm is not below the required gap.
    EXPECT_GE(0.31, r.res.gapReq);
    ASSERT_GE(r.host.events.size(), 2u);
    EXPECT_EQ(r.host.events[r.host.events.size() - 2], "R");
    EXPECT_EQ(r.host.events.back(), kGapAdj);
}

TEST(Calculate, EmptyQIsReadAsPointFour) {
    Outcome r = Calculate([](DesignInputs& in) { in.Q = u""; });
    EXPECT_EQ(U8(r.in.Q), "0.4");
    EXPECT_EQ(Texts(r.res), kDefaultTexts);
}

TEST(Calculate, ResonantCircuitResonatesAtFr) {
    for (const char16_t* fr : {u"100", u"37.5", u"250"}) {
        Outcome r = Calculate([fr](DesignInputs& in) { in.Fr = fr; });
        const double f = 1 / (2 * std::numbers::pi * std::sqrt(r.res.Lr * 1e-6 * r.res.Cr * 1e-9));
        EXPECT_NEAR(f / (1000 * r.res.Fr), 1.0, 1e-12);
    }
    // Rac 97.1 Ω, Q 0.4, Fr 100 kHz: Lr ≈ 61.8 µH, Cr ≈ 41.0 nF.
    Outcome r = Calculate();
    // res.Rac is re-derived with the whole turns; the circuit's Rac follows from Lr.
    EXPECT_NEAR(r.res.Lr * std::numbers::pi * 100 / (0.4 * 500), 97.1, 0.05);
    EXPECT_NEAR(r.res.Lr, 61.8, 0.05);
    EXPECT_NEAR(r.res.Cr, 41.0, 0.05);
}

TEST(Calculate, EmptyWireTableShowsUnknownWiresAndFillWithoutWarning) {
    // The dual-polarity design fills 0.427 of the window with wires.
    Outcome r =
        Calculate([](DesignInputs& in) { in.vypr = 1; }, TestCore(), TestMaterial(), WireTable{});
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(U8(r.res.text[kRWire1]), "?");
    EXPECT_EQ(U8(r.res.text[kRWire2]), "?");
    EXPECT_EQ(U8(r.res.text[kRFill]), "?");
    EXPECT_EQ(r.host.events, (std::vector<std::string>{kNoMin, "R", kGapAdj}));
    EXPECT_EQ(U8(r.in.d11), "0.63");
    EXPECT_EQ(U8(r.res.text[kRN1]), "26");
}

TEST(Calculate, DesiredDiameterIsReplacedWithMessageDuringTheRun) {
    Outcome r = Calculate([](DesignInputs& in) {
        in.d11 = u"0,6";
        in.d21 = u"7";
    });
    EXPECT_EQ(U8(r.in.d11), "0.63");
    EXPECT_EQ(U8(r.in.d21), "2.5");
    EXPECT_EQ(r.host.events,
              (std::vector<std::string>{kWarn + "Указанный желаемый диаметр 0.6 мм заменен на "
                                                "ближайший стандартный диаметр 0.63 мм",
                                        "R"}));
}

TEST(Calculate, MissingLossDataShowsQuestionMarksAndGoesOn) {
    MaterialLossData m = TestMaterial();
    m.lossTable[3][2] = 0;  // 100 kHz, 0.1 T: a lower corner of the default design
    Outcome r = Calculate({}, TestCore(), m);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(U8(r.res.text[kRLossW]), "?????");
    EXPECT_EQ(r.host.events, (std::vector<std::string>{kWarn + U8(msg::kNoLossData), "R"}));
    EXPECT_EQ(U8(r.res.text[kRBmAct]), "0.106");
}

TEST(Calculate, TransistorDropAboveFivePercentStops) {
    Outcome r = Calculate([](DesignInputs& in) { in.Rds = u"10"; });
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.res.calculated);
    EXPECT_EQ(U8(r.in.Unas), "17.223");
    EXPECT_EQ(r.host.events, (std::vector<std::string>{"R", kDrop}));
    EXPECT_TRUE(AllTextsEmpty(r.res));
}

TEST(Calculate, SupplyBelowTheSaturationVoltageStops) {
    // 260/2 V − 200 V ≤ 0; the saturation-voltage mode has no 5 % check.
    Outcome r = Calculate([](DesignInputs& in) {
        in.rds = 0;
        in.Unas = u"200";
    });
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(U8(r.in.Unas), "200");
    EXPECT_EQ(r.host.events, (std::vector<std::string>{"R", kDrop}));
    EXPECT_TRUE(AllTextsEmpty(r.res));
    // Just above the drop the run goes on.
    Outcome ok = Calculate([](DesignInputs& in) {
        in.rds = 0;
        in.Unas = u"20";
    });
    EXPECT_TRUE(ok.ok);
}

TEST(Calculate, EarlierResultsAreClearedByARunThatStops) {
    DesignInputs in;
    DesignResults res;
    EventLog host;
    ASSERT_TRUE(RunRecorded(in, res, TestCore(), TestMaterial(), TestWires(), host));
    ASSERT_FALSE(res.text[kRQmax].empty());
    in.Fr = u"0";
    EXPECT_FALSE(RunRecorded(in, res, TestCore(), TestMaterial(), TestWires(), host));
    EXPECT_TRUE(AllTextsEmpty(res));
    EXPECT_FALSE(res.calculated);
    EXPECT_EQ(res.N1, 0);
}

// Input check: each unusable number stops the run with its label, after a refresh.
struct InvalidCase {
    const char* name;
    std::function<void(DesignInputs&, CoreRecord&, MaterialLossData&)> spoil;
    std::u16string_view label;
};

class InvalidInput : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidInput, StopsWithItsLabel) {
    const InvalidCase& c = GetParam();
    DesignInputs in;
    CoreRecord core = TestCore();
    MaterialLossData m = TestMaterial();
    c.spoil(in, core, m);
    DesignResults res;
    res.text[kRQmax] = u"old";
    EventLog host;
    EXPECT_FALSE(RunRecorded(in, res, core, m, TestWires(), host));
    EXPECT_FALSE(res.calculated);
    EXPECT_TRUE(AllTextsEmpty(res));
    const std::string msg = kWarn + "Недопустимое значение: " + U8(c.label) + ".";
    EXPECT_EQ(host.events, (std::vector<std::string>{"R", msg}));
}

using D = DesignInputs;
using C = CoreRecord;
using M = MaterialLossData;

INSTANTIATE_TEST_SUITE_P(
    Cases, InvalidInput,
    testing::Values(
        InvalidCase{"NegativeGap", [](D& in, C&, M&) { in.zazor = u"-0.1"; }, kGapRadioLabel},
        InvalidCase{"ZeroAL",
                    [](D& in, C&, M&) {
                        in.yes_al = 1;
                        in.zazor = u"0";
                    },
                    kALRadioLabel},
        InvalidCase{"ZeroBm", [](D& in, C&, M&) { in.Bm = u"0"; }, u"Амплитуда индукции, Т"},
        InvalidCase{"TextFr", [](D& in, C&, M&) { in.Fr = u"abc"; }, u"Резонансная частота, кГц"},
        InvalidCase{"NegativeKL", [](D& in, C&, M&) { in.kL = u"-1"; },
                    u"Отношение индуктивностей Lm/Lr"},
        InvalidCase{"ZeroQ", [](D& in, C&, M&) { in.Q = u"0"; }, u"Добротность"},
        InvalidCase{"NegativeRds", [](D& in, C&, M&) { in.Rds = u"-1"; },
                    u"Сопротивление канала Rds(on), Ом"},
        InvalidCase{"NegativeUnas",
                    [](D& in, C&, M&) {
                        in.rds = 0;
                        in.Unas = u"-1";
                    },
                    u"Напряжение насыщения Uнас., В"},
        InvalidCase{"ZeroKo", [](D& in, C&, M&) { in.ko = u"0"; }, u"Коэффициент заполнения окна"},
        InvalidCase{"EmptyJ", [](D& in, C&, M&) { in.j = u""; }, u"Плотность тока, А/мм2"},
        InvalidCase{"ZeroUmin", [](D& in, C&, M&) { in.Umin = u"0"; },
                    u"Питание (мин., ном., макс.), В"},
        InvalidCase{"NegativeUmax", [](D& in, C&, M&) { in.Umax = u"-5"; },
                    u"Питание (мин., ном., макс.), В"},
        InvalidCase{"ZeroU2", [](D& in, C&, M&) { in.U2_1 = u"0"; }, u"Номинальное напряжение, В"},
        InvalidCase{"InfiniteI2", [](D& in, C&, M&) { in.I2_1 = u"1e999"; }, u"Номинальный ток, А"},
        InvalidCase{"NegativeUd", [](D& in, C&, M&) { in.Ud = u"-0.1"; },
                    u"Прямое падение на диодах, В"},
        InvalidCase{"CoreAe", [](D&, C& c, M&) { c.Ae = 0; }, u"Площадь сечения сердечника, Ae"},
        InvalidCase{"CoreAn", [](D&, C& c, M&) { c.An = std::nan(""); },
                    u"Площадь окна сердечника, An"},
        InvalidCase{"CoreLe", [](D&, C& c, M&) { c.le = -77; },
                    u"Длина средней линии сердечника, le"},
        InvalidCase{"CoreMu", [](D&, C& c, M&) { c.mu = 0; }, u"Эффективная проницаемость"},
        InvalidCase{"MaterialMu", [](D&, C&, M& m) { m.mu = 0; },
                    u"Магнитная проницаемость материала"},
        // The first unusable number in reading order is named.
        InvalidCase{"FirstOfSeveral",
                    [](D& in, C& c, M&) {
                        in.j = u"0";
                        in.Fr = u"0";
                        c.Ae = 0;
                    },
                    u"Резонансная частота, кГц"}),
    [](const testing::TestParamInfo<InvalidCase>& info) { return std::string(info.param.name); });

TEST(Calculate, BoundaryValuesThatAreAccepted) {
    // A gap of 0, a zero diode drop, a negative Rds in the saturation-voltage
    // mode and a negative Unas in the Rds(on) mode are not checked.
    for (auto setup : std::vector<std::function<void(DesignInputs&)>>{
             [](DesignInputs& in) { in.zazor = u"0"; }, [](DesignInputs& in) { in.Ud = u"0"; },
             [](DesignInputs& in) {
                 in.rds = 0;
                 in.Rds = u"-1";
             },
             [](DesignInputs& in) { in.Unas = u"-1"; }}) {
        Outcome r = Calculate(setup);
        EXPECT_TRUE(r.ok);
    }
}

struct InductanceCase {
    double value;
    const char* text;
    const char* unit;
};

class Inductance : public testing::TestWithParam<InductanceCase> {};

TEST_P(Inductance, MicroOrMilliHenry) {
    const InductanceText t = FormatInductance(GetParam().value);
    EXPECT_EQ(U8(t.value), GetParam().text);
    EXPECT_EQ(U8(t.unit), GetParam().unit);
}

INSTANTIATE_TEST_SUITE_P(Cases, Inductance,
                         testing::Values(InductanceCase{999.99, "999.99", "мкГн"},
                                         InductanceCase{1000, "1.000", "мГн"},
                                         InductanceCase{999.996, "1000.00", "мкГн"},
                                         InductanceCase{61.8305, "61.83", "мкГн"},
                                         InductanceCase{12205.4, "12.205", "мГн"},
                                         InductanceCase{std::nan(""), "?", "мкГн"},
                                         InductanceCase{HUGE_VAL, "?", "мкГн"}));

TEST(ResultTexts, IntegerPartNeverShowsMinusZeroOrNonFinite) {
    EXPECT_EQ(U8(FormatWholePart(395.77)), "395");
    EXPECT_EQ(U8(FormatWholePart(-0.4)), "0");
    EXPECT_EQ(U8(FormatWholePart(-12.9)), "-12");
    EXPECT_EQ(U8(FormatWholePart(HUGE_VAL)), "?");
    EXPECT_EQ(U8(FormatWholePart(std::nan(""))), "?");
    EXPECT_EQ(RoundUpWhole(22.87), 23);
    EXPECT_EQ(RoundUpWhole(23), 23);
    EXPECT_TRUE(std::isnan(RoundUpWhole(std::nan(""))));
}

}  // namespace
}  // namespace kelvara
