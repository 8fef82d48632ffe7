// The main window's control handlers, driven through a headless view.
#include <gtest/gtest.h>

#include <ostream>

#include "calc/gap_model.h"
#include "support/open_window.h"
#include "window/headless_view.h"
#include "window/kelvara_dlg.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::DataRoot;

using Handlers = testing::OpenWindow;

struct KoCase {
    const char16_t* typed;
    const char16_t* shown;
};

class WindowFillLimit : public Handlers, public ::testing::WithParamInterface<KoCase> {};

TEST_P(WindowFillLimit, CutsAbove04WhileTyping) {
    view.Type(ctl::kKo, GetParam().typed);
    dlg.OnKoChanged();
    EXPECT_EQ(view.GetText(ctl::kKo), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Typing, WindowFillLimit,
                         ::testing::Values(KoCase{u"0,4", u"0,4"}, KoCase{u"0,45", u"0.4"},
                                           KoCase{u"0,39", u"0,39"}, KoCase{u"0.4000", u"0.4000"},
                                           KoCase{u"0.40001", u"0.4"}, KoCase{u"5", u"0.4"},
                                           KoCase{u"abc", u"abc"}, KoCase{u"", u""}));

TEST_F(Handlers, MainsThenDcConvertsTheVoltages) {
    view.ClickRadio(ctl::kRadioAC, {ctl::kRadioDC, ctl::kRadioAC});
    dlg.OnRadioAC();
    EXPECT_EQ(view.GetText(ctl::kUmin), u"207");
    EXPECT_EQ(view.GetText(ctl::kUmax), u"253");
    view.ClickRadio(ctl::kRadioDC, {ctl::kRadioDC, ctl::kRadioAC});
    dlg.OnRadioDC();
    EXPECT_EQ(view.GetText(ctl::kUmin), u"279");
    EXPECT_EQ(view.GetText(ctl::kUmax), u"342");
    // DC clicked again while DC is checked changes nothing.
    view.Type(ctl::kUmin, u"300");
    dlg.OnRadioDC();
    EXPECT_EQ(view.GetText(ctl::kUmin), u"300");
}

TEST_F(Handlers, DcRoundsHalfAwayFromZeroAndStopsAtAComma) {
    view.ClickRadio(ctl::kRadioAC, {ctl::kRadioDC, ctl::kRadioAC});
    dlg.OnRadioAC();
    view.Type(ctl::kUmin, u"230,5");
    view.ClickRadio(ctl::kRadioDC, {ctl::kRadioDC, ctl::kRadioAC});
    dlg.OnRadioDC();
    EXPECT_EQ(view.GetText(ctl::kUmin), u"311");  // 230 × 1.35 = 310.5
}

TEST_F(Handlers, TransistorRadiosOnlySwitchTheEdits) {
    view.ClickRadio(ctl::kRadioUnas, {ctl::kRadioUnas, ctl::kRadioRds});
    dlg.OnRadioUnas();
    EXPECT_TRUE(view.IsEnabled(ctl::kUnas));
    EXPECT_FALSE(view.IsEnabled(ctl::kRds));
    EXPECT_EQ(dlg.inputs().rds, 1);  // until the next take
    dlg.Calculate();
    EXPECT_EQ(dlg.inputs().rds, 0);
    view.ClickRadio(ctl::kRadioRds, {ctl::kRadioUnas, ctl::kRadioRds});
    dlg.OnRadioRds();
    EXPECT_FALSE(view.IsEnabled(ctl::kUnas));
    EXPECT_TRUE(view.IsEnabled(ctl::kRds));
}

TEST_F(Handlers, ShapeChangeKeepsTheIndexWhenItExists) {
    // E holds three cores in the test database.
    dlg.inputs().coreIndex = 2;
    view.ListSelect(ctl::kCoreList, 2);
    ClickShape(ctl::kShapeE);
    EXPECT_EQ(view.ListSelection(ctl::kCoreList), 2);
    EXPECT_EQ(dlg.inputs().core, u"E 55/28/21");
    EXPECT_GT(view.pictureInvalidations, 0);
}

TEST_F(Handlers, ShapeChangeFallsBackToTheFirstEntry) {
    ClickShape(ctl::kShapeE);
    dlg.inputs().coreIndex = 5;
    ClickShape(ctl::kShapeE);
    EXPECT_EQ(view.ListSelection(ctl::kCoreList), 0);
    EXPECT_EQ(dlg.inputs().core, u"E 25/13/7");
    EXPECT_EQ(view.GetText(ctl::kAe), u"52");
    EXPECT_TRUE(dlg.lastRunCompleted());
}

TEST_F(Handlers, OtherFamilyListsRmCores) {
    ClickShape(ctl::kShapeOther);
    ASSERT_EQ(view.ListCount(ctl::kCoreList), 1);
    EXPECT_EQ(view.ListItem(ctl::kCoreList, 0), u"RM 10");
    EXPECT_EQ(dlg.inputs().core, u"RM 10");
}

TEST_F(Handlers, CoreNameGuardUndoesTypingOutsideTheAddingModes) {
    view.Type(ctl::kCoreList, u"E 4");
    dlg.OnCoreTextEdited();
    EXPECT_EQ(view.GetText(ctl::kCoreList), u"E 40/16/12");
    dlg.inputs().add_by_data = 1;
    view.Type(ctl::kCoreList, u"New core");
    dlg.OnCoreTextEdited();
    EXPECT_EQ(view.GetText(ctl::kCoreList), u"New core");
}

TEST_F(Handlers, GapAndAlRadiosConvertTheValue) {
    const Text al = view.GetText(ctl::kResAL);
    ASSERT_FALSE(al.empty());
    view.ClickRadio(ctl::kRadioAL, {ctl::kRadioGap, ctl::kRadioAL});
    dlg.OnALRadio();
    EXPECT_EQ(view.GetText(ctl::kZazor), al);
    EXPECT_EQ(view.GetText(ctl::kGapLabel), u"Требуемая величина AL, не более");
    EXPECT_EQ(view.GetText(ctl::kGapUnit), u"");
    EXPECT_EQ(dlg.inputs().yes_al, 1);
    EXPECT_TRUE(dlg.lastRunCompleted());

    const double alNow = dlg.results().AL;
    view.ClickRadio(ctl::kRadioGap, {ctl::kRadioGap, ctl::kRadioAL});
    dlg.OnGapRadio();
    EXPECT_EQ(view.GetText(ctl::kGapLabel), u"Требуемый немагнитный зазор, не менее");
    EXPECT_EQ(view.GetText(ctl::kGapUnit), u"мм");
    // The equivalent gap of that AL, rounded up to 0.01 mm.
    const double gap = ParseDecimal(view.GetText(ctl::kZazor));
    const GapForAL exact = GapFromAL(alNow, 1.0, dlg.coreRecord(), dlg.material().mu,
                                     ResidualGap(dlg.coreRecord(), dlg.material().mu));
    EXPECT_GE(gap + 1e-9, exact.gap);
    EXPECT_LT(gap, exact.gap + 0.0100001);
    EXPECT_EQ(dlg.inputs().yes_al, 0);
}

TEST_F(Handlers, UnreadableMaterialGoesBackToTheLoadedOne) {
    // N87 is loaded; 3C90 goes before it is ever read, then is chosen.
    EXPECT_EQ(dlg.inputs().mater, u"N87 Epcos");
    fs::remove(data.root() / "Ferrites_Materials" / "3C90 Ferroxcube.txt");
    const int runs = dlg.calculationsRun();
    view.ListSelect(ctl::kMaterialList, 0);
    dlg.OnMaterialSelected();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text,
              u"Не удалось прочитать файл материала \"3C90 Ferroxcube.txt\".");
    EXPECT_EQ(view.messages[0].caption, u"Внимание!");
    EXPECT_EQ(view.ListSelection(ctl::kMaterialList), 1);
    EXPECT_EQ(dlg.inputs().mater, u"N87 Epcos");
    EXPECT_EQ(dlg.calculationsRun(), runs);
}

TEST_F(Handlers, AMaterialFileIsReadOnceASession) {
    // Read at the opening; its file may go afterwards, the data stay.
    fs::remove(data.root() / "Ferrites_Materials" / "N87 Epcos.txt");
    view.ListSelect(ctl::kMaterialList, 0);
    dlg.OnMaterialSelected();
    view.ListSelect(ctl::kMaterialList, 1);
    dlg.OnMaterialSelected();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(dlg.inputs().mater, u"N87 Epcos");
    EXPECT_EQ(dlg.session().reads().materialFiles, 2);
}

TEST_F(Handlers, MaterialSelectionIsIgnoredWhileAddingACore) {
    view.SetChecked(ctl::kAddByData, true);
    const int runs = dlg.calculationsRun();
    view.ListSelect(ctl::kMaterialList, 0);
    dlg.OnMaterialSelected();
    EXPECT_EQ(dlg.inputs().mater, u"N87 Epcos");
    EXPECT_EQ(dlg.calculationsRun(), runs);
    // The list shows the material in use again.
    EXPECT_EQ(view.GetText(ctl::kMaterialList), u"N87 Epcos");
}

// --- Text typed into the material list ------------------------------------------

struct MaterialTyping {
    const char16_t* typed;
    const char16_t* shown;  // the list's text afterwards, also the material in use
    bool calculates;
};

void PrintTo(const MaterialTyping& c, std::ostream* os) {
    *os << ToUtf8(c.typed);
}

class MaterialTypingTest : public Handlers, public ::testing::WithParamInterface<MaterialTyping> {};

TEST_P(MaterialTypingTest, SelectsByTheListsRuleOrGoesBackToTheMaterialInUse) {
    ASSERT_EQ(dlg.inputs().mater, u"N87 Epcos");
    const int runs = dlg.calculationsRun();
    view.Type(ctl::kMaterialList, GetParam().typed);
    EXPECT_EQ(dlg.OnMaterialTextEntered(), GetParam().calculates);
    EXPECT_EQ(view.GetText(ctl::kMaterialList), GetParam().shown);
    EXPECT_EQ(view.ListItem(ctl::kMaterialList, view.ListSelection(ctl::kMaterialList)),
              GetParam().shown);
    EXPECT_EQ(dlg.inputs().mater, GetParam().shown);
    EXPECT_EQ(dlg.calculationsRun(), runs + (GetParam().calculates ? 1 : 0));
    EXPECT_TRUE(view.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Typed, MaterialTypingTest,
    ::testing::Values(MaterialTyping{u"XYZ", u"N87 Epcos", false},
                      MaterialTyping{u"", u"N87 Epcos", false},
                      MaterialTyping{u"3C90 Ferroxcube and more", u"N87 Epcos", false},
                      MaterialTyping{u"3c", u"3C90 Ferroxcube", true},
                      MaterialTyping{u"3C90 FERROXCUBE", u"3C90 Ferroxcube", true},
                      // The material in use, now shown by its whole name.
                      MaterialTyping{u"n8", u"N87 Epcos", false},
                      MaterialTyping{u"N87 Epcos", u"N87 Epcos", false}));

TEST_F(Handlers, TypedMaterialThatCannotBeReadOrWhileAddingACoreIsNotTaken) {
    view.SetChecked(ctl::kAddByData, true);
    view.Type(ctl::kMaterialList, u"3c");
    EXPECT_FALSE(dlg.OnMaterialTextEntered());
    EXPECT_EQ(view.GetText(ctl::kMaterialList), u"N87 Epcos");
    EXPECT_EQ(dlg.inputs().mater, u"N87 Epcos");
    view.SetChecked(ctl::kAddByData, false);

    fs::remove(data.root() / "Ferrites_Materials" / "3C90 Ferroxcube.txt");
    view.Type(ctl::kMaterialList, u"3c");
    EXPECT_FALSE(dlg.OnMaterialTextEntered());
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text,
              u"Не удалось прочитать файл материала \"3C90 Ferroxcube.txt\".");
    EXPECT_EQ(view.GetText(ctl::kMaterialList), u"N87 Epcos");
    EXPECT_EQ(dlg.inputs().mater, u"N87 Epcos");
}

// --- Results that belong to earlier inputs ---------------------------------------

struct InputChange {
    const char* name;
    void (*change)(HeadlessView& view, CKelvaraDlg& dlg);
    bool stale;  // the results are then of earlier inputs
};

void PrintTo(const InputChange& c, std::ostream* os) {
    *os << c.name;
}

const std::initializer_list<int> kSupply = {ctl::kRadioDC, ctl::kRadioAC};
const std::initializer_list<int> kRectifier = {ctl::kVypr0, ctl::kVypr1, ctl::kVypr2};

class StaleResults : public Handlers, public ::testing::WithParamInterface<InputChange> {};

TEST_P(StaleResults, AreMarkedUntilTheNextCalculationEnds) {
    ASSERT_GT(dlg.calculationsRun(), 0);
    ASSERT_FALSE(dlg.resultsStale());
    GetParam().change(view, dlg);
    EXPECT_EQ(dlg.resultsStale(), GetParam().stale);
    EXPECT_EQ(view.resultsShownStale, GetParam().stale);
    dlg.Calculate();
    EXPECT_FALSE(dlg.resultsStale());
    EXPECT_FALSE(view.resultsShownStale);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, StaleResults,
    ::testing::Values(InputChange{"TypingInAnEdit",
                                  [](HeadlessView& v, CKelvaraDlg& d) {
                                      v.Type(ctl::kFr, u"150");
                                      d.OnInputChanged();
                                  },
                                  true},
                      InputChange{"TypingTheSameValueAgain",
                                  [](HeadlessView& v, CKelvaraDlg& d) {
                                      v.Type(ctl::kFr, u"150");
                                      d.OnInputChanged();
                                      v.Type(ctl::kFr, u"100");
                                      d.OnInputChanged();
                                  },
                                  false},
                      InputChange{"WindowFillCut",
                                  [](HeadlessView& v, CKelvaraDlg& d) {
                                      v.Type(ctl::kKo, u"0,7");
                                      d.OnKoChanged();
                                  },
                                  true},
                      InputChange{"MainsSupply",
                                  [](HeadlessView& v, CKelvaraDlg& d) {
                                      v.ClickRadio(ctl::kRadioAC, kSupply);
                                      d.OnRadioAC();
                                  },
                                  true},
                      InputChange{"DcWhileDc",
                                  [](HeadlessView& v, CKelvaraDlg& d) {
                                      v.ClickRadio(ctl::kRadioDC, kSupply);
                                      d.OnRadioDC();
                                  },
                                  false},
                      InputChange{"Rectifier",
                                  [](HeadlessView& v, CKelvaraDlg& d) {
                                      v.ClickRadio(ctl::kVypr2, kRectifier);
                                      d.OnInputChanged();
                                  },
                                  true},
                      InputChange{
                          "TransistorKind",
                          [](HeadlessView& v, CKelvaraDlg& d) {
                              v.ClickRadio(ctl::kRadioUnas, {ctl::kRadioUnas, ctl::kRadioRds});
                              d.OnRadioUnas();
                          },
                          true},
                      InputChange{"AddingACoreClearsItsData",
                                  [](HeadlessView& v, CKelvaraDlg& d) {
                                      v.SetChecked(ctl::kAddByData, true);
                                      d.OnAddByData();
                                  },
                                  true},
                      // These calculate at once.
                      InputChange{"WireDiameters",
                                  [](HeadlessView& v, CKelvaraDlg& d) {
                                      v.Type(ctl::kFr, u"150");
                                      d.OnInputChanged();
                                      v.SetChecked(ctl::kYesD, true);
                                      d.OnUseDiametersClicked();
                                  },
                                  false},
                      InputChange{"AnotherMaterial",
                                  [](HeadlessView& v, CKelvaraDlg& d) {
                                      v.Type(ctl::kJ, u"6");
                                      d.OnInputChanged();
                                      v.ListSelect(ctl::kMaterialList, 0);
                                      d.OnMaterialSelected();
                                  },
                                  false}),
    [](const ::testing::TestParamInfo<InputChange>& info) { return info.param.name; });

TEST(StaleResultsBeforeAnyCalculation, AreNeverMarked) {
    HeadlessView view;
    CKelvaraDlg dlg(view);
    view.Type(ctl::kFr, u"150");
    dlg.OnInputChanged();
    EXPECT_FALSE(dlg.resultsStale());
    EXPECT_FALSE(view.resultsShownStale);
}

TEST_F(Handlers, NotificationsDuringAnExchangeAreIgnored) {
    // A handler called while an exchange runs does nothing; here simulated by
    // a view that calls the window-fill handler from inside SetText.
    struct ReentrantView : HeadlessView {
        CKelvaraDlg* dlg = nullptr;
        int calls = 0;
        void SetText(int id, const Text& text) override {
            HeadlessView::SetText(id, text);
            if (dlg && id == ctl::kKo) {
                ++calls;
                dlg->OnKoChanged();
            }
        }
    } reentrant;
    CKelvaraDlg other(reentrant);
    reentrant.dlg = &other;
    other.inputs().ko = u"0,9";
    other.Show();
    EXPECT_EQ(reentrant.calls, 1);
    EXPECT_EQ(reentrant.GetText(ctl::kKo), u"0,9");
}

TEST_F(Handlers, TheCheckWindowsInputsCalculateAgain) {
    const int runs = dlg.calculationsRun();
    const double solidFactor = dlg.check().Row("copper")->Number("acFactor1");
    EXPECT_EQ(dlg.LaterInput(u"tdead"), u"200");
    EXPECT_EQ(dlg.LaterInput(u"inter"), u"0");
    dlg.OnLaterInputs({{u"tdead", u"150,5"},
                       {u"inter", u"1"},
                       {u"litz1d", u"0.1"},
                       {u"litz1n", u"60"},
                       {u"Fr", u"300"}});  // not one of them: nothing changes
    EXPECT_EQ(dlg.calculationsRun(), runs + 1);
    EXPECT_EQ(dlg.inputs().tdead, u"150,5");
    EXPECT_EQ(dlg.inputs().inter, 1);
    EXPECT_EQ(dlg.inputs().Fr, u"100");
    EXPECT_EQ(view.GetText(ctl::kFr), u"100");
    EXPECT_TRUE(dlg.lastRunCompleted());
    // Thin litz strands lower the primary's AC factor.
    EXPECT_LT(dlg.check().Row("copper")->Number("acFactor1"), solidFactor);
    EXPECT_TRUE(dlg.results().winding.spec.interleaved);
    // A choice outside its values takes its default.
    dlg.OnLaterInputs({{u"inter", u"7"}});
    EXPECT_EQ(dlg.inputs().inter, 0);
    EXPECT_FALSE(dlg.resultsStale());
}

}  // namespace
}  // namespace kelvara
