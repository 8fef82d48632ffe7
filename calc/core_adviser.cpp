#include "calc/core_adviser.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>

#include "refdata/core_database.h"

namespace kelvara {

namespace {

void Evaluate(Candidate& c, const DesignInputs& current, const CoreDatabase& cores,
              const MaterialLossData& material, const WireTable& wires) {
    DesignInputs in = current;
    in.core = c.core;
    in.mater = c.material;
    in.zazor = Text(in.yes_al == 1 ? kAdviserStartAL : kAdviserStartGap);
    in.shape = ShapeFromName(c.core);
    const CoreData data = cores.Lookup(c.core);
    c.record = data.record;
    in.Ae = data.Ae;
    in.An = data.An;
    in.le = data.le;
    in.mu = data.mu;
    in.Ve = data.Ve;
    CalcReport report = RunCalculation(in, c.record, material, wires);
    const DesignCheck check = CheckDesign(in, report.results, c.record, material,
                                          CheckOptions{.outputAtFhaFrequency = false});
    c.zazor = in.zazor;
    c.alMode = in.yes_al == 1;
    c.completed = report.completed;
    c.results = std::move(report.results);
    c.errors = check.errors;
    c.warnings = check.warnings;
    c.Ve = c.record.Ve;
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const CheckRow* temp = check.Row("temp");
    c.losses = temp ? temp->Number("losses") : kNaN;
    c.rise = temp ? temp->Number("rise") : kNaN;
    const CheckRow* bpk = check.Row("bpk");
    c.bAtFMin = bpk ? bpk->Number("B") : kNaN;
    const CheckRow* tdMin = check.Row("tdmin");
    const CheckRow* tdMax = check.Row("tdmax");
    const CheckRow* zvs = check.Row("zvstd");
    c.fTdMin = tdMin ? tdMin->Number("fTd") : kNaN;
    c.fTdMax = tdMax ? tdMax->Number("fTd") : kNaN;
    c.soft = !zvs || zvs->status == CheckStatus::Unknown ? Candidate::Soft::Unknown
             : zvs->status == CheckStatus::Error         ? Candidate::Soft::No
                                                         : Candidate::Soft::Yes;
}

}  // namespace

std::vector<Candidate> EvaluateCandidates(const DesignInputs& current, const CoreDatabase& database,
                                          std::span<const NamedMaterial> materials,
                                          const WireTable& wires, unsigned threads,
                                          const RankProgress& progress, bool* cancelled) {
    const std::vector<Text> cores = database.AllNames();
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
    std::atomic<size_t> done{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    const auto work = [&] {
        for (size_t i = next++; i < out.size() && !stop; i = next++) {
            Evaluate(out[i], current, database, *data[i], wires);
            if (++done == out.size()) {
                { const std::lock_guard<std::mutex> lock(mutex); }
                finished.notify_all();
            }
        }
    };
    std::vector<std::thread> pool;
    if (!progress.report) {
        // Nobody to tell: the calling thread works too.
        for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work);
        work();
    } else {
        // The calling thread tells the progress, from 0, while the others work.
        if (!progress.report(0, out.size())) stop = true;
        for (unsigned t = 0; t < threads && !stop; ++t) pool.emplace_back(work);
        while (!stop) {
            std::unique_lock<std::mutex> lock(mutex);
            if (finished.wait_for(lock, progress.every, [&] { return done == out.size(); })) break;
            lock.unlock();
            if (!progress.report(done, out.size())) stop = true;
        }
    }
    for (std::thread& t : pool) t.join();
    if (cancelled) *cancelled = stop;
    return out;
}

bool Candidate::timeDomainPasses() const {
    return std::isfinite(fTdMin) && std::isfinite(fTdMax) && soft == Soft::Yes;
}

void RankCandidates(std::vector<Candidate>& candidates) {
    const auto key = [](double v) {
        return std::isfinite(v) ? v : std::numeric_limits<double>::infinity();
    };
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](const Candidate& a, const Candidate& b) {
                         if (a.calculated() != b.calculated()) return a.calculated();
                         if (!a.calculated()) return a.order < b.order;
                         if (a.timeDomainPasses() != b.timeDomainPasses())
                             return a.timeDomainPasses();
                         if (a.errors != b.errors) return a.errors < b.errors;
                         if (a.warnings != b.warnings) return a.warnings < b.warnings;
                         if (key(a.Ve) != key(b.Ve)) return key(a.Ve) < key(b.Ve);
                         if (key(a.losses) != key(b.losses)) return key(a.losses) < key(b.losses);
                         return a.order < b.order;
                     });
}

}  // namespace kelvara
