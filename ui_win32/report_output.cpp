#include "ui_win32/report_output.h"

#include <algorithm>
#include <vector>

#include "session/design_document.h"
#include "ui_win32/gdiplus.h"
#include "ui_win32/save_dialog.h"
#include "ui_win32/svg_draw.h"
#include "ui_win32/svg_picture.h"
#include "ui_win32/win_text.h"

namespace kelvara::win32 {

namespace {

constexpr double kMarginMm = 15;
// The check's table spans the page, its notes taking the most room.
constexpr double kCheckWidths[] = {0.12, 0.18, 0.20, 0.15, 0.35};

class Fonts {
  public:
    Fonts(int dpiY) {
        const std::wstring face = InstalledFamily({L"Arial", L"Liberation Sans"}, L"Tahoma");
        const auto make = [&](double points, bool bold) {
            LOGFONTW lf{};
            lf.lfHeight = -static_cast<LONG>(points * dpiY / 72.0 + 0.5);
            lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
            lf.lfCharSet = DEFAULT_CHARSET;
            lf.lfQuality = ANTIALIASED_QUALITY;
            wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
            return CreateFontIndirectW(&lf);
        };
        title = make(15, true);
        heading = make(12, true);
        text = make(10, false);
        bold = make(10, true);
    }
    ~Fonts() {
        for (HFONT f : {title, heading, text, bold}) DeleteObject(f);
    }
    HFONT title, heading, text, bold;
};

// Lays the report out top to bottom, starting a page whenever the next
// block does not fit.
class Layout {
  public:
    Layout(PageSink& sink, const PageGeometry& page) : sink_(sink), page_(page), fonts_(page.dpiY) {
        left_ = std::max(0, Mm(kMarginMm, page.dpiX) - page.offsetX);
        top_ = std::max(0, Mm(kMarginMm, page.dpiY) - page.offsetY);
        // The sheet's margins are taken as alike on both sides.
        right_ = std::max(left_ + 1, page.width - left_);
        bottom_ = std::max(top_ + 1, page.height - top_);
        pad_ = Mm(1.2, page.dpiX);
    }
    ~Layout() {
        if (dc_) sink_.EndPage();
        ReleaseDC(nullptr, measure_);
    }

    // Ends the last page.
    void Finish() {
        if (dc_ && !sink_.EndPage()) ok_ = false;
        dc_ = nullptr;
    }
    bool ok() const { return ok_; }
    int pages() const { return pages_; }

    void Title(const Text& text) { Paragraph(text, fonts_.title, 0x000000, Mm(1.5, page_.dpiY)); }
    void Line(const Text& text) { Paragraph(text, fonts_.text, 0x333333, 0); }

    void Table(const ReportTable& t) {
        Ensure();
        y_ += Mm(4, page_.dpiY);
        const std::vector<int> widths = ColumnWidths(t);
        // A caption stays with the table's first rows.
        const int caption = Height(t.caption, fonts_.heading, right_ - left_);
        const int header = RowHeight(t.header, widths, fonts_.bold);
        const int first = t.rows.empty() ? 0 : RowHeight(t.rows[0], widths, fonts_.text);
        if (y_ + caption + header + first > bottom_) NewPage();
        Paragraph(t.caption, fonts_.heading, 0x000000, Mm(1, page_.dpiY));
        Row(t.header, widths, fonts_.bold, true, nullptr, false);
        for (size_t r = 0; r < t.rows.size(); ++r) {
            const CheckStatus* status = t.kind == ReportTable::Kind::Check && r < t.statuses.size()
                                            ? &t.statuses[r]
                                            : nullptr;
            if (y_ + RowHeight(t.rows[r], widths, fonts_.text) > bottom_) {
                NewPage();
                Row(t.header, widths, fonts_.bold, true, nullptr, false);
            }
            Row(t.rows[r], widths, fonts_.text, false, status,
                t.kind == ReportTable::Kind::Results);
        }
    }

    // A picture on a page of its own, `widthMm` wide at most.
    void Figure(const Text& caption, const std::string& svgText, int widthMm) {
        const svg::Picture picture = svg::Parse(svgText);
        if (!picture.valid) return;
        NewPage();
        Paragraph(caption, fonts_.heading, 0x000000, Mm(2, page_.dpiY));
        if (!dc_) return;
        const double width = std::min<double>(right_ - left_, Mm(widthMm, page_.dpiX));
        const double height =
            width * picture.viewHeight / picture.viewWidth * page_.dpiY / page_.dpiX;
        Gdiplus::Graphics g(dc_);
        g.SetPageUnit(Gdiplus::UnitPixel);
        DrawSvg(g, picture,
                Gdiplus::RectF(static_cast<Gdiplus::REAL>(left_), static_cast<Gdiplus::REAL>(y_),
                               static_cast<Gdiplus::REAL>(width),
                               static_cast<Gdiplus::REAL>(std::min<double>(height, bottom_ - y_))));
        y_ += static_cast<int>(height);
    }

  private:
    static int Mm(double mm, int dpi) { return static_cast<int>(mm * dpi / 25.4 + 0.5); }

    void Ensure() {
        if (!dc_) NewPage();
    }

    void NewPage() {
        if (dc_) {
            if (!sink_.EndPage()) ok_ = false;
            dc_ = nullptr;
        }
        if (!ok_) return;
        dc_ = sink_.StartPage();
        if (!dc_) {
            ok_ = false;
            return;
        }
        ++pages_;
        SetBkMode(dc_, TRANSPARENT);
        SetMapMode(dc_, MM_TEXT);
        y_ = top_;
    }

    int Height(const Text& text, HFONT font, int width) {
        HDC dc = dc_ ? dc_ : measure_;
        const HGDIOBJ old = SelectObject(dc, font);
        const std::wstring wide = WithCrLf(text);
        RECT r{0, 0, std::max(1, width), 0};
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        return std::max<int>(r.bottom - r.top, 1);
    }

    int Width(const Text& text, HFONT font) {
        HDC dc = dc_ ? dc_ : measure_;
        const HGDIOBJ old = SelectObject(dc, font);
        int widest = 0;
        // The widest line of a text that has line breaks.
        size_t at = 0;
        while (at <= text.size()) {
            size_t end = text.find(u'\n', at);
            if (end == Text::npos) end = text.size();
            const std::wstring line = W(TextView(text).substr(at, end - at));
            SIZE size{};
            GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
            widest = std::max<int>(widest, size.cx);
            at = end + 1;
        }
        SelectObject(dc, old);
        return widest;
    }

    int LongestWord(const Text& text, HFONT font) {
        int widest = 0;
        size_t at = 0;
        while (at <= text.size()) {
            size_t end = text.find_first_of(u" \n", at);
            if (end == Text::npos) end = text.size();
            if (end > at) widest = std::max(widest, Width(text.substr(at, end - at), font));
            at = end + 1;
        }
        return widest;
    }

    void Paragraph(const Text& text, HFONT font, unsigned colour, int after) {
        Ensure();
        if (!dc_) return;
        const int h = Height(text, font, right_ - left_);
        if (y_ + h > bottom_ && y_ > top_) NewPage();
        if (!dc_) return;
        const HGDIOBJ old = SelectObject(dc_, font);
        SetTextColor(dc_, ToColorRef(colour));
        const std::wstring wide = WithCrLf(text);
        RECT r{left_, y_, right_, y_ + h};
        DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc_, old);
        y_ += h + after;
    }

    std::vector<int> ColumnWidths(const ReportTable& t) {
        Ensure();
        const int available = right_ - left_;
        const size_t n = t.header.size();
        std::vector<int> widths(n, 0);
        if (t.kind == ReportTable::Kind::Check && n == 5) {
            for (size_t i = 0; i < n; ++i)
                widths[i] = static_cast<int>(available * kCheckWidths[i]);
            // No column narrower than its longest word ("предупреждение"): the
            // notes give way.
            for (size_t i = 0; i + 1 < n; ++i) {
                int word = Width(t.header[i], fonts_.bold);
                for (const std::vector<Text>& row : t.rows) {
                    if (i < row.size()) word = std::max(word, LongestWord(row[i], fonts_.text));
                }
                const int needed = word + 2 * pad_ + 1;
                if (needed > widths[i]) {
                    widths[n - 1] -= needed - widths[i];
                    widths[i] = needed;
                }
            }
            return widths;
        }
        for (size_t i = 0; i < n; ++i) {
            widths[i] = Width(t.header[i], fonts_.bold) + 2 * pad_ + 1;
            for (const std::vector<Text>& row : t.rows) {
                if (i < row.size())
                    widths[i] = std::max(widths[i], Width(row[i], fonts_.text) + 2 * pad_ + 1);
            }
        }
        // Too wide: the widest column gives way and wraps.
        int total = 0;
        for (int w : widths) total += w;
        if (total > available && n > 0) {
            const auto widest = std::max_element(widths.begin(), widths.end());
            *widest = std::max(available / 4, *widest - (total - available));
        }
        return widths;
    }

    int RowHeight(const std::vector<Text>& cells, const std::vector<int>& widths, HFONT font) {
        int h = 0;
        for (size_t i = 0; i < cells.size() && i < widths.size(); ++i)
            h = std::max(h, Height(cells[i], font, widths[i] - 2 * pad_));
        return h + 2 * pad_;
    }

    void Row(const std::vector<Text>& cells, const std::vector<int>& widths, HFONT font,
             bool header, const CheckStatus* status, bool results) {
        if (!dc_) return;
        const int h = RowHeight(cells, widths, font);
        int x = left_;
        const HPEN pen = CreatePen(PS_SOLID, std::max(1, page_.dpiX / 150), RGB(0x99, 0x99, 0x99));
        const HGDIOBJ oldPen = SelectObject(dc_, pen);
        const HGDIOBJ oldFont = SelectObject(dc_, font);
        for (size_t i = 0; i < widths.size(); ++i) {
            RECT cell{x, y_, x + widths[i], y_ + h};
            if (header) {
                const HBRUSH grey = CreateSolidBrush(RGB(0xEE, 0xEE, 0xEE));
                FillRect(dc_, &cell, grey);
                DeleteObject(grey);
            }
            SelectObject(dc_, GetStockObject(NULL_BRUSH));
            Rectangle(dc_, cell.left, cell.top, cell.right + 1, cell.bottom + 1);
            unsigned colour = 0x000000;
            if (status && i == 0) colour = StyleOf(*status).colour;
            SetTextColor(dc_, ToColorRef(colour));
            if (i < cells.size()) {
                RECT text{cell.left + pad_, cell.top + pad_, cell.right - pad_, cell.bottom - pad_};
                const std::wstring wide = WithCrLf(cells[i]);
                DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &text,
                          DT_WORDBREAK | DT_NOPREFIX | (results && i == 1 ? DT_RIGHT : DT_LEFT));
            }
            x += widths[i];
        }
        SelectObject(dc_, oldFont);
        SelectObject(dc_, oldPen);
        DeleteObject(pen);
        y_ += h;
    }

    PageSink& sink_;
    PageGeometry page_;
    Fonts fonts_;
    HDC dc_ = nullptr;
    // Measures before the first page exists.
    HDC measure_ = GetDC(nullptr);
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0, pad_ = 0;
    int y_ = 0;
    int pages_ = 0;
    bool ok_ = true;
};

class PrinterPages : public PageSink {
  public:
    explicit PrinterPages(HDC dc) : dc_(dc) {}
    HDC StartPage() override { return ::StartPage(dc_) > 0 ? dc_ : nullptr; }
    bool EndPage() override { return ::EndPage(dc_) > 0; }

  private:
    HDC dc_;
};

bool PrintOn(HDC printer, const ReportDocument& report, const std::filesystem::path* outputFile) {
    const std::wstring title = W(report.title);
    const std::wstring output = outputFile ? outputFile->native() : std::wstring();
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = title.c_str();
    doc.lpszOutput = outputFile ? output.c_str() : nullptr;
    if (StartDocW(printer, &doc) <= 0) return false;
    PrinterPages sink(printer);
    const int pages = PaintReportPages(sink, GeometryOf(printer), report);
    if (pages <= 0) {
        AbortDoc(printer);
        return false;
    }
    return EndDoc(printer) > 0;
}

}  // namespace

PageGeometry GeometryOf(HDC printer) {
    PageGeometry g;
    g.width = GetDeviceCaps(printer, HORZRES);
    g.height = GetDeviceCaps(printer, VERTRES);
    g.dpiX = std::max(1, GetDeviceCaps(printer, LOGPIXELSX));
    g.dpiY = std::max(1, GetDeviceCaps(printer, LOGPIXELSY));
    g.offsetX = GetDeviceCaps(printer, PHYSICALOFFSETX);
    g.offsetY = GetDeviceCaps(printer, PHYSICALOFFSETY);
    return g;
}

int PaintReportPages(PageSink& sink, const PageGeometry& page, const ReportDocument& report) {
    int pages = 0;
    bool ok = false;
    {
        Layout layout(sink, page);
        layout.Title(report.title);
        for (const Text& line : report.lines) layout.Line(line);
        for (const ReportTable& t : report.tables) layout.Table(t);
        if (!report.plotSvg.empty()) {
            layout.Figure(Tr(u"Передаточная характеристика"), report.plotSvg, 180);
        }
        for (const ReportDocument::Figure& f : report.figures)
            layout.Figure(f.caption, f.svg, f.widthMm);
        layout.Finish();
        pages = layout.pages();
        ok = layout.ok();
    }
    return ok ? pages : 0;
}

std::optional<std::wstring> PdfPrinter() {
    DWORD needed = 0, count = 0;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    EnumPrintersW(flags, nullptr, 2, nullptr, 0, &needed, &count);
    if (needed == 0) return std::nullopt;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersW(flags, nullptr, 2, buffer.data(), needed, &needed, &count)) {
        return std::nullopt;
    }
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
    const auto says = [](const wchar_t* text) {
        if (!text) return false;
        std::wstring upper(text);
        for (wchar_t& c : upper) c = static_cast<wchar_t>(towupper(c));
        return upper.find(L"PDF") != std::wstring::npos;
    };
    for (DWORD i = 0; i < count; ++i) {
        if (says(printers[i].pPrinterName) || says(printers[i].pDriverName)) {
            return std::wstring(printers[i].pPrinterName);
        }
    }
    return std::nullopt;
}

bool PrintReportOn(const std::wstring& printer, const ReportDocument& report,
                   const std::filesystem::path* outputFile) {
    std::wstring name = printer;
    if (name.empty()) {
        DWORD size = 0;
        GetDefaultPrinterW(nullptr, &size);
        if (size == 0) return false;
        name.resize(size);
        if (!GetDefaultPrinterW(name.data(), &size)) return false;
        name.resize(size > 0 ? size - 1 : 0);
    }
    const HDC dc = CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
    if (!dc) return false;
    const bool ok = PrintOn(dc, report, outputFile);
    DeleteDC(dc);
    return ok;
}

void SaveReportAs(HWND owner, const std::filesystem::path& folder, const Text& suggestedName,
                  const ReportDocument& report, const std::function<void(TextView)>& failed) {
    std::vector<FileType> types = {{KELVARA_TR_NOOP(u"Отчёт HTML (*.html)"), u"html"}};
    const std::optional<std::wstring> pdf = PdfPrinter();
    if (pdf) types.push_back({KELVARA_TR_NOOP(u"Документ PDF (*.pdf)"), u"pdf"});
    const auto file = AskFileToSave(owner, KELVARA_TR_NOOP(u"Отчёт о расчете"), folder,
                                    suggestedName + u".html", types);
    if (!file) return;
    std::wstring ending = file->extension().native();
    for (wchar_t& c : ending) c = static_cast<wchar_t>(towlower(c));
    bool ok = false;
    if (ending == L".pdf" && pdf) {
        ok = PrintReportOn(*pdf, report, &*file);
    } else {
        ok = static_cast<bool>(WriteReportHtml(T(file->native()), report));
    }
    if (!ok && failed) failed(T(file->filename().native()));
}

void PrintReportWithDialog(HWND owner, const ReportDocument& report) {
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = owner;
    pd.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    pd.nCopies = 1;
    if (!PrintDlgW(&pd) || !pd.hDC) return;
    PrintOn(pd.hDC, report, nullptr);
    DeleteDC(pd.hDC);
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
}

}  // namespace kelvara::win32
