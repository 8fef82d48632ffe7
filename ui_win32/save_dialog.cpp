#include "ui_win32/save_dialog.h"

#include "session/messages.h"
#include "ui_win32/message_box.h"
#include "ui_win32/win_text.h"

namespace kelvara::win32 {

std::optional<std::filesystem::path> AskFileToSave(HWND owner, TextView title,
                                                   const std::filesystem::path& folder,
                                                   TextView suggestedName,
                                                   const std::vector<FileType>& types) {
    std::wstring filter;
    for (const FileType& t : types) {
        filter += W(Tr(t.description));
        filter += L'\0';
        filter += L"*." + W(t.extension);
        filter += L'\0';
    }
    filter += L'\0';
    std::wstring name = W(suggestedName);
    name.resize(std::max<size_t>(name.size() + 1, 32768), L'\0');
    const std::wstring initial = folder.native();
    const std::wstring caption = W(Tr(title));
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
    ofn.lpstrTitle = caption.c_str();
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetSaveFileNameW(&ofn)) return std::nullopt;
    std::filesystem::path file(name.c_str());
    if (file.extension().empty() && ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= types.size()) {
        file += L"." + W(types[ofn.nFilterIndex - 1].extension);
    }
    return file;
}

void SayWriteFailed(HWND owner, const std::filesystem::path& file) {
    const Text name = T(file.filename().native());
    ShowProgramMessage(owner, Tr(u"Ошибка!"), TrFormat(msg::kWriteFailed, {name}), false);
}

}  // namespace kelvara::win32
