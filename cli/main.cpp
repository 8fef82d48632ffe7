// kelvara-calc: the design calculation from the command line. It runs the
// main window's own road (read the design, select the material, load the
// core database, select the core, calculate) with the window replaced by a
// headless view, and prints what the window would show.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "calc/design_inputs.h"
#include "designs/design_file.h"
#include "window/headless_view.h"
#include "window/kelvara_dlg.h"

namespace fs = std::filesystem;
using namespace kelvara;

namespace {

constexpr const char* kUsage =
    "Usage: kelvara-calc [--data-root DIR] [--json] [--set KEY=VALUE]... DESIGN_FILE\n"
    "\n"
    "Calculates one LLC half-bridge design (resonant circuit and transformer) exactly as the\n"
    "Kelvara window does, and prints the results.\n"
    "\n"
    "  DESIGN_FILE        a design file (\".sav\", or the remembered inputs \"Kelvara.ini\")\n"
    "  --data-root DIR    folder holding \"Wire.txt\", \"Ferrites_Materials\" and \"Bases_Cores\"\n"
    "                     (default: the parent of the current folder, as for the window)\n"
    "  --set KEY=VALUE    override one design field after the file is read (repeatable).\n"
    "                     Keys: core mater zazor yes_al Fr Bm kL Q Rds Unas rds ko j Umin Umax\n"
    "                     setevoe U2_1 I2_1 Ud vypr d11 d21 yes_d\n"
    "                     e.g. --set Fr=120 --set vypr=2 --set \"core=ETD 34/17/11\"\n"
    "  --json             machine-readable output (one JSON object, UTF-8)\n"
    "  --help             this text\n"
    "  --version          the program's version\n"
    "\n"
    "Units: Fr kHz, Bm T, zazor mm (or AL nH/turn^2 when yes_al=1), Rds Ohm, Unas/Umin/Umax/\n"
    "U2_1/Ud V, I2_1 A, j A/mm^2, d11/d21 mm. Choices: yes_al 0 gap, 1 AL; rds 0 Unas, 1 Rds(on);\n"
    "setevoe 0 DC, 1 AC mains; vypr 0 centre tap single, 1 centre tap dual, 2 bridge;\n"
    "yes_d 1 = use d11 and d21.\n"
    "\n"
    "Exit status: 0 the calculation ran to its end (warnings may have been shown);\n"
    "1 it did not run or stopped early; 2 usage error or unreadable file.\n"
    "Nothing is ever written, except an empty \"UserFerritesCores.txt\" when it is missing.\n";

struct Options {
    fs::path dataRoot;
    bool dataRootGiven = false;
    bool json = false;
    std::vector<std::pair<std::string, std::string>> sets;
    std::string designFile;
};

const FieldDef* FindField(const std::string& key) {
    for (const FieldDef& f : kDesignFileFields) {
        if (ToUtf8(f.key) == key) return &f;
    }
    return nullptr;
}

int UsageError(const std::string& what) {
    std::cerr << "kelvara-calc: " << what << "\nTry 'kelvara-calc --help'.\n";
    return 2;
}

std::string JsonString(TextView text) {
    std::string out = "\"";
    for (unsigned char c : ToUtf8(text)) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    static const char* hex = "0123456789abcdef";
                    out += "\\u00";
                    out.push_back(hex[c >> 4]);
                    out.push_back(hex[c & 15]);
                } else {
                    out.push_back(static_cast<char>(c));
                }
        }
    }
    return out + "\"";
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

void PrintJson(const CKelvaraDlg& dlg, const HeadlessView& view, bool coreSelected) {
    const DesignInputs& in = dlg.inputs();
    std::string out = "{\n  \"calculated\": ";
    out += dlg.lastRunCompleted() ? "true" : "false";
    out += ",\n  \"inputs\": {";
    bool first = true;
    for (const FieldDef& f : kDesignFileFields) {
        out += first ? "" : ", ";
        first = false;
        out += JsonString(f.key) + ": ";
        out +=
            f.kind == FieldKind::Text ? JsonString(in.*(f.text)) : std::to_string(in.*(f.number));
    }
    out += "},\n  \"core\": {";
    const Text empty;
    out += "\"name\": " + JsonString(coreSelected ? in.core : empty);
    out += ", \"Ae\": " + JsonString(coreSelected ? in.Ae : empty);
    out += ", \"An\": " + JsonString(coreSelected ? in.An : empty);
    out += ", \"le\": " + JsonString(coreSelected ? in.le : empty);
    out += ", \"mu\": " + JsonString(coreSelected ? in.mu : empty);
    out += ", \"Ve\": " + JsonString(coreSelected ? in.Ve : empty);
    out += "},\n  \"material\": {\"name\": " + JsonString(in.mater) + "},\n  \"results\": {";
    out += "\"gapLabel\": " + JsonString(view.GetText(ctl::kGapLabel));
    for (const ResultFieldDef& r : kResultFields) {
        out += ", \"" + std::string(r.jsonKey) + "\": " + JsonString(view.GetText(r.controlId));
        if (r.controlId == ctl::kResGapReq) {
            out += ", \"gapUnit\": " + JsonString(view.GetText(ctl::kGapUnit));
        }
    }
    out += "},\n  \"messages\": [";
    first = true;
    for (const auto& m : view.messages) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        out += "{\"caption\": " + JsonString(m.caption) + ", \"text\": " + JsonString(m.text) + "}";
    }
    out += first ? "]\n}\n" : "\n  ]\n}\n";
    std::cout << out;
}

void PrintTable(const CKelvaraDlg& dlg, const HeadlessView& view, bool coreSelected) {
    const DesignInputs& in = dlg.inputs();
    std::string out;
    out += "Сердечник: " + ToUtf8(coreSelected ? in.core : Text(u"(не выбран)"));
    if (coreSelected) {
        out += "  (Ae " + ToUtf8(in.Ae) + " мм2, An " + ToUtf8(in.An) + " мм2, le " +
               ToUtf8(in.le) + " мм, mu " + ToUtf8(in.mu) + ", Ve " + ToUtf8(in.Ve) + " см3)";
    }
    out += "\nМатериал: " + ToUtf8(in.mater) + "\n\nРезультаты расчета\n";
    const auto printRow = [&](const Text& label, int valueId, const Text& unit) {
        out += "  " + Pad(ToUtf8(label), 48, false) + " " +
               Pad(ToUtf8(view.GetText(valueId)), 12, true);
        if (!unit.empty()) out += " " + ToUtf8(unit);
        out += "\n";
    };
    printRow(view.GetText(ctl::kGapLabel), ctl::kResGapReq, view.GetText(ctl::kGapUnit));
    for (const ResultRowDef& row : kResultRows) {
        printRow(Text(row.label), row.valueId,
                 row.unitId != 0 ? view.GetText(row.unitId) : Text(row.unit));
    }
    if (!dlg.lastRunCompleted()) out += "\nРасчет не выполнен до конца.\n";
    for (const auto& m : view.messages) {
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
    std::cout << out;
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    std::vector<std::string> args(argv + 1, argv + argc);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a == "--version") {
            std::cout << "kelvara-calc 4.4\n";
            return 0;
        } else if (a == "--json") {
            opt.json = true;
        } else if (a == "--data-root" || a.rfind("--data-root=", 0) == 0) {
            std::string value;
            if (a == "--data-root") {
                if (i + 1 >= args.size()) return UsageError("--data-root needs a folder");
                value = args[++i];
            } else {
                value = a.substr(12);
            }
            opt.dataRoot = fs::path(value);
            opt.dataRootGiven = true;
        } else if (a == "--set" || a.rfind("--set=", 0) == 0) {
            std::string value;
            if (a == "--set") {
                if (i + 1 >= args.size()) return UsageError("--set needs KEY=VALUE");
                value = args[++i];
            } else {
                value = a.substr(6);
            }
            const size_t eq = value.find('=');
            if (eq == std::string::npos)
                return UsageError("--set needs KEY=VALUE, got '" + value + "'");
            const std::string key = value.substr(0, eq);
            if (!FindField(key)) return UsageError("unknown design key '" + key + "'");
            opt.sets.emplace_back(key, value.substr(eq + 1));
        } else if (a == "--") {
            if (i + 1 < args.size()) opt.designFile = args[i + 1];
            if (i + 2 < args.size()) return UsageError("more than one design file");
            break;
        } else if (!a.empty() && a[0] == '-') {
            return UsageError("unknown option '" + a + "'");
        } else {
            if (!opt.designFile.empty()) return UsageError("more than one design file");
            opt.designFile = a;
        }
    }
    if (opt.designFile.empty()) return UsageError("no design file given");

    HeadlessView view;
    CKelvaraDlg dlg(view);
    std::error_code ec;
    dlg.SetFolders(fs::current_path(ec));
    if (opt.dataRootGiven) dlg.SetDataRoot(opt.dataRoot);

    // 1. The wire table.
    if (!dlg.LoadWireTable()) {
        std::cerr << ToUtf8(view.messages.back().text) << "\n";
        return 2;
    }
    view.messages.clear();

    // 2. The design file and the overrides.
    DesignInputs& in = dlg.inputs();
    if (!ReadDesignFile(fs::path(opt.designFile), in)) {
        std::cerr << "kelvara-calc: cannot read the design file '" << opt.designFile << "'\n";
        return 2;
    }
    for (const auto& [key, value] : opt.sets) {
        const FieldDef& f = *FindField(key);
        if (f.kind == FieldKind::Text) {
            in.*(f.text) = FromUtf8(value);
        } else {
            in.*(f.number) = ParseInteger(FromUtf8(value));
        }
    }
    NormaliseChoices(in);

    // 3. The material.
    if (in.mater.empty()) in.mater = kDefaultMaterial;
    dlg.Show();
    dlg.ShowGapLabels();
    dlg.EnableTransistorEdits();
    if (!dlg.BuildMaterialList()) {
        std::cerr << ToUtf8(view.messages.back().text) << "\n";
        return 2;
    }
    dlg.SelectMaterialByName();
    dlg.ReadSelectedMaterial();

    // 4. The core database, the core, the calculation.
    dlg.LoadCoreDatabase();
    in.coreIndex = 0;
    dlg.SelectCoreByName(in.core);
    const bool coreSelected = view.ListSelection(ctl::kCoreList) >= 0;

    // 5. Print.
    if (opt.json) {
        PrintJson(dlg, view, coreSelected);
    } else {
        PrintTable(dlg, view, coreSelected);
    }
    return dlg.lastRunCompleted() ? 0 : 1;
}
