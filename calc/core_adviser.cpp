#include "calc/core_adviser.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <thread>

#include "refdata/core_database.h"

namespace kelvara {

std::vector<Text> AllCoreNames(TextView coreText) {
    std::vector<Text> names;
    for (int32_t shape = kShapeE; shape <= kShapeOther; ++shape) {
        for (Text& name : CoreNamesOfFamily(coreText, shape)) {
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(std::move(name));
        }
    }
    // Database order: where each name first stands in the text.
    std::stable_sort(names.begin(), names.end(), [&](const Text& a, const Text& b) {
        return coreText.find(a) < coreText.find(b);
    });
    return names;
}

namespace {

void Evaluate(Candidate& c, const DesignInputs& current, TextView coreText,
              const MaterialLossData& material, const WireTable& wires) {
    c.inputs = current;
    c.inputs.core = c.core;
    c.inputs.mater = c.material;
    c.inputs.zazor = Text(c.inputs.yes_al == 1 ? kAdviserStartAL : kAdviserStartGap);
    c.inputs.shape = ShapeFromName(c.core);
    const CoreData data = LookupCore(coreText, c.core);
    c.record = data.record;
    c.inputs.Ae = data.Ae;
    c.inputs.An = data.An;
    c.inputs.le = data.le;
    c.inputs.mu = data.mu;
    c.inputs.Ve = data.Ve;
    c.report = RunCalculation(c.inputs, c.record, material, wires);
    c.check = CheckDesign(c.inputs, c.report.results, c.record, material);
    c.Ve = c.record.le * c.record.Ae / 1000;
    const CheckRow* temp = c.check.Row("temp");
    c.losses = temp ? temp->Number("losses") : std::numeric_limits<double>::quiet_NaN();
    c.rise = temp ? temp->Number("rise") : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

std::vector<Candidate> EvaluateCandidates(const DesignInputs& current, TextView coreText,
                                          std::span<const NamedMaterial> materials,
                                          const WireTable& wires, unsigned threads) {
    const std::vector<Text> cores = AllCoreNames(coreText);
    std::vector<Candidate> out;
    out.reserve(cores.size() * materials.size());
    std::vector<const MaterialLossData*> data;
    for (const Text& core : cores) {
        for (const NamedMaterial& m : materials) {
            Candidate c;
            c.core = core;
            c.material = m.name;
            c.order = out.size();
            out.push_back(std::move(c));
            data.push_back(&m.data);
        }
    }
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    threads = std::min<unsigned>(threads, static_cast<unsigned>(out.size()));
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t i = next++; i < out.size(); i = next++)
            Evaluate(out[i], current, coreText, *data[i], wires);
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();
    return out;
}

void RankCandidates(std::vector<Candidate>& candidates) {
    const auto key = [](double v) {
        return std::isfinite(v) ? v : std::numeric_limits<double>::infinity();
    };
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](const Candidate& a, const Candidate& b) {
                         if (a.calculated() != b.calculated()) return a.calculated();
                         if (!a.calculated()) return a.order < b.order;
                         if (a.check.errors != b.check.errors)
                             return a.check.errors < b.check.errors;
                         if (a.check.warnings != b.check.warnings)
                             return a.check.warnings < b.check.warnings;
                         if (key(a.Ve) != key(b.Ve)) return key(a.Ve) < key(b.Ve);
                         if (key(a.losses) != key(b.losses)) return key(a.losses) < key(b.losses);
                         return a.order < b.order;
                     });
}

}  // namespace kelvara
