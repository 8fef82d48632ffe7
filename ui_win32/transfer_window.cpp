#include "ui_win32/transfer_window.h"

#include <cmath>

#include "session/report.h"
#include "ui_win32/save_dialog.h"
#include "ui_win32/win_text.h"
#include "window/file_export.h"
#include "window/secondary_layout.h"

namespace kelvara::win32 {

namespace {

// Thin grid lines closer than this, in pixels at 96 dpi, would run together.
constexpr double kMinLinePixels = 8;

Gdiplus::Color PlotColor(PlotColour colour) {
    switch (colour) {
        case PlotColour::Blue:
            return Gdiplus::Color(255, 0, 0, 255);
        case PlotColour::Red:
            return Gdiplus::Color(255, 255, 0, 0);
        case PlotColour::Green:
            return Gdiplus::Color(255, 0, 0x8a, 0x3a);
        case PlotColour::Black:
            break;
    }
    return Gdiplus::Color(255, 0, 0, 0);
}

// Maps logical units (y up) to the picture's pixels (y down).
class Mapping {
  public:
    Mapping(const PlotRect& window, double pixelsPerUnit)
        : left_(window.left), top_(window.top), k_(pixelsPerUnit) {}

    Gdiplus::PointF Point(int x, int y) const {
        return Gdiplus::PointF(static_cast<Gdiplus::REAL>((x - left_) * k_),
                               static_cast<Gdiplus::REAL>((top_ - y) * k_));
    }
    Gdiplus::RectF Rect(const PlotRect& r) const {
        const Gdiplus::PointF a = Point(r.left, r.top), b = Point(r.right, r.bottom);
        return Gdiplus::RectF(a.X, a.Y, b.X - a.X, b.Y - a.Y);
    }
    // Pen widths are logical units; a pen is never thinner than a pixel.
    Gdiplus::REAL Width(int units) const {
        return static_cast<Gdiplus::REAL>(std::max(1.0, units * k_));
    }

  private:
    double left_, top_, k_;
};

void SetUpPen(Gdiplus::Pen& pen) {
    pen.SetLineCap(Gdiplus::LineCapRound, Gdiplus::LineCapRound, Gdiplus::DashCapRound);
    pen.SetLineJoin(Gdiplus::LineJoinRound);
}

void DrawLine(Gdiplus::Graphics& g, const Mapping& map, const PlotLine& line) {
    Gdiplus::Pen pen(PlotColor(line.colour), map.Width(line.width));
    SetUpPen(pen);
    g.DrawLine(&pen, map.Point(line.x1, line.y1), map.Point(line.x2, line.y2));
}

void DrawLabel(Gdiplus::Graphics& g, const Mapping& map, const PlotLabel& label,
               const Gdiplus::Font& font) {
    const Gdiplus::RectF rect = map.Rect(label.rect);
    // Texts are black on a white box, so grid lines never cross them.
    Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
    g.FillRectangle(&white, rect);
    // Placed by its measured size, so that it keeps the edge the placement
    // rule fixes and stands in the middle of its box.
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap |
                          Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    const std::wstring text = W(label.text);
    Gdiplus::RectF box;
    g.MeasureString(text.c_str(), static_cast<INT>(text.size()), &font, Gdiplus::PointF(0, 0),
                    &format, &box);
    const Gdiplus::REAL x = label.align == LabelAlign::Left ? rect.X
                            : label.align == LabelAlign::Right
                                ? rect.X + rect.Width - box.Width
                                : rect.X + (rect.Width - box.Width) / 2;
    const Gdiplus::REAL y = rect.Y + (rect.Height - font.GetHeight(&g)) / 2;
    Gdiplus::SolidBrush brush(PlotColor(label.colour));
    g.DrawString(text.c_str(), static_cast<INT>(text.size()), &font, Gdiplus::PointF(x, y), &format,
                 &brush);
}

}  // namespace

void PaintTransferPlot(Gdiplus::Graphics& g, const TransferPlot& plot, double pixelsPerUnit,
                       const Gdiplus::Font& font) {
    const Mapping map(plot.window, pixelsPerUnit);
    const Gdiplus::GraphicsState saved = g.Save();
    g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    for (const PlotLine& line : plot.grid) DrawLine(g, map, line);
    for (const PlotLabel& label : plot.gridLabels) DrawLabel(g, map, label, font);
    // Every label goes down before the curve and the red marks, so a label
    // that lies across the curve never hides part of it.
    for (const PlotMark& mark : plot.marks) DrawLabel(g, map, mark.label, font);
    if (plot.curve.size() >= 2) {
        std::vector<Gdiplus::PointF> points;
        points.reserve(plot.curve.size());
        for (const PlotPoint& p : plot.curve) points.push_back(map.Point(p.x, p.y));
        Gdiplus::Pen pen(PlotColor(kCurveColour), map.Width(kCurveWidth));
        SetUpPen(pen);
        g.DrawLines(&pen, points.data(), static_cast<INT>(points.size()));
    }
    for (const PlotMark& mark : plot.marks) {
        for (const PlotLine& line : mark.lines) DrawLine(g, map, line);
    }
    g.Restore(saved);
}

TransferWindow::TransferWindow(double kL, double Q, double xMin, double xMax, double Fr, bool stale,
                               double xTdMin, double xTdMax)
    : kL_(kL),
      Q_(Q),
      xMin_(xMin),
      xMax_(xMax),
      Fr_(Fr),
      stale_(stale),
      xTdMin_(xTdMin),
      xTdMax_(xTdMax) {}

bool TransferWindow::Create(HWND owner) {
    DialogTemplate t(transfer::kCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0,
                     transfer::kWidth, transfer::kHeight);
    t.AddControl(IDOK, WC_BUTTONW, transfer::kOkText, BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                 transfer::kOk);
    t.AddControl(kSaveImageId, WC_BUTTONW, transfer::kSaveImageText, BS_PUSHBUTTON | WS_TABSTOP, 0,
                 transfer::kSaveImage);
    t.AddControl(kExportCsvId, WC_BUTTONW, transfer::kExportCsvText, BS_PUSHBUTTON | WS_TABSTOP, 0,
                 transfer::kExportCsv);
    return Dialog::Create(t, owner);
}

RECT TransferWindow::DrawingArea() const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int strip = MulDiv(transfer::kButtonStripPixels, static_cast<int>(Dpi()), 96);
    client.bottom = std::max(client.top, client.bottom - strip);
    return client;
}

double TransferWindow::PixelsPerUnit() const {
    // One logical unit is 0.1 mm: dpi/254 pixels, the same along both axes.
    return std::max(1u, Dpi()) / 254.0;
}

std::wstring TransferWindow::FontFamilyName() const {
    return InstalledFamily({L"Arial", L"Liberation Sans", L"DejaVu Sans"}, L"Tahoma");
}

std::unique_ptr<Gdiplus::Font> TransferWindow::PictureFont() const {
    const std::wstring name = FontFamilyName();
    const Gdiplus::FontFamily family(name.c_str());
    // The font's height (ascent plus descent) is to be 35 units.
    const double wanted = kPlotFontHeight * PixelsPerUnit();
    const double em = family.GetEmHeight(Gdiplus::FontStyleRegular);
    const double cell = family.GetCellAscent(Gdiplus::FontStyleRegular) +
                        family.GetCellDescent(Gdiplus::FontStyleRegular);
    const double size = cell > 0 && em > 0 ? wanted * em / cell : wanted;
    return std::make_unique<Gdiplus::Font>(&family, static_cast<Gdiplus::REAL>(size),
                                           Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
}

TransferPlot TransferWindow::BuildPlot() const {
    const RECT area = DrawingArea();
    const double k = PixelsPerUnit();
    const std::unique_ptr<Gdiplus::Font> font = PictureFont();
    const HDC screen = GetDC(hwnd());
    Gdiplus::Graphics g(screen);
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap |
                          Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    const double height = font->GetHeight(&g);
    const TextMeasure measure = [&](TextView text) {
        const std::wstring wide = W(text);
        Gdiplus::RectF box;
        g.MeasureString(wide.c_str(), static_cast<INT>(wide.size()), font.get(),
                        Gdiplus::PointF(0, 0), &format, &box);
        return TextSize{static_cast<int>(std::ceil(box.Width / k)),
                        static_cast<int>(std::ceil(height / k))};
    };
    const int W = static_cast<int>(std::abs((area.right - area.left) / k));
    const int H = static_cast<int>(std::abs((area.bottom - area.top) / k));
    PlotOptions options;
    options.minLineGap = std::max(options.minLineGap,
                                  static_cast<int>(std::ceil(kMinLinePixels * Dpi() / 96.0 / k)));
    options.stale = stale_;
    options.xTdMin = xTdMin_;
    options.xTdMax = xTdMax_;
    TransferPlot plot = BuildTransferPlot(kL_, Q_, xMin_, xMax_, Fr_, W, H, measure, options);
    ReleaseDC(hwnd(), screen);
    return plot;
}

std::unique_ptr<Gdiplus::Bitmap> TransferWindow::RenderPicture() const {
    const RECT area = DrawingArea();
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return nullptr;
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(w, h, PixelFormat32bppRGB);
    Gdiplus::Graphics g(bitmap.get());
    g.Clear(Gdiplus::Color(255, 255, 255, 255));
    const std::unique_ptr<Gdiplus::Font> font = PictureFont();
    PaintTransferPlot(g, BuildPlot(), PixelsPerUnit(), *font);
    return bitmap;
}

bool TransferWindow::SaveImage(const std::filesystem::path& file) const {
    std::wstring ending = file.extension().native();
    for (wchar_t& c : ending) c = static_cast<wchar_t>(towlower(c));
    if (ending == L".svg") return WriteExportFile(file, TransferPlotSvg(BuildPlot()));
    const std::unique_ptr<Gdiplus::Bitmap> picture = RenderPicture();
    return picture && SavePng(*picture, file.native());
}

bool TransferWindow::ExportCsv(const std::filesystem::path& file) const {
    return WriteExportFile(file, GainCurveCsv(kL_, Q_, Fr_));
}

bool TransferWindow::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message != WM_PAINT) return false;
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd(), &ps);
    const RECT area = DrawingArea();
    if (const std::unique_ptr<Gdiplus::Bitmap> picture = RenderPicture()) {
        Gdiplus::Graphics g(dc);
        g.DrawImage(picture.get(), static_cast<INT>(area.left), static_cast<INT>(area.top));
    }
    EndPaint(hwnd(), &ps);
    result = 0;
    return true;
}

void TransferWindow::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);
    if (id == kSaveImageId) {
        const auto file = AskFileToSave(hwnd(), KELVARA_TR_NOOP(u"Сохранить изображение"), folder,
                                        Tr(transfer::kImageName),
                                        {{KELVARA_TR_NOOP(u"Изображение PNG (*.png)"), u"png"},
                                         {KELVARA_TR_NOOP(u"Рисунок SVG (*.svg)"), u"svg"}});
        if (file && !SaveImage(*file)) SayWriteFailed(hwnd(), *file);
    } else if (id == kExportCsvId) {
        const auto file =
            AskFileToSave(hwnd(), KELVARA_TR_NOOP(u"Экспорт CSV"), folder, Tr(transfer::kCsvName),
                          {{KELVARA_TR_NOOP(u"Таблица CSV (*.csv)"), u"csv"}});
        if (file && !ExportCsv(*file)) SayWriteFailed(hwnd(), *file);
    } else if (id == IDOK || id == IDCANCEL) {
        EndModal(id);
    }
}

void ShowTransferCharacteristic(HWND owner, double kL, double Q, double xMin, double xMax,
                                double Fr, bool stale, double xTdMin, double xTdMax) {
    TransferWindow window(kL, Q, xMin, xMax, Fr, stale, xTdMin, xTdMax);
    if (window.Create(owner)) window.RunModal(owner);
}

}  // namespace kelvara::win32
