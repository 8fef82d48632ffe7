// The design check's summary strip below the main window's controls, as
// parts of text with their colour and weight, for any front end to draw.
#pragma once

#include <vector>

#include "calc/design_check.h"
#include "refdata/text.h"

namespace kelvara {

struct StripPart {
    Text text;
    unsigned colour = 0;  // 0xRRGGBB
    bool bold = false;
    bool link = false;  // "Подробно...": opens "Проверка проекта"
};

// The strip for a check: its counts coloured by the worst status; for results
// that belong to earlier inputs, first the note that they do; for a run that
// did not end, that it did not.
std::vector<StripPart> CheckStripParts(const DesignCheck& check, bool stale);

}  // namespace kelvara
