// The design check: every row's numbers and status for whole designs, each
// status boundary just below and above its threshold, and the cases without
// data. Expected numbers come from tests/calc/reference_check.py, an
// independent re-computation in Python doubles (python3 reference_check.py
// --json), not from this code.
#include "calc/design_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "calc/calculate.h"
#include "calc_test_support.h"

namespace kelvara {
namespace {

using test::TestCore;
using test::TestMaterial;
using test::TestWires;

constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

// The test material with its saturation flux density in mT, as material files give it.
MaterialLossData CheckMaterial() {
    MaterialLossData m = TestMaterial();
    m.Bmax = 390;
    return m;
}

struct CheckedRun {
    DesignInputs in;
    CalcReport report;
    DesignCheck check;
    DesignCheck lean;  // without the output voltage at the FHA frequencies
};

// The database's bobbin of the test core: width, height and mean turn length, mm (0: none).
struct BobbinKeys {
    double bw = 0, bh = 0, lw = 0;
};

CheckedRun CheckOf(const std::vector<std::pair<std::string, std::string>>& overrides,
                   double rthDatabase = 0, const MaterialLossData& m = CheckMaterial(),
                   BobbinKeys bobbin = {}) {
    CheckedRun r;
    for (const auto& [key, value] : overrides) {
        const FieldDef* f = FindField(FromUtf8(key));
        if (f->kind == FieldKind::Text) {
            r.in.*(f->text) = FromUtf8(value);
        } else {
            r.in.*(f->number) = static_cast<int32_t>(std::stoi(value));
        }
    }
    CoreRecord core = TestCore();
    core.Rth = rthDatabase;
    core.bw = bobbin.bw;
    core.bh = bobbin.bh;
    core.lw = bobbin.lw;
    r.report = RunCalculation(r.in, core, m, TestWires());
    r.check = CheckDesign(r.in, r.report.results, core, m);
    r.lean = CheckDesign(r.in, r.report.results, core, m, {.outputAtFhaFrequency = false});
    return r;
}

struct RowCase {
    const char* key;
    const char* status;
    std::vector<std::pair<const char*, double>> numbers;  // NaN: unknown (null)
};

struct CheckCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> overrides;
    double rthDatabase;
    std::vector<RowCase> rows;
    BobbinKeys bobbin = {};
};

class WholeDesign : public testing::TestWithParam<CheckCase> {};

TEST_P(WholeDesign, EveryRowHasTheReferenceNumbersAndStatus) {
    const CheckCase& c = GetParam();
    const CheckedRun r = CheckOf(c.overrides, c.rthDatabase, CheckMaterial(), c.bobbin);
    ASSERT_TRUE(r.check.done);
    // The reference rows, then the three rows of the time-domain model
    // (tests/calc/time_domain_test.cpp looks at those).
    ASSERT_EQ(r.check.rows.size(), c.rows.size() + 3);
    int errors = 0, warnings = 0;
    for (size_t i = c.rows.size(); i < r.check.rows.size(); ++i) {
        errors += r.check.rows[i].status == CheckStatus::Error;
        warnings += r.check.rows[i].status == CheckStatus::Warning;
    }
    for (size_t i = 0; i < c.rows.size(); ++i) {
        const RowCase& want = c.rows[i];
        const CheckRow& got = r.check.rows[i];
        SCOPED_TRACE(want.key);
        EXPECT_EQ(got.key, want.key);
        EXPECT_EQ(got.key, kCheckRowKeys[i]);
        EXPECT_EQ(StatusKey(got.status), want.status);
        errors += std::string(want.status) == "error";
        warnings += std::string(want.status) == "warning";
        ASSERT_EQ(got.numbers.size(), want.numbers.size());
        for (size_t k = 0; k < want.numbers.size(); ++k) {
            const auto& [name, value] = want.numbers[k];
            EXPECT_EQ(got.numbers[k].name, name);
            if (std::isnan(value)) {
                EXPECT_FALSE(got.numbers[k].known()) << name;
            } else {
                ASSERT_TRUE(got.numbers[k].known()) << name;
                EXPECT_NEAR(got.Number(name), value, 1e-9 * std::abs(value)) << name;
            }
        }
        // A row that is not fine says what to do.
        if (got.status != CheckStatus::Ok) {
            EXPECT_FALSE(got.note.empty());
        }
        EXPECT_FALSE(got.label.empty());
    }
    EXPECT_EQ(r.check.errors, errors);
    EXPECT_EQ(r.check.warnings, warnings);

    // The core adviser's lean check leaves the output voltage at the FHA
    // frequencies unknown and changes nothing else it keeps: every status,
    // every other number, the counts.
    ASSERT_EQ(r.lean.rows.size(), r.check.rows.size());
    EXPECT_EQ(r.lean.errors, r.check.errors);
    EXPECT_EQ(r.lean.warnings, r.check.warnings);
    for (size_t i = 0; i < r.check.rows.size(); ++i) {
        const CheckRow& full = r.check.rows[i];
        const CheckRow& lean = r.lean.rows[i];
        SCOPED_TRACE(full.key);
        EXPECT_EQ(lean.status, full.status);
        ASSERT_EQ(lean.numbers.size(), full.numbers.size());
        for (size_t k = 0; k < full.numbers.size(); ++k) {
            if (full.numbers[k].name == "uAtFha") {
                EXPECT_FALSE(lean.numbers[k].known());
            } else if (full.numbers[k].known()) {
                EXPECT_EQ(lean.numbers[k].value, full.numbers[k].value) << full.numbers[k].name;
            } else {
                EXPECT_FALSE(lean.numbers[k].known()) << full.numbers[k].name;
            }
        }
    }
}

// clang-format off
const std::vector<CheckCase> kReferenceCases = {
    {"default",
     {},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.452366140074693}, {"required", 1.2541232996833878}, {"margin", 0.1580728469372612}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 67.62000000001458}, {"margin", 0.20175485022671324}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15384035143088062}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4155406042796592}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.2275901286547}, {"I1AtFMin", 2.201426797633494}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 178.86563006760124}, {"rms", 2.201426797633494}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.11326530531277748}, {"R2", 0.003041529876930529}, {"P1", 0.7756254632518387}, {"P2", 0.6025527733733278}, {"layers1", 2.0}, {"layers2", 3.0}, {"acFactor1", 1.4130146373136019}, {"acFactor2", 1.982477310716095}, {"acFactor1Fr", 1.8707112139889568}, {"acFactor2Fr", 2.922110199403117}}},
      {"wind", "ok", {{"heightFill", 0.4782320381916515}, {"height", 2.7}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 2.96582395615817}, {"Lr", 61.83052700595644}, {"share", 0.04796698491462732}}},
      {"temp", "ok", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 2.7937188409048255}, {"rise", 39.64906860404784}, {"share", 0.012933883522707525}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     }},
    {"default, database Rth 12.5",
     {},
     12.5,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.452366140074693}, {"required", 1.2541232996833878}, {"margin", 0.1580728469372612}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 67.62000000001458}, {"margin", 0.20175485022671324}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15384035143088062}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4155406042796592}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.2275901286547}, {"I1AtFMin", 2.201426797633494}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 178.86563006760124}, {"rms", 2.201426797633494}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.11326530531277748}, {"R2", 0.003041529876930529}, {"P1", 0.7756254632518387}, {"P2", 0.6025527733733278}, {"layers1", 2.0}, {"layers2", 3.0}, {"acFactor1", 1.4130146373136019}, {"acFactor2", 1.982477310716095}, {"acFactor1Fr", 1.8707112139889568}, {"acFactor2Fr", 2.922110199403117}}},
      {"wind", "ok", {{"heightFill", 0.4782320381916515}, {"height", 2.7}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 2.96582395615817}, {"Lr", 61.83052700595644}, {"share", 0.04796698491462732}}},
      {"temp", "ok", {{"Rth", 12.5}, {"RthFromDatabase", 1}, {"losses", 2.7937188409048255}, {"rise", 34.921485511310316}, {"share", 0.012933883522707525}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     }},
    {"AL mode",
     {{"yes_al", "1"}, {"zazor", "2000"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "warning", {{"kL", 5.0}, {"kLact", 6.38493668284549}, {"deviation", 0.276987336569098}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 584.0}, {"required", 584.0}, {"ratio", 1.0}, {"alMode", 1}}},
      {"gain", "error", {{"peakGain", 1.2291438366035305}, {"required", 1.2541232996833878}, {"margin", -0.019917868590882182}}},
      {"zvs", "unknown", {{"xZeroPhase", 0.5895472451773509}, {"fZeroPhase", 58.95472451773509}, {"fMin", kUnknown}, {"margin", kUnknown}}},
      {"fctl", "ok", {{"fCtl", 49.18000000001661}, {"fZeroPhase", 58.95472451773509}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "unknown", {{"B", kUnknown}, {"Bsat", 0.39}}},
      {"pcore", "unknown", {{"atFMin", kUnknown}, {"atFMax", 0.842757340687534}}},
      {"currents", "unknown", {{"Ip", 2.174948760177549}, {"ImAtFMin", kUnknown}, {"I1AtFMin", kUnknown}, {"I1AtFMax", 1.685351622681424}, {"I1AtFr", 1.6988905179193967}}},
      {"vcr", "unknown", {{"amplitude", kUnknown}, {"rms", kUnknown}}},
      {"copper", "unknown", {{"MLT", 72.4752728186763}, {"R1", 0.11326530531277748}, {"R2", 0.003041529876930529}, {"P1", kUnknown}, {"P2", kUnknown}, {"layers1", 2.0}, {"layers2", 3.0}, {"acFactor1", kUnknown}, {"acFactor2", kUnknown}, {"acFactor1Fr", 1.8707112139889568}, {"acFactor2Fr", 2.922110199403117}}},
      {"wind", "ok", {{"heightFill", 0.4782320381916515}, {"height", 2.7}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 2.96582395615817}, {"Lr", 61.83052700595644}, {"share", 0.04796698491462732}}},
      {"temp", "unknown", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", kUnknown}, {"rise", kUnknown}, {"share", kUnknown}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     }},
    {"vypr 1",
     {{"vypr", "1"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.535161775939807}, {"deviation", -0.005380398702486633}}},
      {"kl", "warning", {{"kL", 5.0}, {"kLact", 6.401399956284928}, {"deviation", 0.28027999125698555}, {"N1", 26.0}, {"ALforKl", 224.587476022391}}},
      {"gap", "ok", {{"value", 0.74}, {"required", 0.7390938091372627}, {"ratio", 1.0012260836872588}, {"alMode", 0}}},
      {"gain", "error", {{"peakGain", 1.2416127737063232}, {"required", 1.2685720278440362}, {"margin", -0.021251654258474306}}},
      {"zvs", "unknown", {{"xZeroPhase", 0.5809461813864238}, {"fZeroPhase", 58.09461813864238}, {"fMin", kUnknown}, {"margin", kUnknown}}},
      {"fctl", "ok", {{"fCtl", 48.56000000001668}, {"fZeroPhase", 58.09461813864238}}},
      {"bfr", "ok", {{"BmAct", 0.10458957927420445}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "unknown", {{"B", kUnknown}, {"Bsat", 0.39}}},
      {"pcore", "unknown", {{"atFMin", kUnknown}, {"atFMax", 0.8679907313848269}}},
      {"currents", "unknown", {{"Ip", 4.349897520355098}, {"ImAtFMin", kUnknown}, {"I1AtFMin", kUnknown}, {"I1AtFMax", 3.3966539305111025}, {"I1AtFr", 3.407366604829867}}},
      {"vcr", "unknown", {{"amplitude", kUnknown}, {"rms", kUnknown}}},
      {"copper", "unknown", {{"MLT", 72.4752728186763}, {"R1", 0.04349387724010656}, {"R2", 0.0011152276215411938}, {"P1", kUnknown}, {"P2", kUnknown}, {"layers1", 4.0}, {"layers2", 8.0}, {"acFactor1", kUnknown}, {"acFactor2", kUnknown}, {"acFactor1Fr", 9.547322735371782}, {"acFactor2Fr", 30.52535468182571}}},
      {"wind", "error", {{"heightFill", 1.1955800954791285}, {"height", 6.749999999999999}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 7.350136598081819}, {"Lr", 30.364226758227264}, {"share", 0.2420656602457456}}},
      {"temp", "unknown", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", kUnknown}, {"rise", kUnknown}, {"share", kUnknown}}},
      {"fill", "warning", {{"fill", 0.42734900067214093}, {"limit", 0.3}}},
     }},
    {"vypr 2",
     {{"vypr", "2"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.25}, {"nDesign", 6.386280484744097}, {"deviation", -0.021339570829945753}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.132036207268385}, {"deviation", -0.17359275854632306}, {"N1", 25.0}, {"ALforKl", 478.9098671028346}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.31988670495226873}, {"ratio", 1.563053394402892}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.4686637171923962}, {"required", 1.2452449115801074}, {"margin", 0.17941756158536704}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5669355102972922}, {"fZeroPhase", 56.693551029729214}, {"fMin", 69.45000000001438}, {"margin", 0.22500705527505027}}},
      {"fctl", "ok", {{"fCtl", 51.64000000001634}, {"fZeroPhase", 56.693551029729214}}},
      {"bfr", "ok", {{"BmAct", 0.1097240136976167}, {"Bm", 0.12}, {"N1", 25.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15461850300294921}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4811563396363066}, {"atFMax", 0.9096207972299992}}},
      {"currents", "ok", {{"Ip", 2.261946710584651}, {"ImAtFMin", 2.328411978423909}, {"I1AtFMin", 2.295419924849554}, {"I1AtFMax", 1.9369666020607672}, {"I1AtFr", 1.9661329432626318}}},
      {"vcr", "ok", {{"amplitude", 175.81201896635548}, {"rms", 2.295419924849554}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.06970172634632461}, {"R2", 0.0022304552430823877}, {"P1", 0.8927534012325887}, {"P2", 0.4301520950273365}, {"layers1", 3.0}, {"layers2", 2.0}, {"acFactor1", 2.430880918291727}, {"acFactor2", 1.9298953165272084}, {"acFactor1Fr", 3.671785999138627}, {"acFactor2Fr", 2.7626512790071955}}},
      {"wind", "ok", {{"heightFill", 0.5136566336132553}, {"height", 2.9000000000000004}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 3.8729031651052352}, {"Lr", 59.863733387854325}, {"share", 0.06469531627793537}}},
      {"temp", "ok", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 2.8040618358962317}, {"rise", 39.795858650340676}, {"share", 0.01298176775877885}}},
      {"fill", "ok", {{"fill", 0.15592463538037576}, {"limit", 0.3}}},
     }},
    {"gap 2.0",
     {{"zazor", "2.0"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.571428571428571}, {"nDesign", 6.59419379119571}, {"deviation", -0.00345231282064129}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.416135186914985}, {"deviation", -0.11677296261700287}, {"N1", 46.0}, {"ALforKl", 146.10237950367778}}},
      {"gap", "warning", {{"value", 2.0}, {"required", 0.30717039769162024}, {"ratio", 6.511044081818959}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.4623456983069276}, {"required", 1.267904874405183}, {"margin", 0.15335600314097952}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5562944258084019}, {"fZeroPhase", 55.62944258084019}, {"fMin", 66.31000000001472}, {"margin", 0.19199468705180078}}},
      {"fctl", "ok", {{"fCtl", 50.39000000001648}, {"fZeroPhase", 55.62944258084019}}},
      {"bfr", "ok", {{"BmAct", 0.059649841706176536}, {"Bm", 0.12}, {"N1", 46.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.08964547095896828}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 0.3787680809576846}, {"atFMax", 0.2512216716047194}}},
      {"currents", "ok", {{"Ip", 2.1513080127843147}, {"ImAtFMin", 2.2502312182423725}, {"I1AtFMin", 2.2013253623013735}, {"I1AtFMax", 1.8467692092518457}, {"I1AtFr", 1.8512932090370917}}},
      {"vcr", "ok", {{"amplitude", 182.39084011013654}, {"rms", 2.2013253623013735}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.20039246324568324}, {"R2", 0.0053226772846284255}, {"P1", 2.201113712952375}, {"P2", 2.078140165259517}, {"layers1", 4.0}, {"layers2", 5.0}, {"acFactor1", 2.2666925707074803}, {"acFactor2", 3.9070585853775395}, {"acFactor1Fr", 3.721467755905959}, {"acFactor2Fr", 6.886575360407466}}},
      {"wind", "ok", {{"heightFill", 0.8324779924076895}, {"height", 4.699999999999999}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 17.8042173653692}, {"Lr", 61.83052700595644}, {"share", 0.28795189411298455}}},
      {"temp", "error", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 4.658021959169576}, {"rise", 66.10766606651798}, {"share", 0.021564916477636926}}},
      {"fill", "ok", {{"fill", 0.2798789455212789}, {"limit", 0.3}}},
     }},
    {"no minimum frequency",
     {{"Umin", "120"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "error", {{"peakGain", 1.452366140074693}, {"required", 2.7538605886498133}, {"margin", -0.47260723870311394}}},
      {"zvs", "unknown", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", kUnknown}, {"margin", kUnknown}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "unknown", {{"B", kUnknown}, {"Bsat", 0.39}}},
      {"pcore", "unknown", {{"atFMin", kUnknown}, {"atFMax", 0.8546908856908556}}},
      {"currents", "unknown", {{"Ip", 2.174948760177549}, {"ImAtFMin", kUnknown}, {"I1AtFMin", kUnknown}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "unknown", {{"amplitude", kUnknown}, {"rms", kUnknown}}},
      {"copper", "unknown", {{"MLT", 72.4752728186763}, {"R1", 0.11326530531277748}, {"R2", 0.003041529876930529}, {"P1", kUnknown}, {"P2", kUnknown}, {"layers1", 2.0}, {"layers2", 3.0}, {"acFactor1", kUnknown}, {"acFactor2", kUnknown}, {"acFactor1Fr", 1.8707112139889568}, {"acFactor2Fr", 2.922110199403117}}},
      {"wind", "ok", {{"heightFill", 0.4782320381916515}, {"height", 2.7}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 2.96582395615817}, {"Lr", 61.83052700595644}, {"share", 0.04796698491462732}}},
      {"temp", "unknown", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", kUnknown}, {"rise", kUnknown}, {"share", kUnknown}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     }},
    {"capacitive",
     {{"Umin", "230"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "warning", {{"peakGain", 1.452366140074693}, {"required", 1.4198139044036473}, {"margin", 0.02292711430003802}}},
      {"zvs", "error", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 55.6700000000159}, {"margin", -0.01062270759944084}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.18686338357742807}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.780901787683494}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.7057597359371344}, {"I1AtFMin", 2.4547441677307686}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 242.26062310630593}, {"rms", 2.4547441677307686}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.11326530531277748}, {"R2", 0.003041529876930529}, {"P1", 0.8755370971045505}, {"P2", 0.5130821938578439}, {"layers1", 2.0}, {"layers2", 3.0}, {"acFactor1", 1.2828183937938227}, {"acFactor2", 1.6881074203029103}, {"acFactor1Fr", 1.8707112139889568}, {"acFactor2Fr", 2.922110199403117}}},
      {"wind", "ok", {{"heightFill", 0.4782320381916515}, {"height", 2.7}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 2.96582395615817}, {"Lr", 61.83052700595644}, {"share", 0.04796698491462732}}},
      {"temp", "warning", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 3.1695210786458885}, {"rise", 44.98253612682986}, {"share", 0.01467370869743467}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     }},
    {"close to capacitive",
     {{"Umin", "234"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "warning", {{"peakGain", 1.452366140074693}, {"required", 1.3952360441626148}, {"margin", 0.040946545318334415}}},
      {"zvs", "warning", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 57.58000000001569}, {"margin", 0.023322157291601364}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.18066489343097528}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.7117031362630426}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.616006330316468}, {"I1AtFMin", 2.4056071197988347}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 229.53602385356498}, {"rms", 2.4056071197988347}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.11326530531277748}, {"R2", 0.003041529876930529}, {"P1", 0.8534751465049736}, {"P2", 0.5265873030136025}, {"layers1", 2.0}, {"layers2", 3.0}, {"acFactor1", 1.3021007166044352}, {"acFactor2", 1.732540993034053}, {"acFactor1Fr", 1.8707112139889568}, {"acFactor2Fr", 2.922110199403117}}},
      {"wind", "ok", {{"heightFill", 0.4782320381916515}, {"height", 2.7}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 2.96582395615817}, {"Lr", 61.83052700595644}, {"share", 0.04796698491462732}}},
      {"temp", "warning", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 3.0917655857816184}, {"rise", 43.879013171771675}, {"share", 0.014313729563803789}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     }},
    {"j 10",
     {{"j", "10"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.452366140074693}, {"required", 1.2541232996833878}, {"margin", 0.1580728469372612}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 67.62000000001458}, {"margin", 0.20175485022671324}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15384035143088062}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4155406042796592}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.2275901286547}, {"I1AtFMin", 2.201426797633494}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 178.86563006760124}, {"rms", 2.201426797633494}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.16989795796916624}, {"R2", 0.008712715793290577}, {"P1", 0.9643462290772289}, {"P2", 0.9407513398693864}, {"layers1", 2.0}, {"layers2", 2.0}, {"acFactor1", 1.1712142021153704}, {"acFactor2", 1.0805043523200852}, {"acFactor1Fr", 1.363542939881918}, {"acFactor2Fr", 1.1667642008325758}}},
      {"wind", "ok", {{"heightFill", 0.3453898053606372}, {"height", 1.95}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 2.4692110187278233}, {"Lr", 61.83052700595644}, {"share", 0.03993514430970242}}},
      {"temp", "warning", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 3.320638173226275}, {"rise", 47.12722297309873}, {"share", 0.015373324876047569}}},
      {"fill", "ok", {{"fill", 0.07391982714328925}, {"limit", 0.3}}},
     }},
    {"j 15",
     {{"j", "15"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.452366140074693}, {"required", 1.2541232996833878}, {"margin", 0.1580728469372612}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 67.62000000001458}, {"margin", 0.20175485022671324}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15384035143088062}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4155406042796592}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.2275901286547}, {"I1AtFMin", 2.201426797633494}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 178.86563006760124}, {"rms", 2.201426797633494}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.33979591593833247}, {"R2", 0.013069073689935864}, {"P1", 1.7116023746257938}, {"P2", 1.3534652599556158}, {"layers1", 1.0}, {"layers2", 1.0}, {"acFactor1", 1.0393844809526296}, {"acFactor2", 1.0363525706301384}, {"acFactor1Fr", 1.0844488539374184}, {"acFactor2Fr", 1.0767608625705087}}},
      {"wind", "ok", {{"heightFill", 0.18597912596342003}, {"height", 1.05}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 1.3631113534941715}, {"Lr", 61.83052700595644}, {"share", 0.02204592811189942}}},
      {"temp", "error", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 4.480608238861069}, {"rise", 63.589771758466156}, {"share", 0.02074355666139384}}},
      {"fill", "ok", {{"fill", 0.042873499743107765}, {"limit", 0.3}}},
     }},
    {"gap 0.05, Bm 0.25",
     {{"zazor", "0.05"}, {"Bm", "0.25"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 5.5325229451424365}, {"deviation", 0.10650458902848725}, {"N1", 13.0}, {"ALforKl", 1829.3055327206048}}},
      {"gap", "ok", {{"value", 0.05}, {"required", 0.02976660299331716}, {"ratio", 1.67973483609216}, {"alMode", 0}}},
      {"gain", "warning", {{"peakGain", 1.3012779284323857}, {"required", 1.2541232996833878}, {"margin", 0.03759967521606722}}},
      {"zvs", "warning", {{"xZeroPhase", 0.5728497886302188}, {"fZeroPhase", 57.284978863021884}, {"fMin", 57.99000000001564}, {"margin", 0.012307260140211884}}},
      {"fctl", "ok", {{"fCtl", 49.420000000016586}, {"fZeroPhase", 57.284978863021884}}},
      {"bfr", "ok", {{"BmAct", 0.21106867065262466}, {"Bm", 0.25}, {"N1", 13.0}, {"N1min", 11.0}}},
      {"bpk", "warning", {{"B", 0.35877511859822675}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 9.605013904107855}, {"atFMax", 4.575879998652588}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.031541813429508}, {"I1AtFMin", 2.104467183054931}, {"I1AtFMax", 1.733691781723523}, {"I1AtFr", 1.7490427015458043}}},
      {"vcr", "ok", {{"amplitude", 199.38242021005058}, {"rms", 2.104467183054931}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.05663265265638874}, {"R2", 0.0015207649384652645}, {"P1", 0.26698171235465984}, {"P2", 0.1800060535351125}, {"layers1", 1.0}, {"layers2", 2.0}, {"acFactor1", 1.0644623236658033}, {"acFactor2", 1.1844868456154507}, {"acFactor1Fr", 1.1818558720011767}, {"acFactor2Fr", 1.4782919323109789}}},
      {"wind", "ok", {{"heightFill", 0.3011090610836324}, {"height", 1.7}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 0.4180839220786522}, {"Lr", 61.83052700595644}, {"share", 0.006761771932469152}}},
      {"temp", "error", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 10.052001669997628}, {"rise", 142.66020545312168}, {"share", 0.046537044768507535}}},
      {"fill", "ok", {{"fill", 0.07964861374689416}, {"limit", 0.3}}},
     }},
    {"gap 0.05, Bm 0.3, 48 V",
     {{"zazor", "0.05"}, {"Bm", "0.3"}, {"U2_1", "48"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 3.3333333333333335}, {"nDesign", 3.3221155257277037}, {"deviation", 0.0033767060533431703}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.664345633352284}, {"deviation", -0.06713087332954315}, {"N1", 10.0}, {"ALforKl", 1543.9994567342487}}},
      {"gap", "ok", {{"value", 0.09}, {"required", 0.0801971708513902}, {"ratio", 1.1222341018335293}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.4398233205754638}, {"required", 1.2796384691000653}, {"margin", 0.1251797717429144}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5523459750621016}, {"fZeroPhase", 55.23459750621016}, {"fMin", 63.91000000001499}, {"margin", 0.15706464581061597}}},
      {"fctl", "ok", {{"fCtl", 49.67000000001656}, {"fZeroPhase", 55.23459750621016}}},
      {"bfr", "ok", {{"BmAct", 0.2720121437173019}, {"Bm", 0.3}, {"N1", 10.0}, {"N1min", 10.0}}},
      {"bpk", "error", {{"B", 0.42705468435223115}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 16.51626679464211}, {"atFMax", 9.243853710662789}}},
      {"currents", "ok", {{"Ip", 4.241150082346221}, {"ImAtFMin", 4.417757724175439}, {"I1AtFMin", 4.3303543348378035}, {"I1AtFMax", 3.6115327586855135}, {"I1AtFr", 3.6026989361466932}}},
      {"vcr", "ok", {{"amplitude", 185.92021880011805}, {"rms", 4.3303543348378035}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.021781789483226437}, {"R2", 0.002281147407697897}, {"P1", 0.497034312610941}, {"P2", 0.3413027697142055}, {"layers1", 2.0}, {"layers2", 2.0}, {"acFactor1", 1.2168749364171851}, {"acFactor2", 1.4972409099924626}, {"acFactor1Fr", 1.5187496799460631}, {"acFactor2Fr", 2.0764876832664143}}},
      {"wind", "ok", {{"heightFill", 0.38081440078224105}, {"height", 2.1500000000000004}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 0.4116518617389806}, {"Lr", 30.879989134684973}, {"share", 0.013330699694988093}}},
      {"temp", "error", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 17.354603876967257}, {"rise", 246.30033260293672}, {"share", 0.04017269415964643}}},
      {"fill", "ok", {{"fill", 0.12058171802749058}, {"limit", 0.3}}},
     }},
    {"interleaved",
     {{"inter", "1"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.452366140074693}, {"required", 1.2541232996833878}, {"margin", 0.1580728469372612}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 67.62000000001458}, {"margin", 0.20175485022671324}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15384035143088062}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4155406042796592}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.2275901286547}, {"I1AtFMin", 2.201426797633494}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 178.86563006760124}, {"rms", 2.201426797633494}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.11326530531277748}, {"R2", 0.003041529876930529}, {"P1", 0.5965565034434661}, {"P2", 0.37990502532534154}, {"layers1", 2.0}, {"layers2", 3.0}, {"acFactor1", 1.0867913848730153}, {"acFactor2", 1.2499371444563525}, {"acFactor1Fr", 1.1818558720011767}, {"acFactor2Fr", 1.5018526055199912}}},
      {"wind", "ok", {{"heightFill", 0.5048004847578543}, {"height", 2.85}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 0.905585551974137}, {"Lr", 61.83052700595644}, {"share", 0.01464625316693318}}},
      {"temp", "ok", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 2.392002133048467}, {"rise", 33.947817255493966}, {"share", 0.01107408394929846}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     }},
    {"litz",
     {{"litz1d", "0.1"}, {"litz1n", "30"}, {"litz2d", "0.1"}, {"litz2n", "150"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.452366140074693}, {"required", 1.2541232996833878}, {"margin", 0.1580728469372612}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 67.62000000001458}, {"margin", 0.20175485022671324}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15384035143088062}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4155406042796592}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.2275901286547}, {"I1AtFMin", 2.201426797633494}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 178.86563006760124}, {"rms", 2.201426797633494}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.18122448850044398}, {"R2", 0.005576138107705968}, {"P1", 0.8884595216458914}, {"P2", 0.5671458948121348}, {"layers1", 2.0}, {"layers2", 1.0}, {"acFactor1", 1.0116080249310566}, {"acFactor2", 1.0178094853784345}, {"acFactor1Fr", 1.0253838118433136}, {"acFactor2Fr", 1.0389250281551414}}},
      {"wind", "ok", {{"heightFill", 0.738370241384015}, {"height", 4.16868693966067}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 5.577676917577259}, {"Lr", 61.83052700595644}, {"share", 0.09020911170690707}}},
      {"temp", "warning", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 2.8711460207376858}, {"rise", 40.74793206878245}, {"share", 0.013292342688600398}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     }},
    {"litz interleaved bridge",
     {{"vypr", "2"}, {"inter", "1"}, {"litz1d", "0.071"}, {"litz1n", "40"}},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.25}, {"nDesign", 6.386280484744097}, {"deviation", -0.021339570829945753}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.132036207268385}, {"deviation", -0.17359275854632306}, {"N1", 25.0}, {"ALforKl", 478.9098671028346}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.31988670495226873}, {"ratio", 1.563053394402892}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.4686637171923962}, {"required", 1.2452449115801074}, {"margin", 0.17941756158536704}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5669355102972922}, {"fZeroPhase", 56.693551029729214}, {"fMin", 69.45000000001438}, {"margin", 0.22500705527505027}}},
      {"fctl", "ok", {{"fCtl", 51.64000000001634}, {"fZeroPhase", 56.693551029729214}}},
      {"bfr", "ok", {{"BmAct", 0.1097240136976167}, {"Bm", 0.12}, {"N1", 25.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15461850300294921}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4811563396363066}, {"atFMax", 0.9096207972299992}}},
      {"currents", "ok", {{"Ip", 2.261946710584651}, {"ImAtFMin", 2.328411978423909}, {"I1AtFMin", 2.295419924849554}, {"I1AtFMax", 1.9369666020607672}, {"I1AtFr", 1.9661329432626318}}},
      {"vcr", "ok", {{"amplitude", 175.81201896635548}, {"rms", 2.295419924849554}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.2592555780586365}, {"R2", 0.0022304552430823877}, {"P1", 1.3672227884730421}, {"P2", 0.2669810615899563}, {"layers1", 2.0}, {"layers2", 2.0}, {"acFactor1", 1.0008912324155295}, {"acFactor2", 1.1978216689405516}, {"acFactor1Fr", 1.0018477112960027}, {"acFactor2Fr", 1.3767371251384954}}},
      {"wind", "ok", {{"heightFill", 0.5610048146647871}, {"height", 3.167318118883336}, {"bw", 20.324861623145186}, {"bh", 5.645794895318107}, {"estimated", 1}}},
      {"leak", "ok", {{"leakage", 0.8814596843151775}, {"Lr", 59.863733387854325}, {"share", 0.01472443555439888}}},
      {"temp", "warning", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 3.1153601896993046}, {"rise", 44.213872949255475}, {"share", 0.014422963841200485}}},
      {"fill", "ok", {{"fill", 0.15592463538037576}, {"limit", 0.3}}},
     }},
    {"bobbin given",
     {},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.452366140074693}, {"required", 1.2541232996833878}, {"margin", 0.1580728469372612}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 67.62000000001458}, {"margin", 0.20175485022671324}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15384035143088062}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4155406042796592}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.2275901286547}, {"I1AtFMin", 2.201426797633494}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 178.86563006760124}, {"rms", 2.201426797633494}}},
      {"copper", "ok", {{"MLT", 75.0}, {"R1", 0.11721098200915284}, {"R2", 0.0031474837126933357}, {"P1", 0.7361844566928893}, {"P2", 0.542605644723881}, {"layers1", 2.0}, {"layers2", 3.0}, {"acFactor1", 1.2960144439283403}, {"acFactor2", 1.7251467275929226}, {"acFactor1Fr", 1.631734904925297}, {"acFactor2Fr", 2.4584490989501044}}},
      {"wind", "ok", {{"heightFill", 0.4153846153846154}, {"height", 2.7}, {"bw", 24.0}, {"bh", 6.5}, {"estimated", 0}}},
      {"leak", "ok", {{"leakage", 2.7051894365903486}, {"Lr", 61.83052700595644}, {"share", 0.04375168007754073}}},
      {"temp", "ok", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 2.6943307056964296}, {"rise", 38.23853045911777}, {"share", 0.0124737532671131}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     },
     {24.0, 6.5, 75.0}},
    {"bobbin too low",
     {},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.452366140074693}, {"required", 1.2541232996833878}, {"margin", 0.1580728469372612}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 67.62000000001458}, {"margin", 0.20175485022671324}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15384035143088062}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4155406042796592}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.2275901286547}, {"I1AtFMin", 2.201426797633494}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 178.86563006760124}, {"rms", 2.201426797633494}}},
      {"copper", "ok", {{"MLT", 72.4752728186763}, {"R1", 0.11326530531277748}, {"R2", 0.003041529876930529}, {"P1", 0.7826954602825362}, {"P2", 0.6113270275783401}, {"layers1", 2.0}, {"layers2", 3.0}, {"acFactor1", 1.4258945771343703}, {"acFactor2", 2.0113457528651693}, {"acFactor1Fr", 1.89348933669686}, {"acFactor2Fr", 2.972571281212412}}},
      {"wind", "error", {{"heightFill", 1.8}, {"height", 2.7}, {"bw", 20.0}, {"bh", 1.5}, {"estimated", 0}}},
      {"leak", "ok", {{"leakage", 2.956620753643365}, {"Lr", 61.83052700595644}, {"share", 0.04781813930453058}}},
      {"temp", "ok", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", 2.8095630921405355}, {"rise", 39.87393368174512}, {"share", 0.013007236537687664}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     },
     {20.0, 1.5, 0.0}},
    {"bobbin too narrow",
     {},
     0.0,
     {
      {"ratio", "ok", {{"n", 6.5}, {"nDesign", 6.59419379119571}, {"deviation", -0.014284352898677799}}},
      {"kl", "ok", {{"kL", 5.0}, {"kLact", 4.327047342264267}, {"deviation", -0.13459053154714662}, {"N1", 26.0}, {"ALforKl", 457.3263831801512}}},
      {"gap", "ok", {{"value", 0.5}, {"required", 0.3071703976847438}, {"ratio", 1.6277610204911794}, {"alMode", 0}}},
      {"gain", "ok", {{"peakGain", 1.452366140074693}, {"required", 1.2541232996833878}, {"margin", 0.1580728469372612}}},
      {"zvs", "ok", {{"xZeroPhase", 0.5626771548894347}, {"fZeroPhase", 56.26771548894347}, {"fMin", 67.62000000001458}, {"margin", 0.20175485022671324}}},
      {"fctl", "ok", {{"fCtl", 50.97000000001641}, {"fZeroPhase", 56.26771548894347}}},
      {"bfr", "ok", {{"BmAct", 0.10553433532631233}, {"Bm", 0.12}, {"N1", 26.0}, {"N1min", 23.0}}},
      {"bpk", "ok", {{"B", 0.15384035143088062}, {"Bsat", 0.39}}},
      {"pcore", "ok", {{"atFMin", 1.4155406042796592}, {"atFMax", 0.8546908856908556}}},
      {"currents", "ok", {{"Ip", 2.174948760177549}, {"ImAtFMin", 2.2275901286547}, {"I1AtFMin", 2.201426797633494}, {"I1AtFMax", 1.8520787022246334}, {"I1AtFr", 1.8707393043403124}}},
      {"vcr", "ok", {{"amplitude", 178.86563006760124}, {"rms", 2.201426797633494}}},
      {"copper", "unknown", {{"MLT", 72.4752728186763}, {"R1", 0.11326530531277748}, {"R2", 0.003041529876930529}, {"P1", kUnknown}, {"P2", kUnknown}, {"layers1", kUnknown}, {"layers2", kUnknown}, {"acFactor1", kUnknown}, {"acFactor2", kUnknown}, {"acFactor1Fr", kUnknown}, {"acFactor2Fr", kUnknown}}},
      {"wind", "error", {{"heightFill", kUnknown}, {"height", kUnknown}, {"bw", 4.0}, {"bh", 20.0}, {"estimated", 0}}},
      {"leak", "unknown", {{"leakage", kUnknown}, {"Lr", 61.83052700595644}, {"share", kUnknown}}},
      {"temp", "unknown", {{"Rth", 14.192218638295884}, {"RthFromDatabase", 0}, {"losses", kUnknown}, {"rise", kUnknown}, {"share", kUnknown}}},
      {"fill", "ok", {{"fill", 0.15929722749378833}, {"limit", 0.3}}},
     },
     {4.0, 20.0, 0.0}}
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Reference, WholeDesign, testing::ValuesIn(kReferenceCases),
                         [](const testing::TestParamInfo<CheckCase>& info) {
                             std::string name;
                             for (char ch : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

// --- Status boundaries ------------------------------------------------------
// Each case starts from the default design's finished run and moves one
// number of the run just across a threshold.

struct Boundary {
    const char* name;
    const char* key;
    std::function<void(DesignResults&, DesignInputs&, CoreRecord&, MaterialLossData&)> move;
    CheckStatus want;
};

class StatusBoundary : public testing::TestWithParam<Boundary> {};

TEST_P(StatusBoundary, GivesTheStatus) {
    const Boundary& b = GetParam();
    DesignInputs in;
    CoreRecord core = TestCore();
    MaterialLossData m = CheckMaterial();
    DesignResults res = RunCalculation(in, core, m, TestWires()).results;
    b.move(res, in, core, m);
    const DesignCheck check = CheckDesign(in, res, core, m);
    const CheckRow* row = check.Row(b.key);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(StatusKey(row->status), StatusKey(b.want));
}

using R = DesignResults;
using I = DesignInputs;
using C = CoreRecord;
using M = MaterialLossData;
constexpr CheckStatus kOk = CheckStatus::Ok, kWarn = CheckStatus::Warning,
                      kErr = CheckStatus::Error, kUnk = CheckStatus::Unknown;

// The zero-phase point of the default run (k = 4.327…, q = 0.4117…).
double DefaultZeroPhase() {
    DesignInputs in;
    const R res = RunCalculation(in, TestCore(), CheckMaterial(), TestWires()).results;
    return check::ZeroPhasePoint(res.kLact, res.Qact);
}

// The default run's flux at fMin, T, and its losses, W (core at fMin + copper).
const CheckRow& DefaultRow(const char* key) {
    static const CheckedRun r = CheckOf({});
    return *r.check.Row(key);
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, StatusBoundary,
    testing::Values(
        // n = 6.5: deviation n/nDesign − 1 around ±5 %.
        Boundary{"RatioJustInside", "ratio", [](R& r, I&, C&, M&) { r.nDesign = 6.5 / 1.049; },
                 kOk},
        Boundary{"RatioJustOutside", "ratio", [](R& r, I&, C&, M&) { r.nDesign = 6.5 / 1.051; },
                 kWarn},
        Boundary{"RatioBelowInside", "ratio", [](R& r, I&, C&, M&) { r.nDesign = 6.5 / 0.951; },
                 kOk},
        Boundary{"RatioBelowOutside", "ratio", [](R& r, I&, C&, M&) { r.nDesign = 6.5 / 0.949; },
                 kWarn},
        // kLact/kL − 1 around ±20 %.
        Boundary{"KlJustInside", "kl", [](R& r, I&, C&, M&) { r.kL = r.kLact / 1.199; }, kOk},
        Boundary{"KlJustOutside", "kl", [](R& r, I&, C&, M&) { r.kL = r.kLact / 1.201; }, kWarn},
        Boundary{"KlBelowOutside", "kl", [](R& r, I&, C&, M&) { r.kL = r.kLact / 0.799; }, kWarn},
        // The entered gap 0.5 mm against the required gap: ratio around 2.
        Boundary{"GapTwiceJustUnder", "gap", [](R& r, I&, C&, M&) { r.gapReq = 0.5 / 1.999; }, kOk},
        Boundary{"GapTwiceJustOver", "gap", [](R& r, I&, C&, M&) { r.gapReq = 0.5 / 2.001; },
                 kWarn},
        Boundary{"GapNoneRequired", "gap", [](R& r, I&, C&, M&) { r.gapReq = 0; }, kUnk},
        // AL mode: the largest usable AL over the entered one.
        Boundary{"ALHalfJustOver", "gap",
                 [](R& r, I& in, C&, M&) {
                     in.yes_al = 1;
                     in.zazor = u"1000";
                     r.gapReq = 1999;
                 },
                 kOk},
        Boundary{"ALHalfJustUnder", "gap",
                 [](R& r, I& in, C&, M&) {
                     in.yes_al = 1;
                     in.zazor = u"1000";
                     r.gapReq = 2001;
                 },
                 kWarn},
        // Peak gain over the gain needed: margin around 10 %.
        Boundary{
            "GainMarginJustEnough", "gain",
            [](R& r, I&, C&, M&) { r.MreqMin = DefaultRow("gain").Number("peakGain") / 1.101; },
            kOk},
        Boundary{
            "GainMarginJustShort", "gain",
            [](R& r, I&, C&, M&) { r.MreqMin = DefaultRow("gain").Number("peakGain") / 1.099; },
            kWarn},
        Boundary{"GainNoMinimumFrequency", "gain", [](R& r, I&, C&, M&) { r.xMinFound = false; },
                 kErr},
        Boundary{"GainNoPeak", "gain", [](R& r, I&, C&, M&) { r.xPeakFound = false; }, kUnk},
        // xMin against the zero-phase point: margin around 5 %, then at and below it.
        Boundary{"ZvsMarginJustEnough", "zvs",
                 [](R& r, I&, C&, M&) { r.xMin = DefaultZeroPhase() * 1.051; }, kOk},
        Boundary{"ZvsMarginJustShort", "zvs",
                 [](R& r, I&, C&, M&) { r.xMin = DefaultZeroPhase() * 1.049; }, kWarn},
        Boundary{"ZvsAtTheBoundary", "zvs", [](R& r, I&, C&, M&) { r.xMin = DefaultZeroPhase(); },
                 kErr},
        Boundary{"ZvsBelowTheBoundary", "zvs",
                 [](R& r, I&, C&, M&) { r.xMin = DefaultZeroPhase() * 0.999; }, kErr},
        Boundary{"ZvsNoMinimumFrequency", "zvs", [](R& r, I&, C&, M&) { r.xMinFound = false; },
                 kUnk},
        Boundary{"ZvsNoZeroPhasePoint", "zvs", [](R& r, I&, C&, M&) { r.Qact = 0; }, kUnk},
        Boundary{"FctlNoPeak", "fctl", [](R& r, I&, C&, M&) { r.xPeakFound = false; }, kUnk},
        // BmAct against 1.05·Bm.
        Boundary{"FluxAtFrJustUnder", "bfr", [](R& r, I&, C&, M&) { r.BmAct = 1.049 * r.Bm; }, kOk},
        Boundary{"FluxAtFrJustOver", "bfr", [](R& r, I&, C&, M&) { r.BmAct = 1.051 * r.Bm; },
                 kWarn},
        // B(fMin) against Bsat: the material's Bmax (mT) moves the limit.
        Boundary{"SaturationFarBelow", "bpk",
                 [](R&, I&, C&, M& m) { m.Bmax = 1000 * DefaultRow("bpk").Number("B") / 0.799; },
                 kOk},
        Boundary{"SaturationJustOverShare", "bpk",
                 [](R&, I&, C&, M& m) { m.Bmax = 1000 * DefaultRow("bpk").Number("B") / 0.801; },
                 kWarn},
        Boundary{"SaturationReached", "bpk",
                 [](R&, I&, C&, M& m) { m.Bmax = 1000 * DefaultRow("bpk").Number("B") * 0.999; },
                 kErr},
        Boundary{"SaturationUnknown", "bpk", [](R&, I&, C&, M& m) { m.Bmax = 0; }, kUnk},
        // Temperature rise through the core's database Rth: around 40 K and 60 K.
        Boundary{"RiseJustUnder40", "temp",
                 [](R&, I&, C& c, M&) { c.Rth = 39.9 / DefaultRow("temp").Number("losses"); }, kOk},
        Boundary{"RiseJustOver40", "temp",
                 [](R&, I&, C& c, M&) { c.Rth = 40.1 / DefaultRow("temp").Number("losses"); },
                 kWarn},
        Boundary{"RiseJustUnder60", "temp",
                 [](R&, I&, C& c, M&) { c.Rth = 59.9 / DefaultRow("temp").Number("losses"); },
                 kWarn},
        Boundary{"RiseJustOver60", "temp",
                 [](R&, I&, C& c, M&) { c.Rth = 60.1 / DefaultRow("temp").Number("losses"); },
                 kErr},
        Boundary{"RiseWithoutWire", "temp", [](R& r, I&, C&, M&) { r.wire1.chosen = false; }, kUnk},
        Boundary{"CopperWithoutWire", "copper", [](R& r, I&, C&, M&) { r.wire2.chosen = false; },
                 kUnk},
        // Window fill around 0.3.
        Boundary{"FillJustUnder", "fill", [](R& r, I&, C&, M&) { r.fill = 0.2999; }, kOk},
        Boundary{"FillJustOver", "fill", [](R& r, I&, C&, M&) { r.fill = 0.3001; }, kWarn},
        Boundary{"FillUnknown", "fill", [](R& r, I&, C&, M&) { r.fill = kUnknown; }, kUnk}),
    [](const testing::TestParamInfo<Boundary>& info) { return std::string(info.param.name); });

TEST(DesignCheck, CoreLossWithoutTableDataIsUnknown) {
    MaterialLossData m = CheckMaterial();
    // A table without any cell: no loss can be estimated at either corner.
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j) m.lossTable[i][j] = 0;
    const CheckedRun r = CheckOf({}, 0, m);
    EXPECT_EQ(r.check.Row("pcore")->status, CheckStatus::Unknown);
    EXPECT_FALSE(r.check.Row("pcore")->numbers[0].known());
    EXPECT_EQ(r.check.Row("temp")->status, CheckStatus::Unknown);
}

TEST(DesignCheck, ThermalResistanceFromTheDatabaseOrTheEstimate) {
    const CheckedRun estimated = CheckOf({}, 0);
    const CheckedRun given = CheckOf({}, 12.5);
    // 53·Ve^-0.54 with Ve = 77·149/1000 cm³.
    EXPECT_NEAR(estimated.check.Row("temp")->Number("Rth"), 53 * std::pow(11.473, -0.54), 1e-12);
    EXPECT_EQ(estimated.check.Row("temp")->Number("RthFromDatabase"), 0);
    EXPECT_EQ(given.check.Row("temp")->Number("Rth"), 12.5);
    EXPECT_EQ(given.check.Row("temp")->Number("RthFromDatabase"), 1);
}

TEST(DesignCheck, ARunThatStoppedEarlyHasNoRows) {
    for (const auto& overrides : std::vector<std::vector<std::pair<std::string, std::string>>>{
             {{"Fr", "0"}}, {{"Rds", "50"}}}) {
        const CheckedRun r = CheckOf(overrides);
        EXPECT_FALSE(r.report.completed);
        EXPECT_FALSE(r.check.done);
        EXPECT_TRUE(r.check.rows.empty());
        EXPECT_EQ(CheckSummary(r.check), u"");
    }
}

TEST(DesignCheck, SummaryCountsInRussian) {
    struct Case {
        int errors, warnings;
        std::u16string_view text;
    };
    const Case cases[] = {
        {0, 0, u"Проверка проекта: замечаний нет"},
        {1, 0, u"Проверка проекта: 1 ошибка"},
        {0, 2, u"Проверка проекта: 2 предупреждения"},
        {5, 1, u"Проверка проекта: 5 ошибок, 1 предупреждение"},
        {11, 21, u"Проверка проекта: 11 ошибок, 21 предупреждение"},
        {22, 14, u"Проверка проекта: 22 ошибки, 14 предупреждений"},
    };
    for (const Case& c : cases) {
        DesignCheck check;
        check.done = true;
        check.errors = c.errors;
        check.warnings = c.warnings;
        EXPECT_EQ(CheckSummary(check), c.text);
    }
}

TEST(DesignCheck, ZeroPhasePointNeedsAPositiveTank) {
    EXPECT_TRUE(std::isnan(check::ZeroPhasePoint(0, 0.4)));
    EXPECT_TRUE(std::isnan(check::ZeroPhasePoint(5, -1)));
    EXPECT_TRUE(std::isnan(check::ZeroPhasePoint(std::numeric_limits<double>::infinity(), 0.4)));
    // At the point the tank's reactance vanishes: h(x) = (x − 1/x) + xk/(1 + (xkq)²).
    const double k = 5, q = 0.5, x = check::ZeroPhasePoint(k, q);
    ASSERT_TRUE(std::isfinite(x));
    const double t = x * k * q;
    EXPECT_NEAR((x - 1 / x) + (x * k) / (1 + t * t), 0, 1e-12);
    EXPECT_LT(x, 1);
}

}  // namespace
}  // namespace kelvara
