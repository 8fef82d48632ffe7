// Fuzzes the reading of a ferrite material file.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "refdata/material.h"
#include "refdata/text_file.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kelvara::Text text = kelvara::DecodeFileBytes(bytes);
    kelvara::MaterialLossData material;
    material.mu = 1;  // must not survive the reading
    kelvara::ParseMaterialText(text, material);
    constexpr int kMax = kelvara::MaterialLossData::kMaxPoints;
    Check(material.nB >= 0 && material.nB <= kMax);
    Check(material.nF >= 0 && material.nF <= kMax);
    Check(material.lossTable[0][0] == 0);
    // Cells outside the axes that were read stay zero.
    for (int i = 0; i <= kMax; ++i) {
        for (int j = 0; j <= kMax; ++j) {
            if (i > material.nF || j > material.nB) Check(material.lossTable[i][j] == 0);
        }
    }
    Check(!std::isnan(material.mu) && !std::isnan(material.Bmax) && !std::isnan(material.Bmmax));
    return 0;
}
