#include "window/help_text.h"

#include "refdata/data_files.h"
#include "refdata/paths.h"
#include "refdata/text_file.h"

namespace kelvara {

std::optional<Text> ReadHelpText(const std::filesystem::path& programFolder) {
    // In English its English twin, when the folder has one.
    if (CurrentLanguage() == Language::English) {
        if (auto english = ReadTextFile(programFolder / PathFromText(files::kHelpEnglish)))
            return english;
    }
    return ReadTextFile(programFolder / PathFromText(files::kHelp));
}

}  // namespace kelvara
