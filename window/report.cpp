#include "window/report.h"

#include <charconv>
#include <cmath>
#include <ctime>

#include "calc/gain.h"
#include "refdata/paths.h"
#include "window/controls.h"
#include "window/kelvara_dlg.h"

namespace kelvara {

namespace {

// The report's picture: 180 × 100 mm.
constexpr int kPlotWidth = 1800;
constexpr int kPlotHeight = 1000;
// Text width estimate of the picture's font, logical units per character.
constexpr int kCharWidth = 15;

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

Text YesNo(int32_t v) {
    return v == 1 ? u"да" : u"нет";
}

std::u16string_view LabelOf(std::u16string_view key) {
    const FieldDef* f = FindField(key);
    return f ? f->label : std::u16string_view{};
}

ReportTable InputsTable(const DesignInputs& in) {
    ReportTable t{u"Исходные данные", {u"Величина", u"Значение"}, {}};
    const auto row = [&](std::u16string_view label, const Text& value) {
        t.rows.push_back({Text(label), value});
    };
    row(in.yes_al == 1 ? kALRadioLabel : kGapRadioLabel, in.zazor);
    for (std::u16string_view key : {u"Bm", u"Fr", u"kL", u"Q"}) {
        const FieldDef* f = FindField(key);
        row(f->label, in.*(f->text));
    }
    row(u"Транзисторы", in.rds == 1 ? u"по Rds(on)" : u"по Uнас.");
    row(LabelOf(u"Rds"), in.Rds);
    row(LabelOf(u"Unas"), in.Unas);
    row(LabelOf(u"ko"), in.ko);
    row(LabelOf(u"j"), in.j);
    row(u"Питание (мин., макс.), В", in.Umin + u", " + in.Umax);
    row(u"Вид питания", in.setevoe == 1 ? u"Сетевое (AC)" : u"Постоянное (DC)");
    row(LabelOf(u"U2_1"), in.U2_1);
    row(LabelOf(u"I2_1"), in.I2_1);
    row(LabelOf(u"Ud"), in.Ud);
    static constexpr std::u16string_view kRectifiers[] = {
        u"однополярное со средней точкой", u"двухполярное со средней точкой", u"мостовое"};
    row(u"Выпрямление", Text(kRectifiers[in.vypr >= 0 && in.vypr <= 2 ? in.vypr : 0]));
    row(u"Диаметры проводов (желаемые), мм", in.d11 + u", " + in.d21);
    row(LabelOf(u"yes_d"), YesNo(in.yes_d));
    return t;
}

ReportTable CoreTable(const ReportSource& s) {
    ReportTable t{u"Сердечник и материал", {u"Величина", u"Значение"}, {}};
    t.rows.push_back({u"Сердечник", s.inputs.core});
    t.rows.push_back({u"Площадь сечения Ae, мм2", s.coreAe});
    t.rows.push_back({u"Площадь окна An, мм2", s.coreAn});
    t.rows.push_back({u"Длина средней линии le, мм", s.coreLe});
    t.rows.push_back({u"Объем Ve, см3", s.coreVe});
    t.rows.push_back({u"Эффективная проницаемость mu", s.coreMu});
    if (s.core.k1 != 0 && s.core.k2 != 0) {
        t.rows.push_back({u"Коэффициенты AL = k1·g^k2: k1, k2",
                          FromUtf8(Shortest(s.core.k1)) + u", " + FromUtf8(Shortest(s.core.k2))});
    }
    if (s.core.Rth != 0) {
        t.rows.push_back({u"Тепловое сопротивление Rth, K/Вт", FromUtf8(Shortest(s.core.Rth))});
    }
    t.rows.push_back({u"Материал", s.material});
    return t;
}

ReportTable ResultsTableOf(const DesignResults& r, int32_t yesAl) {
    ReportTable t{u"Результаты расчета", {u"Величина", u"Значение", u"Единица"}, {}};
    const bool al = yesAl == 1;
    t.rows.push_back(
        {Text(al ? kALReqLabel : kGapReqLabel), r.text[kRGapReq], al ? Text() : Text(u"мм")});
    for (const ResultRow& row : kResultRows) {
        const Text unit =
            row.unitField == kResultFieldCount ? Text(row.unit) : r.text[row.unitField];
        t.rows.push_back({Text(row.label), r.text[row.value], unit});
    }
    return t;
}

std::u16string_view StatusWord(CheckStatus s) {
    switch (s) {
        case CheckStatus::Ok:
            return u"в порядке";
        case CheckStatus::Warning:
            return u"предупреждение";
        case CheckStatus::Error:
            return u"ошибка";
        case CheckStatus::Unknown:
            break;
    }
    return u"не оценить";
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

ReportSource ReportSourceOf(const CKelvaraDlg& dlg) {
    ReportSource s;
    s.inputs = dlg.inputs();
    s.results = dlg.results();
    s.core = dlg.coreRecord();
    s.coreAe = s.inputs.Ae;
    s.coreAn = s.inputs.An;
    s.coreLe = s.inputs.le;
    s.coreMu = s.inputs.mu;
    s.coreVe = s.inputs.Ve;
    s.material = s.inputs.mater;
    s.messages = dlg.lastMessages();
    s.check = dlg.check();
    s.calculated = dlg.lastRunCompleted();
    s.designFile = dlg.designFile();
    s.stale = dlg.resultsStale();
    return s;
}

TransferPlot ReportPlot(const DesignResults& r) {
    const TextMeasure measure = [](TextView text) {
        // Characters, not UTF-16 units beyond the basic plane (none in the labels).
        return TextSize{static_cast<int>(text.size()) * kCharWidth, kPlotFontHeight};
    };
    if (!r.calculated) return TransferPlot{};
    return BuildTransferPlot(r.kLact, r.Qact, r.xMinFound ? r.xMin : 0, r.xMaxFound ? r.xMax : 0,
                             r.Fr, kPlotWidth, kPlotHeight, measure);
}

std::string TransferPlotSvg(const TransferPlot& plot) {
    if (!plot.drawn) return {};
    const PlotRect& w = plot.window;
    const auto X = [&](int x) { return std::to_string(x - w.left); };
    const auto Y = [&](int y) { return std::to_string(w.top - y); };
    const auto colour = [](PlotColour c) {
        return c == PlotColour::Blue ? "#0000ff" : c == PlotColour::Red ? "#ff0000" : "#000000";
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
               anchor + "\" dominant-baseline=\"central\">" + Escaped(l.text) + "</text>\n";
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

ReportDocument BuildReport(const ReportSource& s) {
    ReportDocument d;
    d.title = u"Расчет резонансного полумостового преобразователя";
    d.lines.push_back(u"Kelvara, версия " + Text(kProgramVersion));
    if (!s.date.empty()) d.lines.push_back(u"Дата: " + s.date);
    if (!s.designFile.empty()) d.lines.push_back(u"Файл проекта: " + s.designFile);
    if (!s.calculated) d.lines.push_back(u"Расчет не выполнен до конца.");
    if (s.stale)
        d.lines.push_back(
            u"Результаты не соответствуют исходным данным: исходные данные изменены после "
            u"расчета.");
    d.tables.push_back(InputsTable(s.inputs));
    d.tables.push_back(CoreTable(s));
    d.tables.push_back(ResultsTableOf(s.results, s.inputs.yes_al));
    ReportTable messages{u"Сообщения", {u"Заголовок", u"Текст"}, {}};
    for (const CalcEvent& e : s.messages) {
        if (e.kind == CalcEvent::Kind::Message) messages.rows.push_back({Text(e.caption), e.text});
    }
    if (messages.rows.empty()) messages.rows.push_back({u"", u"Сообщений нет."});
    d.tables.push_back(std::move(messages));
    ReportTable check{u"Проверка проекта",
                      {u"Состояние", u"Что проверяется", u"Значение", u"Норма", u"Примечание"},
                      {}};
    if (s.check.done) {
        check.caption += u": " + CheckCounts(s.check);
        for (const CheckRow& r : s.check.rows) {
            check.rows.push_back({Text(StatusWord(r.status)), r.label, r.value, r.limit, r.note});
        }
    } else {
        check.rows.push_back(
            {u"", u"Проверка не выполнена: расчет не дошел до конца.", u"", u"", u""});
    }
    d.tables.push_back(std::move(check));
    d.plotSvg = TransferPlotSvg(ReportPlot(s.results));
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
         "td.num { text-align: right; white-space: nowrap; }\n"
         ".ok { color: #1b7f2a; } .warning { color: #c06a00; } .error { color: #c61c1c; } "
         ".unknown { color: #707070; }\n"
         "figure { margin: 8pt 0; } figure svg { width: 170mm; height: auto; }\n"
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
        const bool wide = t.header.size() == 5;
        h += wide ? "</h2>\n<table width=\"100%\">\n<tr>" : "</h2>\n<table>\n<tr>";
        for (size_t i = 0; i < t.header.size(); ++i) {
            const Text& c = t.header[i];
            h += wide ? std::string("<th width=\"") + kCheckWidths[i] + "\">" : "<th>";
            AppendEscaped(h, U8(c));
            h += "</th>";
        }
        h += "</tr>\n";
        const bool check = t.header.size() == 5;
        for (const std::vector<Text>& row : t.rows) {
            h += "<tr>";
            for (size_t i = 0; i < row.size(); ++i) {
                std::string cls;
                if (check && i == 0) {
                    for (CheckStatus st : {CheckStatus::Ok, CheckStatus::Warning,
                                           CheckStatus::Error, CheckStatus::Unknown}) {
                        if (row[0] == StatusWord(st)) cls = std::string(StatusKey(st));
                    }
                } else if (!check && i == 1 && t.header.size() == 3) {
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
        h += "<h2>Передаточная характеристика</h2>\n<figure>\n" + d.plotSvg + "</figure>\n";
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

Text ResultsTable(const DesignResults& r, int32_t yesAl) {
    Text out;
    for (const std::vector<Text>& row : ResultsTableOf(r, yesAl).rows) {
        out += row[0] + u"\t" + row[1] + u"\t" + row[2] + u"\n";
    }
    return out;
}

}  // namespace kelvara
