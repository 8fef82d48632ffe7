#include "window/help_text.h"

#include "refdata/text_file.h"

namespace kelvara {

std::optional<Text> ReadHelpText(const std::filesystem::path& programFolder) {
    return ReadTextFile(programFolder / "ReadMe.txt");
}

}  // namespace kelvara
