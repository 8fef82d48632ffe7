// The design report and the exports: every result text of the run stands in
// the report exactly, the messages and the check rows too; the picture is
// well-formed SVG; the gain curve's columns and its gain at Fr; the copied
// results table has one line per result row.
#include "session/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "kelvara/version.h"
#include "support/open_window.h"

namespace kelvara {
namespace {

using testing::OpenWindow;

// The HTML-escaped form of a text, as the report writes it.
std::string Html(TextView t) {
    std::string out;
    for (char c : ToUtf8(t)) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out.push_back(c);
    }
    return out;
}

class Report : public OpenWindow {
  protected:
    std::string HtmlOfWindow() {
        DesignDocument d = dlg.Document();
        d.date = u"2026-12-08 10:45";
        return ReportHtml(BuildReport(d));
    }

    // Every result row's label, value and unit stands in one table row.
    void ExpectEveryResult(const std::string& html) {
        const DesignResults& r = dlg.results();
        for (const ResultRow& row : kResultRows) {
            SCOPED_TRACE(ToUtf8(row.label));
            const Text unit =
                row.unitField == kResultFieldCount ? Text(row.unit) : r.text[row.unitField];
            const std::string cells = "<td>" + Html(row.label) + "</td><td class=\"num\">" +
                                      Html(r.text[row.value]) + "</td><td>" + Html(unit) + "</td>";
            EXPECT_NE(html.find(cells), std::string::npos);
        }
        EXPECT_NE(html.find(Html(r.text[kRGapReq])), std::string::npos);
    }
};

TEST_F(Report, HoldsEveryResultTextOfTheDefaultDesign) {
    ASSERT_TRUE(dlg.lastRunCompleted());
    const std::string html = HtmlOfWindow();
    ExpectEveryResult(html);
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("Дата: 2026-12-08 10:45"), std::string::npos);
    EXPECT_NE(html.find("Kelvara, версия " + std::string(kProgramVersionUtf8)), std::string::npos);
    EXPECT_NE(html.find(Html(dlg.inputs().core)), std::string::npos);
    EXPECT_NE(html.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
    // Every row of the design check, with its label and value.
    for (const CheckRow& row : dlg.check().rows) {
        EXPECT_NE(html.find("<td>" + Html(row.label) + "</td><td>" + Html(row.value) + "</td>"),
                  std::string::npos)
            << row.key;
    }
    // Nothing but the one document.
    EXPECT_EQ(html.find("<script"), std::string::npos);
    // Every address is an SVG's name space, nothing to fetch.
    for (size_t p = html.find("http://"); p != std::string::npos; p = html.find("http://", p + 1))
        EXPECT_EQ(html.compare(p, 26, "http://www.w3.org/2000/svg"), 0) << html.substr(p, 40);
    // The windings on the bobbin follow the transfer characteristic.
    EXPECT_NE(html.find("<h2>Обмотки на каркасе</h2>"), std::string::npos);
    EXPECT_GT(html.find("<h2>Обмотки на каркасе</h2>"), html.find("<h2>Передаточная"));
}

TEST_F(Report, HoldsTheMessagesAndTheCheckWarningsOfTheRun) {
    // A gap far below the need: the run raises it and says so; the narrow
    // window of the small core makes the fill high.
    view.Type(ctl::kZazor, u"0.01");
    view.Type(ctl::kI2_1, u"20");
    dlg.Calculate();
    ASSERT_TRUE(dlg.lastRunCompleted());
    ASSERT_FALSE(dlg.lastMessages().empty());
    const std::string html = HtmlOfWindow();
    ExpectEveryResult(html);
    for (const CalcEvent& m : dlg.lastMessages()) {
        std::string text = Html(m.text);
        for (size_t p = text.find('\n'); p != std::string::npos; p = text.find('\n', p))
            text.replace(p, 1, "<br>");
        EXPECT_NE(html.find(text), std::string::npos) << ToUtf8(m.text);
    }
    EXPECT_GT(dlg.check().warnings + dlg.check().errors, 0);
    EXPECT_NE(html.find("class=\"warning\">предупреждение"), std::string::npos);
}

TEST_F(Report, ResultsOfEarlierInputsAreSaidSo) {
    EXPECT_EQ(HtmlOfWindow().find("Результаты не соответствуют исходным данным"),
              std::string::npos);
    view.Type(ctl::kFr, u"120");
    dlg.OnInputChanged();
    ASSERT_TRUE(dlg.resultsStale());
    EXPECT_NE(HtmlOfWindow().find("Результаты не соответствуют исходным данным"),
              std::string::npos);
}

TEST_F(Report, AStoppedRunSaysSoAndHasNoPicture) {
    view.Type(ctl::kFr, u"0");
    dlg.Calculate();
    ASSERT_FALSE(dlg.lastRunCompleted());
    const ReportDocument d = BuildReport(dlg.Document());
    EXPECT_TRUE(d.plotSvg.empty());
    const std::string html = ReportHtml(d);
    EXPECT_NE(html.find("Расчет не выполнен до конца."), std::string::npos);
    EXPECT_NE(html.find("Недопустимое значение: Резонансная частота, кГц."), std::string::npos);
    EXPECT_EQ(GainCurveCsv(dlg.results()), "");
}

TEST_F(Report, PictureIsBalancedSvgWithTheCurveAndMarks) {
    const std::string svg = TransferPlotSvg(ReportPlot(dlg.results()));
    ASSERT_FALSE(svg.empty());
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    // Every element is closed: <line .../>, <rect .../>, <text>…</text>, one polyline.
    size_t open = 0, close = 0;
    for (size_t p = svg.find("<text"); p != std::string::npos; p = svg.find("<text", p + 1)) ++open;
    for (size_t p = svg.find("</text>"); p != std::string::npos; p = svg.find("</text>", p + 1))
        ++close;
    EXPECT_EQ(open, close);
    EXPECT_GT(open, 5u);
    EXPECT_NE(svg.find("<polyline"), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#ff0000\""), std::string::npos);  // the red marks
    EXPECT_NE(svg.find(ToUtf8(dlg.results().text[kRFMin])), std::string::npos);
    EXPECT_EQ(svg.find('&'), std::string::npos);  // no text needs escaping here
}

TEST_F(Report, GainCurveHasItsColumnsAndUnityGainAtFr) {
    const std::string csv = GainCurveCsv(dlg.results());
    std::istringstream in(csv);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "f_kHz,x,gain");
    int rows = 0;
    double previous = 0, nearestGap = 1, gainAtFr = 0;
    while (std::getline(in, line)) {
        ++rows;
        double f = 0, x = 0, g = 0;
        char c1 = 0, c2 = 0;
        std::istringstream row(line);
        row.imbue(std::locale::classic());
        ASSERT_TRUE(row >> f >> c1 >> x >> c2 >> g) << line;
        EXPECT_EQ(c1, ',');
        EXPECT_EQ(c2, ',');
        EXPECT_NEAR(f, x * 100, 1e-9);  // Fr = 100 kHz
        EXPECT_GT(x, previous);
        previous = x;
        if (std::abs(x - 1) < nearestGap) {
            nearestGap = std::abs(x - 1);
            gainAtFr = g;
        }
    }
    EXPECT_EQ(rows, 17001);
    EXPECT_LT(nearestGap, 1e-9);
    EXPECT_NEAR(gainAtFr, 1, 1e-9);
}

TEST_F(Report, CopiedResultsHaveOneLinePerRow) {
    const Text table = ResultsTable(dlg.Document());
    std::vector<Text> lines;
    size_t start = 0;
    for (size_t p = table.find(u'\n'); p != Text::npos; p = table.find(u'\n', start)) {
        lines.push_back(table.substr(start, p - start));
        start = p + 1;
    }
    EXPECT_EQ(start, table.size());  // ends with a line end
    ASSERT_EQ(lines.size(), kResultRows.size() + 1);
    EXPECT_EQ(lines[0], Text(kGapReqLabel) + u"\t" + dlg.results().text[kRGapReq] + u"\tмм");
    for (size_t i = 0; i < kResultRows.size(); ++i) {
        const Text& line = lines[i + 1];
        EXPECT_EQ(std::count(line.begin(), line.end(), u'\t'), 2) << ToUtf8(line);
        EXPECT_EQ(line.substr(0, line.find(u'\t')), kResultRows[i].label);
    }
}

}  // namespace
}  // namespace kelvara
