// The table of "Подбор сердечника" without any toolkit: its columns, and for
// each ranked candidate the cells with their texts, the numbers they sort by
// and the status that colours the verdict.
#pragma once

#include <string_view>
#include <vector>

#include "calc/core_adviser.h"
#include "calc/design_check.h"
#include "refdata/i18n.h"
#include "refdata/text.h"

namespace kelvara {

struct AdviserCell {
    Text text;
    // What the column sorts by: a number (unknown ones, +infinity, last), or
    // the text itself for the core and the material.
    double key = 0;
    bool numeric = true;
    CheckStatus status = CheckStatus::Ok;  // the colour of a coloured cell
    bool coloured = false;                 // the verdict, a known soft switching
};

// The columns: №, core, material, Ve, N1, N2, gap (or AL), Bm at Fr, B at
// fmin, losses, rise, fill, fmin, fmax, the time-domain model's fTd at the
// lowest and the highest supply, soft switching at both, the verdict.
inline constexpr int kAdviserColumns = 18;
inline constexpr int kAdviserFTdMinColumn = 14;
inline constexpr int kAdviserFTdMaxColumn = 15;
inline constexpr int kAdviserSoftColumn = 16;
inline constexpr int kAdviserVerdictColumn = 17;

inline constexpr std::u16string_view kAdviserCaption = KELVARA_TR_NOOP(u"Подбор сердечника");
inline constexpr std::u16string_view kAdviserHint = KELVARA_TR_NOOP(
    u"Каждый сердечник базы рассчитан с текущими исходными данными; зазор (или AL) подобран для "
    u"каждого. Порядок: сначала те, у которых модель во времени решена и переключение мягкое, "
    u"затем без ошибок и предупреждений проверки, меньший объем сердечника и меньшие потери. "
    u"Щелчок по заголовку сортирует.");

// The column heads in the current language; the gap column names the AL when
// the design gives AL.
std::vector<Text> AdviserColumnHeads(bool al);
// The cells of the candidate ranked `rank` (from 0).
std::vector<AdviserCell> AdviserRow(const Candidate& c, int rank);
// "Рассчитано вариантов: 12 за 35.2 мс", or that the ranking was cancelled.
Text AdviserTiming(size_t count, double milliseconds, bool cancelled);

}  // namespace kelvara
