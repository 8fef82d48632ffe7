// kelvara-calc: the design calculation from the command line. It runs the
// design session's road (read the design, select the material, load the core
// database, select the core, calculate), the same steps the window takes,
// and prints the design's document as the window would show it.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/json_keys.h"
#include "designs/design_file.h"
#include "kelvara/version.h"
#include "refdata/file_write.h"
#include "refdata/paths.h"
#include "refdata/platform.h"
#include "session/design_document.h"
#include "session/design_session.h"
#include "session/messages.h"
#include "session/program_folders.h"
#include "session/report.h"
#include "session/waveforms.h"

namespace fs = std::filesystem;
using namespace kelvara;
using Json = nlohmann::ordered_json;

namespace {

constexpr const char* kDescription =
    "Calculates one LLC half-bridge design (resonant circuit and transformer) exactly as the\n"
    "Kelvara window does, and prints the results.\n";

constexpr const char* kFooter =
    "Keys of --set: core mater zazor yes_al Fr Bm kL Q Rds Unas rds ko j Umin Umax\n"
    "setevoe U2_1 I2_1 Ud vypr d11 d21 yes_d tdead coss\n"
    "e.g. --set Fr=120 --set vypr=2 --set \"core=ETD 34/17/11\"\n"
    "\n"
    "Units: Fr kHz, Bm T, zazor mm (or AL nH/turn^2 when yes_al=1), Rds Ohm, Unas/Umin/Umax/\n"
    "U2_1/Ud V, I2_1 A, j A/mm^2, d11/d21 mm. Choices: yes_al 0 gap, 1 AL; rds 0 Unas, 1 Rds(on);\n"
    "setevoe 0 DC, 1 AC mains; vypr 0 centre tap single, 1 centre tap dual, 2 bridge;\n"
    "yes_d 1 = use d11 and d21. A choice or flag takes only a whole number naming one of its\n"
    "values; anything else is a usage error.\n"
    "\n"
    "--rank prints one line per core (with --all-materials per core and material): the\n"
    "settled gap or AL, turns, flux, losses, temperature rise, frequencies and the design\n"
    "check's errors/warnings; with --json one object {\"rank\": [...]}.\n"
    "\n"
    "Exit status: 0 the calculation ran to its end (warnings may have been shown);\n"
    "1 it did not run or stopped early; 2 usage error, unreadable file or a file that holds\n"
    "no design key. With --rank: 0 when at least one candidate ran to its end, else 1.\n"
    "Nothing is ever written, except an empty \"UserFerritesCores.txt\" when it is missing\n"
    "and, outside a program folder, the per-user data root (KELVARA_HOME, else\n"
    "XDG_DATA_HOME/Kelvara, else ~/.local/share/Kelvara), kept up to the installed data.\n"
    "A relative DESIGN_FILE that is not in the current folder is looked for in the\n"
    "program folder.\n";

struct Options {
    std::string dataRoot;
    bool json = false;
    bool rank = false;
    std::string report;     // --report FILE.html
    std::string curve;      // --curve FILE.csv
    std::string spice;      // --spice FILE.cir
    std::string waveforms;  // --waveforms FILE.csv
    bool spiceHighest = false;
    bool allMaterials = false;
    std::vector<std::string> sets;
    std::string designFile;
    std::string lang = "ru";
};

const FieldDef* FindFileField(const std::string& key) {
    for (const FieldDef& f : kDesignFileFields) {
        if (ToUtf8(f.key) == key) return &f;
    }
    for (const FieldDef& f : kDesignExtraFields) {
        if (ToUtf8(f.key) == key) return &f;
    }
    return nullptr;
}

// The value of a choice or flag field: a whole number naming one of its
// values, nothing else.
std::optional<int32_t> ChoiceValue(const FieldDef& f, const std::string& value) {
    size_t i = 0;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) ++i;
    if (i == value.size()) return std::nullopt;
    for (size_t k = i; k < value.size(); ++k) {
        if (value[k] < '0' || value[k] > '9') return std::nullopt;
    }
    const int32_t v = ParseInteger(FromUtf8(value));
    if (v < 0 || v >= f.values) return std::nullopt;
    return v;
}

int UsageError(const std::string& what) {
    std::cerr << "kelvara-calc: " << what << "\nTry 'kelvara-calc --help'.\n";
    return 2;
}

// Display width of a UTF-8 string in characters (for the table's columns).
size_t Width(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

std::string Pad(const std::string& s, size_t width, bool right) {
    const size_t w = Width(s);
    const std::string fill(w < width ? width - w : 0, ' ');
    return right ? fill + s : s + fill;
}

Json JsonText(TextView t) {
    return Json(ToUtf8(t));
}

// A text in the language of the run, as UTF-8.
std::string T(TextView russian) {
    return ToUtf8(Tr(russian));
}

// The program folder without --data-root, as the window finds it: the current
// folder when it is one, else the per-user one, brought up to the installed
// data first; what could not be written there is said on standard error.
fs::path ProgramFolderFor(const fs::path& current) {
    const ProgramFolders folders = FindProgramFolders(ProcessFolderInputs(current));
    if (const Text problems = FillProblemsMessage(folders); !problems.empty()) {
        std::cerr << "kelvara-calc: " << ToUtf8(problems) << "\n";
    }
    return folders.programFolder;
}

// The design check: {"done", "rows": [{"key", "status", "label", "value",
// "limit", "note", "numbers": {...}}]}; unknown numbers are null.
Json CheckJson(const DesignCheck& check) {
    Json rows = Json::array();
    for (const CheckRow& r : check.rows) {
        Json numbers = Json::object();
        for (const CheckNumber& n : r.numbers) {
            const std::string name(n.name);
            if (n.isFlag) {
                numbers[name] = n.flag;
            } else if (n.known()) {
                numbers[name] = n.value;
            } else {
                numbers[name] = nullptr;
            }
        }
        Json row = Json::object();
        row["key"] = std::string(r.key);
        row["status"] = std::string(StatusKey(r.status));
        row["label"] = ToUtf8(r.label);
        row["value"] = ToUtf8(r.value);
        row["limit"] = ToUtf8(r.limit);
        row["note"] = ToUtf8(r.note);
        row["numbers"] = std::move(numbers);
        rows.push_back(std::move(row));
    }
    return Json{{"done", check.done}, {"rows", std::move(rows)}};
}

// The check as a table: a mark, the label, the value and the limit, then the
// note on its own indented line.
std::string CheckTable(const DesignCheck& check) {
    std::string out = "\n" + T(u"Проверка проекта") + "\n";
    if (!check.done) return out + "  " + T(u"не выполнена: расчет не дошел до конца") + "\n";
    out += "  " + ToUtf8(TrFormat(u"Итог: {1}", {CheckCounts(check)})) + "\n";
    for (const CheckRow& r : check.rows) {
        out += "  " + std::string(StyleOf(r.status).plainMark) + " " +
               Pad(ToUtf8(r.label), 40, false) + " " + ToUtf8(r.value) + "  [" + ToUtf8(r.limit) +
               "]\n";
        if (!r.note.empty()) out += "       " + ToUtf8(r.note) + "\n";
    }
    return out;
}

// The result texts as the window shows them, with the required gap's label
// and unit.
Json ResultsJson(TextView gapLabel, const std::array<Text, kResultFieldCount>& texts,
                 TextView gapUnit) {
    Json results = Json::object();
    results["gapLabel"] = JsonText(gapLabel);
    for (int f = 0; f < kResultFieldCount; ++f) {
        results[std::string(cli::kResultJsonKeys[f])] = JsonText(texts[f]);
        if (f == kRGapReq) results["gapUnit"] = JsonText(gapUnit);
    }
    return results;
}

// --rank: every core (with every material) for the design, ranked.
void PrintRank(const std::vector<Candidate>& ranked, bool json) {
    if (json) {
        // {"rank": [...]} as one dump would print it, written a candidate at
        // a time: a ranking of many thousand cores is never held twice.
        std::string out = ranked.empty() ? "{\n  \"rank\": []" : "{\n  \"rank\": [";
        bool first = true;
        for (const Candidate& c : ranked) {
            const bool al = c.alMode;
            Json e = Json::object();
            e["core"] = ToUtf8(c.core);
            e["material"] = ToUtf8(c.material);
            e["calculated"] = c.calculated();
            e["zazor"] = ToUtf8(c.zazor);
            e["results"] = ResultsJson(Tr(al ? kALReqLabel : kGapReqLabel), c.results.text,
                                       al ? Text() : Tr(u"мм"));
            e["errors"] = c.errors;
            e["warnings"] = c.warnings;
            e["Ve"] = c.Ve;
            e["losses"] = std::isfinite(c.losses) ? Json(c.losses) : Json(nullptr);
            e["rise"] = std::isfinite(c.rise) ? Json(c.rise) : Json(nullptr);
            e["fTdMin"] = std::isfinite(c.fTdMin) ? Json(c.fTdMin) : Json(nullptr);
            e["fTdMax"] = std::isfinite(c.fTdMax) ? Json(c.fTdMax) : Json(nullptr);
            e["softSwitching"] = c.soft == Candidate::Soft::Unknown
                                     ? Json(nullptr)
                                     : Json(c.soft == Candidate::Soft::Yes);
            out += first ? "\n    " : ",\n    ";
            first = false;
            const std::string text = e.dump(2, ' ', false, Json::error_handler_t::replace);
            for (const char ch : text) {
                out += ch;
                if (ch == '\n') out += "    ";
            }
            if (out.size() > (1u << 16)) {
                std::cout << out;
                out.clear();
            }
        }
        if (!ranked.empty()) out += "\n  ]";
        std::cout << out << "\n}\n";
        return;
    }
    const auto fixed = [](double v, int digits) {
        return std::isfinite(v) ? ToUtf8(FormatFixed(v, digits)) : std::string("-");
    };
    std::string out = ToUtf8(TrFormat(u"Подбор сердечника: вариантов {1}",
                                      {FromUtf8(std::to_string(ranked.size()))})) +
                      "\n\n";
    out += Pad("№", 4, true) + "  " + Pad(T(u"Сердечник"), 16, false) + " " +
           Pad(T(u"Материал"), 16, false) + Pad(T(u"Ve, см3"), 9, true) + Pad("N1", 5, true) +
           Pad("N2", 7, true) + Pad(T(u"Зазор/AL"), 10, true) + Pad("Bm, T", 7, true) +
           Pad("Bfmin, T", 9, true) + Pad(T(u"Потери"), 8, true) + Pad(T(u"Нагрев"), 7, true) +
           Pad("fmin", 8, true) + Pad("fmax", 8, true) + Pad("fTdmin", 8, true) +
           Pad("fTdmax", 8, true) + Pad("ZVS", 5, true) + "  " + T(u"Ош/Пр") + "\n";
    int place = 0;
    for (const Candidate& c : ranked) {
        const DesignResults& r = c.results;
        out += Pad(std::to_string(++place), 4, true) + "  " + Pad(ToUtf8(c.core), 16, false) + " " +
               Pad(ToUtf8(c.material), 16, false) + Pad(fixed(c.Ve, 3), 9, true);
        if (!c.calculated()) {
            out += "  " + T(u"расчет прерван") + "\n";
            continue;
        }
        out += Pad(ToUtf8(r.text[kRN1]), 5, true) + Pad(ToUtf8(r.text[kRN2]), 7, true) +
               Pad(ToUtf8(c.zazor), 10, true) + Pad(ToUtf8(r.text[kRBmAct]), 7, true) +
               Pad(fixed(c.bAtFMin, 3), 9, true) + Pad(fixed(c.losses, 2), 8, true) +
               Pad(fixed(c.rise, 0), 7, true) +
               Pad(r.xMinFound ? ToUtf8(r.text[kRFMin]) : "-", 8, true) +
               Pad(r.xMaxFound ? ToUtf8(r.text[kRFMax]) : "-", 8, true) +
               Pad(fixed(c.fTdMin, 2), 8, true) + Pad(fixed(c.fTdMax, 2), 8, true) +
               Pad(c.soft == Candidate::Soft::Yes  ? T(u"да")
                   : c.soft == Candidate::Soft::No ? T(u"нет")
                                                   : std::string("-"),
                   5, true) +
               "  " + std::to_string(c.errors) + "/" + std::to_string(c.warnings) + "\n";
    }
    std::cout << out;
}

void PrintJson(const DesignDocument& doc, const Messages& messages) {
    const DesignInputs& in = doc.inputs;
    Json out = Json::object();
    out["calculated"] = doc.calculated;
    Json inputs = Json::object();
    // The 23 keys, then the later ones, as a design file holds them.
    for (const auto& fields : {std::span<const FieldDef>(kDesignFileFields),
                               std::span<const FieldDef>(kDesignExtraFields)}) {
        for (const FieldDef& f : fields) {
            if (f.kind == FieldKind::Text) {
                inputs[ToUtf8(f.key)] = JsonText(in.*(f.text));
            } else {
                inputs[ToUtf8(f.key)] = in.*(f.number);
            }
        }
    }
    out["inputs"] = std::move(inputs);
    const Text empty;
    const bool selected = doc.coreSelected;
    Json core = Json::object();
    core["name"] = JsonText(selected ? in.core : empty);
    core["Ae"] = JsonText(selected ? in.Ae : empty);
    core["An"] = JsonText(selected ? in.An : empty);
    core["le"] = JsonText(selected ? in.le : empty);
    core["mu"] = JsonText(selected ? in.mu : empty);
    core["Ve"] = JsonText(selected ? in.Ve : empty);
    out["core"] = std::move(core);
    out["material"] = Json{{"name", ToUtf8(in.mater)}};
    out["results"] = ResultsJson(doc.GapLabel(), doc.results.text, doc.GapUnit());
    Json list = Json::array();
    for (const CalcEvent& m : messages) {
        list.push_back(Json{{"caption", ToUtf8(m.caption)}, {"text", ToUtf8(m.text)}});
    }
    out["messages"] = std::move(list);
    out["check"] = CheckJson(doc.check);
    std::cout << out.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

void PrintTable(const DesignDocument& doc, const Messages& messages) {
    const DesignInputs& in = doc.inputs;
    std::string out;
    out += ToUtf8(TrFormat(u"Сердечник: {1}", {doc.coreSelected ? in.core : Tr(u"(не выбран)")}));
    if (doc.coreSelected) {
        out += "  " + ToUtf8(TrFormat(u"(Ae {1} мм2, An {2} мм2, le {3} мм, mu {4}, Ve {5} см3)",
                                      {in.Ae, in.An, in.le, in.mu, in.Ve}));
    }
    out += "\n" + ToUtf8(TrFormat(u"Материал: {1}", {in.mater})) + "\n\n" +
           T(u"Результаты расчета") + "\n";
    for (const DocumentRow& row : doc.ResultRows()) {
        out += "  " + Pad(ToUtf8(row.label), 48, false) + " " + Pad(ToUtf8(row.value), 12, true);
        if (!row.unit.empty()) out += " " + ToUtf8(row.unit);
        out += "\n";
    }
    if (!doc.calculated) out += "\n" + T(u"Расчет не выполнен до конца.") + "\n";
    for (const CalcEvent& m : messages) {
        out += "\n" + ToUtf8(m.caption) + "\n";
        std::string text = ToUtf8(m.text);
        size_t pos = 0;
        while (true) {
            const size_t nl = text.find('\n', pos);
            out += "  " + text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos) +
                   "\n";
            if (nl == std::string::npos) break;
            pos = nl + 1;
        }
    }
    out += CheckTable(doc.check);
    std::cout << out;
}

}  // namespace

int main(int argc, char** argv) {
    platform::UseBinaryStandardStreams();
    Options opt;
    bool version = false;
    CLI::App app(kDescription, "kelvara-calc");
    app.footer(kFooter);
    app.add_option("--data-root", opt.dataRoot,
                   "folder holding \"Wire.txt\", \"Ferrites_Materials\" and \"Bases_Cores\"\n"
                   "(default: as for the window, the parent of the current folder when that\n"
                   "is a program folder, else the per-user data root)")
        ->type_name("DIR");
    app.add_flag("--json", opt.json, "machine-readable output (one JSON object, UTF-8)");
    app.add_option("--set", opt.sets,
                   "override one design field after the file is read (repeatable)")
        ->type_name("KEY=VALUE")
        ->allow_extra_args(false);
    app.add_option("--report", opt.report,
                   "also write the design report as one self-contained HTML file")
        ->type_name("FILE.html");
    app.add_option("--curve", opt.curve,
                   "also write the gain curve as CSV (f_kHz,x,gain; one line per sweep point)")
        ->type_name("FILE.csv");
    app.add_option("--spice", opt.spice,
                   "also write the design as a SPICE netlist that ngspice runs as it stands: the\n"
                   "lowest supply corner at the time-domain model's frequency")
        ->type_name("FILE.cir");
    app.add_flag("--spice-highest", opt.spiceHighest,
                 "with --spice: the highest supply corner instead");
    app.add_option("--waveforms", opt.waveforms,
                   "also write one period of the time-domain model at both supply corners as CSV\n"
                   "(corner,t_us,v_mid_V,i_primary_A,i_magnetizing_A,v_cr_V,i_secondary_A)")
        ->type_name("FILE.csv");
    app.add_flag("--rank", opt.rank,
                 "rank every core of the database for the design (gap or AL settled for each)\n"
                 "by the design check: errors, warnings, core volume, losses");
    app.add_flag("--all-materials", opt.allMaterials,
                 "with --rank: every core with every material");
    app.add_option("--lang", opt.lang,
                   "the language of the texts: ru (default) or en; numbers, file names and\n"
                   "JSON keys are the same in both")
        ->type_name("ru|en")
        ->check(CLI::IsMember({"ru", "en"}));
    app.add_flag("--version", version, "the program's version");
    app.add_option("DESIGN_FILE", opt.designFile,
                   "a design file (\".sav\", or the remembered inputs \"Kelvara.ini\")")
        ->required();
    try {
        std::vector<std::string> args = platform::Arguments(argc, argv);
        std::reverse(args.begin(), args.end());  // CLI11 takes the last one first
        app.parse(std::move(args));
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::ParseError& e) {
        // --version is a complete call on its own, like --help.
        if (version) {
            std::cout << "kelvara-calc " << kProgramVersionUtf8 << "\n";
            return 0;
        }
        return UsageError(e.what());
    }
    if (version) {
        std::cout << "kelvara-calc " << kProgramVersionUtf8 << "\n";
        return 0;
    }
    SetLanguage(*LanguageNamed(opt.lang));
    std::vector<std::pair<const FieldDef*, std::string>> sets;
    for (const std::string& s : opt.sets) {
        const size_t eq = s.find('=');
        if (eq == std::string::npos) return UsageError("--set needs KEY=VALUE, got '" + s + "'");
        const std::string key = s.substr(0, eq);
        const FieldDef* f = FindFileField(key);
        if (!f) return UsageError("unknown design key '" + key + "'");
        const std::string value = s.substr(eq + 1);
        if (f->kind != FieldKind::Text && !ChoiceValue(*f, value)) {
            return UsageError("--set " + key + " takes a whole number from 0 to " +
                              std::to_string(f->values - 1) + ", got '" + value + "'");
        }
        sets.emplace_back(f, value);
    }

    DesignSession session;
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    if (app.count("--data-root") > 0) {
        session.SetProgramFolder(current);
        session.SetDataRoot(platform::PathFromArgument(opt.dataRoot));
    } else {
        session.SetProgramFolder(ProgramFolderFor(current));
    }

    // 1. The wire table.
    Messages messages;
    if (!session.LoadWireTable(messages)) {
        std::cerr << ToUtf8(messages.back().text) << "\n";
        return 2;
    }

    // 2. The design file and the overrides.
    DesignInputs& in = session.inputs();
    const fs::path designFile = DesignFileFromCommandLine(
        platform::PathFromArgument(opt.designFile), current, session.programFolder());
    const DesignRead read = ReadDesignFile(designFile, in);
    if (read.status == DesignReadStatus::NotADesign) {
        std::cerr << ToUtf8(TrFormat(msg::kNotADesign, {FromUtf8(opt.designFile)})) << "\n";
        return 2;
    }
    if (!read) {
        std::cerr << "kelvara-calc: cannot read the design file '" << opt.designFile << "'\n";
        return 2;
    }
    for (const auto& [field, value] : sets) {
        if (field->kind == FieldKind::Text) {
            in.*(field->text) = FromUtf8(value);
        } else {
            in.*(field->number) = *ChoiceValue(*field, value);
        }
    }
    NormaliseChoices(in);
    const DesignInputs fromFile = in;

    // 3. The material, the core database, the core and the calculation.
    if (in.mater.empty()) in.mater = kDefaultMaterial;
    in.coreIndex = 0;
    bool coreSelected = false;
    if (!session.ApplyDesign(messages, coreSelected)) {
        std::cerr << ToUtf8(messages.back().text) << "\n";
        return 2;
    }
    DesignDocument doc = session.Document(coreSelected);

    // 4. The files asked for, then print.
    if (!opt.report.empty()) {
        doc.designFile = PathDisplayText(platform::PathFromArgument(opt.designFile).filename());
        doc.date = ReportDate();
        if (const WriteResult w = WriteFileSafely(platform::PathFromArgument(opt.report),
                                                  ReportHtml(BuildReport(doc)));
            !w) {
            std::cerr << "kelvara-calc: cannot write the report '" << opt.report
                      << "': " << w.error.message() << "\n";
            return 2;
        }
    }
    if (!opt.curve.empty()) {
        const std::string csv = GainCurveCsv(doc.results);
        if (csv.empty()) {
            std::cerr << "kelvara-calc: no gain curve: the calculation did not run to its end\n";
        } else if (const WriteResult w =
                       WriteFileSafely(platform::PathFromArgument(opt.curve), csv);
                   !w) {
            std::cerr << "kelvara-calc: cannot write the curve '" << opt.curve
                      << "': " << w.error.message() << "\n";
            return 2;
        }
    }
    if (!opt.waveforms.empty()) {
        const std::array<CornerWaveform, 2> corners = WaveformsOf(doc);
        for (const CornerWaveform& c : corners) {
            if (!c.solved) {
                std::cerr << "kelvara-calc: no waveforms at the "
                          << (c.lowest ? "lowest" : "highest") << " supply: " << ToUtf8(c.problem)
                          << "\n";
            }
        }
        if (const WriteResult w =
                WriteFileSafely(platform::PathFromArgument(opt.waveforms), WaveformsCsv(corners));
            !w) {
            std::cerr << "kelvara-calc: cannot write the waveforms '" << opt.waveforms
                      << "': " << w.error.message() << "\n";
            return 2;
        }
    }
    if (!opt.spice.empty()) {
        const std::string netlist = SpiceNetlistOf(doc, opt.spiceHighest);
        if (netlist.empty()) {
            std::cerr << "kelvara-calc: no netlist: the calculation did not run to its end, or "
                         "the dead time or Coss cannot be used\n";
        } else if (const WriteResult w =
                       WriteFileSafely(platform::PathFromArgument(opt.spice), netlist);
                   !w) {
            std::cerr << "kelvara-calc: cannot write the netlist '" << opt.spice
                      << "': " << w.error.message() << "\n";
            return 2;
        }
    }
    if (opt.rank) {
        const Ranking ranking = session.Rank(fromFile, opt.allMaterials);
        PrintRank(ranking.candidates, opt.json);
        // The ranking ran when at least one candidate went to its end.
        const bool ran = std::any_of(ranking.candidates.begin(), ranking.candidates.end(),
                                     [](const Candidate& c) { return c.calculated(); });
        return ran ? 0 : 1;
    }
    if (opt.json) {
        PrintJson(doc, messages);
    } else {
        PrintTable(doc, messages);
    }
    return doc.calculated ? 0 : 1;
}
