// Conversions between the program's UTF-16 texts and Qt strings.
#pragma once

#include <QString>

#include "window/text.h"

namespace kelvara::ui {

inline QString ToQ(TextView text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline Text FromQ(const QString& text) {
    return text.toStdU16String();
}

// A text of the toolkit-free layers (a label of a layout table, a message) in
// the language chosen.
inline QString TrQ(TextView russian) {
    return ToQ(Tr(russian));
}

}  // namespace kelvara::ui
