// kelvara-calc as a user starts it: from a folder that is no program folder
// it uses the per-user data root, filled from the data installed beside it.
// Every run of this test program has a home of its own, so no test reads or
// writes the user's own data root.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>

#include "designs/design_file.h"
#include "support/data_root.h"

#if defined(__unix__)
#include <sys/wait.h>
#endif

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::DataRoot;
using testing::TempDir;
using Json = nlohmann::ordered_json;

void SetEnv(const char* name, const std::string& value) {
#if defined(_WIN32)
    ::_putenv_s(name, value.c_str());  // an empty value removes it
#else
    if (value.empty()) {
        ::unsetenv(name);
    } else {
        ::setenv(name, value.c_str(), 1);
    }
#endif
}

class OwnHome : public ::testing::Environment {
  public:
    void SetUp() override {
        home_ = std::make_unique<TempDir>();
        SetEnv("HOME", home_->path().string());
        SetEnv("KELVARA_HOME", "");
        SetEnv("XDG_DATA_HOME", "");
    }
    void TearDown() override { home_.reset(); }

  private:
    std::unique_ptr<TempDir> home_;
};

[[maybe_unused]] ::testing::Environment* const kOwnHome =
    ::testing::AddGlobalTestEnvironment(new OwnHome);

#if defined(__unix__)

struct CalcRun {
    int status = -1;
    std::string out;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// `program` started in `cwd` with `env` ("NAME=value ...") added.
CalcRun RunIn(const fs::path& cwd, const std::string& env, const fs::path& program,
              const std::vector<std::string>& args) {
    std::string cmd = "cd " + Quote(cwd.string()) + " && env " + env + " " + Quote(program);
    for (const auto& a : args) cmd += " " + Quote(a);
    cmd += " 2>&1";
    CalcRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int status = pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// A copy of the built kelvara-calc installed under <prefix>/bin with the
// shipped data root under <prefix>/share/kelvara, as the install rules lay
// them out.
class Installed : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(prefix() / "bin");
        fs::copy_file(KELVARA_CALC_PATH, calc());
        const fs::path shipped = fs::path(KELVARA_SOURCE_DIR) / "data";
        fs::create_directories(data());
        fs::copy(shipped, data(), fs::copy_options::recursive);
        // What a run may have left in the source tree is not shipped.
        for (const char* left :
             {"README.md", "Bases_Cores/UserFerritesCores.txt", "Kelvara/Kelvara.ini"}) {
            fs::remove(data() / left);
        }
        fs::create_directories(home.path());
        fs::create_directories(elsewhere.path());
    }
    fs::path prefix() const { return dir.path() / "usr"; }
    fs::path calc() const { return prefix() / "bin" / "kelvara-calc"; }
    fs::path data() const { return prefix() / "share" / "kelvara"; }
    fs::path Root() const { return home.path() / ".local" / "share" / "Kelvara"; }
    CalcRun Calc(const std::vector<std::string>& args) {
        return RunIn(elsewhere.path(), "HOME=" + Quote(home.path().string()), calc(), args);
    }

    TempDir dir;
    TempDir home;
    TempDir elsewhere;  // no program folder
};

TEST_F(Installed, FillsTheUserRootAndCalculatesTheExampleFromThere) {
    const CalcRun r = Calc({"--json", "Пример.sav"});
    ASSERT_EQ(r.status, 0) << r.out;
    const Json j = Json::parse(r.out);
    EXPECT_TRUE(j["calculated"].get<bool>());
    EXPECT_TRUE(j["messages"].empty());
    for (const char* f : {"Wire.txt", "Bases_Cores/FerritesCores.txt",
                          "Ferrites_Materials/N87 Epcos.txt", "Kelvara/Пример.sav"}) {
        EXPECT_EQ(testing::ReadBytes(Root() / f), testing::ReadBytes(data() / f)) << f;
    }
    // The same design calculated in the portable layout gives the same.
    const CalcRun portable = RunIn(
        elsewhere.path(), "", KELVARA_CALC_PATH,
        {"--json", "--data-root", data().string(), (data() / "Kelvara" / "Пример.sav").string()});
    ASSERT_EQ(portable.status, 0) << portable.out;
    EXPECT_EQ(Json::parse(portable.out), j);
}

TEST_F(Installed, LaterRunsKeepTheUsersDesignsAndRefreshTheReferenceData) {
    ASSERT_EQ(Calc({"Пример.sav"}).status, 0);
    DesignInputs mine;
    mine.Fr = u"120";
    ASSERT_TRUE(WriteDesignFile(Root() / "Kelvara" / "Пример.sav", mine));
    testing::WriteBytes(Root() / "Wire.txt", "an older wire table");
    const CalcRun r = Calc({"--json", "Пример.sav"});
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Json::parse(r.out)["inputs"]["Fr"].get<std::string>(), "120");
    EXPECT_EQ(testing::ReadBytes(Root() / "Wire.txt"), testing::ReadBytes(data() / "Wire.txt"));
}

TEST_F(Installed, ADesignInTheCurrentFolderComesFirst) {
    DesignInputs here;
    here.Fr = u"80";
    ASSERT_TRUE(WriteDesignFile(elsewhere / "Пример.sav", here));
    const CalcRun r = Calc({"--json", "Пример.sav"});
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Json::parse(r.out)["inputs"]["Fr"].get<std::string>(), "80");
}

TEST(UserRoot, KelvaraHomeNamesIt) {
    DataRoot data;
    TempDir elsewhere;
    ASSERT_TRUE(WriteDesignFile(data.program() / "design.sav", DesignInputs{}));
    const CalcRun r = RunIn(elsewhere.path(), "KELVARA_HOME=" + Quote(data.root().string()),
                            KELVARA_CALC_PATH, {"--json", "design.sav"});
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Json::parse(r.out)["calculated"].get<bool>());
    // Without it (and without installed data beside the built program) the
    // home's root is made, but holds no wire table.
    const CalcRun none = RunIn(elsewhere.path(), "", KELVARA_CALC_PATH, {"design.sav"});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.out.find("Wire.txt"), std::string::npos) << none.out;
}

#endif

}  // namespace
}  // namespace kelvara
