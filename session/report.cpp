#include "session/report.h"

#include <charconv>
#include <cmath>
#include <ctime>

#include "calc/gain.h"
#include "kelvara/version.h"
#include "refdata/paths.h"
#include "session/waveform_plot.h"
#include "session/winding_picture.h"

namespace kelvara {

namespace {

// The report's picture: 180 × 100 mm.
constexpr int kPlotWidth = 1800;
constexpr int kPlotHeight = 1000;
// Text width estimate of the picture's font, logical units per character.
constexpr int kCharWidth = 15;
// The waveforms' pictures, picture units (pixels of 1/96 inch).
constexpr double kWavePictureWidth = 900;
constexpr double kWavePictureHeight = 600;

std::string U8(TextView t) {
    return ToUtf8(t);
}

// The shortest text that reads back to the same double.
std::string Shortest(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

void AppendEscaped(std::string& out, std::string_view s) {
    for (char c : s) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out.push_back(c);
        }
    }
}

std::string Escaped(TextView t) {
    std::string out;
    AppendEscaped(out, U8(t));
    return out;
}

}  // namespace

Text ReportDate() {
    const std::time_t now = std::time(nullptr);
    // Called from the one user-interface thread (or kelvara-calc's main).
    const std::tm* tm = std::localtime(&now);
    if (!tm) return {};
    const std::tm local = *tm;
    char buf[32];
    const size_t n = std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", &local);
    return FromUtf8(std::string(buf, n));
}

TransferPlot ReportPlot(const DesignResults& r, const TdMarks& td) {
    const TextMeasure measure = [](TextView text) {
        // Characters, not UTF-16 units beyond the basic plane (none in the labels).
        return TextSize{static_cast<int>(text.size()) * kCharWidth, kPlotFontHeight};
    };
    if (!r.calculated) return TransferPlot{};
    PlotOptions options;
    options.xTdMin = td.xMin;
    options.xTdMax = td.xMax;
    return BuildTransferPlot(r.kLact, r.Qact, r.xMinFound ? r.xMin : 0, r.xMaxFound ? r.xMax : 0,
                             r.Fr, kPlotWidth, kPlotHeight, measure, options);
}

std::string TransferPlotSvg(const TransferPlot& plot) {
    if (!plot.drawn) return {};
    const PlotRect& w = plot.window;
    const auto X = [&](int x) { return std::to_string(x - w.left); };
    const auto Y = [&](int y) { return std::to_string(w.top - y); };
    const auto colour = [](PlotColour c) {
        return c == PlotColour::Blue    ? "#0000ff"
               : c == PlotColour::Red   ? "#ff0000"
               : c == PlotColour::Green ? "#008a3a"
                                        : "#000000";
    };
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
                      std::to_string(w.Width()) + " " + std::to_string(w.Height()) + "\" width=\"" +
                      std::to_string(w.Width() / 10) + "mm\" height=\"" +
                      std::to_string(w.Height() / 10) +
                      "mm\" font-family=\"Liberation Sans, Arial, sans-serif\" font-size=\"" +
                      std::to_string(kPlotFontHeight * 3 / 4) + "\">\n";
    svg += "<rect x=\"0\" y=\"0\" width=\"" + std::to_string(w.Width()) + "\" height=\"" +
           std::to_string(w.Height()) + "\" fill=\"#ffffff\"/>\n";
    const auto line = [&](const PlotLine& l) {
        svg += "<line x1=\"" + X(l.x1) + "\" y1=\"" + Y(l.y1) + "\" x2=\"" + X(l.x2) + "\" y2=\"" +
               Y(l.y2) + "\" stroke=\"" + colour(l.colour) + "\" stroke-width=\"" +
               std::to_string(std::max(1, l.width)) + "\"/>\n";
    };
    const auto label = [&](const PlotLabel& l) {
        const PlotRect& r = l.rect;
        svg += "<rect x=\"" + X(r.left) + "\" y=\"" + Y(r.top) + "\" width=\"" +
               std::to_string(r.Width()) + "\" height=\"" + std::to_string(r.Height()) +
               "\" fill=\"#ffffff\"/>";
        const int tx = l.align == LabelAlign::Left    ? r.left
                       : l.align == LabelAlign::Right ? r.right
                                                      : (r.left + r.right) / 2;
        const char* anchor = l.align == LabelAlign::Left    ? "start"
                             : l.align == LabelAlign::Right ? "end"
                                                            : "middle";
        svg += "<text x=\"" + X(tx) + "\" y=\"" + Y((r.top + r.bottom) / 2) + "\" text-anchor=\"" +
               anchor + "\" dominant-baseline=\"central\"" +
               (l.colour == PlotColour::Black ? std::string()
                                              : " fill=\"" + std::string(colour(l.colour)) + "\"") +
               ">" + Escaped(l.text) + "</text>\n";
    };
    for (const PlotLine& l : plot.grid) line(l);
    for (const PlotLabel& l : plot.gridLabels) label(l);
    if (!plot.curve.empty()) {
        svg += "<polyline fill=\"none\" stroke=\"" + std::string(colour(kCurveColour)) +
               "\" stroke-width=\"" + std::to_string(kCurveWidth) +
               "\" stroke-linejoin=\"round\" points=\"";
        for (const PlotPoint& p : plot.curve) svg += X(p.x) + "," + Y(p.y) + " ";
        svg += "\"/>\n";
    }
    for (const PlotMark& m : plot.marks) {
        for (const PlotLine& l : m.lines) line(l);
        label(m.label);
    }
    svg += "</svg>\n";
    return svg;
}

ReportDocument BuildReport(const DesignDocument& s) {
    ReportDocument d;
    d.title = Tr(u"Расчет резонансного полумостового преобразователя");
    d.lines.push_back(TrFormat(u"Kelvara, версия {1}", {kProgramVersion}));
    if (!s.date.empty()) d.lines.push_back(TrFormat(u"Дата: {1}", {s.date}));
    if (!s.designFile.empty()) d.lines.push_back(TrFormat(u"Файл проекта: {1}", {s.designFile}));
    if (!s.calculated) d.lines.push_back(Tr(u"Расчет не выполнен до конца."));
    if (s.stale)
        d.lines.push_back(
            Tr(u"Результаты не соответствуют исходным данным: исходные данные изменены после "
               u"расчета."));
    const auto table = [](std::u16string_view caption, std::vector<Text> header,
                          const std::vector<DocumentRow>& rows, bool units) {
        ReportTable t{Text(caption), std::move(header), {}, ReportTable::Kind::Plain, {}};
        for (const DocumentRow& r : rows) {
            if (units) {
                t.rows.push_back({r.label, r.value, r.unit});
            } else {
                t.rows.push_back({r.label, r.value});
            }
        }
        return t;
    };
    d.tables.push_back(
        table(Tr(u"Исходные данные"), {Tr(u"Величина"), Tr(u"Значение")}, s.InputRows(), false));
    d.tables.push_back(table(Tr(u"Сердечник и материал"), {Tr(u"Величина"), Tr(u"Значение")},
                             s.CoreRows(), false));
    d.tables.push_back(table(Tr(u"Результаты расчета"),
                             {Tr(u"Величина"), Tr(u"Значение"), Tr(u"Единица")}, s.ResultRows(),
                             true));
    d.tables.back().kind = ReportTable::Kind::Results;
    ReportTable messages{
        Tr(u"Сообщения"), {Tr(u"Заголовок"), Tr(u"Текст")}, {}, ReportTable::Kind::Plain, {}};
    for (const CalcEvent& e : s.messages) {
        if (e.kind == CalcEvent::Kind::Message) messages.rows.push_back({Text(e.caption), e.text});
    }
    if (messages.rows.empty()) messages.rows.push_back({u"", Tr(u"Сообщений нет.")});
    d.tables.push_back(std::move(messages));
    ReportTable check{Tr(u"Проверка проекта"),
                      {Tr(u"Состояние"), Tr(u"Что проверяется"), Tr(u"Значение"), Tr(u"Норма"),
                       Tr(u"Примечание")},
                      {},
                      ReportTable::Kind::Check,
                      {}};
    if (s.check.done) {
        check.caption += u": " + CheckCounts(s.check);
        for (const CheckRow& r : s.check.rows) {
            check.rows.push_back({Tr(StyleOf(r.status).word), r.label, r.value, r.limit, r.note});
            check.statuses.push_back(r.status);
        }
    } else {
        check.rows.push_back(
            {u"", Tr(u"Проверка не выполнена: расчет не дошел до конца."), u"", u"", u""});
    }
    d.tables.push_back(std::move(check));
    d.plotSvg = TransferPlotSvg(ReportPlot(s.results, TdMarksOf(s.check, s.results.Fr)));
    if (s.calculated) {
        const std::string winding = WindingPictureSvg(BuildWindingPicture(s.results.winding));
        if (!winding.empty()) d.figures.push_back({Tr(u"Обмотки на каркасе"), winding, 90});
        // One period of the time-domain model at each supply corner.
        for (const CornerWaveform& c : WaveformsOf(s)) {
            if (!c.solved) continue;
            const WaveformPlot plot = BuildWaveformPlot(c, kWavePictureWidth, kWavePictureHeight,
                                                        EstimatedWaveMeasure(), s.stale);
            d.figures.push_back({(c.lowest ? Tr(u"Осциллограммы: минимальное напряжение питания")
                                           : Tr(u"Осциллограммы: максимальное напряжение питания")),
                                 WaveformPlotSvg(plot), 170});
        }
    }
    return d;
}

std::string ReportHtml(const ReportDocument& d, bool withPicture) {
    std::string h =
        "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    AppendEscaped(h, U8(d.title));
    h += "</title>\n<style>\n"
         "body { font-family: 'Liberation Sans', Arial, sans-serif; font-size: 10pt; "
         "margin: 12mm; color: #000; }\n"
         "h1 { font-size: 15pt; margin: 0 0 4pt 0; }\n"
         "h2 { font-size: 12pt; margin: 14pt 0 4pt 0; }\n"
         "p.meta { margin: 0; color: #333; }\n"
         "table { border-collapse: collapse; margin: 2pt 0; }\n"
         "th, td { border: 1px solid #999; padding: 2pt 6pt; text-align: left; "
         "vertical-align: top; }\n"
         "th { background: #eee; }\n"
         "td.num { text-align: right; white-space: nowrap; }\n";
    // The states' colours, as every view of the check shows them.
    for (CheckStatus st :
         {CheckStatus::Ok, CheckStatus::Warning, CheckStatus::Error, CheckStatus::Unknown}) {
        h += "." + std::string(StatusKey(st)) + " { color: " + ColourHex(StyleOf(st).colour) +
             (st == CheckStatus::Unknown ? "; }\n" : "; } ");
    }
    h += "figure { margin: 8pt 0; } figure svg { width: 100%; height: auto; }\n"
         "@media print { h2 { page-break-after: avoid; } tr { page-break-inside: avoid; } }\n"
         "</style>\n</head>\n<body>\n<h1>";
    AppendEscaped(h, U8(d.title));
    h += "</h1>\n";
    for (const Text& line : d.lines) {
        h += "<p class=\"meta\">";
        AppendEscaped(h, U8(line));
        h += "</p>\n";
    }
    for (const ReportTable& t : d.tables) {
        h += "<h2>";
        AppendEscaped(h, U8(t.caption));
        // The check's table spans the page, its notes taking the most room.
        static constexpr const char* kCheckWidths[] = {"12%", "18%", "20%", "15%", "35%"};
        const bool wide = t.kind == ReportTable::Kind::Check;
        h += wide ? "</h2>\n<table width=\"100%\">\n<tr>" : "</h2>\n<table>\n<tr>";
        for (size_t i = 0; i < t.header.size(); ++i) {
            const Text& c = t.header[i];
            h += wide ? std::string("<th width=\"") + kCheckWidths[i] + "\">" : "<th>";
            AppendEscaped(h, U8(c));
            h += "</th>";
        }
        h += "</tr>\n";
        for (size_t r = 0; r < t.rows.size(); ++r) {
            const std::vector<Text>& row = t.rows[r];
            h += "<tr>";
            for (size_t i = 0; i < row.size(); ++i) {
                std::string cls;
                if (t.kind == ReportTable::Kind::Check && i == 0 && r < t.statuses.size()) {
                    cls = std::string(StatusKey(t.statuses[r]));
                } else if (t.kind == ReportTable::Kind::Results && i == 1) {
                    cls = "num";
                }
                h += cls.empty() ? "<td>" : "<td class=\"" + cls + "\">";
                // Line breaks of a message stay line breaks.
                std::string cell;
                AppendEscaped(cell, U8(row[i]));
                for (size_t p = cell.find('\n'); p != std::string::npos; p = cell.find('\n', p))
                    cell.replace(p, 1, "<br>");
                h += cell + "</td>";
            }
            h += "</tr>\n";
        }
        h += "</table>\n";
    }
    if (withPicture && !d.plotSvg.empty()) {
        h += "<h2>";
        AppendEscaped(h, U8(Tr(u"Передаточная характеристика")));
        h += "</h2>\n<figure style=\"width: 170mm\">\n" + d.plotSvg + "</figure>\n";
    }
    if (withPicture) {
        for (const ReportDocument::Figure& f : d.figures) {
            h += "<h2>";
            AppendEscaped(h, U8(f.caption));
            h += "</h2>\n<figure style=\"width: " + std::to_string(f.widthMm) + "mm\">\n" + f.svg +
                 "</figure>\n";
        }
    }
    h += "</body>\n</html>\n";
    return h;
}

std::string GainCurveCsv(const DesignResults& r) {
    if (!r.calculated) return {};
    return GainCurveCsv(r.kLact, r.Qact, r.Fr);
}

std::string GainCurveCsv(double kL, double Q, double Fr) {
    if (!(std::isfinite(kL) && kL > 0 && std::isfinite(Q) && Q > 0 && std::isfinite(Fr) && Fr > 0))
        return {};
    std::string out = "f_kHz,x,gain\n";
    const std::vector<double>& xs = SweepPoints();
    for (auto it = xs.rbegin(); it != xs.rend(); ++it) {
        const double x = *it;
        out += Shortest(x * Fr) + "," + Shortest(x) + "," + Shortest(Gain(x, Q, kL)) + "\n";
    }
    return out;
}

WriteResult WriteReportHtml(TextView file, const ReportDocument& report) {
    return WriteFileSafely(PathFromText(file), ReportHtml(report));
}

}  // namespace kelvara
