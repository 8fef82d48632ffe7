// The window's behaviour through the Win32 view: the same user actions done
// on the toolkit-free headless view (calling the handlers, as the window
// tests of window/ do) and on the real Win32 controls (clicks, keystrokes
// and list choices as messages) must leave every control, the inputs, the
// results and the messages alike.
#include <functional>
#include <map>
#include <optional>

#include "designs/design_file.h"
#include "session/messages.h"
#include "win32_support.h"
#include "window/headless_view.h"
#include "window/notifications.h"

namespace kelvara::win32 {
namespace {

namespace fs = std::filesystem;

// What a user does, on either view.
class Driver {
  public:
    virtual ~Driver() = default;
    virtual CKelvaraDlg& dlg() = 0;
    virtual View& view() = 0;
    virtual const fs::path& program() const = 0;
    // A click on a button, radio button or checkbox.
    virtual void Click(int id) = 0;
    // Typing a text into an edit, character by character, replacing it.
    virtual void Type(int id, TextView text) = 0;
    // Choosing an entry of a combo box's list.
    virtual void Choose(int id, int index) = 0;
    // Typing into a combo box's edit part.
    virtual void TypeInList(int id, TextView text) = 0;
    virtual std::vector<Text> Messages() const = 0;
    // What the file pickers answer.
    std::optional<Text> open, save;
};

class HeadlessDriver : public Driver {
  public:
    HeadlessDriver() {
        view_.openPicker = [this](const fs::path&) { return open; };
        view_.savePicker = [this](const fs::path&, const Text&) { return save; };
        EXPECT_TRUE(dlg_.Open(data_.program()));
    }
    CKelvaraDlg& dlg() override { return dlg_; }
    View& view() override { return view_; }
    const fs::path& program() const override { return program_; }

    void Click(int id) override {
        bool radio = false;
        for (const FieldControls& f : kFieldControls) {
            if (f.count < 2) continue;
            for (int b = 0; b < f.count; ++b) {
                if (f.ids[b] != id) continue;
                radio = true;
                for (int o = 0; o < f.count; ++o) view_.SetChecked(f.ids[o], f.ids[o] == id);
            }
        }
        if (!radio && (id == ctl::kYesD || id == ctl::kAddBySize || id == ctl::kAddByData)) {
            view_.SetChecked(id, !view_.IsChecked(id));
        }
        if (const auto handler = ClickHandlerOf(id)) (dlg_.*handler)();
        if (IsInputControl(id)) dlg_.OnInputChanged();
    }
    void Type(int id, TextView text) override {
        for (size_t n = 1; n <= text.size(); ++n) {
            view_.Type(id, Text(text.substr(0, n)));
            if (id == ctl::kKo) dlg_.OnKoChanged();
            if (IsInputControl(id)) dlg_.OnInputChanged();
        }
    }
    void Choose(int id, int index) override {
        view_.ListSelect(id, index);
        if (id == ctl::kCoreList) dlg_.OnCoreSelected();
        if (id == ctl::kMaterialList) dlg_.OnMaterialSelected();
    }
    void TypeInList(int id, TextView text) override {
        for (size_t n = 1; n <= text.size(); ++n) {
            view_.SetText(id, Text(text.substr(0, n)));
            if (id == ctl::kCoreList) dlg_.OnCoreTextEdited();
        }
    }
    std::vector<Text> Messages() const override {
        std::vector<Text> out;
        for (const auto& m : view_.messages) out.push_back(m.caption + u": " + m.text);
        return out;
    }

  private:
    kelvara::testing::DataRoot data_;
    fs::path program_ = data_.program();
    HeadlessView view_;
    CKelvaraDlg dlg_{view_};
};

class Win32Driver : public Driver {
  public:
    Win32Driver() {
        EXPECT_TRUE(window_.Create());
        window_.SetMessageHook([this](TextView caption, TextView text, View::Buttons) {
            messages_.push_back(Text(caption) + u": " + Text(text));
            return View::Answer::Ok;
        });
        window_.SetPickerHooks([this](const fs::path&) { return open; },
                               [this](const fs::path&, const Text&) { return save; });
        EXPECT_TRUE(window_.Open(data_.program()));
        window_.Show();
        PumpWaitingMessages();
    }
    CKelvaraDlg& dlg() override { return window_.dialog(); }
    View& view() override { return window_; }
    const fs::path& program() const override { return program_; }

    void Click(int id) override {
        testing::Click(window_.Item(id));
        PumpWaitingMessages();
    }
    void Type(int id, TextView text) override {
        testing::Type(window_.Item(id), text);
        PumpWaitingMessages();
    }
    void Choose(int id, int index) override {
        testing::Choose(window_.Item(id), index);
        PumpWaitingMessages();
    }
    void TypeInList(int id, TextView text) override {
        testing::Type(testing::ComboEdit(window_.Item(id)), text);
        PumpWaitingMessages();
    }
    std::vector<Text> Messages() const override { return messages_; }

  private:
    kelvara::testing::DataRoot data_;
    fs::path program_ = data_.program();
    MainWindow window_;
    std::vector<Text> messages_;
};

// What the window shows and holds.
struct Snapshot {
    std::map<int, Text> texts;
    std::map<int, bool> checked;
    std::map<int, bool> enabled;
    std::map<int, std::vector<Text>> lists;
    std::map<int, int> selections;
    std::vector<Text> messages;
    bool stale = false;
    bool completed = false;
    Text core, material, zazor;
};

Snapshot Take(Driver& d) {
    Snapshot s;
    View& v = d.view();
    for (const FieldControls& f : kFieldControls) {
        const FieldDef* def = FindField(f.key);
        for (int b = 0; b < f.count; ++b) {
            const int id = f.ids[b];
            if (def && def->kind == FieldKind::Text) {
                s.texts[id] = v.GetText(id);
            } else {
                s.checked[id] = v.IsChecked(id);
            }
            s.enabled[id] = v.IsEnabled(id);
        }
    }
    for (const ResultFieldDef& r : kResultFields) s.texts[r.controlId] = v.GetText(r.controlId);
    s.texts[ctl::kGapLabel] = v.GetText(ctl::kGapLabel);
    s.texts[ctl::kGapUnit] = v.GetText(ctl::kGapUnit);
    for (int list : {ctl::kCoreList, ctl::kMaterialList}) {
        for (int i = 0; i < v.ListCount(list); ++i) s.lists[list].push_back(v.ListItem(list, i));
        s.selections[list] = v.ListSelection(list);
    }
    s.messages = d.Messages();
    s.stale = d.dlg().resultsStale();
    s.completed = d.dlg().lastRunCompleted();
    s.core = d.dlg().inputs().core;
    s.material = d.dlg().inputs().mater;
    s.zazor = d.dlg().inputs().zazor;
    return s;
}

void ExpectSame(const Snapshot& headless, const Snapshot& win32) {
    for (const auto& [id, text] : headless.texts) {
        EXPECT_EQ(ToUtf8(win32.texts.at(id)), ToUtf8(text)) << "text of " << id;
    }
    for (const auto& [id, on] : headless.checked) {
        EXPECT_EQ(win32.checked.at(id), on) << "check of " << id;
    }
    for (const auto& [id, on] : headless.enabled) {
        EXPECT_EQ(win32.enabled.at(id), on) << "enabled state of " << id;
    }
    EXPECT_EQ(win32.lists, headless.lists);
    EXPECT_EQ(win32.selections, headless.selections);
    ASSERT_EQ(win32.messages.size(), headless.messages.size());
    for (size_t i = 0; i < headless.messages.size(); ++i)
        EXPECT_EQ(ToUtf8(win32.messages[i]), ToUtf8(headless.messages[i]));
    EXPECT_EQ(win32.stale, headless.stale);
    EXPECT_EQ(win32.completed, headless.completed);
    EXPECT_EQ(win32.core, headless.core);
    EXPECT_EQ(win32.material, headless.material);
    EXPECT_EQ(win32.zazor, headless.zazor);
}

struct Scenario {
    const char* name;
    std::function<void(Driver&)> run;
    // What must hold afterwards (on both views).
    std::function<void(Driver&)> expect;
};

void PrintTo(const Scenario& s, std::ostream* os) {
    *os << s.name;
}

class SameOnBothViews : public ::testing::TestWithParam<Scenario> {};

TEST_P(SameOnBothViews, LeavesTheWindowAlike) {
    const Scenario& s = GetParam();
    HeadlessDriver headless;
    Win32Driver win32;
    for (Driver* d : {static_cast<Driver*>(&headless), static_cast<Driver*>(&win32)}) {
        s.run(*d);
        if (s.expect) s.expect(*d);
    }
    ExpectSame(Take(headless), Take(win32));
}

void WriteDesign(Driver& d, const char* name, const DesignInputs& in) {
    ASSERT_TRUE(WriteDesignFile(d.program() / name, in));
}

const Scenario kScenarios[] = {
    {"Opening", [](Driver&) {},
     [](Driver& d) {
         EXPECT_TRUE(d.dlg().lastRunCompleted());
         EXPECT_EQ(d.view().GetText(ctl::kCoreList), u"E 40/16/12");
     }},
    {"MainsThenDirect",
     [](Driver& d) {
         d.Click(ctl::kRadioAC);
         d.Click(ctl::kRadioDC);
     },
     [](Driver& d) {
         EXPECT_EQ(d.view().GetText(ctl::kUmin), u"279");
         EXPECT_EQ(d.view().GetText(ctl::kUmax), u"342");
     }},
    {"WindowFillLimitCutsIn", [](Driver& d) { d.Type(ctl::kKo, u"0,45"); },
     [](Driver& d) { EXPECT_EQ(d.view().GetText(ctl::kKo), u"0.4"); }},
    {"WindowFillBelowTheLimitKeepsItsComma", [](Driver& d) { d.Type(ctl::kKo, u"0,39"); },
     [](Driver& d) { EXPECT_EQ(d.view().GetText(ctl::kKo), u"0,39"); }},
    {"ShapeETD", [](Driver& d) { d.Click(ctl::kShapeETD); },
     [](Driver& d) { EXPECT_EQ(d.view().GetText(ctl::kCoreList).rfind(u"ETD", 0), 0u); }},
    {"ShapeOtherAndBack",
     [](Driver& d) {
         d.Click(ctl::kShapeOther);
         d.Click(ctl::kShapeE);
     },
     nullptr},
    {"GapToALAndBack",
     [](Driver& d) {
         d.Click(ctl::kRadioAL);
         d.Click(ctl::kRadioGap);
     },
     [](Driver& d) { EXPECT_EQ(d.view().GetText(ctl::kGapUnit), u"мм"); }},
    {"SaturationVoltage",
     [](Driver& d) {
         d.Click(ctl::kRadioUnas);
         d.Type(ctl::kUnas, u"1.2");
         d.Click(ctl::kCalculate);
     },
     [](Driver& d) {
         EXPECT_TRUE(d.view().IsEnabled(ctl::kUnas));
         EXPECT_FALSE(d.view().IsEnabled(ctl::kRds));
     }},
    {"AnotherMaterial", [](Driver& d) { d.Choose(ctl::kMaterialList, 0); },
     [](Driver& d) { EXPECT_EQ(d.dlg().inputs().mater, u"3C90 Ferroxcube"); }},
    {"AnotherCore", [](Driver& d) { d.Choose(ctl::kCoreList, 0); },
     [](Driver& d) { EXPECT_EQ(d.dlg().inputs().core, u"E 25/13/7"); }},
    {"TypingACoreNameOutsideTheAddingModesIsUndone",
     [](Driver& d) { d.TypeInList(ctl::kCoreList, u"XYZ"); },
     [](Driver& d) { EXPECT_EQ(d.view().GetText(ctl::kCoreList), u"E 40/16/12"); }},
    {"UseTheWireDiameters",
     [](Driver& d) {
         d.Type(ctl::kD11, u"0.5");
         d.Click(ctl::kYesD);
     },
     nullptr},
    {"AddingByDimensionsAndLeaving",
     [](Driver& d) {
         d.Click(ctl::kAddBySize);
         d.Type(ctl::kDimA, u"40");
         d.Click(ctl::kAddBySize);
     },
     [](Driver& d) { EXPECT_FALSE(d.view().IsEnabled(ctl::kDimA)); }},
    {"AddingACoreByItsData",
     [](Driver& d) {
         d.Click(ctl::kAddByData);
         d.TypeInList(ctl::kCoreList, u"E 33");
         d.Type(ctl::kAe, u"50");
         d.Type(ctl::kAn, u"60");
         d.Type(ctl::kLe, u"40");
         d.Type(ctl::kMu, u"1900");
         d.Click(ctl::kAddCore);
     },
     [](Driver& d) {
         EXPECT_NE(d.dlg().inputs().core.find(u"33"), Text::npos);
         EXPECT_FALSE(d.view().IsEnabled(ctl::kAe));
     }},
    {"ChangedInputsThenCalculate",
     [](Driver& d) {
         d.Type(ctl::kFr, u"120");
         EXPECT_TRUE(d.dlg().resultsStale());
         d.Click(ctl::kCalculate);
     },
     [](Driver& d) { EXPECT_FALSE(d.dlg().resultsStale()); }},
    {"AnInputTheCalculationRefuses",
     [](Driver& d) {
         d.Type(ctl::kQ, u"0");
         d.Click(ctl::kCalculate);
     },
     [](Driver& d) {
         ASSERT_FALSE(d.Messages().empty());
         EXPECT_NE(d.Messages().back().find(u"Недопустимое значение"), Text::npos);
     }},
    {"LoadingADesign",
     [](Driver& d) {
         DesignInputs in;
         in.core = u"ETD 34/17/11";
         in.Fr = u"80";
         WriteDesign(d, "d.sav", in);
         d.open = u"d.sav";
         d.Click(ctl::kLoad);
     },
     [](Driver& d) {
         EXPECT_EQ(d.view().GetText(ctl::kFr), u"80");
         EXPECT_TRUE(d.view().IsChecked(ctl::kShapeETD));
     }},
    {"SavingADesign",
     [](Driver& d) {
         d.Type(ctl::kFr, u"90");
         d.save = u"mine";
         d.Click(ctl::kSave);
     },
     [](Driver& d) {
         DesignInputs in;
         EXPECT_TRUE(ReadDesignFile(d.program() / "mine.sav", in));
         EXPECT_EQ(in.Fr, u"90");
     }},
};

INSTANTIATE_TEST_SUITE_P(Actions, SameOnBothViews, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

using testing::Win32Window;

// Enter in the material list's edit part chooses the material typed (the
// first one it begins), as a choice from the list would; elsewhere Enter is
// "Рассчитать".
TEST_F(Win32Window, EnterInTheMaterialListChoosesTheMaterialTyped) {
    OpenWindow();
    const HWND edit = testing::ComboEdit(Item(ctl::kMaterialList));
    ASSERT_NE(edit, nullptr);
    testing::Type(edit, u"3c");
    const int before = window->dialog().calculationsRun();
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(edit, WM_KEYUP, VK_RETURN, 0);
    PumpWaitingMessages();
    EXPECT_EQ(window->dialog().inputs().mater, u"3C90 Ferroxcube");
    EXPECT_EQ(TextOf(ctl::kMaterialList), u"3C90 Ferroxcube");
    EXPECT_EQ(window->dialog().calculationsRun(), before + 1);
    // Enter in another field calculates.
    SetFocus(Item(ctl::kFr));
    PostMessageW(Item(ctl::kFr), WM_KEYDOWN, VK_RETURN, 0);
    PumpWaitingMessages();
    EXPECT_EQ(window->dialog().calculationsRun(), before + 2);
}

// "Выход" remembers the inputs; the window closes.
TEST_F(Win32Window, ExitRemembersTheInputs) {
    OpenWindow();
    testing::Type(Item(ctl::kFr), u"77");
    testing::Click(Item(ctl::kExit));
    EXPECT_TRUE(window->closed());
    EXPECT_FALSE(IsWindowVisible(window->hwnd()));
    DesignInputs in;
    ASSERT_TRUE(ReadDesignFile(data.program() / "Kelvara.ini", in));
    EXPECT_EQ(in.Fr, u"77");
}

}  // namespace
}  // namespace kelvara::win32
