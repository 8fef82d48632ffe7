// The design report on Windows: saved as HTML (session/report.h writes it),
// as PDF where the system has a PDF printer, and printed through the system's
// print dialog. On paper the report is laid out on A4 pages with GDI: the
// text and the tables page by page, then each picture on a page of its own,
// drawn from its SVG.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "session/report.h"
#include "ui_win32/win32.h"

namespace kelvara::win32 {

// Where the pages go: a printer, or bitmaps for the tests.
class PageSink {
  public:
    virtual ~PageSink() = default;
    // The device context of a new page; nullptr when no page can be made.
    virtual HDC StartPage() = 0;
    virtual bool EndPage() = 0;
};

// A page's printable area in device pixels, its resolution, and where the
// area begins on the sheet (a printer cannot print at the very edge).
struct PageGeometry {
    int width = 0, height = 0;
    int dpiX = 96, dpiY = 96;
    int offsetX = 0, offsetY = 0;
};
PageGeometry GeometryOf(HDC printer);

// Paints the whole report, page by page; returns the number of pages, 0 when
// a page could not be made.
int PaintReportPages(PageSink& sink, const PageGeometry& page, const ReportDocument& report);

// The name of a printer that writes PDF files ("Microsoft Print to PDF"),
// nothing when the system has none.
std::optional<std::wstring> PdfPrinter();

// Prints the report on the printer `name` (the default one when empty);
// with `outputFile` its output goes into that file (a PDF printer's PDF).
bool PrintReportOn(const std::wstring& printer, const ReportDocument& report,
                   const std::filesystem::path* outputFile = nullptr);

// "Отчёт...": the system's save dialog, HTML, or PDF where a PDF printer
// exists; `failed` is told the name of a file that could not be written.
void SaveReportAs(HWND owner, const std::filesystem::path& folder, const Text& suggestedName,
                  const ReportDocument& report, const std::function<void(TextView)>& failed);
// "Печать...": the system's print dialog, then the pages.
void PrintReportWithDialog(HWND owner, const ReportDocument& report);

}  // namespace kelvara::win32
