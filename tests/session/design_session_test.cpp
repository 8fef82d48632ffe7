// The design session without any window: a design through the reference
// data, the calculation, the check and the adviser; each reference file read
// once; the messages of the steps; adding a core; the document's rows.
#include "session/design_session.h"

#include <gtest/gtest.h>

#include <set>

#include "refdata/text_file.h"
#include "support/data_root.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::DataRoot;

class Session : public ::testing::Test {
  protected:
    void SetUp() override {
        s.SetProgramFolder(data.program());
        Messages m;
        ASSERT_TRUE(s.LoadWireTable(m));
        ASSERT_TRUE(m.empty());
    }
    // The window's opening road with the inputs as they stand.
    Messages Apply() {
        Messages m;
        EXPECT_TRUE(s.ApplyDesign(m, coreSelected));
        return m;
    }
    static std::vector<Text> Texts(const Messages& m) {
        std::vector<Text> out;
        for (const CalcEvent& e : m) out.push_back(e.text);
        return out;
    }

    DataRoot data;
    DesignSession s;
    bool coreSelected = false;
};

TEST_F(Session, ADesignGoesThroughCalculationCheckAndAdviser) {
    EXPECT_EQ(s.dataRoot(), data.root() / "");
    EXPECT_TRUE(Apply().empty());
    ASSERT_TRUE(coreSelected);
    EXPECT_EQ(s.inputs().core, u"E 40/16/12");
    EXPECT_EQ(s.inputs().mater, u"N87 Epcos");
    EXPECT_EQ(s.inputs().Ae, u"149");
    EXPECT_EQ(s.coreRecord().Ve, 77 * 149 / 1000.0);
    const DesignRun& run = s.lastRun();
    ASSERT_TRUE(run.completed());
    EXPECT_TRUE(run.check.done);
    EXPECT_EQ(run.results().text[kRN1], u"26");

    const Ranking r = s.Rank(s.inputs(), false);
    EXPECT_FALSE(r.cancelled);
    // Eight cores with the one material, ranked: calculated runs first.
    ASSERT_EQ(r.candidates.size(), 8u);
    std::set<Text> cores;
    for (const Candidate& c : r.candidates) {
        cores.insert(c.core);
        EXPECT_EQ(c.material, u"N87 Epcos");
    }
    EXPECT_EQ(cores.size(), 8u);
    EXPECT_TRUE(r.candidates.front().calculated());
    // The session's own design is not touched by the ranking.
    EXPECT_EQ(s.inputs().core, u"E 40/16/12");
    EXPECT_EQ(s.Rank(s.inputs(), true).candidates.size(), 16u);
}

TEST_F(Session, EveryReferenceFileIsReadOnce) {
    Apply();
    for (int i = 0; i < 3; ++i) s.Calculate();
    s.Rank(s.inputs(), true);
    s.Rank(s.inputs(), true);
    s.inputs().mater = u"3C90";
    Messages m;
    s.SelectMaterialByName(m);
    ASSERT_TRUE(s.ReadSelectedMaterial(m));
    s.inputs().mater = u"N87 Epcos";
    ASSERT_TRUE(s.ReadSelectedMaterial(m));
    EXPECT_TRUE(m.empty());
    EXPECT_EQ(s.reads().wireTable, 1);
    EXPECT_EQ(s.reads().materialLists, 1);
    EXPECT_EQ(s.reads().materialFiles, 2);  // two materials in the folder
    EXPECT_EQ(s.reads().coreFiles, 1);
    EXPECT_EQ(s.calculationsRun(), 4);
}

TEST_F(Session, StepsSayWhatTheyCouldNotDo) {
    s.inputs().mater = u"Феррит";
    s.inputs().core = u"PQ 99";
    s.inputs().coreIndex = 1;
    const std::vector<Text> said = Texts(Apply());
    // The material and core named are not there: the first listed material
    // and the first entry of the PQ family's list ("Другая") are used.
    // Then the calculation's own messages (this small core needs a larger
    // gap and its window is too full).
    ASSERT_EQ(said.size(), 2 + s.lastRun().Messages().size());
    EXPECT_EQ(said[0], u"Материал \"Феррит\" не найден; выбран \"3C90 Ferroxcube\".");
    EXPECT_EQ(said[1], u"Сердечник \"PQ 99\" не найден в базе; выбран \"RM 10\".");
    EXPECT_EQ(s.inputs().mater, u"3C90 Ferroxcube");
    EXPECT_EQ(s.inputs().core, u"RM 10");
    EXPECT_TRUE(coreSelected);
}

TEST_F(Session, ACoreOfAnEmptyFamilyIsNotCalculated) {
    // Without the shipped core file the database is empty: the design's
    // family lists no core and nothing is calculated.
    fs::remove(data.root() / "Bases_Cores" / "FerritesCores.txt");
    s.inputs().core = u"E 40/16/12";
    const std::vector<Text> said = Texts(Apply());
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0], u"В папке \"Bases_Cores\" отсутствует файл \"FerritesCores.txt\"");
    EXPECT_FALSE(coreSelected);
    EXPECT_EQ(s.calculationsRun(), 0);
    // The user's file was made, empty.
    EXPECT_TRUE(fs::exists(data.root() / "Bases_Cores" / "UserFerritesCores.txt"));
}

TEST_F(Session, AnUnreadableMaterialKeepsTheLoadedOne) {
    Apply();
    fs::remove(data.root() / "Ferrites_Materials" / "3C90 Ferroxcube.txt");
    s.inputs().mater = u"3C90 Ferroxcube";
    Messages m;
    EXPECT_FALSE(s.ReadSelectedMaterial(m));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, u"Не удалось прочитать файл материала \"3C90 Ferroxcube.txt\".");
    EXPECT_EQ(m[0].caption, kCaptionWarning);
    EXPECT_EQ(s.inputs().mater, u"N87 Epcos");
    EXPECT_EQ(s.loadedMaterial(), u"N87 Epcos");
}

TEST_F(Session, WithoutWireTableOrMaterialsTheRoadStops) {
    DataRoot empty;
    fs::remove(empty.root() / "Wire.txt");
    for (const auto& e : fs::directory_iterator(empty.root() / "Ferrites_Materials"))
        fs::remove(e.path());
    DesignSession t;
    t.SetProgramFolder(empty.program());
    Messages m;
    EXPECT_FALSE(t.LoadWireTable(m));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].text.find(u"отсутствует файл \"Wire.txt\""), Text::npos);
    m.clear();
    bool selected = true;
    EXPECT_FALSE(t.ApplyDesign(m, selected));
    EXPECT_FALSE(selected);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].text.find(u"отсутствуют все файлы материалов"), Text::npos);
}

TEST_F(Session, AnAddedCoreIsInTheFileAndTheDatabase) {
    Apply();
    const Text record = u"[E 33/3/3]\r\nAe = 50\r\nAn = 60\r\nle = 70\r\nmu = 1000\r\n\r\n";
    ASSERT_TRUE(s.AddCore(record));
    EXPECT_EQ(s.cores().Lookup(u"E 33/3/3").record.le, 70);
    const auto user = ReadTextFile(data.root() / "Bases_Cores" / "UserFerritesCores.txt");
    ASSERT_TRUE(user);
    EXPECT_EQ(*user, record);
    // A folder in the user file's place: it cannot be written, and nothing changes.
    DataRoot other;
    fs::create_directories(other.root() / "Bases_Cores" / "UserFerritesCores.txt");
    DesignSession t;
    t.SetProgramFolder(other.program());
    const Text before = t.cores().text();
    EXPECT_FALSE(t.AddCore(record));
    EXPECT_EQ(t.cores().text(), before);
}

TEST_F(Session, ACancelledRankingHasNoCandidates) {
    Apply();
    RankProgress progress;
    progress.every = std::chrono::milliseconds(0);
    progress.report = [](size_t, size_t) { return false; };
    const Ranking r = s.Rank(s.inputs(), true, progress);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.candidates.empty());
}

TEST_F(Session, TheDocumentHasEveryResultRowWithItsUnit) {
    Apply();
    const DesignDocument d = s.Document(coreSelected);
    const std::vector<DocumentRow> rows = d.ResultRows();
    ASSERT_EQ(rows.size(), kResultRows.size() + 1);
    EXPECT_EQ(rows[0].label, kGapReqLabel);
    EXPECT_EQ(rows[0].unit, u"мм");
    EXPECT_EQ(rows[0].value, d.results.text[kRGapReq]);
    EXPECT_EQ(rows[11].label, u"Индуктив. намагнич. первич. обмотки Lm");
    EXPECT_EQ(rows[11].unit, d.results.text[kRLmUnit]);
    EXPECT_EQ(rows[15].unit, u"нФ");
    // In AL mode the first row is the largest AL, without a unit.
    s.inputs().yes_al = 1;
    s.inputs().zazor = u"300";
    s.Calculate();
    const DesignDocument al = s.Document(true);
    EXPECT_EQ(al.ResultRows()[0].label, kALReqLabel);
    EXPECT_EQ(al.ResultRows()[0].unit, u"");
    const Text table = ResultsTable(al);
    EXPECT_EQ(table.substr(0, table.find(u'\n')),
              Text(kALReqLabel) + u"\t" + al.results.text[kRGapReq] + u"\t");
    // Core rows show the texts of the core fields and the material.
    const std::vector<DocumentRow> core = al.CoreRows();
    EXPECT_EQ(core.front().value, u"E 40/16/12");
    EXPECT_EQ(core.back().value, u"N87 Epcos");
}

TEST(StatusStyle, EveryStatusHasItsOwnMarkWordAndColour) {
    std::set<std::u16string_view> marks, words;
    std::set<unsigned> colours;
    for (CheckStatus st :
         {CheckStatus::Ok, CheckStatus::Warning, CheckStatus::Error, CheckStatus::Unknown}) {
        marks.insert(StyleOf(st).mark);
        words.insert(StyleOf(st).word);
        colours.insert(StyleOf(st).colour);
        EXPECT_EQ(StyleOf(st).plainMark.size(), 2u);
    }
    EXPECT_EQ(marks.size(), 4u);
    EXPECT_EQ(words.size(), 4u);
    EXPECT_EQ(colours.size(), 4u);
    EXPECT_EQ(ColourHex(StyleOf(CheckStatus::Ok).colour), "#1b7f2a");
    DesignCheck check;
    EXPECT_EQ(WorstStatus(check), CheckStatus::Ok);
    check.warnings = 2;
    EXPECT_EQ(WorstStatus(check), CheckStatus::Warning);
    check.errors = 1;
    EXPECT_EQ(WorstStatus(check), CheckStatus::Error);
}

}  // namespace
}  // namespace kelvara
