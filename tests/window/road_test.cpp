// The opening road of the main window, driven through a headless view.
#include <gtest/gtest.h>

#include "designs/design_file.h"
#include "support/data_root.h"
#include "window/file_picker.h"
#include "window/headless_view.h"
#include "window/kelvara_dlg.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::DataRoot;
using testing::ReadBytes;
using testing::WriteUtf16;

struct Window {
    HeadlessView view;
    CKelvaraDlg dlg{view};
};

TEST(OpeningRoad, FirstStartWritesDefaultsAndCalculates) {
    DataRoot data;
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    const fs::path ini = data.program() / "Kelvara.ini";
    ASSERT_TRUE(fs::exists(ini));
    // Written from the defaults before anything else ran.
    EXPECT_EQ(ReadBytes(ini), DesignFileBytes(DesignInputs{}));

    const DesignInputs& in = w.dlg.inputs();
    // Shape "E" because the default core implies it.
    EXPECT_TRUE(w.view.IsChecked(ctl::kShapeE));
    EXPECT_FALSE(w.view.IsChecked(ctl::kShapeETD));
    EXPECT_TRUE(w.view.IsChecked(ctl::kRadioRds));
    EXPECT_FALSE(w.view.IsEnabled(ctl::kUnas));
    EXPECT_TRUE(w.view.IsEnabled(ctl::kRds));
    EXPECT_TRUE(w.view.IsChecked(ctl::kRadioDC));
    EXPECT_TRUE(w.view.IsChecked(ctl::kVypr0));
    EXPECT_TRUE(w.view.IsChecked(ctl::kRadioGap));
    EXPECT_FALSE(w.view.IsChecked(ctl::kYesD));
    EXPECT_FALSE(w.view.IsChecked(ctl::kAddBySize));
    EXPECT_FALSE(w.view.IsChecked(ctl::kAddByData));
    // The calculation ran and normalised the fields.
    EXPECT_TRUE(w.dlg.lastRunCompleted());
    EXPECT_EQ(w.view.GetText(ctl::kBm), u"0.12");
    EXPECT_EQ(w.view.GetText(ctl::kQ), u"0.4");
    EXPECT_EQ(w.view.GetText(ctl::kUnas), u"1.464");
    EXPECT_EQ(w.view.GetText(ctl::kD11), u"0.63");
    EXPECT_FALSE(w.view.GetText(ctl::kResN1).empty());
    EXPECT_NE(w.view.GetText(ctl::kResFCtl), u"");
    EXPECT_NE(w.view.GetText(ctl::kResFCtl), u"?");
    EXPECT_EQ(in.core, u"E 40/16/12");
    EXPECT_EQ(w.view.GetText(ctl::kCoreList), u"E 40/16/12");
    EXPECT_EQ(w.view.GetText(ctl::kAe), u"149");
    EXPECT_EQ(w.view.GetText(ctl::kGapLabel), u"Требуемый немагнитный зазор, не менее");
    EXPECT_EQ(w.view.GetText(ctl::kGapUnit), u"мм");
    for (int id : kCoreDataEdits) EXPECT_FALSE(w.view.IsEnabled(id)) << id;
    // A user core file was created empty.
    EXPECT_TRUE(fs::exists(data.root() / "Bases_Cores" / "UserFerritesCores.txt"));
    EXPECT_EQ(fs::file_size(data.root() / "Bases_Cores" / "UserFerritesCores.txt"), 0u);
}

TEST(OpeningRoad, DataLiveInTheParentOfTheCurrentFolder) {
    DataRoot data;
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    EXPECT_EQ(fs::path(w.dlg.dataRoot()).lexically_normal(),
              (fs::absolute(data.root()) / "").lexically_normal());
    EXPECT_EQ(fs::path(w.dlg.settingsFolder()).lexically_normal(),
              (fs::absolute(data.program()) / "").lexically_normal());
}

#if defined(__unix__)
// File names on a POSIX system are bytes; "\xff" is never valid UTF-8.
TEST(OpeningRoad, FoldersAndFilesWhoseNamesAreNotTextWork) {
    DataRoot data("Kelvara\xff");
    const fs::path program = data.program();
    testing::WriteBytes(program / "notes\xff.txt", "x");
    testing::WriteBytes(program / "a\xff.sav", "x");
    testing::WriteUtf16(data.root() / "Ferrites_Materials" / "Bad\xff.txt", testing::kTestMaterial);
    ASSERT_TRUE(WriteDesignFile(program / "d.sav", DesignInputs{}));
    Window w;
    ASSERT_TRUE(w.dlg.Open(program));
    EXPECT_TRUE(w.view.messages.empty()) << ToUtf8(w.view.messages.front().text);
    EXPECT_EQ(w.dlg.settingsFolder().native(), (fs::absolute(program) / "").native());
    EXPECT_EQ(w.dlg.dataRoot().native(), (fs::absolute(data.root()) / "").native());
    EXPECT_TRUE(fs::exists(program / "Kelvara.ini"));
    EXPECT_FALSE(w.dlg.wires().entries.empty());
    EXPECT_TRUE(w.dlg.lastRunCompleted());
    EXPECT_EQ(w.view.ListCount(ctl::kMaterialList), 2);

    // Both pickers list the folder; a name that cannot be shown is left out.
    std::vector<Text> listed;
    w.view.savePicker = [&](const fs::path& folder, const Text&) {
        listed = FilePicker(FilePicker::Kind::Save, folder).entries();
        return std::optional<Text>(u"new");
    };
    w.view.Type(ctl::kFr, u"90");
    w.dlg.OnSave();
    EXPECT_EQ(listed, (std::vector<Text>{u"d.sav", u"Kelvara.ini"}));
    DesignInputs saved;
    ASSERT_TRUE(ReadDesignFile(program / "new.sav", saved));
    EXPECT_EQ(saved.Fr, u"90");
    w.view.openPicker = [&](const fs::path& folder) {
        FilePicker picker(FilePicker::Kind::Open, folder);
        picker.Select(0);
        return picker.Accept() ? std::optional<Text>(picker.name()) : std::nullopt;
    };
    w.dlg.OnLoad();
    EXPECT_EQ(w.view.GetText(ctl::kFr), u"100");  // d.sav holds the defaults
    w.dlg.OnExit();
    EXPECT_TRUE(w.view.messages.empty()) << ToUtf8(w.view.messages.front().text);
    ASSERT_TRUE(ReadDesignFile(program / "Kelvara.ini", saved));
    EXPECT_EQ(saved.Fr, u"100");
}
#endif

TEST(OpeningRoad, RememberedInputsThatCannotBeReadAreLeftAlone) {
    DataRoot data;
    const fs::path ini = data.program() / "Kelvara.ini";
    // An empty file holds no inputs: it is left alone like one that cannot be read.
    testing::WriteBytes(ini, "");
    {
        Window w;
        ASSERT_TRUE(w.dlg.Open(data.program()));
        ASSERT_EQ(w.view.messages.size(), 1u);
        EXPECT_EQ(w.view.messages[0].text.find(u"Не удалось прочитать файл \"Kelvara.ini\""), 0u);
        EXPECT_EQ(w.view.GetText(ctl::kFr), u"100");
        EXPECT_EQ(fs::file_size(ini), 0u);
    }
    const std::uintmax_t size = 17u << 20;  // larger than any file the program reads
    testing::WriteBytes(ini, std::string(size, ' '));
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    ASSERT_EQ(w.view.messages.size(), 1u);
    EXPECT_EQ(w.view.messages[0].caption, u"Внимание!");
    EXPECT_EQ(w.view.messages[0].text,
              u"Не удалось прочитать файл \"Kelvara.ini\". Используются исходные данные по "
              u"умолчанию.");
    EXPECT_EQ(fs::file_size(ini), size);
    EXPECT_EQ(w.view.GetText(ctl::kFr), u"100");
    EXPECT_TRUE(w.dlg.lastRunCompleted());
    // The exit writes it as always.
    w.view.Type(ctl::kFr, u"90");
    w.dlg.OnExit();
    EXPECT_EQ(w.view.messages.size(), 1u);
    DesignInputs saved;
    ASSERT_TRUE(ReadDesignFile(ini, saved));
    EXPECT_EQ(saved.Fr, u"90");
}

TEST(OpeningRoad, RemembersTheInputsOfTheLastRun) {
    DataRoot data;
    DesignInputs remembered;
    remembered.core = u"ETD 34/17/11";
    remembered.Fr = u"80";
    remembered.yes_al = 1;
    remembered.zazor = u"2000";
    ASSERT_TRUE(WriteDesignFile(data.program() / "Kelvara.ini", remembered));
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    EXPECT_TRUE(w.view.IsChecked(ctl::kShapeETD));
    EXPECT_EQ(w.view.GetText(ctl::kCoreList), u"ETD 34/17/11");
    EXPECT_EQ(w.view.GetText(ctl::kFr), u"80");
    EXPECT_EQ(w.view.GetText(ctl::kGapLabel), u"Требуемая величина AL, не более");
    EXPECT_EQ(w.view.GetText(ctl::kGapUnit), u"");
}

TEST(OpeningRoad, UnknownMaterialFallsBackToTheFirstEntry) {
    DataRoot data;
    DesignInputs remembered;
    remembered.mater = u"Removed material";
    ASSERT_TRUE(WriteDesignFile(data.program() / "Kelvara.ini", remembered));
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    // Sorted ignoring case: "3C90 Ferroxcube" comes first.
    EXPECT_EQ(w.view.ListItem(ctl::kMaterialList, 0), u"3C90 Ferroxcube");
    EXPECT_EQ(w.view.ListSelection(ctl::kMaterialList), 0);
    EXPECT_EQ(w.dlg.inputs().mater, u"3C90 Ferroxcube");
    ASSERT_EQ(w.view.messages.size(), 1u);
    EXPECT_EQ(w.view.messages[0].text,
              u"Материал \"Removed material\" не найден; выбран \"3C90 Ferroxcube\".");
}

// A design naming a core or material that the data lack is calculated with
// another one, and the window says which. A name that begins an entry
// selects it; that is no substitution.
TEST(OpeningRoad, CoresAndMaterialsNotFoundAreReported) {
    struct Case {
        const char16_t* core;
        const char16_t* mater;
        std::vector<Text> messages;
    };
    const Case cases[] = {
        {u"E 41/99/99",
         u"N87 Epcos",
         {u"Сердечник \"E 41/99/99\" не найден в базе; выбран \"E 25/13/7\"."}},
        {u"E 40/16/12", u"XYZ", {u"Материал \"XYZ\" не найден; выбран \"3C90 Ferroxcube\"."}},
        {u"ETD 99",
         u"XYZ",
         {u"Материал \"XYZ\" не найден; выбран \"3C90 Ferroxcube\".",
          u"Сердечник \"ETD 99\" не найден в базе; выбран \"ETD 29/16/10\"."}},
        {u"E 40", u"n87", {}},
    };
    for (const Case& c : cases) {
        DataRoot data;
        DesignInputs remembered;
        remembered.core = c.core;
        remembered.mater = c.mater;
        ASSERT_TRUE(WriteDesignFile(data.program() / "Kelvara.ini", remembered));
        Window w;
        ASSERT_TRUE(w.dlg.Open(data.program()));
        // The calculation of a substituted core may warn as well.
        std::vector<Text> texts;
        for (const auto& m : w.view.messages) {
            if (m.text.find(u"не найден") == Text::npos) continue;
            EXPECT_EQ(m.caption, u"Внимание!");
            texts.push_back(m.text);
        }
        EXPECT_EQ(texts, c.messages) << ToUtf8(c.core);
        EXPECT_EQ(w.dlg.calculationsRun(), 1) << ToUtf8(c.core);
    }
}

TEST(OpeningRoad, MaterialFoundByItsBeginningTakesTheFullName) {
    DataRoot data;
    DesignInputs remembered;
    remembered.mater = u"n87";
    ASSERT_TRUE(WriteDesignFile(data.program() / "Kelvara.ini", remembered));
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    EXPECT_EQ(w.dlg.inputs().mater, u"N87 Epcos");
    EXPECT_EQ(w.dlg.material().nB, 3);
    EXPECT_TRUE(w.view.messages.empty());
}

TEST(OpeningRoad, MissingWireTableEndsWithOnlyItsMessage) {
    DataRoot data;
    fs::remove(data.root() / "Wire.txt");
    const std::string before = testing::Utf16Bytes(u"Fr\t= 55\r\n");
    testing::WriteBytes(data.program() / "Kelvara.ini", before);
    Window w;
    EXPECT_FALSE(w.dlg.Open(data.program()));
    ASSERT_EQ(w.view.messages.size(), 1u);
    EXPECT_EQ(w.view.messages[0].caption, u"Внимание!");
    const Text expected = u"В папке " + w.dlg.dataRoot().u16string() +
                          u" отсутствует файл \"Wire.txt\".\nДо свидания!";
    EXPECT_EQ(w.view.messages[0].text, expected);
    EXPECT_EQ(ReadBytes(data.program() / "Kelvara.ini"), before);
    EXPECT_EQ(w.dlg.calculationsRun(), 0);
}

TEST(OpeningRoad, EmptyMaterialFolderEndsWithItsMessage) {
    DataRoot data;
    fs::remove_all(data.root() / "Ferrites_Materials");
    fs::create_directories(data.root() / "Ferrites_Materials");
    testing::WriteBytes(data.root() / "Ferrites_Materials" / "notes.doc", "x");
    Window w;
    EXPECT_FALSE(w.dlg.Open(data.program()));
    ASSERT_EQ(w.view.messages.size(), 1u);
    EXPECT_EQ(w.view.messages[0].text,
              u"В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.\nДо свидания!");
    EXPECT_EQ(w.dlg.calculationsRun(), 0);
}

TEST(OpeningRoad, MissingCoreFileIsReportedAndNothingIsCalculated) {
    DataRoot data;
    fs::remove(data.root() / "Bases_Cores" / "FerritesCores.txt");
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    ASSERT_EQ(w.view.messages.size(), 1u);
    EXPECT_EQ(w.view.messages[0].text,
              u"В папке \"Bases_Cores\" отсутствует файл \"FerritesCores.txt\"");
    EXPECT_EQ(w.view.ListCount(ctl::kCoreList), 0);
    EXPECT_EQ(w.dlg.calculationsRun(), 0);
    EXPECT_EQ(w.view.GetText(ctl::kResN1), u"");
}

TEST(OpeningRoad, UnreadableMaterialAtStartIsReportedAndTheInputCheckStops) {
    DataRoot data;
    // Larger than any file the program reads.
    testing::WriteBytes(data.root() / "Ferrites_Materials" / "N87 Epcos.txt",
                        std::string(17u << 20, ' '));
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    ASSERT_EQ(w.view.messages.size(), 2u);
    EXPECT_EQ(w.view.messages[0].caption, u"Внимание!");
    EXPECT_EQ(w.view.messages[0].text, u"Не удалось прочитать файл материала \"N87 Epcos.txt\".");
    // No material is loaded yet: the selection stays and the calculation
    // reports the missing permeability.
    EXPECT_EQ(w.dlg.inputs().mater, u"N87 Epcos");
    EXPECT_EQ(w.view.messages[1].text,
              u"Недопустимое значение: Магнитная проницаемость материала.");
    EXPECT_FALSE(w.dlg.lastRunCompleted());
}

TEST(ExitCommand, TypedValueIsRememberedForTheNextStart) {
    DataRoot data;
    {
        Window w;
        ASSERT_TRUE(w.dlg.Open(data.program()));
        w.view.Type(ctl::kJ, u"4,5");
        w.dlg.OnExit();
        EXPECT_TRUE(w.view.messages.empty());
    }
    Window next;
    ASSERT_TRUE(next.dlg.Open(data.program()));
    EXPECT_EQ(next.view.GetText(ctl::kJ), u"4.5");  // the start-up calculation normalises it
    DesignInputs saved;
    ASSERT_TRUE(ReadDesignFile(data.program() / "Kelvara.ini", saved));
    EXPECT_EQ(saved.j, u"4,5");
}

TEST(ExitCommand, ProtectedRememberedInputsAreNotReplaced) {
    DataRoot data;
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    const fs::path ini = data.program() / "Kelvara.ini";
    const std::string before = ReadBytes(ini);
    fs::permissions(ini, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    w.view.Type(ctl::kFr, u"90");
    w.dlg.OnExit();
    ASSERT_EQ(w.view.messages.size(), 1u);
    EXPECT_EQ(w.view.messages[0].caption, u"Ошибка!");
    EXPECT_EQ(w.view.messages[0].text, u"Не удалось записать файл \"Kelvara.ini\".");
    EXPECT_EQ(ReadBytes(ini), before);
}

TEST(ExitCommand, LinkedRememberedInputsAreWrittenThrough) {
    if (!testing::MakesSymbolicLinks()) GTEST_SKIP() << testing::kNoSymbolicLinks;
    DataRoot data;
    DesignInputs shared;
    shared.Fr = u"80";
    ASSERT_TRUE(WriteDesignFile(data.root() / "shared.ini", shared));
    const fs::path ini = data.program() / "Kelvara.ini";
    fs::create_symlink("../shared.ini", ini);
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    EXPECT_EQ(w.view.GetText(ctl::kFr), u"80");
    w.view.Type(ctl::kFr, u"90");
    w.dlg.OnExit();
    EXPECT_TRUE(w.view.messages.empty());
    EXPECT_TRUE(fs::is_symlink(ini));
    DesignInputs saved;
    ASSERT_TRUE(ReadDesignFile(data.root() / "shared.ini", saved));
    EXPECT_EQ(saved.Fr, u"90");
}

TEST(ExitCommand, FailedWriteIsReported) {
    DataRoot data;
    Window w;
    ASSERT_TRUE(w.dlg.Open(data.program()));
    fs::remove(data.program() / "Kelvara.ini");
    fs::create_directories(data.program() / "Kelvara.ini");
    w.dlg.OnExit();
    ASSERT_EQ(w.view.messages.size(), 1u);
    EXPECT_EQ(w.view.messages[0].caption, u"Ошибка!");
    EXPECT_EQ(w.view.messages[0].text, u"Не удалось записать файл \"Kelvara.ini\".");
}

}  // namespace
}  // namespace kelvara
