// The core database: the text of both core files, the shape families of the
// core list and the lookup of one core's data.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "refdata/records.h"
#include "refdata/text.h"

namespace kelvara {

// Shape families of the "Форма" radios.
enum CoreShape : int32_t {
    kShapeE = 0,
    kShapeEI = 1,
    kShapeER = 2,
    kShapeETD = 3,
    kShapeOther = 4
};

// The family that a core name implies: contains "E " → E; else "EI" → EI;
// else "ER" → ER; else "ETD" → ETD; else "Другая". Case-sensitive.
int32_t ShapeFromName(TextView name);

// The names the core list shows for a family, in the order they stand in
// the text (families 0–3 start a name at every occurrence of "E ", "EI",
// "ER", "ETD"; family 4 takes bracketed names not starting with "E", nor with
// "R" unless followed by "M"). Shapes outside 0..4 list nothing.
std::vector<Text> CoreNamesOfFamily(TextView coreText, int32_t shape);

// Both core files as read from the data root's "Bases_Cores" folder.
struct CoreFiles {
    bool shippedFound = false;  // "FerritesCores.txt" could be read
    Text shipped;               // its text (empty when not found)
    Text user;                  // "UserFerritesCores.txt" (created empty when missing)
};
CoreFiles ReadCoreFiles(const std::filesystem::path& dataRoot);

// The shipped text followed by the user's; a CR LF goes between them when the
// shipped text does not end with a line end.
Text JoinCoreTexts(TextView shipped, TextView user);

// The data of one core as the core fields show them and the calculation reads
// them: texts with "," replaced by ".", numbers converted ("mu" as a whole
// number), Ve = le·Ae/1000 formatted "%.3f".
struct CoreData {
    Text Ae, An, le, mu, Ve;
    CoreRecord record;
};
CoreData LookupCore(TextView coreText, TextView name);

// The record text that adding a core appends to the user file.
Text CoreRecordText(TextView name, TextView Ae, TextView An, TextView le, TextView mu);

}  // namespace kelvara
