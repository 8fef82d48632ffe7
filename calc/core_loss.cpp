#include "calc/core_loss.h"

#include <algorithm>
#include <cmath>

namespace kelvara {

namespace {

// Index i (1-based) of the interval [P(i), P(i+1)] used for v among the
// points P(1) < … < P(count), count >= 2: the interval holding v, or the
// first or last one outside the points.
int IntervalOf(double v, int count, double (*point)(const MaterialLossData&, int),
               const MaterialLossData& m) {
    if (v < point(m, 1)) return 1;
    int c = count;
    for (int k = 2; k <= count; ++k) {
        if (v < point(m, k)) {
            c = k;
            break;
        }
    }
    return c - 1;
}

double FrequencyPoint(const MaterialLossData& m, int i) {
    return m.lossTable[i][0];
}
double FluxPoint(const MaterialLossData& m, int j) {
    return m.lossTable[0][j];
}

}  // namespace

CoreLossEstimate EstimateCoreLoss(double f, double B, const MaterialLossData& m, double Ve) {
    CoreLossEstimate r;
    // The table holds at most 9 points per axis; counts beyond that are not trusted.
    const int nF = std::clamp<int>(m.nF, 0, MaterialLossData::kMaxPoints);
    const int nB = std::clamp<int>(m.nB, 0, MaterialLossData::kMaxPoints);
    if (nF < 2 || nB < 2) return r;

    const int i = IntervalOf(f, nF, FrequencyPoint, m);
    const int j = IntervalOf(B, nB, FluxPoint, m);

    const double p00 = m.lossTable[i][j];
    const double p01 = m.lossTable[i][j + 1];
    const double p10 = m.lossTable[i + 1][j];
    const double p11 = m.lossTable[i + 1][j + 1];
    if (p00 == 0 || p01 == 0 || p10 == 0 || p11 == 0) return r;

    const double fi = m.lossTable[i][0];
    const double fi1 = m.lossTable[i + 1][0];
    const double bj = m.lossTable[0][j];
    const double bj1 = m.lossTable[0][j + 1];

    const double aj = std::log(p10 / p00) / std::log(fi1 / fi);
    const double aj1 = std::log(p11 / p01) / std::log(fi1 / fi);
    const double lj = p00 * std::pow(f / fi, aj);
    const double lj1 = p01 * std::pow(f / fi, aj1);
    const double b = std::log(lj1 / lj) / std::log(bj1 / bj);
    r.lossDensity = lj * std::pow(B / bj, b);
    r.lossW = r.lossDensity / 1000 * Ve;
    r.ok = true;
    return r;
}

}  // namespace kelvara
