// The help text "ReadMe.txt" of the program folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "refdata/i18n.h"
#include "refdata/text.h"

namespace kelvara {

inline constexpr std::u16string_view kNoHelpFileText =
    KELVARA_TR_NOOP(u"В папке с программой отсутствует файл ReadMe.txt");

// The help text ("ReadMe.txt"; in English "ReadMe.en.txt" when there is
// one), or nothing when the file cannot be read.
std::optional<Text> ReadHelpText(const std::filesystem::path& programFolder);

}  // namespace kelvara
