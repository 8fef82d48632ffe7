// The system's "save as" dialog, for what goes beyond design files: the
// report and the transfer characteristic's picture and curve.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "ui_win32/win32.h"
#include "window/text.h"

namespace kelvara::win32 {

// The title and the types' descriptions are given in Russian and shown in
// the current language.
struct FileType {
    Text description;  // "Изображение PNG (*.png)"
    Text extension;    // "png"
};

// The file chosen, with the chosen type's ending added when the name has
// none; nothing when cancelled.
std::optional<std::filesystem::path> AskFileToSave(HWND owner, TextView title,
                                                   const std::filesystem::path& folder,
                                                   TextView suggestedName,
                                                   const std::vector<FileType>& types);

// "Не удалось записать файл "<name>"." with the caption "Ошибка!".
void SayWriteFailed(HWND owner, const std::filesystem::path& file);

}  // namespace kelvara::win32
