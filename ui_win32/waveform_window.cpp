#include "ui_win32/waveform_window.h"

#include <cmath>

#include "ui_win32/save_dialog.h"
#include "ui_win32/win_text.h"
#include "window/file_export.h"
#include "window/kelvara_dlg.h"

namespace kelvara::win32 {

namespace {

// The window in dialog units: the corner switch on top, the picture, the
// summary below it and the buttons at the bottom right.
constexpr int kWidth = 560, kHeight = 420;
constexpr DluRect kLowest{7, 5, 160, 10};
constexpr DluRect kHighest{172, 5, 160, 10};
constexpr DluRect kPicture{0, 18, kWidth, kHeight - 78};
constexpr DluRect kSummary{7, kHeight - 57, kWidth - 14, 32};
constexpr DluRect kSaveImage{kWidth - 7 - 50 - 4 - 70 - 4 - 110, kHeight - 21, 110, 14};
constexpr DluRect kExportCsv{kWidth - 7 - 50 - 4 - 70, kHeight - 21, 70, 14};
constexpr DluRect kClose{kWidth - 7 - 50, kHeight - 21, 50, 14};

// A text that heads a control, its first letter a capital: the catalogue
// gives the corners' names as they stand inside an English sentence.
Text Heading(Text text) {
    if (!text.empty() && text[0] >= u'a' && text[0] <= u'z')
        text[0] = static_cast<char16_t>(text[0] - u'a' + u'A');
    return text;
}

// Texts are measured and drawn without GDI+'s extra space around them.
class TextFormat : public Gdiplus::StringFormat {
  public:
    TextFormat() : Gdiplus::StringFormat(Gdiplus::StringFormat::GenericTypographic()) {
        SetFormatFlags(GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap |
                       Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    }
};

double TextWidth(Gdiplus::Graphics& g, const Gdiplus::Font& font, TextView text) {
    const std::wstring wide = W(text);
    const TextFormat format;
    Gdiplus::RectF box;
    g.MeasureString(wide.c_str(), static_cast<INT>(wide.size()), &font, Gdiplus::PointF(0, 0),
                    &format, &box);
    return box.Width;
}

Gdiplus::PointF P(double x, double y) {
    return Gdiplus::PointF(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y));
}

void PutText(Gdiplus::Graphics& g, const Gdiplus::Font& font, TextView text, double x, double y,
             unsigned colour) {
    const std::wstring wide = W(text);
    Gdiplus::SolidBrush brush(ToColor(colour));
    const TextFormat format;
    g.DrawString(wide.c_str(), static_cast<INT>(wide.size()), &font, P(x, y), &format, &brush);
}

}  // namespace

void PaintWaveformPlot(Gdiplus::Graphics& g, const WaveformPlot& p, const Gdiplus::Font& font) {
    const Gdiplus::GraphicsState saved = g.Save();
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
    g.FillRectangle(&white, Gdiplus::RectF(0, 0, static_cast<Gdiplus::REAL>(p.width),
                                           static_cast<Gdiplus::REAL>(p.height)));
    for (const WaveRect& r : p.bands) {
        Gdiplus::SolidBrush brush(ToColor(r.colour));
        g.FillRectangle(
            &brush, Gdiplus::RectF(P(r.x, r.y), Gdiplus::SizeF(static_cast<Gdiplus::REAL>(r.w),
                                                               static_cast<Gdiplus::REAL>(r.h))));
    }
    const auto line = [&](const WaveLine& l) {
        Gdiplus::Pen pen(ToColor(l.colour), static_cast<Gdiplus::REAL>(l.width));
        if (l.dashed) pen.SetDashStyle(Gdiplus::DashStyleDash);
        g.DrawLine(&pen, P(l.x1, l.y1), P(l.x2, l.y2));
    };
    for (const WaveLine& l : p.grid) line(l);
    for (const WaveCurve& c : p.curves) {
        if (c.points.size() < 2) continue;
        std::vector<Gdiplus::PointF> points;
        points.reserve(c.points.size());
        for (const WavePoint& pt : c.points) points.push_back(P(pt.x, pt.y));
        Gdiplus::Pen pen(ToColor(c.colour), 1.5f);
        pen.SetLineJoin(Gdiplus::LineJoinRound);
        g.DrawLines(&pen, points.data(), static_cast<INT>(points.size()));
    }
    for (const WaveLine& l : p.marks) line(l);
    const double h = font.GetHeight(&g);
    for (const WaveText& t : p.texts) {
        const double w = TextWidth(g, font, t.text);
        const double x = t.align == WaveText::Align::Left    ? t.x
                         : t.align == WaveText::Align::Right ? t.x - w
                                                             : t.x - w / 2;
        PutText(g, font, t.text, x, t.y - h / 2, t.colour);
    }
    g.Restore(saved);
}

WaveformWindow::WaveformWindow(CKelvaraDlg& dlg)
    : dlg_(dlg), corners_(WaveformsOf(dlg.Document())) {}

bool WaveformWindow::Create(HWND owner) {
    DialogTemplate t(Tr(u"Осциллограммы"), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0,
                     kWidth, kHeight);
    t.AddControl(kWaveLowestId, WC_BUTTONW, Heading(Tr(u"Минимальное напряжение питания")),
                 BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, kLowest);
    t.AddControl(kWaveHighestId, WC_BUTTONW, Heading(Tr(u"Максимальное напряжение питания")),
                 BS_AUTORADIOBUTTON, 0, kHighest);
    t.AddControl(kWaveSummaryId, WC_STATICW, u"", SS_LEFT | SS_NOPREFIX, 0, kSummary);
    t.AddControl(kWaveSaveImageId, WC_BUTTONW, Tr(u"Сохранить изображение..."),
                 BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, kSaveImage);
    t.AddControl(kWaveExportCsvId, WC_BUTTONW, Tr(u"Экспорт CSV..."), BS_PUSHBUTTON | WS_TABSTOP, 0,
                 kExportCsv);
    t.AddControl(kWaveCloseId, WC_BUTTONW, Tr(u"Закрыть"), BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                 kClose);
    return Dialog::Create(t, owner);
}

void WaveformWindow::Run(HWND owner) {
    if (Create(owner)) RunModal(owner);
}

void WaveformWindow::OnInit() {
    ShowCorner(0);
}

void WaveformWindow::ShowCorner(int index) {
    corner_ = index == 1 ? 1 : 0;
    cursor_ = -1;
    CheckRadioButton(hwnd(), kWaveLowestId, kWaveHighestId,
                     corner_ == 1 ? kWaveHighestId : kWaveLowestId);
    SetWindowTextW(Item(kWaveSummaryId),
                   W(WaveformSummary(corners_[static_cast<size_t>(corner_)])).c_str());
    InvalidatePicture();
}

RECT WaveformWindow::PictureArea() const {
    return ToPixels(kPicture);
}

std::unique_ptr<Gdiplus::Font> WaveformWindow::PictureFont(HDC dc) const {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    auto made = std::make_unique<Gdiplus::Font>(dc, font);
    if (made->GetLastStatus() != Gdiplus::Ok) {
        const Gdiplus::FontFamily family(L"Tahoma");
        made = std::make_unique<Gdiplus::Font>(&family, 9.0f * Dpi() / 72.0f,
                                               Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    }
    return made;
}

WaveformPlot WaveformWindow::BuildPlot() const {
    const RECT area = PictureArea();
    const HDC screen = GetDC(hwnd());
    WaveformPlot plot;
    {
        const std::unique_ptr<Gdiplus::Font> font = PictureFont(screen);
        Gdiplus::Graphics g(screen);
        const double height = font->GetHeight(&g);
        const WaveMeasure measure = [&](TextView text) {
            return WavePoint{TextWidth(g, *font, text), height};
        };
        plot = BuildWaveformPlot(corners_[static_cast<size_t>(corner_)], area.right - area.left,
                                 area.bottom - area.top, measure, dlg_.resultsStale());
    }
    ReleaseDC(hwnd(), screen);
    return plot;
}

std::unique_ptr<Gdiplus::Bitmap> WaveformWindow::RenderPicture(bool withCursor) const {
    const WaveformPlot plot = BuildPlot();
    const int w = static_cast<int>(std::lround(plot.width));
    const int h = static_cast<int>(std::lround(plot.height));
    if (w <= 0 || h <= 0) return nullptr;
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(w, h, PixelFormat32bppRGB);
    const HDC screen = GetDC(hwnd());
    const std::unique_ptr<Gdiplus::Font> font = PictureFont(screen);
    ReleaseDC(hwnd(), screen);
    Gdiplus::Graphics g(bitmap.get());
    PaintWaveformPlot(g, plot, *font);
    const CornerWaveform& c = corners_[static_cast<size_t>(corner_)];
    if (!withCursor || cursor_ < 0 || !plot.drawn || plot.panels.empty() ||
        static_cast<size_t>(cursor_) >= c.wave.t.size()) {
        return bitmap;
    }
    // The cursor: a line through every panel, a dot on every trace, and the
    // values at the bottom.
    const size_t i = static_cast<size_t>(cursor_);
    const double x = plot.XOf(c.wave.t[i]);
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::Pen dotted(Gdiplus::Color(255, 0, 0, 0), 1);
    dotted.SetDashStyle(Gdiplus::DashStyleDot);
    g.DrawLine(&dotted, P(x, plot.panels.front().top), P(x, plot.panels.back().bottom));
    for (const WaveCurve& curve : plot.curves) {
        if (i >= curve.points.size()) continue;
        Gdiplus::SolidBrush brush(ToColor(curve.colour));
        g.FillEllipse(&brush, static_cast<Gdiplus::REAL>(curve.points[i].x - 3),
                      static_cast<Gdiplus::REAL>(curve.points[i].y - 3), 6.0f, 6.0f);
    }
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    const Text text = CursorText();
    const double th = font->GetHeight(&g);
    const Gdiplus::RectF box(static_cast<Gdiplus::REAL>(plot.panels.front().left),
                             static_cast<Gdiplus::REAL>(plot.height - th - 4),
                             static_cast<Gdiplus::REAL>(TextWidth(g, *font, text) + 8),
                             static_cast<Gdiplus::REAL>(th + 2));
    Gdiplus::SolidBrush paper(ToColor(0xfffff0));
    g.FillRectangle(&paper, box);
    Gdiplus::Pen frame(ToColor(0x909090), 1);
    g.DrawRectangle(&frame, box);
    PutText(g, *font, text, box.X + 4, box.Y + 1, 0x000000);
    return bitmap;
}

void WaveformWindow::MoveCursor(double x) {
    const CornerWaveform& c = corners_[static_cast<size_t>(corner_)];
    const int before = cursor_;
    if (!c.solved) {
        cursor_ = -1;
    } else {
        const WaveformPlot plot = BuildPlot();
        cursor_ =
            plot.panels.empty() || x < plot.panels.front().left || x > plot.panels.front().right
                ? -1
                : SampleNearest(c, plot.TimeAt(x));
    }
    if (cursor_ != before) InvalidatePicture();
}

Text WaveformWindow::CursorText() const {
    return WaveformCursorText(corners_[static_cast<size_t>(corner_)], cursor_);
}

bool WaveformWindow::SaveImage(const std::filesystem::path& file) const {
    const WaveformPlot plot = BuildPlot();
    if (!plot.drawn) return false;
    std::wstring ending = file.extension().native();
    for (wchar_t& c : ending) c = static_cast<wchar_t>(towlower(c));
    if (ending == L".svg") return WriteExportFile(file, WaveformPlotSvg(plot));
    const std::unique_ptr<Gdiplus::Bitmap> picture = RenderPicture(false);
    return picture && SavePng(*picture, file.native());
}

bool WaveformWindow::ExportCsv(const std::filesystem::path& file) const {
    return WriteExportFile(file, WaveformsCsv(corners_));
}

void WaveformWindow::InvalidatePicture() {
    if (!hwnd()) return;
    const RECT area = PictureArea();
    InvalidateRect(hwnd(), &area, FALSE);
}

bool WaveformWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd(), &ps);
            const RECT area = PictureArea();
            if (const std::unique_ptr<Gdiplus::Bitmap> picture = RenderPicture(true)) {
                Gdiplus::Graphics g(dc);
                g.DrawImage(picture.get(), static_cast<INT>(area.left), static_cast<INT>(area.top));
            }
            EndPaint(hwnd(), &ps);
            result = 0;
            return true;
        }
        case WM_MOUSEMOVE: {
            const RECT area = PictureArea();
            const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (!tracking_) {
                TRACKMOUSEEVENT track{};
                track.cbSize = sizeof track;
                track.dwFlags = TME_LEAVE;
                track.hwndTrack = hwnd();
                tracking_ = TrackMouseEvent(&track) != FALSE;
            }
            MoveCursor(PtInRect(&area, p) ? p.x - area.left : -1.0);
            result = 0;
            return true;
        }
        case WM_MOUSELEAVE:
            tracking_ = false;
            MoveCursor(-1);
            result = 0;
            return true;
        default:
            return false;
    }
}

void WaveformWindow::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    const std::filesystem::path folder = dlg_.settingsFolder();
    const Text name = Tr(u"Осциллограммы");
    if (id == kWaveLowestId || id == kWaveHighestId) {
        ShowCorner(id == kWaveHighestId ? 1 : 0);
    } else if (id == kWaveSaveImageId) {
        const auto file = AskFileToSave(
            hwnd(), Tr(u"Сохранить изображение"), folder, name + u".png",
            {{Tr(u"Изображение PNG (*.png)"), u"png"}, {Tr(u"Рисунок SVG (*.svg)"), u"svg"}});
        if (file && !SaveImage(*file)) SayWriteFailed(hwnd(), *file);
    } else if (id == kWaveExportCsvId) {
        const auto file = AskFileToSave(hwnd(), Tr(u"Экспорт CSV"), folder, name + u".csv",
                                        {{Tr(u"Таблица CSV (*.csv)"), u"csv"}});
        if (file && !ExportCsv(*file)) SayWriteFailed(hwnd(), *file);
    } else if (id == kWaveCloseId || id == IDCANCEL) {
        EndModal(id);
    }
}

}  // namespace kelvara::win32
