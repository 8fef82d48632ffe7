// The secondary windows of the Win32 program: the file pickers, help, the
// circuit, about, the transfer characteristic with its exports, the design
// check, the core adviser and the report on paper.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

#include "kelvara/version.h"
#include "session/report.h"
#include "session/waveform_plot.h"
#include "support/temp_dir.h"
#include "ui_win32/adviser_window.h"
#include "ui_win32/check_window.h"
#include "ui_win32/file_pickers.h"
#include "ui_win32/gdiplus.h"
#include "ui_win32/report_output.h"
#include "ui_win32/secondary_windows.h"
#include "ui_win32/svg_draw.h"
#include "ui_win32/transfer_window.h"
#include "ui_win32/waveform_window.h"
#include "win32_support.h"
#include "window/adviser_table.h"
#include "window/check_inputs.h"
#include "window/file_picker_layout.h"
#include "window/secondary_layout.h"

namespace kelvara::win32 {
namespace {

namespace fs = std::filesystem;
using kelvara::testing::TempDir;
using kelvara::testing::WriteBytes;
using testing::Win32Window;

std::string FileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Text ListEntry(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return T(text);
}

// --- The file pickers -----------------------------------------------------------------

class Pickers : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(dir / "b.sav", "x");
        WriteBytes(dir / "A.SAV", "x");
        WriteBytes(dir / "Kelvara.ini", "x");
        WriteBytes(dir / "notes.txt", "x");
    }
    FilePicker::Question Ask() {
        return [this](TextView caption, TextView text) {
            questions.push_back(Text(caption) + u": " + Text(text));
            return replace;
        };
    }
    TempDir dir;
    std::vector<Text> questions;
    bool replace = false;
};

TEST_F(Pickers, ListTheDesignFilesAndTakeTheSelection) {
    FilePickerDialog open(FilePicker::Kind::Open, dir.path(), {}, Ask());
    ASSERT_TRUE(open.Create(nullptr));
    EXPECT_EQ(WindowText(open.hwnd()), picker::kOpenCaption);
    const HWND list = open.list();
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ListEntry(list, 0), u"A.SAV");
    EXPECT_EQ(ListEntry(list, 1), u"b.sav");
    EXPECT_EQ(ListEntry(list, 2), u"Kelvara.ini");
    // "Открыть" without a selection (and an empty name) does nothing.
    open.PressOk();
    EXPECT_FALSE(open.accepted());
    open.SelectEntry(1);
    EXPECT_EQ(open.chosenName(), u"b.sav");
    // Another window taking the activation refills the list; the selection goes.
    WriteBytes(dir / "c.sav", "x");
    open.ActivationChanged();
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
    // The name still in the edit names a listed file: "Открыть" takes it.
    open.PressOk();
    EXPECT_TRUE(open.accepted());
    EXPECT_EQ(open.picker().name(), u"b.sav");
}

TEST_F(Pickers, SavingOverAListedFileAsksFirst) {
    FilePickerDialog save(FilePicker::Kind::Save, dir.path(), u"suggested", Ask());
    ASSERT_TRUE(save.Create(nullptr));
    EXPECT_EQ(WindowText(save.hwnd()), picker::kSaveCaption);
    EXPECT_EQ(save.chosenName(), u"suggested");
    SetWindowTextW(save.nameEdit(), L"b");
    save.PressOk();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], u"Внимание!: Заменить файл \"b.sav\"?");
    EXPECT_FALSE(save.accepted());  // Cancel: the picker stays, the name with it
    EXPECT_EQ(save.chosenName(), u"b");
    replace = true;
    save.PressOk();
    EXPECT_TRUE(save.accepted());
    EXPECT_EQ(save.picker().name(), u"b");
}

TEST_F(Pickers, ADoubleClickOpensOrSavesTheEntry) {
    FilePickerDialog open(FilePicker::Kind::Open, dir.path(), {}, Ask());
    ASSERT_TRUE(open.Create(nullptr));
    open.DoubleClick();  // nothing selected
    EXPECT_FALSE(open.accepted());
    open.SelectEntry(0);
    open.DoubleClick();
    EXPECT_TRUE(open.accepted());
    EXPECT_EQ(open.picker().name(), u"A.SAV");

    FilePickerDialog save(FilePicker::Kind::Save, dir.path(), u"x", Ask());
    ASSERT_TRUE(save.Create(nullptr));
    save.SelectEntry(1);
    replace = true;
    save.DoubleClick();
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_TRUE(save.accepted());
}

// --- Help, circuit, about --------------------------------------------------------------

TEST(SecondaryWindows, HelpShowsTheTextFromItsStartNothingSelected) {
    HelpWindow window(u"Первая строка\nвторая\r\nтретья");
    ASSERT_TRUE(window.Create(nullptr));
    EXPECT_EQ(WindowText(window.hwnd()), help::kCaption);
    const HWND edit = window.Item(help::kEditId);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(WindowText(edit), u"Первая строка\r\nвторая\r\nтретья");
    DWORD from = 1, to = 1;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 0u);
    EXPECT_TRUE(GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(WindowText(window.Item(IDOK)), help::kOkText);
}

TEST(SecondaryWindows, AboutNamesTheProgramWithoutCuttingItsTitle) {
    AboutWindow window;
    ASSERT_TRUE(window.Create(nullptr));
    const HWND title = window.Item(kAboutTitleId);
    EXPECT_EQ(WindowText(title), about::kTitleText);
    EXPECT_EQ(WindowText(window.Item(kAboutVersionId)),
              Tr(about::kVersionPrefix) + Text(kProgramVersion));
    EXPECT_EQ(WindowText(window.Item(IDOK)), u"OK");
    const RECT r = testing::ClientRectOf(title);
    const SIZE wrapped = testing::TextExtent(title, W(about::kTitleText), r.right);
    EXPECT_LE(wrapped.cy, r.bottom);
    EXPECT_LE(wrapped.cx, r.right);
}

// The pictures come from the program's SVG resources, drawn by GDI+.
TEST(SecondaryWindows, PicturesAreDrawnFromTheirResources) {
    const GdiplusSession gdiplus;
    for (const wchar_t* name : {L"circuit", L"core_e", L"core_e_dims", L"core_ei", L"core_ei_dims",
                                L"core_round", L"core_round_dims", L"core_other", L"kelvara"}) {
        SCOPED_TRACE(ToUtf8(T(name)));
        const svg::Picture& picture = ResourcePicture(name);
        ASSERT_TRUE(picture.valid);
        EXPECT_FALSE(picture.elements.empty());
        Gdiplus::Bitmap bitmap(200, 160, PixelFormat32bppARGB);
        {
            Gdiplus::Graphics g(&bitmap);
            g.Clear(Gdiplus::Color(255, 255, 0, 255));  // magenta: not in any picture
            DrawSvg(g, picture, Gdiplus::RectF(0, 0, 200, 160));
        }
        // The picture covers the middle; dark lines are drawn somewhere.
        Gdiplus::Color centre;
        bitmap.GetPixel(100, 80, &centre);
        EXPECT_FALSE(centre.GetR() == 255 && centre.GetG() == 0 && centre.GetB() == 255);
        int dark = 0;
        for (int y = 0; y < 160; y += 2) {
            for (int x = 0; x < 200; x += 2) {
                Gdiplus::Color c;
                bitmap.GetPixel(x, y, &c);
                if (c.GetR() + c.GetG() + c.GetB() < 300) ++dark;
            }
        }
        EXPECT_GT(dark, 20);
    }
    EXPECT_FALSE(ResourcePicture(L"no such picture").valid);
}

// --- The transfer characteristic --------------------------------------------------------

TEST(TransferCharacteristic, DrawsThePlotAndExportsPictureAndCurve) {
    const GdiplusSession gdiplus;
    TransferWindow window(4.384, 0.434, 0.6721, 1.0325, 100);
    ASSERT_TRUE(window.Create(nullptr));
    EXPECT_EQ(WindowText(window.hwnd()), transfer::kCaption);
    const TransferPlot plot = window.BuildPlot();
    ASSERT_TRUE(plot.drawn);
    EXPECT_TRUE(plot.peakFound);
    EXPECT_EQ(plot.marks.size(), 3u);
    // The drawing area is the client area less the button strip.
    const RECT area = window.DrawingArea();
    const RECT client = testing::ClientRectOf(window.hwnd());
    EXPECT_EQ(client.bottom - area.bottom,
              MulDiv(transfer::kButtonStripPixels, static_cast<int>(window.Dpi()), 96));
    EXPECT_EQ(plot.window.Width(),
              static_cast<int>((area.right - area.left) / window.PixelsPerUnit()));

    TempDir dir;
    ASSERT_TRUE(window.SaveImage(dir / "plot.png"));
    Gdiplus::Bitmap png((dir / "plot.png").c_str());
    EXPECT_EQ(static_cast<LONG>(png.GetWidth()), area.right - area.left);
    EXPECT_EQ(static_cast<LONG>(png.GetHeight()), area.bottom - area.top);
    // The curve is blue somewhere.
    int blue = 0;
    for (UINT y = 0; y < png.GetHeight(); y += 1) {
        for (UINT x = 0; x < png.GetWidth(); x += 3) {
            Gdiplus::Color c;
            png.GetPixel(static_cast<INT>(x), static_cast<INT>(y), &c);
            if (c.GetB() > 200 && c.GetR() < 80 && c.GetG() < 80) ++blue;
        }
    }
    EXPECT_GT(blue, 50);

    ASSERT_TRUE(window.SaveImage(dir / "plot.SVG"));
    EXPECT_EQ(FileBytes(dir / "plot.SVG"), TransferPlotSvg(window.BuildPlot()));
    ASSERT_TRUE(window.ExportCsv(dir / "curve.csv"));
    EXPECT_EQ(FileBytes(dir / "curve.csv"), GainCurveCsv(4.384, 0.434, 100));
    EXPECT_FALSE(window.ExportCsv(dir / "no such folder" / "curve.csv"));
    EXPECT_FALSE(window.SaveImage(dir / "no such folder" / "plot.png"));
}

TEST(TransferCharacteristic, BeforeAnyCalculationTheAreaStaysWhite) {
    const GdiplusSession gdiplus;
    TransferWindow window(0, 0, 0, 0, 0);
    ASSERT_TRUE(window.Create(nullptr));
    EXPECT_FALSE(window.BuildPlot().drawn);
    TempDir dir;
    EXPECT_FALSE(window.ExportCsv(dir / "curve.csv"));  // nothing to write
}

// --- Проверка проекта --------------------------------------------------------------------

TEST_F(Win32Window, CheckWindowShowsTheRowsAndCalculatesWithItsInputs) {
    OpenWindow();
    CheckWindow check(window->dialog());
    ASSERT_TRUE(check.Create(window->hwnd()));
    const DesignCheck& design = window->dialog().check();
    ASSERT_TRUE(design.done);
    ASSERT_EQ(check.table().rows().size(), design.rows.size());
    for (size_t i = 0; i < design.rows.size(); ++i) {
        EXPECT_EQ(check.table().rows()[i].cells[1], design.rows[i].label);
        EXPECT_EQ(check.table().rows()[i].cells[4], design.rows[i].note);
        EXPECT_EQ(check.table().rows()[i].status, design.rows[i].status);
    }
    EXPECT_EQ(check.SummaryText(), u"Проверка проекта: " + CheckCounts(design));
    // A note wraps in its column: its row is higher than a row without one.
    const std::vector<int> heights = check.table().RowHeights(check.Item(kCheckTableId));
    ASSERT_EQ(heights.size(), design.rows.size() + 1);
    EXPECT_TRUE(check.winding().drawn);
    for (const CheckInputDef& in : kCheckInputs) {
        EXPECT_EQ(WindowText(check.Input(in.key)), window->dialog().LaterInput(in.key));
    }
    // Another dead time calculates again; the rows are the new check's.
    SetWindowTextW(check.Input(u"tdead"), L"350");
    const int before = window->dialog().calculationsRun();
    testing::Click(check.Item(kCheckRecalculateId));
    EXPECT_EQ(window->dialog().calculationsRun(), before + 1);
    EXPECT_EQ(window->dialog().LaterInput(u"tdead"), u"350");
    EXPECT_EQ(WindowText(check.Input(u"tdead")), u"350");
    EXPECT_EQ(check.table().rows().size(), window->dialog().check().rows.size());
    // The checkbox calculates at once.
    testing::Click(check.Input(kCheckInterKey));
    EXPECT_EQ(window->dialog().LaterInput(kCheckInterKey), u"1");
    EXPECT_EQ(window->dialog().calculationsRun(), before + 2);
}

// --- Подбор сердечника ----------------------------------------------------------------------

TEST_F(Win32Window, AdviserListsTheRankedCoresSortableByAnyColumn) {
    OpenWindow();
    AdviserWindow adviser(window->dialog());
    ASSERT_TRUE(adviser.Create(window->hwnd()));
    adviser.Rank();
    const auto& candidates = adviser.candidates();
    ASSERT_FALSE(candidates.empty());
    const int rows = static_cast<int>(SendMessageW(adviser.list(), LVM_GETITEMCOUNT, 0, 0));
    ASSERT_EQ(rows, static_cast<int>(candidates.size()));
    // In the ranking's order at first, the first row selected.
    for (int r = 0; r < rows; ++r) {
        EXPECT_EQ(adviser.CellText(r, 0), FormatInt(r + 1));
        EXPECT_EQ(adviser.CellText(r, 1), candidates[static_cast<size_t>(r)].core);
    }
    EXPECT_EQ(SendMessageW(adviser.list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED),
              0);
    // By the core volume, smallest first; again, largest first.
    adviser.SortBy(3);
    for (int r = 1; r < rows; ++r)
        EXPECT_LE(adviser.CandidateOfRow(r - 1)->Ve, adviser.CandidateOfRow(r)->Ve);
    adviser.SortBy(3);
    for (int r = 1; r < rows; ++r)
        EXPECT_GE(adviser.CandidateOfRow(r - 1)->Ve, adviser.CandidateOfRow(r)->Ve);
    // A row's cells are its candidate's, whatever the order.
    const Candidate* last = adviser.CandidateOfRow(rows - 1);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(adviser.CellText(rows - 1, 1), last->core);
    // Choosing the selected row closes; the main window takes it.
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(adviser.list(), LVM_SETITEMSTATE, static_cast<WPARAM>(rows - 1),
                 reinterpret_cast<LPARAM>(&state));
    adviser.ChooseSelected();
    ASSERT_TRUE(adviser.chosen());
    EXPECT_EQ(adviser.chosen()->core, last->core);
    ApplyCandidate(window->dialog(), *adviser.chosen());
    EXPECT_EQ(window->dialog().inputs().core, last->core);
    EXPECT_EQ(TextOf(ctl::kCoreList), last->core);
}

TEST_F(Win32Window, AdviserHasTheTimeDomainColumns) {
    OpenWindow();
    AdviserWindow adviser(window->dialog());
    ASSERT_TRUE(adviser.Create(window->hwnd()));
    adviser.Rank();
    ASSERT_FALSE(adviser.candidates().empty());
    const HWND header = reinterpret_cast<HWND>(SendMessageW(adviser.list(), LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), kAdviserColumns);
    // Each row's fTd and soft switching cells are its candidate's, and the
    // columns are wide enough to show their heads.
    const int rows = static_cast<int>(SendMessageW(adviser.list(), LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < rows; ++r) {
        const std::vector<AdviserCell> cells = AdviserRow(*adviser.CandidateOfRow(r), 0);
        for (int c : {kAdviserFTdMinColumn, kAdviserFTdMaxColumn, kAdviserSoftColumn}) {
            EXPECT_EQ(adviser.CellText(r, c), cells[static_cast<size_t>(c)].text) << r << " " << c;
        }
    }
    const std::vector<Text> heads = AdviserColumnHeads(false);
    for (int c : {kAdviserFTdMinColumn, kAdviserFTdMaxColumn, kAdviserSoftColumn}) {
        const int width = static_cast<int>(SendMessageW(adviser.list(), LVM_GETCOLUMNWIDTH, c, 0));
        const int text = static_cast<int>(
            SendMessageW(adviser.list(), LVM_GETSTRINGWIDTHW, 0,
                         reinterpret_cast<LPARAM>(W(heads[static_cast<size_t>(c)]).c_str())));
        EXPECT_GT(width, text) << c;
    }
    // The model finds the example's frequencies: some soft switching is known.
    bool known = false;
    for (int r = 0; r < rows; ++r) known = known || adviser.CellText(r, kAdviserSoftColumn) != u"—";
    EXPECT_TRUE(known);
}

// --- Осциллограммы ----------------------------------------------------------------------

TEST_F(Win32Window, WaveformWindowShowsBothCornersWithACursorAndExports) {
    OpenWindow();
    const GdiplusSession gdiplus;
    WaveformWindow wave(window->dialog());
    ASSERT_TRUE(wave.Create(window->hwnd()));
    EXPECT_EQ(WindowText(wave.hwnd()), u"Осциллограммы");
    ASSERT_TRUE(wave.corners()[0].solved);
    ASSERT_TRUE(wave.corners()[1].solved);
    // The lowest supply first; a click on the switch shows the highest.
    for (int corner : {0, 1, 0}) {
        SCOPED_TRACE(corner);
        testing::Click(wave.Item(corner == 1 ? kWaveHighestId : kWaveLowestId));
        EXPECT_EQ(wave.cornerIndex(), corner);
        EXPECT_EQ(SendMessageW(wave.Item(kWaveLowestId), BM_GETCHECK, 0, 0),
                  corner == 0 ? BST_CHECKED : BST_UNCHECKED);
        EXPECT_EQ(SendMessageW(wave.Item(kWaveHighestId), BM_GETCHECK, 0, 0),
                  corner == 1 ? BST_CHECKED : BST_UNCHECKED);
        EXPECT_EQ(WindowText(wave.Item(kWaveSummaryId)),
                  WaveformSummary(wave.corners()[static_cast<size_t>(corner)]));
    }
    // The plot fills the picture area; the cursor takes the nearest sample
    // inside the panels and none outside them.
    const WaveformPlot plot = wave.BuildPlot();
    ASSERT_TRUE(plot.drawn);
    const RECT area = wave.PictureArea();
    EXPECT_EQ(plot.width, area.right - area.left);
    EXPECT_EQ(plot.height, area.bottom - area.top);
    const WavePanel& panel = plot.panels.front();
    struct CursorCase {
        double x;
        int sample;
    };
    const CornerWaveform& c = wave.corners()[0];
    const double middle = (panel.left + panel.right) / 2;
    const CursorCase cursors[] = {
        {middle, SampleNearest(c, plot.TimeAt(middle))},
        {panel.left, 0},
        {panel.left - 5, -1},
        {panel.right + 5, -1},
    };
    for (const CursorCase& k : cursors) {
        SCOPED_TRACE(k.x);
        wave.MoveCursor(k.x);
        EXPECT_EQ(wave.cursorSample(), k.sample);
        EXPECT_EQ(wave.CursorText(), WaveformCursorText(c, k.sample));
        EXPECT_EQ(wave.CursorText().empty(), k.sample < 0);
    }
    // The picture as shown: the primary current's blue somewhere, and the
    // cursor changes it.
    wave.MoveCursor(middle);
    const std::unique_ptr<Gdiplus::Bitmap> shown = wave.RenderPicture(true);
    const std::unique_ptr<Gdiplus::Bitmap> plain = wave.RenderPicture(false);
    ASSERT_TRUE(shown && plain);
    int primary = 0, differ = 0;
    for (UINT y = 0; y < plain->GetHeight(); y += 2) {
        for (UINT x = 0; x < plain->GetWidth(); x += 2) {
            Gdiplus::Color a, b;
            plain->GetPixel(static_cast<INT>(x), static_cast<INT>(y), &a);
            shown->GetPixel(static_cast<INT>(x), static_cast<INT>(y), &b);
            if (a.GetValue() != b.GetValue()) ++differ;
            if (std::abs(a.GetR() - 0x1f) < 40 && std::abs(a.GetG() - 0x5f) < 40 && a.GetB() > 150)
                ++primary;
        }
    }
    EXPECT_GT(primary, 30);
    EXPECT_GT(differ, 30);

    TempDir dir;
    ASSERT_TRUE(wave.SaveImage(dir / "wave.png"));
    Gdiplus::Bitmap png((dir / "wave.png").c_str());
    EXPECT_EQ(static_cast<LONG>(png.GetWidth()), area.right - area.left);
    EXPECT_EQ(static_cast<LONG>(png.GetHeight()), area.bottom - area.top);
    ASSERT_TRUE(wave.SaveImage(dir / "wave.Svg"));
    EXPECT_EQ(FileBytes(dir / "wave.Svg"), WaveformPlotSvg(wave.BuildPlot()));
    ASSERT_TRUE(wave.ExportCsv(dir / "wave.csv"));
    EXPECT_EQ(FileBytes(dir / "wave.csv"), WaveformsCsv(wave.corners()));
    EXPECT_FALSE(wave.ExportCsv(dir / "no such folder" / "wave.csv"));
    EXPECT_FALSE(wave.SaveImage(dir / "no such folder" / "wave.png"));
}

TEST_F(Win32Window, WaveformWindowSpeaksTheLanguageOn) {
    OpenWindow();
    struct Case {
        Language language;
        std::u16string_view caption, lowest, save;
    };
    const Case cases[] = {
        {Language::Russian, u"Осциллограммы", u"Минимальное напряжение питания",
         u"Сохранить изображение..."},
        {Language::English, u"Waveforms", u"Lowest supply voltage", u"Save picture..."},
    };
    for (const Case& k : cases) {
        SetLanguage(k.language);
        WaveformWindow wave(window->dialog());
        const bool made = wave.Create(window->hwnd());
        const Text caption = WindowText(wave.hwnd());
        const Text lowest = WindowText(wave.Item(kWaveLowestId));
        const Text save = WindowText(wave.Item(kWaveSaveImageId));
        const Text summary = WindowText(wave.Item(kWaveSummaryId));
        const Text wanted = WaveformSummary(wave.corners()[0]);
        SetLanguage(Language::Russian);
        ASSERT_TRUE(made);
        EXPECT_EQ(caption, k.caption);
        EXPECT_EQ(lowest, k.lowest);
        EXPECT_EQ(save, k.save);
        EXPECT_EQ(summary, wanted);
        EXPECT_EQ(summary.rfind(u"fTd ", 0), 0u);
    }
}

TEST_F(Win32Window, WaveformWindowOfADesignTheModelCannotUseSaysWhy) {
    OpenWindow();
    CheckWindow check(window->dialog());
    ASSERT_TRUE(check.Create(window->hwnd()));
    SetWindowTextW(check.Input(u"tdead"), L"-1");
    testing::Click(check.Item(kCheckRecalculateId));
    WaveformWindow wave(window->dialog());
    ASSERT_TRUE(wave.Create(window->hwnd()));
    ASSERT_FALSE(wave.corners()[0].solved);
    EXPECT_EQ(WindowText(wave.Item(kWaveSummaryId)), wave.corners()[0].problem);
    EXPECT_FALSE(wave.BuildPlot().drawn);
    wave.MoveCursor(100);
    EXPECT_EQ(wave.cursorSample(), -1);
    TempDir dir;
    EXPECT_FALSE(wave.SaveImage(dir / "wave.png"));
}

TEST_F(Win32Window, CheckWindowOffersTheWaveformsBesideClose) {
    OpenWindow();
    CheckWindow check(window->dialog());
    ASSERT_TRUE(check.Create(window->hwnd()));
    const HWND waveforms = check.Item(kCheckWaveformsId);
    ASSERT_NE(waveforms, nullptr);
    EXPECT_EQ(WindowText(waveforms), u"Осциллограммы...");
    RECT w{}, close{};
    GetWindowRect(waveforms, &w);
    GetWindowRect(check.Item(kCheckCloseId), &close);
    EXPECT_EQ(w.top, close.top);
    EXPECT_LT(w.right, close.left);  // left of "Закрыть", apart from it
    EXPECT_LE(testing::TextExtent(waveforms, L"Осциллограммы...").cx + 8, w.right - w.left);
}

// --- Экспорт SPICE ----------------------------------------------------------------------

TEST_F(Win32Window, SpiceExportWritesTheNetlistWhereTheUserSays) {
    OpenWindow();
    struct Case {
        std::optional<Text> answer;  // the name the user gives; none: cancelled
        const char* written;         // the file then written, "" for none
    };
    const Case cases[] = {
        {Text(u"design"), "design.cir"},
        {Text(u"other.cir"), "other.cir"},
        {std::nullopt, ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.written);
        Text suggested;
        window->SetPickerHooks(nullptr, [&](const fs::path& folder, const Text& name) {
            EXPECT_EQ(folder, window->dialog().settingsFolder());
            suggested = name;
            return k.answer;
        });
        const size_t files = std::distance(fs::directory_iterator(data.program()), {});
        window->Command(ctl::kCmdSpice);
        EXPECT_EQ(suggested.size() > 4 && suggested.ends_with(u".cir"), true) << ToUtf8(suggested);
        if (*k.written) {
            EXPECT_EQ(FileBytes(data.program() / k.written),
                      SpiceNetlistOf(window->dialog().Document()));
        } else {
            EXPECT_EQ(
                static_cast<size_t>(std::distance(fs::directory_iterator(data.program()), {})),
                files);
        }
    }
    EXPECT_TRUE(messages.empty());
}

// --- Every window in English -------------------------------------------------------------

bool HasCyrillic(TextView text) {
    for (char16_t c : text)
        if (c >= 0x400 && c <= 0x4ff) return true;
    return false;
}

// The texts of a window and its controls that the program wrote (not the
// help text, what is typed, or the data's names in lists).
std::vector<Text> ProgramTexts(HWND window) {
    std::vector<Text> texts{WindowText(window)};
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (_wcsicmp(name, L"Static") == 0 || _wcsicmp(name, L"Button") == 0)
            texts.push_back(WindowText(child));
    }
    return texts;
}

TEST_F(Win32Window, EverySecondaryWindowSpeaksEnglish) {
    SetLanguage(Language::English);
    OpenWindow();
    struct Made {
        const char* name;
        std::unique_ptr<Dialog> window;
    };
    std::vector<Made> windows;
    const auto yes = [](TextView, TextView) { return true; };
    windows.push_back({"about", std::make_unique<AboutWindow>()});
    windows.push_back({"circuit", std::make_unique<CircuitWindow>()});
    windows.push_back({"help", std::make_unique<HelpWindow>(u"text")});
    windows.push_back(
        {"transfer", std::make_unique<TransferWindow>(4.384, 0.434, 0.6721, 1.0325, 100)});
    windows.push_back({"check", std::make_unique<CheckWindow>(window->dialog())});
    windows.push_back({"adviser", std::make_unique<AdviserWindow>(window->dialog())});
    windows.push_back({"waveforms", std::make_unique<WaveformWindow>(window->dialog())});
    windows.push_back({"open", std::make_unique<FilePickerDialog>(FilePicker::Kind::Open,
                                                                  data.program(), Text(), yes)});
    windows.push_back({"save", std::make_unique<FilePickerDialog>(FilePicker::Kind::Save,
                                                                  data.program(), u"x.sav", yes)});
    std::vector<std::pair<const char*, std::vector<Text>>> found;
    bool made = true;
    for (Made& m : windows) {
        bool ok = false;
        if (auto* w = dynamic_cast<AboutWindow*>(m.window.get())) ok = w->Create(window->hwnd());
        if (auto* w = dynamic_cast<CircuitWindow*>(m.window.get())) ok = w->Create(window->hwnd());
        if (auto* w = dynamic_cast<HelpWindow*>(m.window.get())) ok = w->Create(window->hwnd());
        if (auto* w = dynamic_cast<TransferWindow*>(m.window.get())) ok = w->Create(window->hwnd());
        if (auto* w = dynamic_cast<CheckWindow*>(m.window.get())) ok = w->Create(window->hwnd());
        if (auto* w = dynamic_cast<AdviserWindow*>(m.window.get())) ok = w->Create(window->hwnd());
        if (auto* w = dynamic_cast<WaveformWindow*>(m.window.get())) ok = w->Create(window->hwnd());
        if (auto* w = dynamic_cast<FilePickerDialog*>(m.window.get()))
            ok = w->Create(window->hwnd());
        made = made && ok;
        found.emplace_back(m.name, ProgramTexts(m.window->hwnd()));
    }
    const Text strip = window->StripText();
    SetLanguage(Language::Russian);
    EXPECT_TRUE(made);
    for (const auto& [name, texts] : found) {
        SCOPED_TRACE(name);
        EXPECT_GT(texts.size(), 1u);
        for (const Text& text : texts) EXPECT_FALSE(HasCyrillic(text)) << ToUtf8(text);
    }
    EXPECT_FALSE(HasCyrillic(strip)) << ToUtf8(strip);
}

// --- The report on paper -------------------------------------------------------------

// Pages as bitmaps of an A4 sheet at 60 dots per inch.
class BitmapPages : public PageSink {
  public:
    BitmapPages() {
        screen_ = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen_);
    }
    ~BitmapPages() override {
        if (bitmap_) DeleteObject(bitmap_);
        DeleteDC(dc_);
        ReleaseDC(nullptr, screen_);
    }
    static PageGeometry Geometry() {
        PageGeometry g;
        g.dpiX = g.dpiY = 60;
        g.width = 496;   // 210 mm
        g.height = 702;  // 297 mm
        return g;
    }
    HDC StartPage() override {
        if (bitmap_) DeleteObject(bitmap_);
        bitmap_ = CreateCompatibleBitmap(screen_, Geometry().width, Geometry().height);
        SelectObject(dc_, bitmap_);
        const RECT all{0, 0, Geometry().width, Geometry().height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return dc_;
    }
    bool EndPage() override {
        // How much of the page is ink.
        int ink = 0;
        for (int y = 0; y < Geometry().height; y += 3)
            for (int x = 0; x < Geometry().width; x += 3)
                if (GetPixel(dc_, x, y) != RGB(255, 255, 255)) ++ink;
        inks.push_back(ink);
        return true;
    }
    std::vector<int> inks;

  private:
    HDC screen_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
};

TEST_F(Win32Window, TheReportFillsItsPagesAndPutsEachPictureOnOneOfItsOwn) {
    OpenWindow();
    const GdiplusSession gdiplus;
    const ReportDocument report = window->CurrentReport();
    ASSERT_FALSE(report.plotSvg.empty());
    BitmapPages pages;
    const int n = PaintReportPages(pages, BitmapPages::Geometry(), report);
    // The text takes at least two pages at this size, then the transfer
    // characteristic and the windings a page each.
    EXPECT_GE(n, 4);
    ASSERT_EQ(pages.inks.size(), static_cast<size_t>(n));
    for (int ink : pages.inks) EXPECT_GT(ink, 100);
}

class RefusingPages : public PageSink {
  public:
    HDC StartPage() override { return nullptr; }
    bool EndPage() override { return true; }
};

TEST(ReportPages, APageThatCannotBeMadeFailsTheReport) {
    ReportDocument report;
    report.title = u"T";
    RefusingPages pages;
    EXPECT_EQ(PaintReportPages(pages, BitmapPages::Geometry(), report), 0);
}

}  // namespace
}  // namespace kelvara::win32
