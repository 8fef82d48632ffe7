// The main window's menu bar: its commands, in order, each with its own
// mnemonic letter after "&" (Alt and the letter chooses it, as does the
// letter once Alt or F10 has opened the menu bar); then the drop-down menu of
// the results (waveforms, SPICE, the report) and the language menu. The bar
// has the width of the window: what does not need a click of its own goes
// into the drop-down menu.
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
};

// The drop-down menu of the results: its title and commands (0: a separator).
inline constexpr std::u16string_view kResultsMenuTitle = KELVARA_TR_NOOP(u"&Результаты");
inline constexpr MenuCommand kResultsMenu[] = {
    {ctl::kCmdWaveforms, KELVARA_TR_NOOP(u"&Осциллограммы...")},
    {ctl::kCmdSpice, KELVARA_TR_NOOP(u"Экспорт &SPICE...")},
    {0, {}},
    {ctl::kCmdReport, KELVARA_TR_NOOP(u"От&чёт...")},
    {ctl::kCmdPrint, KELVARA_TR_NOOP(u"П&ечать...")},
};

}  // namespace kelvara
