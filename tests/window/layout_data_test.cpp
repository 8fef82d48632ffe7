// The windows as data, which every front end builds its controls from: the
// main window's table against the field bindings, the menu, the tooltips, the
// pickers, the pictures; and the toolkit-free pieces the front ends draw (the
// check's summary strip, the adviser's table, the exports).
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "kelvara/version.h"
#include "session/design_document.h"
#include "session/messages.h"
#include "support/temp_dir.h"
#include "window/adviser_table.h"
#include "window/check_inputs.h"
#include "window/check_strip.h"
#include "window/file_export.h"
#include "window/file_picker_layout.h"
#include "window/main_window_layout.h"
#include "window/menu.h"
#include "window/notifications.h"
#include "window/secondary_layout.h"
#include "window/tooltip_texts.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;

const ControlDef* Find(std::span<const ControlDef> table, int id) {
    for (const ControlDef& c : table)
        if (c.id == id) return &c;
    return nullptr;
}

TEST(MainWindowTable, HoldsEveryBoundControlOnceInsideTheWindow) {
    std::map<int, int> seen;
    for (const ControlDef& c : MainWindowControls()) {
        if (c.id != kNoId) ++seen[c.id];
        EXPECT_GE(c.x, 0);
        EXPECT_GE(c.y, 0);
        EXPECT_LE(c.x + c.w, kMainWindowWidth) << c.id;
        EXPECT_LE(c.y + c.h, kMainWindowHeight) << c.id;
    }
    for (const auto& [id, n] : seen) EXPECT_EQ(n, 1) << id;
    for (const FieldControls& f : kFieldControls)
        for (int b = 0; b < f.count; ++b) EXPECT_EQ(seen.count(f.ids[b]), 1u) << f.ids[b];
    for (const ResultFieldDef& r : kResultFields) EXPECT_EQ(seen.count(r.controlId), 1u);
    for (int id : {ctl::kCalculate, ctl::kExit, ctl::kSave, ctl::kLoad, ctl::kAddCore,
                   ctl::kGapLabel, ctl::kGapUnit}) {
        EXPECT_EQ(seen.count(id), 1u) << id;
    }
    // The core-shape picture lies in the core group, left of the shape radios.
    EXPECT_LE(kPictureX + kPictureW, Find(MainWindowControls(), ctl::kShapeE)->x);
}

// Each choice field's buttons follow each other in the table, the first
// starting the group, so any front end groups them as the field's values.
TEST(MainWindowTable, EachChoiceIsOneGroupOfRadioButtons) {
    const std::span<const ControlDef> table = MainWindowControls();
    for (const FieldControls& f : kFieldControls) {
        const FieldDef* def = FindField(f.key);
        ASSERT_NE(def, nullptr) << ToUtf8(f.key);
        if (def->kind != FieldKind::Choice) continue;
        std::set<int> group;
        const ControlDef* start = nullptr;
        for (size_t i = 0; i < table.size(); ++i) {
            if (table[i].kind != ControlKind::Radio || !(table[i].flags & kGroupStart)) continue;
            std::set<int> members{table[i].id};
            for (size_t j = i + 1; j < table.size() && table[j].kind == ControlKind::Radio &&
                                   !(table[j].flags & kGroupStart);
                 ++j) {
                members.insert(table[j].id);
            }
            if (members.count(f.ids[0])) {
                group = members;
                start = &table[i];
            }
        }
        ASSERT_NE(start, nullptr) << ToUtf8(f.key);
        EXPECT_EQ(group.size(), static_cast<size_t>(f.count)) << ToUtf8(f.key);
        for (int b = 0; b < f.count; ++b) EXPECT_TRUE(group.count(f.ids[b])) << ToUtf8(f.key);
    }
}

TEST(MainWindowTable, CalculateIsTheOnlyDefaultButton) {
    int defaults = 0;
    for (const ControlDef& c : MainWindowControls()) {
        if (c.flags & kDefault) {
            ++defaults;
            EXPECT_EQ(c.id, ctl::kCalculate);
            EXPECT_EQ(c.kind, ControlKind::Button);
        }
    }
    EXPECT_EQ(defaults, 1);
}

TEST(MainWindowTable, CaptionNamesTheVersion) {
    EXPECT_EQ(MainWindowCaption(),
              u"Kelvara - Расчет резонансных цепей резонансного полумостового преобразователя "
              u"(Версия " +
                  Text(kProgramVersion) + u")");
}

TEST(Menu, EveryCommandHasItsOwnMnemonic) {
    std::set<int> ids;
    std::set<char16_t> letters;
    for (const MenuCommand& m : kMenu) {
        EXPECT_TRUE(ids.insert(m.id).second) << m.id;
        const size_t at = m.text.find(u'&');
        ASSERT_NE(at, std::u16string_view::npos) << ToUtf8(m.text);
        EXPECT_EQ(m.text.find(u'&', at + 1), std::u16string_view::npos) << ToUtf8(m.text);
        ASSERT_LT(at + 1, m.text.size());
        EXPECT_TRUE(letters.insert(FoldCase(m.text[at + 1])).second) << ToUtf8(m.text);
    }
    EXPECT_EQ(kMenu[0].id, ctl::kCmdTransfer);
    EXPECT_EQ(kMenu[1].id, ctl::kCmdHelp);
    EXPECT_EQ(kMenu[2].id, ctl::kCmdCircuit);
    EXPECT_EQ(kMenu[3].id, ctl::kCmdAbout);
}

TEST(Tooltips, BelongToControlsOfTheWindow) {
    ASSERT_EQ(MainWindowTooltips().size(), 15u);
    std::set<int> ids;
    for (const TooltipDef& t : MainWindowTooltips()) {
        EXPECT_TRUE(ids.insert(t.id).second) << t.id;
        EXPECT_NE(Find(MainWindowControls(), t.id), nullptr) << t.id;
        EXPECT_FALSE(t.text.empty());
    }
    EXPECT_EQ(kTooltipBackgroundRgb, 0xFFF0A0u);
    EXPECT_EQ(kTooltipDelayMs, 100);
    EXPECT_EQ(kTooltipDurationMs, 30000);
    EXPECT_EQ(kTooltipMaxWidth, 350);
}

TEST(PickerTables, HaveTheListTheNameEditAndTheButtons) {
    for (const auto& [table, nameId, readOnly] :
         {std::tuple{OpenFileControls(), picker::kOpenNameId, true},
          std::tuple{SaveFileControls(), picker::kSaveNameId, false}}) {
        const ControlDef* list = Find(table, picker::kFileListId);
        const ControlDef* name = Find(table, nameId);
        const ControlDef* ok = Find(table, picker::kOkId);
        ASSERT_TRUE(list && name && ok && Find(table, picker::kCancelId));
        EXPECT_EQ(list->kind, ControlKind::ListBox);
        EXPECT_EQ((name->flags & kReadOnly) != 0, readOnly);
        EXPECT_TRUE(ok->flags & kDefault);
        for (const ControlDef& c : table) {
            EXPECT_LE(c.x + c.w, kPickerWidth);
            EXPECT_LE(c.y + c.h, kPickerHeight);
        }
    }
}

TEST(SecondaryLayout, ButtonsLieInsideTheirWindows) {
    const struct {
        DluRect r;
        int w, h;
    } cases[] = {{transfer::kOk, transfer::kWidth, transfer::kHeight},
                 {transfer::kSaveImage, transfer::kWidth, transfer::kHeight},
                 {transfer::kExportCsv, transfer::kWidth, transfer::kHeight},
                 {help::kEdit, help::kWidth, help::kHeight},
                 {help::kOk, help::kWidth, help::kHeight},
                 {circuit::kPicture, circuit::kWidth, circuit::kHeight},
                 {circuit::kOk, circuit::kWidth, circuit::kHeight},
                 {about::kTitle, about::kWidth, about::kHeight},
                 {about::kOk, about::kWidth, about::kHeight}};
    for (const auto& c : cases) {
        EXPECT_LE(c.r.x + c.r.w, c.w);
        EXPECT_LE(c.r.y + c.r.h, c.h);
    }
    // The exports stay left of the close button.
    EXPECT_LE(transfer::kExportCsv.x + transfer::kExportCsv.w, transfer::kOk.x);
}

struct PictureCase {
    int shape, addBySize;
    const char16_t* name;
};

TEST(ShapePicture, FollowsTheShapeAndTheDimensionMode) {
    const PictureCase cases[] = {
        {0, 0, u"core_e"},     {0, 1, u"core_e_dims"},
        {1, 0, u"core_ei"},    {1, 1, u"core_ei_dims"},
        {2, 0, u"core_round"}, {2, 1, u"core_round_dims"},
        {3, 0, u"core_round"}, {3, 1, u"core_round_dims"},
        {4, 0, u"core_other"}, {4, 1, u"core_other"},
        {5, 0, u""},           {-1, 0, u""},
    };
    for (const PictureCase& c : cases) {
        const std::u16string_view name = ShapePictureName(c.shape, c.addBySize);
        EXPECT_EQ(name, c.name) << c.shape << " " << c.addBySize;
        if (!name.empty()) {
            EXPECT_TRUE(fs::is_regular_file(fs::path(KELVARA_SOURCE_DIR) / "resources" /
                                            (ToUtf8(name) + ".svg")))
                << ToUtf8(name);
        }
    }
}

TEST(Notifications, ButtonsGoToTheirHandlersAndInputsAreKnown) {
    for (const ClickHandler& c : kClickHandlers) {
        const ControlDef* def = Find(MainWindowControls(), c.id);
        ASSERT_NE(def, nullptr) << c.id;
        EXPECT_TRUE(def->kind == ControlKind::Button || def->kind == ControlKind::Radio ||
                    def->kind == ControlKind::CheckBox)
            << c.id;
    }
    EXPECT_EQ(ClickHandlerOf(ctl::kCalculate), &CKelvaraDlg::OnCalculate);
    EXPECT_EQ(ClickHandlerOf(ctl::kShapeETD), &CKelvaraDlg::OnShapeChanged);
    EXPECT_EQ(ClickHandlerOf(ctl::kExit), nullptr);  // the window closes itself
    EXPECT_EQ(ClickHandlerOf(ctl::kFr), nullptr);
    for (const FieldControls& f : kFieldControls)
        for (int b = 0; b < f.count; ++b) EXPECT_TRUE(IsInputControl(f.ids[b])) << f.ids[b];
    for (int id : {ctl::kCalculate, ctl::kResAL, ctl::kGapLabel, ctl::kAddCore})
        EXPECT_FALSE(IsInputControl(id)) << id;
}

TEST(CheckInputs, AreTheLaterDesignKeys) {
    std::set<std::u16string_view> keys;
    for (const CheckInputDef& in : kCheckInputs) {
        EXPECT_TRUE(keys.insert(in.key).second);
        const FieldDef* f = FindField(in.key);
        ASSERT_NE(f, nullptr) << ToUtf8(in.key);
        EXPECT_EQ(f->kind, FieldKind::Text);
    }
    const FieldDef* inter = FindField(kCheckInterKey);
    ASSERT_NE(inter, nullptr);
    EXPECT_EQ(inter->kind, FieldKind::Choice);
    // Every later key is shown.
    EXPECT_EQ(keys.size() + 1, kDesignExtraFields.size());
}

// --- The check's summary strip -------------------------------------------------------

Text Joined(const std::vector<StripPart>& parts) {
    Text t;
    for (const StripPart& p : parts) t += p.text;
    return t;
}

DesignCheck CheckOf(std::initializer_list<CheckStatus> statuses) {
    DesignCheck check;
    check.done = true;
    for (CheckStatus s : statuses) {
        CheckRow row("key");
        row.status = s;
        check.rows.push_back(row);
        if (s == CheckStatus::Error) ++check.errors;
        if (s == CheckStatus::Warning) ++check.warnings;
    }
    return check;
}

TEST(CheckStrip, CountsColouredByTheWorstStatusAndALink) {
    const DesignCheck warn = CheckOf({CheckStatus::Ok, CheckStatus::Warning});
    const std::vector<StripPart> parts = CheckStripParts(warn, false);
    EXPECT_EQ(Joined(parts), u"Проверка проекта: " + CheckCounts(warn) + u"   Подробно...");
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_TRUE(parts[1].bold);
    EXPECT_EQ(parts[1].colour, StyleOf(CheckStatus::Warning).colour);
    EXPECT_TRUE(parts.back().link);
    EXPECT_EQ(CheckStripParts(CheckOf({CheckStatus::Error, CheckStatus::Warning}), false)[1].colour,
              StyleOf(CheckStatus::Error).colour);
    EXPECT_EQ(CheckStripParts(CheckOf({CheckStatus::Ok}), false)[1].colour,
              StyleOf(CheckStatus::Ok).colour);
}

TEST(CheckStrip, SaysWhenTheResultsBelongToEarlierInputsOrTheRunStopped) {
    const DesignCheck warn = CheckOf({CheckStatus::Warning});
    const std::vector<StripPart> stale = CheckStripParts(warn, true);
    ASSERT_GE(stale.size(), 2u);
    EXPECT_EQ(stale[0].text, msg::kResultsStale);
    EXPECT_EQ(stale[0].colour, StyleOf(CheckStatus::Error).colour);
    EXPECT_EQ(stale[1].colour, StyleOf(CheckStatus::Unknown).colour);
    EXPECT_TRUE(stale.back().link);

    DesignCheck stopped;
    EXPECT_EQ(Joined(CheckStripParts(stopped, false)),
              u"Проверка проекта: расчет не выполнен до конца");
    EXPECT_FALSE(CheckStripParts(stopped, false).back().link);
    const std::vector<StripPart> staleStopped = CheckStripParts(stopped, true);
    ASSERT_EQ(staleStopped.size(), 1u);
    EXPECT_EQ(staleStopped[0].text, msg::kResultsStale);
}

// --- The adviser's table ------------------------------------------------------------

TEST(AdviserTable, ShowsAFinishedRunsNumbersAndItsVerdict) {
    Candidate c;
    c.core = u"E 40/16/12";
    c.material = u"N87 Epcos";
    c.completed = true;
    c.zazor = u"0.31";
    c.Ve = 11.7191;
    c.losses = 2.084;
    c.rise = 41.6;
    c.bAtFMin = std::nan("");
    c.warnings = 1;
    c.results.text[kRN1] = u"26";
    c.results.N1 = 26;
    c.results.xMinFound = true;
    c.results.fMin = 67.214;
    c.results.xMaxFound = false;
    const std::vector<AdviserCell> row = AdviserRow(c, 2);
    ASSERT_EQ(row.size(), static_cast<size_t>(kAdviserColumns));
    EXPECT_EQ(row[0].text, u"3");
    EXPECT_EQ(row[0].key, 2);
    EXPECT_EQ(row[1].text, c.core);
    EXPECT_FALSE(row[1].numeric);
    EXPECT_EQ(row[3].text, u"11.719");
    EXPECT_EQ(row[4].text, u"26");
    EXPECT_EQ(row[6].text, u"0.31");
    EXPECT_DOUBLE_EQ(row[6].key, 0.31);
    EXPECT_EQ(row[8].text, u"—");  // unknown, sorted last
    EXPECT_EQ(row[8].key, HUGE_VAL);
    EXPECT_EQ(row[10].text, u"42");
    EXPECT_EQ(row[12].text, u"67.21");
    EXPECT_EQ(row[13].text, u"—");
    EXPECT_EQ(row[kAdviserVerdictColumn].text, u"0 / 1");
    EXPECT_EQ(row[kAdviserVerdictColumn].status, CheckStatus::Warning);
    EXPECT_EQ(AdviserColumnHeads(false)[6], u"Зазор, мм");
    EXPECT_EQ(AdviserColumnHeads(true)[6], u"AL, нГн/виток^2");
    EXPECT_EQ(AdviserColumnHeads(true).size(), static_cast<size_t>(kAdviserColumns));
}

TEST(AdviserTable, AStoppedRunShowsNoResultsAndComesLast) {
    Candidate c;
    c.core = u"X";
    c.completed = false;
    c.zazor = u"0.5";
    const std::vector<AdviserCell> row = AdviserRow(c, 0);
    EXPECT_EQ(row[6].text, u"");
    EXPECT_EQ(row[6].key, HUGE_VAL);
    EXPECT_EQ(row[kAdviserVerdictColumn].text, u"расчет прерван");
    EXPECT_EQ(row[kAdviserVerdictColumn].status, CheckStatus::Error);
    EXPECT_EQ(row[kAdviserVerdictColumn].key, HUGE_VAL);
    EXPECT_EQ(AdviserTiming(59, 23.26, false), u"Рассчитано вариантов: 59 за 23.3 мс");
    EXPECT_EQ(AdviserTiming(0, 5, true), u"Подбор прерван");
}

// The time-domain model's columns: fTd at both corners and soft switching,
// which sorts yes, no, unknown and colours what it knows.
struct TdColumnsCase {
    const char* name;
    bool completed;
    double fTdMin, fTdMax;
    Candidate::Soft soft;
    std::u16string_view fTdMinText, fTdMaxText, softText;
    double softKey;
    bool coloured;
    CheckStatus status;
};

void PrintTo(const TdColumnsCase& k, std::ostream* os) {
    *os << k.name;
}

class AdviserTdColumns : public ::testing::TestWithParam<TdColumnsCase> {};

TEST_P(AdviserTdColumns, ShowTheModelsFrequenciesAndSwitching) {
    const TdColumnsCase& k = GetParam();
    Candidate c;
    c.core = u"E 40/16/12";
    c.completed = k.completed;
    c.fTdMin = k.fTdMin;
    c.fTdMax = k.fTdMax;
    c.soft = k.soft;
    const std::vector<AdviserCell> row = AdviserRow(c, 0);
    ASSERT_EQ(row.size(), static_cast<size_t>(kAdviserColumns));
    EXPECT_EQ(row[kAdviserFTdMinColumn].text, k.fTdMinText);
    EXPECT_EQ(row[kAdviserFTdMaxColumn].text, k.fTdMaxText);
    EXPECT_EQ(row[kAdviserSoftColumn].text, k.softText);
    EXPECT_EQ(row[kAdviserSoftColumn].key, k.softKey);
    EXPECT_EQ(row[kAdviserSoftColumn].coloured, k.coloured);
    if (k.coloured) {
        EXPECT_EQ(row[kAdviserSoftColumn].status, k.status);
    }
    // Only the verdict and the soft switching carry a colour.
    for (int col = 0; col < kAdviserColumns; ++col) {
        if (col != kAdviserSoftColumn && col != kAdviserVerdictColumn) {
            EXPECT_FALSE(row[static_cast<size_t>(col)].coloured) << col;
        }
    }
    EXPECT_TRUE(row[kAdviserVerdictColumn].coloured);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdviserTdColumns,
    ::testing::Values(TdColumnsCase{"Soft", true, 91.234, 118.006, Candidate::Soft::Yes, u"91.23",
                                    u"118.01", u"да", 0, true, CheckStatus::Ok},
                      TdColumnsCase{"Hard", true, 62.5, 70.004, Candidate::Soft::No, u"62.50",
                                    u"70.00", u"нет", 1, true, CheckStatus::Error},
                      TdColumnsCase{"NotSolved", true, std::nan(""), std::nan(""),
                                    Candidate::Soft::Unknown, u"—", u"—", u"—", HUGE_VAL, false,
                                    CheckStatus::Ok},
                      TdColumnsCase{"OneCornerFound", true, 80.0, std::nan(""),
                                    Candidate::Soft::Unknown, u"80.00", u"—", u"—", HUGE_VAL, false,
                                    CheckStatus::Ok},
                      // A stopped run shows none of the model's numbers, whatever it holds.
                      TdColumnsCase{"Stopped", false, 91.0, 118.0, Candidate::Soft::Yes, u"—", u"—",
                                    u"—", HUGE_VAL, false, CheckStatus::Ok}),
    [](const ::testing::TestParamInfo<TdColumnsCase>& info) { return info.param.name; });

TEST(AdviserTable, HeadsAndCountsFollowTheLanguage) {
    const std::vector<Text> ru = AdviserColumnHeads(false);
    EXPECT_EQ(ru[kAdviserFTdMinColumn], u"fTd min, кГц");
    EXPECT_EQ(ru[kAdviserFTdMaxColumn], u"fTd max, кГц");
    EXPECT_EQ(ru[kAdviserSoftColumn], u"Мягкое перекл.");
    EXPECT_EQ(ru[kAdviserVerdictColumn], u"Ошибки / предупр.");
    SetLanguage(Language::English);
    const std::vector<Text> en = AdviserColumnHeads(true);
    const Text timing = AdviserTiming(59, 23.26, false);
    Candidate c;
    c.completed = true;
    c.soft = Candidate::Soft::No;
    const Text soft = AdviserRow(c, 0)[kAdviserSoftColumn].text;
    SetLanguage(Language::Russian);
    ASSERT_EQ(en.size(), static_cast<size_t>(kAdviserColumns));
    EXPECT_EQ(en[6], u"AL, nH/turn^2");
    EXPECT_EQ(en[kAdviserFTdMinColumn], u"fTd min, kHz");
    EXPECT_EQ(en[kAdviserSoftColumn], u"Soft switching");
    EXPECT_EQ(timing, u"Candidates calculated: 59 in 23.3 ms");
    EXPECT_EQ(soft, u"no");
    for (const Text& head : en) {
        for (char16_t ch : head) EXPECT_FALSE(ch >= 0x400 && ch <= 0x4ff) << ToUtf8(head);
    }
}

TEST(CheckStrip, SpeaksTheChosenLanguage) {
    DesignCheck stopped;
    SetLanguage(Language::English);
    const std::vector<StripPart> parts = CheckStripParts(stopped, false);
    const std::vector<StripPart> stale = CheckStripParts(stopped, true);
    SetLanguage(Language::Russian);
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(parts[0].text, u"Design check: the calculation did not run to its end");
    ASSERT_FALSE(stale.empty());
    EXPECT_EQ(stale[0].text, TrIn(Language::English, msg::kResultsStale));
}

// --- Exports ---------------------------------------------------------------------------

TEST(ExportFile, WritesTheBytesOrSaysItCouldNot) {
    testing::TempDir dir;
    EXPECT_TRUE(WriteExportFile(dir / "curve.csv", "f_kHz,x,gain\n1,2,3\n"));
    EXPECT_EQ(testing::ReadBytes(dir / "curve.csv"), "f_kHz,x,gain\n1,2,3\n");
    EXPECT_TRUE(WriteExportFile(dir / "curve.csv", "again"));
    EXPECT_EQ(testing::ReadBytes(dir / "curve.csv"), "again");
    EXPECT_FALSE(WriteExportFile(dir / "none.svg", ""));
    EXPECT_FALSE(fs::exists(dir / "none.svg"));
    EXPECT_FALSE(WriteExportFile(dir / "no such folder" / "x.csv", "x"));
}

}  // namespace
}  // namespace kelvara
