// The netlist's text: every element and analysis line ngspice needs, numbers
// in the C locale with SPICE suffixes, the corner and options as asked, and
// nothing for numbers that make no circuit. (tests/spice runs it in ngspice.)
#include "calc/spice_netlist.h"

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <limits>
#include <string>

#include "calc/calculate.h"
#include "calc_test_support.h"

namespace kelvara {
namespace {

DesignResults Default(int32_t vypr = 0) {
    DesignInputs in;
    in.vypr = vypr;
    return RunCalculation(in, test::TestCore(), test::TestMaterial(), test::TestWires()).results;
}

bool Contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

TEST(SpiceNetlist, HasEveryPartOfTheCircuitAndItsAnalysis) {
    struct Case {
        int32_t vypr;
        SpiceOptions o;
        std::vector<std::string> present, absent;
    };
    SpiceOptions source;
    source.load = SpiceLoad::Source;
    source.steadyStart = false;
    SpiceOptions coupled;
    coupled.transformer = SpiceTransformer::Coupled;
    coupled.highestSupply = true;
    const Case cases[] = {
        {0,
         {},
         {".param udc=260 ", "Vgh gh 0 PULSE(", "S1 bus mid gh 0 SWITCH",
          "C1 bus mid {coss} IC=", "Cr a b {cr} IC=", "Lm p 0 {lm} IC=", "E2 0 w2 p 0 {1/n}",
          "Dr2 x2 out DRECT", "Cout out 0 {cout} IC={uout}", "Rload out 0 {rload}", " uic\n",
          ".meas tran i_off ", ".meas tran v_mid_on_low ", "lowest supply corner", ".end\n"},
         {"Vout ", "K1 "}},
        {2, {}, {"Dr4 x4 s2 DRECT", "E1 w1 s2 p 0 {1/n}", "CJO=10p"}, {"E2 ", "Ls1 "}},
        {0,
         source,
         {"Vout out 0 {uout}", ".meas tran iout_avg avg i(vout)"},
         {"IC=", "uic", "Cout"}},
        {0,
         coupled,
         {"K1 Lp Ls1 1\nK2 Lp Ls2 1\nK3 Ls1 Ls2 1\n", "Ls1 s1 0 {lm/(n*n)}", ".param udc=330 ",
          "highest supply corner"},
         {"E1 "}},
    };
    for (const Case& c : cases) {
        const std::string s = SpiceNetlist(Default(c.vypr), c.vypr, 200, 200, c.o);
        ASSERT_FALSE(s.empty());
        for (const std::string& p : c.present) EXPECT_TRUE(Contains(s, p)) << p << "\n" << s;
        for (const std::string& p : c.absent) EXPECT_FALSE(Contains(s, p)) << p << "\n" << s;
        // Numbers: no unknown value ("?"), no decimal comma.
        EXPECT_FALSE(Contains(s, "?"));
        EXPECT_FALSE(Contains(s, "\r"));
        for (size_t i = 1; i + 1 < s.size(); ++i)
            EXPECT_FALSE(s[i] == ',' && std::isdigit(static_cast<unsigned char>(s[i - 1])) &&
                         std::isdigit(static_cast<unsigned char>(s[i + 1])))
                << s.substr(i - 10, 20);
    }
}

TEST(SpiceNetlist, WritesTheAskedFrequencyInTheCLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_ALL, "ru_RU.UTF-8");
    SpiceOptions o;
    o.f = 74.375433;
    o.periods = 123;
    o.measuredPeriods = 7;
    const std::string s = SpiceNetlist(Default(), 0, 200, 200, o);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_TRUE(Contains(s, "fsw=74.375433k ")) << s;
    EXPECT_TRUE(Contains(s, ".tran {per/1000} {123*per} 0 {per/1000} uic")) << s;
    EXPECT_TRUE(Contains(s, "from={116*per} to={123*per}")) << s;
    EXPECT_TRUE(Contains(s, "td=200n coss=200p")) << s;
}

TEST(SpiceNetlist, NumbersThatMakeNoCircuitGiveNothing) {
    const DesignResults r = Default();
    EXPECT_TRUE(SpiceNetlist(DesignResults{}, 0, 200, 200).empty());
    EXPECT_TRUE(SpiceNetlist(r, 0, -1, 200).empty());
    EXPECT_TRUE(SpiceNetlist(r, 0, 200, std::numeric_limits<double>::infinity()).empty());
    SpiceOptions o;
    o.stepsPerPeriod = 0;
    EXPECT_TRUE(SpiceNetlist(r, 0, 200, 200, o).empty());
}

}  // namespace
}  // namespace kelvara
