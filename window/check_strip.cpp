#include "window/check_strip.h"

#include "refdata/i18n.h"
#include "session/design_document.h"
#include "session/messages.h"

namespace kelvara {

namespace {

constexpr std::u16string_view kTitle = KELVARA_TR_NOOP(u"Проверка проекта: ");
constexpr std::u16string_view kMore = KELVARA_TR_NOOP(u"Подробно...");
constexpr unsigned kLinkColour = 0x0000EE;

}  // namespace

std::vector<StripPart> CheckStripParts(const DesignCheck& check, bool stale) {
    const unsigned grey = StyleOf(CheckStatus::Unknown).colour;
    std::vector<StripPart> parts;
    if (stale) {
        // The check, too, is of the earlier inputs: the line says so first
        // and the summary follows in grey.
        parts.push_back({Tr(msg::kResultsStale), StyleOf(CheckStatus::Error).colour, true});
        if (check.done) {
            parts.push_back({u"   " + Tr(kTitle) + CheckCounts(check), grey});
            parts.push_back({u"   ", grey});
            parts.push_back({Tr(kMore), kLinkColour, false, true});
        }
        return parts;
    }
    if (!check.done) {
        parts.push_back({Tr(u"Проверка проекта: расчет не выполнен до конца"), grey});
        return parts;
    }
    parts.push_back({Tr(kTitle), 0x000000});
    parts.push_back({CheckCounts(check), StyleOf(WorstStatus(check)).colour, true});
    parts.push_back({u"   ", 0x000000});
    parts.push_back({Tr(kMore), kLinkColour, false, true});
    return parts;
}

}  // namespace kelvara
