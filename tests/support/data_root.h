// A small data root for window tests: a wire table, two materials and a core
// database, with the program's folder "Kelvara" under it.
#pragma once

#include "support/temp_dir.h"

namespace kelvara::testing {

inline constexpr char16_t kTestWires[] =
    u"d1 = 0.1\r\ndiz1 = 0.12\r\nd2 = 0.2\r\ndiz2 = 0.23\r\nd3 = 0.315\r\ndiz3 = 0.35\r\n"
    u"d4 = 0.4\r\ndiz4 = 0.44\r\nd5 = 0.5\r\ndiz5 = 0.55\r\nd6 = 0.63\r\ndiz6 = 0.68\r\n"
    u"d7 = 0.8\r\ndiz7 = 0.86\r\nd8 = 1\r\ndiz8 = 1.07\r\nd9 = 1.25\r\ndiz9 = 1.33\r\n";

inline constexpr char16_t kTestMaterial[] =
    u"Test material, losses in kW per cubic metre\r\n"
    u"[Flux density]\r\nB1 = 50\r\nB2 = 100\r\nB3 = 200\r\n"
    u"[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\nF3 = 200\r\n"
    u"[F_25]\r\nB_50 = 3\r\nB_100 = 15\r\nB_200 = 80\r\n"
    u"[F_100]\r\nB_50 = 15\r\nB_100 = 70\r\nB_200 = 400\r\n"
    u"[F_200]\r\nB_50 = 40\r\nB_100 = 180\r\nB_200 = 1000\r\n"
    u"[Limits]\r\nBmax = 390\r\nBmmax = 490\r\nmu = 2200\r\n";

inline constexpr char16_t kTestCores[] =
    u"[E 25/13/7]\r\nAe = 52\r\nAn = 87\r\nle = 57.5\r\nmu = 1800\r\n"
    u"[E 40/16/12]\r\nAe = 149\r\nAn = 185\r\nle = 77\r\nmu = 1970\r\n"
    u"[E 55/28/21]\r\nAe = 353\r\nAn = 370\r\nle = 124\r\nmu = 2000\r\n"
    u"[EI 25]\r\nAe = 40\r\nAn = 60\r\nle = 49\r\nmu = 1900\r\n"
    u"[ER 28/14]\r\nAe = 81\r\nAn = 70\r\nle = 64\r\nmu = 1800\r\n"
    u"[ETD 29/16/10]\r\nAe = 76\r\nAn = 95\r\nle = 70.4\r\nmu = 1800\r\nk1 = 124\r\nk2 = -0.7\r\n"
    u"[ETD 34/17/11]\r\nAe = 97.1\r\nAn = 123\r\nle = 78.6\r\nmu = 1900\r\n"
    u"[RM 10]\r\nAe = 96.6\r\nAn = 60\r\nle = 44.6\r\nmu = 1900\r\n";

// Lays out <root>/Wire.txt, <root>/Ferrites_Materials/*.txt,
// <root>/Bases_Cores/FerritesCores.txt and the program folder <root>/Kelvara
// (or another name).
class DataRoot {
  public:
    explicit DataRoot(std::filesystem::path programName = "Kelvara")
        : programName_(std::move(programName)) {
        WriteUtf16(root() / "Wire.txt", kTestWires);
        WriteUtf16(root() / "Ferrites_Materials" / "N87 Epcos.txt", kTestMaterial);
        WriteUtf16(root() / "Ferrites_Materials" / "3C90 Ferroxcube.txt", kTestMaterial);
        WriteUtf16(root() / "Bases_Cores" / "FerritesCores.txt", kTestCores);
        std::filesystem::create_directories(program());
    }
    const std::filesystem::path& root() const { return dir_.path(); }
    std::filesystem::path program() const { return dir_.path() / programName_; }

  private:
    TempDir dir_;
    std::filesystem::path programName_;
};

}  // namespace kelvara::testing
