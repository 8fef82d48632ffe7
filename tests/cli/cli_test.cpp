// End-to-end tests of the built kelvara-calc on a temporary data root.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>

#include "calc/design_check.h"
#include "designs/design_file.h"
#include "refdata/platform.h"
#include "support/data_root.h"
#include "support/run_program.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::DataRoot;
using Json = nlohmann::ordered_json;

// The keys of a JSON object, in order.
std::vector<std::string> Keys(const Json& j) {
    std::vector<std::string> out;
    for (const auto& item : j.items()) out.push_back(item.key());
    return out;
}

using CalcRun = testing::ProgramRun;

// kelvara-calc started in the folder `cwd`.
CalcRun RunCalc(const fs::path& cwd, const std::vector<std::string>& args) {
    return testing::RunProgram(KELVARA_CALC_PATH, args, cwd);
}

// A path as an argument on this system's command line.
std::string Arg(const fs::path& path) {
    return platform::ArgumentFromPath(path);
}

void ExpectNoSanitizerReport(const CalcRun& r) {
    EXPECT_EQ(r.err.find("runtime error"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Sanitizer"), std::string::npos) << r.err;
}

class Calc : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WriteDesignFile(data.program() / "design.sav", DesignInputs{}));
    }
    Json RunJson(std::vector<std::string> args, int expectedStatus = 0) {
        args.insert(args.begin(), "--json");
        const CalcRun r = RunCalc(data.program(), args);
        ExpectNoSanitizerReport(r);
        EXPECT_EQ(r.status, expectedStatus) << r.err;
        return Json::parse(r.out);
    }
    DataRoot data;
};

TEST_F(Calc, DefaultDesignAsJson) {
    Json j = RunJson({"design.sav"});
    // The design check comes last, after the messages.
    EXPECT_EQ(Keys(j), (std::vector<std::string>{"calculated", "inputs", "core", "material",
                                                 "results", "messages", "check"}));
    EXPECT_TRUE(j["calculated"].get<bool>());
    EXPECT_TRUE(j["check"]["done"].get<bool>());
    ASSERT_EQ(j["check"]["rows"].size(), kCheckRowKeys.size());
    for (size_t i = 0; i < kCheckRowKeys.size(); ++i)
        EXPECT_EQ(j["check"]["rows"][i]["key"], std::string(kCheckRowKeys[i]));
    EXPECT_EQ(
        Keys(j["check"]["rows"][0]),
        (std::vector<std::string>{"key", "status", "label", "value", "limit", "note", "numbers"}));
    EXPECT_EQ(j["check"]["rows"][0]["key"], "ratio");
    // Numbers are JSON numbers, or null where unknown; flags are booleans.
    EXPECT_TRUE(j["check"]["rows"][0]["numbers"]["n"].is_number());
    EXPECT_TRUE(j["check"]["rows"][2]["numbers"]["alMode"].is_boolean());
    Json& in = j["inputs"];
    std::vector<std::string> keys;
    for (const FieldDef& f : kDesignFileFields) keys.push_back(ToUtf8(f.key));
    // The later keys of the design file follow the 23.
    for (const FieldDef& f : kDesignExtraFields) keys.push_back(ToUtf8(f.key));
    EXPECT_EQ(Keys(in), keys);
    EXPECT_EQ(in["core"].get<std::string>(), "E 40/16/12");
    EXPECT_EQ(in["Bm"].get<std::string>(), "0.12");
    EXPECT_EQ(in["Q"].get<std::string>(), "0.4");
    EXPECT_EQ(in["Unas"].get<std::string>(), "1.464");
    EXPECT_TRUE(in["rds"].is_number_integer());
    EXPECT_EQ(in["rds"].get<int>(), 1);
    EXPECT_EQ(in["yes_d"].get<int>(), 0);
    EXPECT_EQ(Keys(j["core"]), (std::vector<std::string>{"name", "Ae", "An", "le", "mu", "Ve"}));
    EXPECT_EQ(j["core"]["name"].get<std::string>(), "E 40/16/12");
    EXPECT_EQ(j["core"]["Ae"].get<std::string>(), "149");
    EXPECT_EQ(j["core"]["Ve"].get<std::string>(), "11.473");  // 77 × 149 / 1000
    EXPECT_EQ(j["material"]["name"].get<std::string>(), "N87 Epcos");
    Json& res = j["results"];
    EXPECT_EQ(Keys(res),
              (std::vector<std::string>{
                  "gapLabel", "gapReq", "gapUnit", "AL",   "BmAct",       "lossW", "Pgab",
                  "Pload",    "N1",     "wire1",   "N2",   "wire2",       "fill",  "Lm",
                  "LmUnit",   "Lr",     "LrUnit",  "Ltot", "LtotUnit",    "kLact", "Cr",
                  "fCtl",     "fMin",   "fMax",    "Qmax", "skinDiameter"}));
    EXPECT_EQ(res["gapLabel"].get<std::string>(), "Требуемый немагнитный зазор, не менее");
    EXPECT_EQ(res["gapUnit"].get<std::string>(), "мм");
    EXPECT_EQ(res["Pload"].get<std::string>(), "216.0");
    EXPECT_EQ(res["Lr"].get<std::string>(), "61.83");
    EXPECT_EQ(res["LrUnit"].get<std::string>(), "мкГн");
    EXPECT_EQ(res["skinDiameter"].get<std::string>(), "0.417");
    for (const auto& [key, value] : res.items()) {
        EXPECT_TRUE(value.is_string()) << key;
        EXPECT_EQ(value.get<std::string>().find("nan"), std::string::npos) << key;
        EXPECT_EQ(value.get<std::string>().find("inf"), std::string::npos) << key;
    }
    EXPECT_TRUE(j["messages"].is_array());
    // Nothing is written besides the user core file.
    EXPECT_FALSE(fs::exists(data.program() / "Kelvara.ini"));
}

TEST_F(Calc, OverridesApplyAfterTheFileIsRead) {
    Json j = RunJson({"--set", "vypr=1", "--set", "Fr=120", "--set", "core=ETD 34", "design.sav"});
    EXPECT_EQ(j["inputs"]["vypr"].get<int>(), 1);
    EXPECT_EQ(j["inputs"]["Fr"].get<std::string>(), "120");
    EXPECT_EQ(j["results"]["Pload"].get<std::string>(), "432.0");
    EXPECT_EQ(j["core"]["name"].get<std::string>(), "ETD 34/17/11");
}

TEST_F(Calc, AChoiceOrFlagOverrideMustNameOneOfItsValues) {
    // What no button names is a usage error, said on standard error.
    for (const char* set :
         {"vypr=7", "vypr=bridge", "rds=-1", "yes_d=2", "setevoe=", "yes_al=1.0", "vypr=2x"}) {
        SCOPED_TRACE(set);
        const CalcRun r = RunCalc(data.program(), {"--set", set, "design.sav"});
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("takes a whole number from 0 to"), std::string::npos) << r.err;
    }
    Json k = RunJson({"--set", "vypr=+2", "--set", "rds=0", "--set", "yes_d=1", "design.sav"});
    EXPECT_EQ(k["inputs"]["vypr"].get<int>(), 2);
    EXPECT_EQ(k["inputs"]["rds"].get<int>(), 0);
    EXPECT_EQ(k["inputs"]["yes_d"].get<int>(), 1);
}

TEST_F(Calc, MaterialIsSelectedByItsBeginning) {
    Json j = RunJson({"--set", "mater=3c9", "design.sav"});
    EXPECT_EQ(j["inputs"]["mater"].get<std::string>(), "3C90 Ferroxcube");
    EXPECT_EQ(j["material"]["name"].get<std::string>(), "3C90 Ferroxcube");
    Json k = RunJson({"--set", "mater=", "design.sav"});
    EXPECT_EQ(k["inputs"]["mater"].get<std::string>(), "N87 Epcos");
}

TEST_F(Calc, CoresAndMaterialsAreSelectedAndSubstitutionsSaid) {
    testing::WriteUtf16(data.root() / "Bases_Cores" / "UserFerritesCores.txt",
                        u"[E 40]\r\nAe = 100\r\nAn = 120\r\nle = 60\r\nmu = 2100\r\n\r\n");
    struct Case {
        std::string set;
        std::string core;
        std::string mater;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"core=E 40", "E 40", "N87 Epcos", {}},
        {"core=E 40/16/12", "E 40/16/12", "N87 Epcos", {}},
        {"core=E 41/99/99",
         "E 25/13/7",
         "N87 Epcos",
         {"Сердечник \"E 41/99/99\" не найден в базе; выбран \"E 25/13/7\"."}},
        {"mater=XYZ",
         "E 40/16/12",
         "3C90 Ferroxcube",
         {"Материал \"XYZ\" не найден; выбран \"3C90 Ferroxcube\"."}},
    };
    for (const Case& c : cases) {
        const CalcRun r = RunCalc(data.program(), {"--json", "--set", c.set, "design.sav"});
        ExpectNoSanitizerReport(r);
        const Json j = Json::parse(r.out);
        EXPECT_EQ(j["core"]["name"].get<std::string>(), c.core) << c.set;
        EXPECT_EQ(j["inputs"]["mater"].get<std::string>(), c.mater) << c.set;
        // The calculation of a substituted core may warn as well.
        std::vector<std::string> texts;
        for (const Json& m : j["messages"]) {
            const std::string text = m["text"].get<std::string>();
            if (text.find("не найден") != std::string::npos) texts.push_back(text);
        }
        EXPECT_EQ(texts, c.messages) << c.set;
    }
    const CalcRun table = RunCalc(data.program(), {"--set", "core=E 41/99/99", "design.sav"});
    EXPECT_NE(table.out.find("не найден в базе"), std::string::npos) << table.out;
}

TEST_F(Calc, StoppedRunsExitWithOneAndKeepTheirMessages) {
    Json j = RunJson({"--set", "Fr=0", "design.sav"}, 1);
    EXPECT_FALSE(j["calculated"].get<bool>());
    ASSERT_EQ(j["messages"].size(), 1u);
    EXPECT_EQ(j["messages"][0]["caption"].get<std::string>(), "Внимание!");
    EXPECT_EQ(j["messages"][0]["text"].get<std::string>(),
              "Недопустимое значение: Резонансная частота, кГц.");
    EXPECT_EQ(j["results"]["N1"].get<std::string>(), "");
    // A run that stopped has no check.
    EXPECT_FALSE(j["check"]["done"].get<bool>());
    EXPECT_TRUE(j["check"]["rows"].empty());

    Json d = RunJson({"--set", "Rds=50", "design.sav"}, 1);
    ASSERT_EQ(d["messages"].size(), 1u);
    EXPECT_EQ(d["messages"][0]["text"].get<std::string>(),
              "Падение на транзисторах слишком велико.\nНеправильно выбраны транзисторы.\n"
              "Велико сопротивление канала\nили напряжение насыщения.");
}

TEST_F(Calc, NoCoreOfTheFamilyExitsWithOne) {
    testing::WriteUtf16(data.root() / "Bases_Cores" / "FerritesCores.txt",
                        u"[E 40/16/12]\r\nAe = 149\r\nAn = 185\r\nle = 77\r\nmu = 1970\r\n");
    Json j = RunJson({"--set", "core=ETD 29", "design.sav"}, 1);
    EXPECT_FALSE(j["calculated"].get<bool>());
    EXPECT_EQ(j["core"]["name"].get<std::string>(), "");
    EXPECT_EQ(j["core"]["Ae"].get<std::string>(), "");
}

TEST_F(Calc, UsageErrorsAndUnreadableFilesExitWithTwo) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"--set", "nokey=1", "design.sav"},
                                                 {"--bogus", "design.sav"},
                                                 {"--set"},
                                                 {"--data-root"},
                                                 {"missing.sav"},
                                                 {"design.sav", "other.sav"}}) {
        const CalcRun r = RunCalc(data.program(), args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(r.err.empty());
        ExpectNoSanitizerReport(r);
    }
}

TEST_F(Calc, MissingWireTableAndMaterialsExitWithTwo) {
    fs::rename(data.root() / "Wire.txt", data.root() / "Wire.bak");
    CalcRun r = RunCalc(data.program(), {"design.sav"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("отсутствует файл \"Wire.txt\""), std::string::npos) << r.err;
    fs::rename(data.root() / "Wire.bak", data.root() / "Wire.txt");

    fs::remove_all(data.root() / "Ferrites_Materials");
    r = RunCalc(data.program(), {"design.sav"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Ferrites_Materials"), std::string::npos) << r.err;
}

TEST_F(Calc, DataRootCanBeGiven) {
    const fs::path elsewhere = data.root() / "other" / "place";
    fs::create_directories(elsewhere);
    ASSERT_TRUE(WriteDesignFile(elsewhere / "d.sav", DesignInputs{}));
    const CalcRun r = RunCalc(elsewhere, {"--json", "--data-root", Arg(data.root()), "d.sav"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Json::parse(r.out)["calculated"].get<bool>());
    // Without it the parent of the current folder holds no data.
    EXPECT_EQ(RunCalc(elsewhere, {"d.sav"}).status, 2);
}

TEST_F(Calc, ACurrentFolderWhoseNameIsNotTextWorks) {
    if (!testing::MakesNamesThatAreNotText()) {
        GTEST_SKIP() << "this file system keeps no name that is not text";
    }
    DataRoot odd(testing::NameThatIsNotText("prog"));
    const fs::path cwd = odd.program();
    ASSERT_TRUE(WriteDesignFile(cwd / "d.sav", DesignInputs{}));
    testing::WriteBytes(cwd / testing::NameThatIsNotText("notes"), "x");
    const CalcRun byParent = RunCalc(cwd, {"--json", "d.sav"});
    EXPECT_EQ(byParent.status, 0) << byParent.err;
    ExpectNoSanitizerReport(byParent);
    EXPECT_TRUE(Json::parse(byParent.out)["calculated"].get<bool>());
    const CalcRun given =
        RunCalc(cwd, {"--data-root", Arg(data.root()), Arg(data.program() / "design.sav")});
    EXPECT_EQ(given.status, 0) << given.err;
    EXPECT_NE(given.out.find("216.0 Вт"), std::string::npos) << given.out;
}

// The same runs on every system, with Cyrillic names wherever a user may put
// them: the data root, the program folder, the design file, a material and a
// --set value. Standard output is the bytes the Linux build prints (UTF-8,
// LF line ends), kept in tests/cli/cyrillic_run.txt; a run that differs
// leaves its output in the build folder as cyrillic_run.actual.txt.
TEST(CalcOnEverySystem, CyrillicNamesPrintTheSameBytes) {
    testing::TempDir dir;
    const fs::path root = dir / u8"Данные расчета";
    const fs::path program = root / u8"Программа";
    testing::WriteUtf16(root / "Wire.txt", testing::kTestWires);
    testing::WriteUtf16(root / "Ferrites_Materials" / "N87 Epcos.txt", testing::kTestMaterial);
    testing::WriteUtf16(root / "Ferrites_Materials" / u8"Феррит Н87.txt", testing::kTestMaterial);
    testing::WriteUtf16(root / "Bases_Cores" / "FerritesCores.txt", testing::kTestCores);
    fs::create_directories(program);
    ASSERT_TRUE(WriteDesignFile(program / u8"Проект №1.sav", DesignInputs{}));
    const std::string expected =
        testing::ReadBytes(fs::path(KELVARA_SOURCE_DIR) / "tests" / "cli" / "cyrillic_run.txt");
    ASSERT_FALSE(expected.empty());

    const std::vector<std::string> set = {"--set", "mater=Феррит Н87", "--set", "Fr=95"};
    struct Case {
        const char* what;
        fs::path cwd;
        std::vector<std::string> args;
    };
    for (const Case& c : {
             // The data root found as the parent of the current folder.
             Case{"parent", program, {"Проект №1.sav"}},
             // Given, with the design named relative to another folder.
             Case{"given",
                  dir.path(),
                  {"--data-root", Arg(root), "Данные расчета/Программа/Проект №1.sav"}},
             // Both as absolute paths.
             Case{"absolute",
                  dir.path(),
                  {"--data-root", Arg(root), Arg(program / u8"Проект №1.sav")}},
         }) {
        std::vector<std::string> args = set;
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CalcRun r = RunCalc(c.cwd, args);
        EXPECT_EQ(r.status, 0) << c.what << ": " << r.err;
        EXPECT_EQ(r.err, "") << c.what;
        EXPECT_EQ(r.out, expected) << c.what;
        if (r.out != expected) {
            testing::WriteBytes(fs::path(KELVARA_BINARY_DIR) / "cyrillic_run.actual.txt", r.out);
        }
    }
    const CalcRun j = RunCalc(program, {"--json", "--set", "mater=Феррит Н87", "Проект №1.sav"});
    ASSERT_EQ(j.status, 0) << j.err;
    EXPECT_EQ(j.out.find('\r'), std::string::npos);
    EXPECT_EQ(Json::parse(j.out)["material"]["name"].get<std::string>(), "Феррит Н87");

    // The files it writes are named as given, and so is the design in the report.
    const CalcRun files =
        RunCalc(program, {"--report", "Отчёт.html", "--curve", "Кривая.csv", "Проект №1.sav"});
    EXPECT_EQ(files.status, 0) << files.err;
    EXPECT_NE(testing::ReadBytes(program / u8"Отчёт.html").find("Файл проекта: Проект №1.sav"),
              std::string::npos);
    EXPECT_EQ(testing::ReadBytes(program / u8"Кривая.csv").rfind("f_kHz,x,gain\n", 0), 0u);

    // Messages name the file as it was given.
    testing::WriteBytes(program / u8"Пустой.sav", "");
    const CalcRun empty = RunCalc(program, {"Пустой.sav"});
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.err, "Файл \"Пустой.sav\" не является файлом проекта.\n");
    const CalcRun missing = RunCalc(program, {"Нет такого.sav"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "kelvara-calc: cannot read the design file 'Нет такого.sav'\n");
}

// Every argument arrives as it was given: letters of no single code page,
// blanks, quotes and backslashes in any order (a Windows program splits one
// command line itself).
TEST(CalcOnEverySystem, ArgumentsArriveUnchanged) {
    DataRoot data;
    ASSERT_TRUE(WriteDesignFile(data.program() / "design.sav", DesignInputs{}));
    for (const std::string core :
         {"Ш 20", "Ω 漢字", "a\"b", "\"", "a\\", "a\\\\\"b c\\", "\\\\x y\\ \"", " ", "\t1 2\t"}) {
        const CalcRun r =
            RunCalc(data.program(), {"--json", "--set", "core=" + core, "design.sav"});
        ASSERT_TRUE(r.status == 0 || r.status == 1) << core << ": " << r.err;
        const Json j = Json::parse(r.out);
        const std::string said = "Сердечник \"" + core + "\" не найден в базе";
        bool found = false;
        for (const Json& m : j["messages"]) {
            found = found || m["text"].get<std::string>().rfind(said, 0) == 0;
        }
        EXPECT_TRUE(found) << core << "\n" << r.out;
    }
}

TEST_F(Calc, ReadableTableShowsTheWindowsLabels) {
    const CalcRun r = RunCalc(data.program(), {"design.sav"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Число витков первичной обмотки"), std::string::npos);
    EXPECT_NE(r.out.find("Требуемый немагнитный зазор, не менее"), std::string::npos);
    EXPECT_NE(r.out.find("мкГн"), std::string::npos);
    EXPECT_NE(r.out.find("216.0 Вт"), std::string::npos);
    const CalcRun h = RunCalc(data.program(), {"--help"});
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(h.out.find("--set KEY=VALUE"), std::string::npos);
    EXPECT_EQ(RunCalc(data.program(), {"--version"}).status, 0);
}

TEST_F(Calc, BadDesignFilesNeverCrash) {
    const fs::path dir = data.program();
    testing::WriteBytes(dir / "empty.sav", "");
    std::string garbage;
    uint32_t x = 99;
    for (int i = 0; i < 100000; ++i) {
        x = x * 1103515245u + 12345u;
        garbage.push_back(static_cast<char>(x >> 16));
    }
    testing::WriteBytes(dir / "garbage.sav", garbage);
    testing::WriteBytes(dir / "utf8.sav", "core = E 40/16/12\nFr = 90\n");
    testing::WriteUtf16(dir / "zero.sav", Text(u"Fr\t= 1") + u'\0' + u"00\r\n");
    testing::WriteUtf16(dir / "long.sav", u"zazor\t= " + Text(10000, u'9') + u"\r\n");
    fs::create_directories(dir / "folder.sav");
    testing::WriteBytes(dir / "huge.sav", std::string(20u << 20, 'a'));
    for (const char* name : {"utf8.sav", "zero.sav", "long.sav"}) {
        const CalcRun r = RunCalc(dir, {"--json", name});
        EXPECT_TRUE(r.status == 0 || r.status == 1) << name << ": " << r.err;
        ExpectNoSanitizerReport(r);
        EXPECT_NO_THROW(Json::parse(r.out)) << name;
    }
    // Files that hold none of the design keys are no design.
    for (const std::string name : {"empty.sav", "garbage.sav"}) {
        const CalcRun r = RunCalc(dir, {"--json", name});
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_TRUE(r.out.empty()) << name;
        EXPECT_EQ(r.err, "Файл \"" + name + "\" не является файлом проекта.\n");
        ExpectNoSanitizerReport(r);
    }
    const CalcRun u = RunCalc(dir, {"--json", "utf8.sav"});
    EXPECT_EQ(Json::parse(u.out)["inputs"]["Fr"].get<std::string>(), "90");
    for (const char* name : {"folder.sav", "huge.sav"}) {
        const CalcRun r = RunCalc(dir, {name});
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        ExpectNoSanitizerReport(r);
    }
}

// --rank: each entry is exactly the single run with that core and material
// and the gap (or AL) starting from 0 (or 100000); the user's own cores take
// part; --all-materials pairs every core with every material.
TEST_F(Calc, RankedEntriesAreTheSingleRunsWithTheGapSettled) {
    testing::WriteUtf16(data.root() / "Bases_Cores" / "UserFerritesCores.txt",
                        u"[E 30 user]\r\nAe = 60\r\nAn = 80\r\nle = 67\r\nmu = 1800\r\n\r\n");
    for (const bool alMode : {false, true}) {
        SCOPED_TRACE(alMode ? "AL" : "gap");
        std::vector<std::string> mode;
        if (alMode) mode = {"--set", "yes_al=1", "--set", "zazor=300"};
        std::vector<std::string> args = mode;
        args.insert(args.begin(), "--rank");
        args.push_back("design.sav");
        Json ranked = RunJson(args);
        ASSERT_TRUE(ranked["rank"].is_array());
        ASSERT_EQ(ranked["rank"].size(), 9u);  // 8 shipped cores and the user's
        bool userCoreSeen = false;
        int errorsBefore = -1;
        bool passedBefore = true;
        for (Json& e : ranked["rank"]) {
            const std::string core = e["core"].get<std::string>();
            SCOPED_TRACE(core);
            userCoreSeen = userCoreSeen || core == "E 30 user";
            EXPECT_EQ(e["material"].get<std::string>(), "N87 Epcos");
            std::vector<std::string> single = mode;
            for (const std::string& set : {"core=" + core, std::string("mater=N87 Epcos"),
                                           std::string(alMode ? "zazor=100000" : "zazor=0")}) {
                single.push_back("--set");
                single.push_back(set);
            }
            single.push_back("design.sav");
            const bool calculated = e["calculated"].get<bool>();
            Json one = RunJson(single, calculated ? 0 : 1);
            EXPECT_EQ(calculated, one["calculated"].get<bool>());
            EXPECT_EQ(e["results"], one["results"]);
            EXPECT_EQ(e["zazor"], one["inputs"]["zazor"]);
            int errors = 0, warnings = 0;
            for (Json& row : one["check"]["rows"]) {
                errors += row["status"] == "error";
                warnings += row["status"] == "warning";
            }
            EXPECT_EQ(e["errors"].get<int>(), errors);
            EXPECT_EQ(e["warnings"].get<int>(), warnings);
            // Designs whose time-domain model passes (both frequencies, soft
            // switching) first; within each group fewer errors first.
            if (calculated) {
                const bool passed = e["fTdMin"].is_number() && e["fTdMax"].is_number() &&
                                    e["softSwitching"] == true;
                EXPECT_TRUE(passedBefore || !passed);
                if (passed != passedBefore) errorsBefore = -1;
                passedBefore = passed;
                EXPECT_GE(errors, errorsBefore);
                errorsBefore = errors;
            }
        }
        EXPECT_TRUE(userCoreSeen);
    }
    Json all = RunJson({"--rank", "--all-materials", "design.sav"});
    ASSERT_EQ(all["rank"].size(), 18u);
    int n87 = 0;
    for (Json& e : all["rank"]) n87 += e["material"] == "N87 Epcos";
    EXPECT_EQ(n87, 9);
}

TEST_F(Calc, SpiceWritesTheNetlistOfEitherCorner) {
    const CalcRun low = RunCalc(data.program(), {"--spice", "low.cir", "design.sav"});
    ASSERT_EQ(low.status, 0) << low.err;
    const std::string text = testing::ReadBytes(data.program() / "low.cir");
    EXPECT_EQ(text.rfind("* Kelvara: LLC half bridge, lowest supply corner\n", 0), 0u);
    EXPECT_NE(text.find(".param udc=260 "), std::string::npos);
    EXPECT_NE(text.find(".tran "), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 5), ".end\n");
    const CalcRun high =
        RunCalc(data.program(), {"--spice", "high.cir", "--spice-highest", "design.sav"});
    ASSERT_EQ(high.status, 0) << high.err;
    EXPECT_NE(testing::ReadBytes(data.program() / "high.cir").find(".param udc=330 "),
              std::string::npos);
    // A dead time the model cannot use: no file, said on standard error.
    const CalcRun bad =
        RunCalc(data.program(), {"--spice", "bad.cir", "--set", "tdead=-5", "design.sav"});
    EXPECT_EQ(bad.status, 0);
    EXPECT_FALSE(fs::exists(data.program() / "bad.cir"));
    EXPECT_NE(bad.err.find("no netlist"), std::string::npos);
}

TEST_F(Calc, WaveformsAreWrittenForBothCorners) {
    const CalcRun r = RunCalc(data.program(), {"--waveforms", "w.csv", "design.sav"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string csv = testing::ReadBytes(data.program() / "w.csv");
    EXPECT_EQ(
        csv.rfind("corner,t_us,v_mid_V,i_primary_A,i_magnetizing_A,v_cr_V,i_secondary_A\n", 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 2 * 1000);
    // A corner without a solution is said, and has no lines.
    const CalcRun bad =
        RunCalc(data.program(), {"--waveforms", "bad.csv", "--set", "coss=-1", "design.sav"});
    EXPECT_EQ(bad.status, 0);
    EXPECT_NE(bad.err.find("no waveforms at the lowest supply"), std::string::npos) << bad.err;
    const std::string empty = testing::ReadBytes(data.program() / "bad.csv");
    EXPECT_EQ(std::count(empty.begin(), empty.end(), '\n'), 1);
}

TEST_F(Calc, RankExitsWithOneWhenNoCandidateRanToItsEnd) {
    // Every run stops at the input check: the table lists them, the status says so.
    const CalcRun r = RunCalc(data.program(), {"--rank", "--set", "Fr=0", "design.sav"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.out.find("Подбор сердечника: вариантов 8"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("расчет прерван"), std::string::npos) << r.out;
}

TEST_F(Calc, RankedTableListsEveryCore) {
    const CalcRun r = RunCalc(data.program(), {"--rank", "design.sav"});
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* core : {"E 25/13/7", "E 40/16/12", "EI 25", "ETD 34/17/11", "RM 10"})
        EXPECT_NE(r.out.find(core), std::string::npos) << core;
    EXPECT_NE(r.out.find("Подбор сердечника: вариантов 8"), std::string::npos) << r.out;
}

// Every number a text holds, sorted: a language may put its values in
// another order, but no value may go missing, change or appear. (A few
// Russian messages write the decimal comma: "0,3" is 0.3.)
std::vector<std::string> NumbersIn(const std::string& text) {
    static const std::regex number(R"([-+]?[0-9]+([.,][0-9]+)?)");
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it) {
        std::string n = it->str();
        std::replace(n.begin(), n.end(), ',', '.');
        out.push_back(n);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// Where a UTF-8 text first holds a Cyrillic letter (U+0400…U+04FF): that
// line, from its start; "" when it holds none.
std::string CyrillicIn(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (lead >= 0xD0 && lead <= 0xD3 && (next & 0xC0) == 0x80) {
            const size_t from = text.rfind('\n', i);
            return text.substr(from == std::string::npos ? 0 : from + 1, 120);
        }
    }
    return {};
}

// The counts of a check as the summary line says them in either language.
std::string CountsSaid(int errors, int warnings, bool english) {
    if (errors == 0 && warnings == 0) return english ? "no issues" : "замечаний нет";
    const auto counted = [english](int n, const char* one, const char* few, const char* many,
                                   const char* enOne, const char* enMany) {
        const char* word = many;
        if (english) {
            word = n == 1 ? enOne : enMany;
        } else if (n % 100 < 11 || n % 100 > 14) {
            if (n % 10 == 1) word = one;
            if (n % 10 >= 2 && n % 10 <= 4) word = few;
        }
        return std::to_string(n) + " " + word;
    };
    std::string out;
    if (errors > 0) out += counted(errors, "ошибка", "ошибки", "ошибок", "error", "errors");
    if (errors > 0 && warnings > 0) out += ", ";
    if (warnings > 0) {
        out += counted(warnings, "предупреждение", "предупреждения", "предупреждений", "warning",
                       "warnings");
    }
    return out;
}

// kelvara-calc --lang en calculates exactly what the Russian run does: the
// same inputs, core, material and result numbers (units in their English
// names), the same rows of the check with the same statuses and numbers,
// and the same numbers inside every text of the check and of the messages.
// Its table holds no Cyrillic: the test data's core and material names are
// Latin. The designs between them make every status of the check.
TEST_F(Calc, EnglishRunsPrintTheNumbersOfTheRussianOnes) {
    const std::map<std::string, std::string> units = {
        {"", ""}, {"мм", "mm"}, {"нГн/виток^2", "nH/turn^2"}, {"мкГн", "µH"}, {"мГн", "mH"}};
    const std::vector<std::vector<std::string>> variants = {
        {},
        {"Q=2"},
        {"tdead=-1"},
        {"coss=3000", "tdead=50"},
        {"yes_al=1", "zazor=300"},
        {"vypr=2", "zazor=3"},
        {"Bm=0.4", "Fr=400"},
        {"Umin=100"},
    };
    std::set<std::string> statuses;
    for (const std::vector<std::string>& sets : variants) {
        std::vector<std::string> args;
        std::string name;
        for (const std::string& set : sets) {
            args.insert(args.end(), {"--set", set});
            name += set + " ";
        }
        SCOPED_TRACE(name);
        args.push_back("design.sav");
        const Json ru = RunJson(args);
        std::vector<std::string> english = args;
        english.insert(english.begin(), {"--lang", "en"});
        const Json en = RunJson(english);

        EXPECT_EQ(en["calculated"], ru["calculated"]);
        EXPECT_EQ(en["inputs"], ru["inputs"]);
        EXPECT_EQ(en["core"], ru["core"]);
        EXPECT_EQ(en["material"], ru["material"]);
        ASSERT_EQ(Keys(en["results"]), Keys(ru["results"]));
        for (const auto& [key, value] : ru["results"].items()) {
            if (key == "gapLabel") {
                EXPECT_EQ(CyrillicIn(en["results"][key].get<std::string>()), "");
            } else if (key.find("Unit") != std::string::npos) {
                ASSERT_EQ(units.count(value.get<std::string>()), 1u) << value;
                EXPECT_EQ(en["results"][key], units.at(value.get<std::string>())) << key;
            } else {
                EXPECT_EQ(en["results"][key], value) << key;
            }
        }
        ASSERT_EQ(en["messages"].size(), ru["messages"].size());
        for (size_t i = 0; i < ru["messages"].size(); ++i) {
            const std::string text = en["messages"][i]["text"].get<std::string>();
            EXPECT_EQ(CyrillicIn(text), "");
            EXPECT_EQ(NumbersIn(text), NumbersIn(ru["messages"][i]["text"].get<std::string>()))
                << text;
        }

        const Json& ruRows = ru["check"]["rows"];
        const Json& enRows = en["check"]["rows"];
        EXPECT_EQ(en["check"]["done"], ru["check"]["done"]);
        ASSERT_EQ(enRows.size(), ruRows.size());
        int errors = 0, warnings = 0;
        for (size_t i = 0; i < ruRows.size(); ++i) {
            const Json& r = ruRows[i];
            const Json& e = enRows[i];
            SCOPED_TRACE(r["key"].get<std::string>());
            EXPECT_EQ(e["key"], r["key"]);
            EXPECT_EQ(e["status"], r["status"]);
            EXPECT_EQ(e["numbers"], r["numbers"]);
            statuses.insert(r["status"].get<std::string>());
            errors += r["status"] == "error";
            warnings += r["status"] == "warning";
            for (const char* text : {"label", "value", "limit", "note"}) {
                const std::string said = e[text].get<std::string>();
                EXPECT_EQ(CyrillicIn(said), "") << text;
                EXPECT_EQ(NumbersIn(said), NumbersIn(r[text].get<std::string>()))
                    << text << ": " << said << "\n"
                    << r[text].get<std::string>();
                // A text is empty in both languages or in neither.
                EXPECT_EQ(said.empty(), r[text].get<std::string>().empty()) << text;
            }
        }

        // The tables: the summary counts in each language's own words, and
        // nothing Cyrillic in English.
        const CalcRun ruTable = RunCalc(data.program(), args);
        const CalcRun enTable = RunCalc(data.program(), english);
        ASSERT_EQ(ruTable.status, 0) << ruTable.err;
        ASSERT_EQ(enTable.status, 0) << enTable.err;
        EXPECT_NE(ruTable.out.find("\n  Итог: " + CountsSaid(errors, warnings, false) + "\n"),
                  std::string::npos)
            << ruTable.out;
        EXPECT_NE(enTable.out.find("\n  Summary: " + CountsSaid(errors, warnings, true) + "\n"),
                  std::string::npos)
            << enTable.out;
        EXPECT_EQ(CyrillicIn(enTable.out), "");
        EXPECT_EQ(CyrillicIn(enTable.err), "");
    }
    EXPECT_EQ(statuses, (std::set<std::string>{"ok", "warning", "error", "unknown"}));
}

// The files kelvara-calc writes in English hold no Cyrillic either: the
// report's headings, tables and pictures (the transfer characteristic, the
// windings, both corners' waveforms), and the SPICE netlist's comments. The
// test data's core and material names are Latin.
TEST_F(Calc, EnglishFilesHoldNoCyrillic) {
    const CalcRun r = RunCalc(data.program(), {"--lang", "en", "--report", "report.html", "--spice",
                                               "design.cir", "design.sav"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* file : {"report.html", "design.cir"}) {
        SCOPED_TRACE(file);
        const std::string text = testing::ReadBytes(data.program() / file);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(CyrillicIn(text), "");
    }
}

// --report and --curve write their files and still print the results.
TEST_F(Calc, ReportAndCurveFilesBesideTheUsualOutput) {
    const CalcRun r =
        RunCalc(data.program(), {"--report", "report.html", "--curve", "curve.csv", "design.sav"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("216.0 Вт"), std::string::npos);
    const std::string html = testing::ReadBytes(data.program() / "report.html");
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("Файл проекта: design.sav"), std::string::npos);
    EXPECT_NE(html.find("<td>Потребляемая нагрузкой мощность</td><td class=\"num\">216.0</td>"),
              std::string::npos);
    EXPECT_NE(html.find("</svg>"), std::string::npos);
    const std::string csv = testing::ReadBytes(data.program() / "curve.csv");
    EXPECT_EQ(csv.rfind("f_kHz,x,gain\n", 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 17002);
    // A folder in the way of the report: nothing written, status 2, the reason said.
    fs::create_directories(data.program() / "taken.html");
    const CalcRun bad = RunCalc(data.program(), {"--report", "taken.html", "design.sav"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("taken.html"), std::string::npos) << bad.err;
    ExpectNoSanitizerReport(bad);
}

}  // namespace
}  // namespace kelvara
