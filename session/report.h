// The design report and the exports, without any toolkit, so the window and
// kelvara-calc write the same document: the inputs, the core and material,
// every result with the window's label and unit, the run's messages, the
// design check and the transfer characteristic (as SVG from the picture's
// own geometry). Also the gain curve as CSV and the results as a
// tab-separated table for the clipboard.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/calculate.h"
#include "calc/design_check.h"
#include "refdata/file_write.h"
#include "session/design_document.h"
#include "session/transfer_plot.h"

namespace kelvara {

// The local date and time, "2026-12-08 10:45".
Text ReportDate();

// One table of the report: a caption and rows of cells.
struct ReportTable {
    enum class Kind { Plain, Results, Check };
    Text caption;
    std::vector<Text> header;
    std::vector<std::vector<Text>> rows;
    Kind kind = Kind::Plain;
    // The check table: the status of each row (its first cell names it).
    std::vector<CheckStatus> statuses;
};

// The report as text tables, in document order (inputs, core and material,
// results, messages, design check).
struct ReportDocument {
    Text title;
    std::vector<Text> lines;  // version, date, file, state
    std::vector<ReportTable> tables;
    std::string plotSvg;  // the transfer characteristic, empty when not drawn
    // Further pictures after it, each with its caption (SVG).
    struct Figure {
        Text caption;
        std::string svg;
        int widthMm = 170;  // as wide as the page, or narrower
    };
    std::vector<Figure> figures;
};

ReportDocument BuildReport(const DesignDocument& document);

// Writes the report's HTML to `file` safely (a temporary file renamed over it).
WriteResult WriteReportHtml(TextView file, const ReportDocument& report);

// One self-contained UTF-8 HTML file (inline style and SVG). Without the
// picture (for a writer that draws it itself) when `withPicture` is false.
std::string ReportHtml(const ReportDocument& report, bool withPicture = true);

// The transfer characteristic of a run in W × H logical units (0.1 mm) as an
// SVG document; empty when nothing is drawn.
std::string TransferPlotSvg(const TransferPlot& plot);
TransferPlot ReportPlot(const DesignResults& results, const TdMarks& td = {});

// The gain curve of a run: "f_kHz,x,gain" then one line per point of the
// calculation's frequency sweep, in rising frequency; empty without a run.
std::string GainCurveCsv(const DesignResults& results);
// The same for a tank of Lm/Lr = kL and quality factor Q at Fr kHz.
std::string GainCurveCsv(double kL, double Q, double Fr);

}  // namespace kelvara
