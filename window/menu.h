// The main window's menu bar: its commands, in order, each with its own
// mnemonic letter after "&" (Alt and the letter chooses it, as does the
// letter once Alt or F10 has opened the menu bar). No command opens a
// drop-down menu.
#pragma once

#include <string_view>

#include "window/controls.h"

namespace kelvara {

struct MenuCommand {
    int id;
    std::u16string_view text;
};

inline constexpr MenuCommand kMenu[] = {
    {ctl::kCmdTransfer, u"&Передаточная характеристика"},
    {ctl::kCmdHelp, u"По&мощь"},
    {ctl::kCmdCircuit, u"&Типовая схема резонансного полумостового преобразователя"},
    {ctl::kCmdAbout, u"&О программе..."},
    {ctl::kCmdCheck, u"Про&верка проекта"},
    {ctl::kCmdAdviser, u"Подбор &сердечника"},
    {ctl::kCmdReport, u"От&чёт..."},
    {ctl::kCmdPrint, u"П&ечать..."},
};

}  // namespace kelvara
