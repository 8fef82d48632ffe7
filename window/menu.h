// The main window's menu bar: its commands, in order, each with its own
// mnemonic letter after "&" (Alt and the letter chooses it, as does the
// letter once Alt or F10 has opened the menu bar). No command opens a
// drop-down menu.
#pragma once

#include <string_view>

#include "refdata/i18n.h"
#include "window/controls.h"

namespace kelvara {

struct MenuCommand {
    int id;
    std::u16string_view text;
};

inline constexpr MenuCommand kMenu[] = {
    {ctl::kCmdTransfer, KELVARA_TR_NOOP(u"&Передаточная характеристика")},
    {ctl::kCmdHelp, KELVARA_TR_NOOP(u"По&мощь")},
    {ctl::kCmdCircuit,
     KELVARA_TR_NOOP(u"&Типовая схема резонансного полумостового преобразователя")},
    {ctl::kCmdAbout, KELVARA_TR_NOOP(u"&О программе...")},
    {ctl::kCmdCheck, KELVARA_TR_NOOP(u"Про&верка проекта")},
    {ctl::kCmdAdviser, KELVARA_TR_NOOP(u"Подбор &сердечника")},
    {ctl::kCmdReport, KELVARA_TR_NOOP(u"От&чёт...")},
    {ctl::kCmdPrint, KELVARA_TR_NOOP(u"П&ечать...")},
};

}  // namespace kelvara
