// The two file pickers' windows in dialog units: "Открыть файл..." and
// "Сохранить как...".
#pragma once

#include <span>
#include <string_view>

#include "refdata/i18n.h"
#include "window/layout.h"

namespace kelvara {

namespace picker {
inline constexpr int kFileListId = 1009;
inline constexpr int kOpenNameId = 1037;
inline constexpr int kSaveNameId = 1042;
inline constexpr int kOkId = 1;
inline constexpr int kCancelId = 2;

inline constexpr std::u16string_view kOpenCaption = KELVARA_TR_NOOP(u"Открыть файл...");
inline constexpr std::u16string_view kSaveCaption = KELVARA_TR_NOOP(u"Сохранить как...");

inline constexpr ControlDef kOpenControls[] = {
    {kFileListId, ControlKind::ListBox, u"", 7, 7, 385, 145},
    {kNoId, ControlKind::Label, KELVARA_TR_NOOP(u"Открыть файл:"), 20, 160, 54, 8},
    {kOpenNameId, ControlKind::NameEdit, u"", 7, 170, 386, 12, kReadOnly},
    {kOkId, ControlKind::Button, KELVARA_TR_NOOP(u"Открыть"), 100, 187, 50, 16, kDefault},
    {kCancelId, ControlKind::Button, KELVARA_TR_NOOP(u"Отмена"), 250, 187, 50, 16},
};

inline constexpr ControlDef kSaveControls[] = {
    {kFileListId, ControlKind::ListBox, u"", 7, 7, 385, 145},
    {kNoId, ControlKind::Label, KELVARA_TR_NOOP(u"Имя файла для сохранения:"), 20, 160, 100, 8},
    {kSaveNameId, ControlKind::NameEdit, u"", 7, 170, 386, 12},
    {kOkId, ControlKind::Button, KELVARA_TR_NOOP(u"Сохранить"), 100, 187, 50, 16, kDefault},
    {kCancelId, ControlKind::Button, KELVARA_TR_NOOP(u"Отмена"), 250, 187, 50, 16},
};
}  // namespace picker

inline constexpr int kPickerWidth = 400;  // dialog units
inline constexpr int kPickerHeight = 210;

inline std::span<const ControlDef> OpenFileControls() {
    return picker::kOpenControls;
}
inline std::span<const ControlDef> SaveFileControls() {
    return picker::kSaveControls;
}

}  // namespace kelvara
