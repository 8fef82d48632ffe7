// Adding a core to the database: what the core group's fields must hold, the
// data computed from the dimensions, and the record written for it.
#pragma once

#include <optional>
#include <string_view>

#include "calc/design_inputs.h"
#include "refdata/records.h"

namespace kelvara {

// The record of a new core, or why it cannot be added.
struct NewCore {
    std::optional<Text> record;   // the text appended to the user's core file
    std::u16string_view problem;  // the message when there is no record
};

// The core group's fields as typed, in the mode being used (dimensions or
// data). `name` is the text of the core list's edit. On success the inputs
// hold the name (with its family's prefix), and, when adding by dimensions,
// Ae, An and le computed from them (also in `shown`, the record of the core
// the window shows; "Другая" has no formula and keeps the data shown). The
// record then holds the name, Ae, An, le and mu. Nothing is written here.
NewCore PrepareNewCore(DesignInputs& in, const Text& name, CoreRecord& shown);

}  // namespace kelvara
