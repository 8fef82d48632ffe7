#include "window/help_text.h"

#include "refdata/data_files.h"
#include "refdata/paths.h"
#include "refdata/text_file.h"

namespace kelvara {

std::optional<Text> ReadHelpText(const std::filesystem::path& programFolder) {
    return ReadTextFile(programFolder / PathFromText(files::kHelp));
}

}  // namespace kelvara
