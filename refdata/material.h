// Ferrite material files: loss table, saturation limits and permeability.
#pragma once

#include <filesystem>
#include <vector>

#include "refdata/records.h"
#include "refdata/text.h"

namespace kelvara {

// Fills `data` from a material file's text: flux densities (mT → T) from
// [Flux density] B1, B2, …; frequencies (kHz) from [Frequencies] F1, F2, …;
// the losses from [F_<frequency text with "." for ",">] keys B_<flux text as
// written>; at most 9 points per axis; "Bmax", "Bmmax", "mu" each read on its
// own (missing → 0). The table is zeroed first.
void ParseMaterialText(TextView text, MaterialLossData& data);

// Reads the file and parses it. When the file cannot be read, returns false
// and leaves `data` and `materialText` unchanged.
bool ReadMaterialFile(const std::filesystem::path& file, MaterialLossData& data,
                      Text& materialText);

// The material names of a folder: every ordinary file whose name ends in
// ".txt" exactly (letter case counts), without that ending, sorted ignoring
// letter case.
std::vector<Text> ListMaterials(const std::filesystem::path& folder);

}  // namespace kelvara
