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
#include "window/transfer_plot.h"

namespace kelvara {

class CKelvaraDlg;

inline constexpr std::u16string_view kProgramVersion = u"4.4";

// Everything one report shows.
struct ReportSource {
    DesignInputs inputs;
    DesignResults results;
    CoreRecord core;
    Text coreAe, coreAn, coreLe, coreMu, coreVe;  // the core fields as the window shows them
    Text material;
    std::vector<CalcEvent> messages;  // the messages of the run
    DesignCheck check;
    bool calculated = false;
    bool stale = false;  // the inputs were changed after the run
    Text designFile;     // the design file's name, if any
    Text date;           // "2026-12-08 10:45"
};

// The local date and time, "2026-12-08 10:45".
Text ReportDate();

// The report's source from the window's state.
ReportSource ReportSourceOf(const CKelvaraDlg& dlg);

// One table of the report: a caption and rows of cells.
struct ReportTable {
    Text caption;
    std::vector<Text> header;
    std::vector<std::vector<Text>> rows;
};

// The report as text tables, in document order (inputs, core and material,
// results, messages, design check).
struct ReportDocument {
    Text title;
    std::vector<Text> lines;  // version, date, file, state
    std::vector<ReportTable> tables;
    std::string plotSvg;  // the transfer characteristic, empty when not drawn
};

ReportDocument BuildReport(const ReportSource& source);

// Writes the report's HTML to `file` safely (a temporary file renamed over it).
WriteResult WriteReportHtml(TextView file, const ReportDocument& report);

// One self-contained UTF-8 HTML file (inline style and SVG). Without the
// picture (for a writer that draws it itself) when `withPicture` is false.
std::string ReportHtml(const ReportDocument& report, bool withPicture = true);

// The transfer characteristic of a run in W × H logical units (0.1 mm) as an
// SVG document; empty when nothing is drawn.
std::string TransferPlotSvg(const TransferPlot& plot);
TransferPlot ReportPlot(const DesignResults& results);

// The gain curve of a run: "f_kHz,x,gain" then one line per point of the
// calculation's frequency sweep, in rising frequency; empty without a run.
std::string GainCurveCsv(const DesignResults& results);
// The same for a tank of Lm/Lr = kL and quality factor Q at Fr kHz.
std::string GainCurveCsv(double kL, double Q, double Fr);

// The results group as tab-separated lines "label<TAB>value<TAB>unit": the
// required gap or AL first, then every row as the window shows it.
Text ResultsTable(const DesignResults& results, int32_t yesAl);

}  // namespace kelvara
