#include "refdata/material.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "refdata/lookup.h"
#include "refdata/paths.h"
#include "refdata/text_file.h"

namespace kelvara {

namespace {

double NumberOf(TextView value) {
    return ParseDecimal(Replaced(value, u',', u'.'));
}

Text NumberedKey(TextView prefix, int number) {
    Text key(prefix);
    key.append(FormatInt(number));
    return key;
}

// Only ".txt" exactly: a material is opened by its name + ".txt", which
// names no "N87.TXT" where letter case counts.
bool EndsWithTxt(TextView name) {
    return name.ends_with(u".txt");
}

}  // namespace

void ParseMaterialText(TextView text, MaterialLossData& data) {
    constexpr int kMax = MaterialLossData::kMaxPoints;
    for (auto& row : data.lossTable) std::fill(std::begin(row), std::end(row), 0.0);
    data.nB = 0;
    data.nF = 0;

    // Flux densities, mT in the file, T in the table. The texts are kept as
    // written: the loss keys are built from them.
    Text fluxTexts[kMax + 1];
    for (int i = 1; i <= kMax; ++i) {
        Text v = FindSectionValue(text, u"Flux density", NumberedKey(u"B", i));
        if (v.empty()) break;
        data.lossTable[0][i] = NumberOf(v) / 1000;
        fluxTexts[i] = std::move(v);
        data.nB = i;
    }

    for (int i = 1; i <= kMax; ++i) {
        Text v = FindSectionValue(text, u"Frequencies", NumberedKey(u"F", i));
        if (v.empty()) break;
        ReplaceAll(v, u',', u'.');
        data.lossTable[i][0] = ParseDecimal(v);
        const Text section = u"F_" + v;
        for (int j = 1; j <= data.nB; ++j) {
            const Text w = FindSectionValue(text, section, u"B_" + fluxTexts[j]);
            data.lossTable[i][j] = NumberOf(w);
        }
        data.nF = i;
    }

    data.Bmax = NumberOf(FindKeyValue(text, u"Bmax"));
    data.Bmmax = NumberOf(FindKeyValue(text, u"Bmmax"));
    data.mu = NumberOf(FindKeyValue(text, u"mu"));
}

bool ReadMaterialFile(const std::filesystem::path& file, MaterialLossData& data,
                      Text& materialText) {
    std::optional<Text> text = ReadTextFile(file);
    if (!text) return false;
    materialText = std::move(*text);
    ParseMaterialText(materialText, data);
    return true;
}

std::vector<Text> ListMaterials(const std::filesystem::path& folder) {
    std::vector<Text> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return names;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError) || typeError) continue;
        const std::optional<Text> name = PathText(it->path().filename());
        if (!name || !EndsWithTxt(*name) || name->size() == 4) continue;
        names.push_back(name->substr(0, name->size() - 4));
    }
    // Names that differ only in letter case keep a fixed order.
    std::sort(names.begin(), names.end(), [](const Text& a, const Text& b) {
        if (LessIgnoreCase(a, b)) return true;
        if (LessIgnoreCase(b, a)) return false;
        return a < b;
    });
    return names;
}

}  // namespace kelvara
