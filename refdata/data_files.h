// The names of the files and folders of a data root and of a program folder,
// in one place.
//
//   <data root>/Wire.txt
//   <data root>/Ferrites_Materials/<material>.txt
//   <data root>/Bases_Cores/FerritesCores.txt, UserFerritesCores.txt
//   <data root>/Kelvara/            the program folder: Kelvara.ini, designs,
//                                   ReadMe.txt
#pragma once

#include <string_view>

namespace kelvara::files {

inline constexpr std::u16string_view kWireTable = u"Wire.txt";
inline constexpr std::u16string_view kMaterialsFolder = u"Ferrites_Materials";
inline constexpr std::u16string_view kMaterialExtension = u".txt";
inline constexpr std::u16string_view kCoresFolder = u"Bases_Cores";
inline constexpr std::u16string_view kShippedCores = u"FerritesCores.txt";
inline constexpr std::u16string_view kUserCores = u"UserFerritesCores.txt";
// The program folder inside a per-user data root.
inline constexpr std::u16string_view kProgramFolder = u"Kelvara";
inline constexpr std::u16string_view kSettings = u"Kelvara.ini";
inline constexpr std::u16string_view kHelp = u"ReadMe.txt";
inline constexpr std::u16string_view kHelpEnglish = u"ReadMe.en.txt";
inline constexpr std::u16string_view kDesignExtension = u".sav";

}  // namespace kelvara::files
