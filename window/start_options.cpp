#include "window/start_options.h"

#include "refdata/i18n.h"
#include "refdata/paths.h"
#include "window/controls.h"

namespace kelvara {

StartOptions ParseStartOptions(const std::vector<std::filesystem::path>& args) {
    const auto is = [](const std::filesystem::path& arg, const char* text) {
        return arg.native() == std::filesystem::path(text).native();
    };
    StartOptions out;
    bool optionsEnded = false;
    for (const std::filesystem::path& arg : args) {
        const auto& name = arg.native();
        if (!optionsEnded && is(arg, "--")) {
            optionsEnded = true;
        } else if (!optionsEnded && name.size() > 1 && name[0] == '-') {
            if (is(arg, "-h") || is(arg, "--help")) {
                out.help = true;
            } else if (is(arg, "--version")) {
                out.version = true;
            } else if (is(arg, "--start-check")) {
                out.startCheck = true;
            } else {
                out.error = "unknown option '" + PrintedPath(arg) + "'";
            }
        } else if (out.designFile) {
            out.error = "only one design file can be opened";
        } else {
            out.designFile = arg;
        }
    }
    return out;
}

std::string_view WindowUsage() {
    return "Usage: kelvara [OPTION]... [DESIGN_FILE]\n"
           "Designs the resonant circuit and the transformer of an LLC half-bridge converter.\n"
           "Opens the window; DESIGN_FILE (\".sav\") is loaded at start-up as \"Загрузить\" does.\n"
           "\n"
           "  --start-check  open the window, print its first results and any message, and quit\n"
           "                 (exit status 0 when the results were shown and nothing was said)\n"
           "  --version      print the version and quit\n"
           "  -h, --help     print this help and quit\n"
           "\n"
#if defined(_WIN32)
           "Started in a program folder (one whose parent holds \"Wire.txt\"), or from a\n"
           "portable copy that has one beside the program, the program uses it; otherwise it\n"
           "uses %KELVARA_HOME%, else %APPDATA%\\Kelvara, filled from the installed reference\n"
           "data.\n";
#else
           "Started in a program folder (one whose parent holds \"Wire.txt\") the program uses "
           "it;\n"
           "otherwise it uses $KELVARA_HOME, else $XDG_DATA_HOME/Kelvara, else\n"
           "~/.local/share/Kelvara, filled from the installed reference data.\n";
#endif
}

std::string PrintedPath(const std::filesystem::path& path) {
#if defined(_WIN32)
    return ToUtf8(PathDisplayText(path));
#else
    return path.native();
#endif
}

std::string StartCheckReport(const std::filesystem::path& programFolder, TextView caption,
                             bool shown, const View& view) {
    std::string out = "Program folder: " + PrintedPath(programFolder) + "\n";
    out += "Window: " + ToUtf8(caption) + (shown ? "" : " (not shown)") + "\n";
    const auto row = [&](const Text& label, int valueId, const Text& unit) {
        out += ToUtf8(label) + ": " + ToUtf8(view.GetText(valueId));
        if (!unit.empty()) out += " " + ToUtf8(unit);
        out += "\n";
    };
    row(view.GetText(ctl::kGapLabel), ctl::kResGapReq, view.GetText(ctl::kGapUnit));
    for (const ResultRowDef& r : kResultRowDefs) {
        row(Tr(r.label), r.valueId, r.unitId != 0 ? view.GetText(r.unitId) : Tr(r.unit));
    }
    return out;
}

}  // namespace kelvara
