// The core adviser: the order of the ranking, the candidates of a small
// database made here, and that each candidate is the run the window makes
// for that core and material.
#include "calc/core_adviser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "calc_test_support.h"
#include "refdata/core_database.h"

namespace kelvara {
namespace {

using test::TestMaterial;
using test::TestWires;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A candidate with only the numbers the ranking reads.
Candidate Made(const char* name, bool calculated, int errors, int warnings, double Ve,
               double losses) {
    Candidate c;
    c.core = FromUtf8(name);
    c.completed = calculated;
    c.errors = errors;
    c.warnings = warnings;
    c.Ve = Ve;
    c.losses = losses;
    return c;
}

// The same with its time-domain verdict: soft switching at both corners
// (fTd found), hard switching, or a model that found no frequency.
enum class Td { Passes, Hard, NoFrequency };
Candidate WithTd(Candidate c, Td td) {
    c.fTdMin = td == Td::NoFrequency ? kNaN : 70;
    c.fTdMax = 100;
    c.soft = td == Td::Hard ? Candidate::Soft::No : Candidate::Soft::Yes;
    return c;
}

struct RankCase {
    const char* name;
    std::vector<Candidate> candidates;  // in database order
    std::vector<std::string> ranked;
};

class Ranking : public testing::TestWithParam<RankCase> {};

TEST_P(Ranking, OrdersByErrorsWarningsVolumeLosses) {
    std::vector<Candidate> c = GetParam().candidates;
    for (size_t i = 0; i < c.size(); ++i) c[i].order = i;
    RankCandidates(c);
    std::vector<std::string> names;
    for (const Candidate& x : c) names.push_back(ToUtf8(x.core));
    EXPECT_EQ(names, GetParam().ranked);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Ranking,
    testing::Values(
        RankCase{
            "ErrorsBeforeWarningsBeforeVolume",
            {Made("small with error", true, 1, 0, 1, 1), Made("big clean", true, 0, 0, 30, 5),
             Made("mid with two warnings", true, 0, 2, 5, 2),
             Made("mid with one warning", true, 0, 1, 10, 2)},
            {"big clean", "mid with one warning", "mid with two warnings", "small with error"}},
        RankCase{"SmallestPassingCoreFirstThenLowerLosses",
                 {Made("E 55", true, 0, 0, 20, 1), Made("E 25", true, 0, 0, 5, 3),
                  Made("E 25 twin", true, 0, 0, 5, 2), Made("unknown losses", true, 0, 0, 5, kNaN)},
                 {"E 25 twin", "E 25", "unknown losses", "E 55"}},
        RankCase{"StoppedRunsLastInDatabaseOrder",
                 {Made("stopped b", false, 0, 0, 1, 1), Made("fine", true, 3, 3, 99, 99),
                  Made("stopped a", false, 0, 0, 0.5, 0.1)},
                 {"fine", "stopped b", "stopped a"}},
        RankCase{"TimeDomainFailuresRankBelowPasses",
                 {WithTd(Made("hard, clean", true, 0, 0, 1, 1), Td::Hard),
                  WithTd(Made("passes, one error", true, 1, 0, 50, 9), Td::Passes),
                  WithTd(Made("no fTd, clean", true, 0, 0, 2, 1), Td::NoFrequency),
                  WithTd(Made("passes, clean", true, 0, 0, 60, 9), Td::Passes),
                  WithTd(Made("stopped", false, 0, 0, 0, 0), Td::Passes)},
                 {"passes, clean", "passes, one error", "hard, clean", "no fTd, clean", "stopped"}},
        RankCase{"TiesKeepDatabaseOrder",
                 {Made("first", true, 0, 1, 5, 2), Made("second", true, 0, 1, 5, 2),
                  Made("third", true, 0, 1, 5, 2)},
                 {"first", "second", "third"}}),
    [](const testing::TestParamInfo<RankCase>& info) { return std::string(info.param.name); });

// Three cores of one family and one of another, and a record without data.
const Text kDatabase =
    u"[E 20/10/6]\r\nAe = 32\r\nAn = 47\r\nle = 43\r\nmu = 1500\r\n\r\n"
    u"[E 40/16/12]\r\nAe = 149\r\nAn = 170\r\nle = 77\r\nmu = 1750\r\n\r\n"
    u"[ETD 34/17/11]\r\nAe = 97\r\nAn = 171\r\nle = 79\r\nmu = 1600\r\n\r\n"
    u"[E 65/32/27]\r\nAe = 540\r\nAn = 537\r\nle = 147\r\nmu = 2100\r\n\r\n"
    u"[E 99 broken]\r\nAe = 0\r\nAn = 0\r\nle = 0\r\nmu = 0\r\n\r\n";

std::vector<NamedMaterial> OneMaterial() {
    NamedMaterial m{u"Test", TestMaterial()};
    m.data.Bmax = 390;
    return {m};
}

TEST(Adviser, EveryCoreOfTheDatabaseInItsOrder) {
    const std::vector<Text> names = CoreDatabase(kDatabase).AllNames();
    const std::vector<Text> want = {u"E 20/10/6", u"E 40/16/12", u"ETD 34/17/11", u"E 65/32/27",
                                    u"E 99 broken"};
    EXPECT_EQ(names, want);
}

TEST(Adviser, EachCandidateIsTheWindowsRunWithItsGapSettled) {
    for (int32_t alMode : {0, 1}) {
        SCOPED_TRACE(alMode);
        DesignInputs current;
        current.yes_al = alMode;
        current.zazor = alMode ? u"300" : u"0.5";
        const std::vector<NamedMaterial> materials = OneMaterial();
        std::vector<Candidate> c =
            EvaluateCandidates(current, CoreDatabase(kDatabase), materials, TestWires(), 2);
        ASSERT_EQ(c.size(), 5u);
        for (const Candidate& x : c) {
            SCOPED_TRACE(ToUtf8(x.core));
            // The same run by hand: the core's data, the starting gap or AL.
            DesignInputs in = current;
            in.core = x.core;
            in.mater = u"Test";
            in.zazor = alMode ? u"100000" : u"0";
            const CoreRecord core = LookupCore(kDatabase, x.core).record;
            const CalcReport want = RunCalculation(in, core, materials[0].data, TestWires());
            EXPECT_EQ(x.calculated(), want.completed);
            EXPECT_EQ(x.results.text, want.results.text);
            EXPECT_EQ(x.zazor, in.zazor);
            EXPECT_EQ(x.alMode, alMode == 1);
            EXPECT_EQ(x.record.Ae, core.Ae);
            // The check's counts and the numbers the ranking shows.
            const DesignCheck check = CheckDesign(in, want.results, core, materials[0].data);
            EXPECT_EQ(x.errors, check.errors);
            EXPECT_EQ(x.warnings, check.warnings);
            if (const CheckRow* temp = check.Row("temp");
                temp && std::isfinite(temp->Number("rise"))) {
                EXPECT_EQ(x.rise, temp->Number("rise"));
            }
            if (const CheckRow* bpk = check.Row("bpk"); bpk && std::isfinite(bpk->Number("B"))) {
                EXPECT_EQ(x.bAtFMin, bpk->Number("B"));
            }
        }
        // The record without data stops at the input check and comes last.
        EXPECT_FALSE(c[4].calculated());
        RankCandidates(c);
        EXPECT_EQ(c.back().core, u"E 99 broken");
        // The settled gap is at least the required one; AL at most the largest usable.
        for (const Candidate& x : c) {
            if (!x.calculated()) continue;
            const double zazor = ParseDecimal(x.zazor);
            if (alMode) {
                EXPECT_LE(zazor, x.results.gapReq);
            } else {
                EXPECT_GE(zazor, x.results.gapReq);
                EXPECT_GT(zazor, 0);
            }
        }
    }
}

TEST(Adviser, ProgressIsReportedAndCancelStopsTheEvaluation) {
    const std::vector<NamedMaterial> materials = OneMaterial();
    RankProgress progress;
    progress.every = std::chrono::milliseconds(0);
    std::vector<std::pair<size_t, size_t>> seen;
    progress.report = [&](size_t done, size_t total) {
        seen.emplace_back(done, total);
        return true;
    };
    bool cancelled = true;
    std::vector<Candidate> c = EvaluateCandidates(DesignInputs{}, CoreDatabase(kDatabase),
                                                  materials, TestWires(), 2, progress, &cancelled);
    EXPECT_FALSE(cancelled);
    // From 0, never backwards, never beyond the number of candidates.
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), std::make_pair(size_t{0}, size_t{5}));
    for (size_t i = 1; i < seen.size(); ++i) {
        EXPECT_GE(seen[i].first, seen[i - 1].first);
        EXPECT_LE(seen[i].first, 5u);
        EXPECT_EQ(seen[i].second, 5u);
    }
    EXPECT_EQ(std::count_if(c.begin(), c.end(), [](const Candidate& x) { return x.calculated(); }),
              4);  // all but the record without data

    // Cancelled at once: nothing is calculated.
    progress.report = [](size_t, size_t) { return false; };
    c = EvaluateCandidates(DesignInputs{}, CoreDatabase(kDatabase), materials, TestWires(), 2,
                           progress, &cancelled);
    EXPECT_TRUE(cancelled);
    ASSERT_EQ(c.size(), 5u);
    for (const Candidate& x : c) EXPECT_FALSE(x.calculated());
}

TEST(Adviser, WithSeveralMaterialsEveryPairIsACandidate) {
    std::vector<NamedMaterial> materials = OneMaterial();
    materials.push_back(materials[0]);
    materials[1].name = u"Second";
    const std::vector<Candidate> c =
        EvaluateCandidates(DesignInputs{}, CoreDatabase(kDatabase), materials, TestWires(), 1);
    ASSERT_EQ(c.size(), 10u);
    EXPECT_EQ(c[0].material, u"Test");
    EXPECT_EQ(c[1].material, u"Second");
    EXPECT_EQ(c[1].core, u"E 20/10/6");
    EXPECT_EQ(c[1].order, 1u);
    // The same material data give the same numbers.
    EXPECT_EQ(c[0].results.text, c[1].results.text);
}

}  // namespace
}  // namespace kelvara
