// The core database: the text of both core files, the shape families of the
// core list and the lookup of one core's data.
#pragma once

#include <filesystem>
#include <optional>
#include <unordered_map>
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

// The entry of a core list for a name, searching from `start` round to the
// entry before it: an entry equal to the name first (a core "E 40" is never
// taken for "E 40/16/12"), else the first that begins with the name, letter
// case ignored; -1 when there is none.
int FindCoreEntry(const std::vector<Text>& names, TextView name, int start);

// The core database read once: the joined text of both core files with the
// place of every bracketed name in it, so that looking a core up reads only
// its own record. Every answer is the one the plain lookups give on the text:
// the first "[name]" counts, a name that stands in no brackets is found where
// it first stands.
class CoreDatabase {
  public:
    CoreDatabase() = default;
    explicit CoreDatabase(Text text);

    const Text& text() const { return text_; }
    // Appends a record (a core the user adds) to the text.
    void Append(TextView record);

    // LookupCore on the text.
    CoreData Lookup(TextView name) const;
    // CoreNamesOfFamily on the text.
    std::vector<Text> NamesOfFamily(int32_t shape) const { return CoreNamesOfFamily(text_, shape); }
    // The names of every family without repeats, in the order in which each
    // first stands in the text.
    std::vector<Text> AllNames() const;

  private:
    void Index();
    Text text_;
    // Name → the place just after the "[" of its first "[name]".
    std::unordered_map<Text, size_t> headers_;
};

// Where each of `names` first stands in `text` (as text.find(name) would
// say, npos when nowhere), in one pass per distinct name length.
std::vector<size_t> FirstPositions(TextView text, const std::vector<Text>& names);

// The record text that adding a core appends to the user file.
Text CoreRecordText(TextView name, TextView Ae, TextView An, TextView le, TextView mu);

}  // namespace kelvara
