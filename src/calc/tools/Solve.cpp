#include "calc/tools/Solve.h"

#include <cmath>

namespace fincalc {

namespace {

constexpr int kGridLow = -990; // the grid in tenths of a percent: rates k / 1000
constexpr int kGridHigh = 10000;

int sign(Num x) { return x > 0 ? 1 : x < 0 ? -1 : 0; }

Real bisect(const RateFunction& f, Real lo, Real hi, int signLo) {
    for (;;) {
        const Real mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            return mid;
        const int s = sign(f(mid));
        if (s == 0)
            return mid;
        (s == signLo ? lo : hi) = mid;
    }
}

} // namespace

std::vector<Real> findRates(const RateFunction& f) {
    std::vector<Real> rates;
    Real lo = Real(kGridLow) / 1000;
    int signLo = sign(f(lo));
    for (int k = kGridLow + 1; k <= kGridHigh; ++k) {
        const Real hi = Real(k) / 1000;
        const int signHi = sign(f(hi));
        if (signLo == 0)
            rates.push_back(lo);
        else if (signHi != 0 && signHi != signLo)
            rates.push_back(bisect(f, lo, hi, signLo));
        lo = hi;
        signLo = signHi;
    }
    if (signLo == 0)
        rates.push_back(lo);
    return rates;
}

void printInterpolation(Ctx& c, const RateFunction& f, Real rate, std::string_view name) {
    const Num i1 = std::floor(rate * 100 + 1e-12L) / 100, i2 = i1 + 0.01;
    const Num npv1 = f(i1), npv2 = f(i2);
    const Num interpolated = i1 + (i2 - i1) * npv1 / (npv1 - npv2);
    c.print("i1=", i1);
    c.print("NPV1=", npv1);
    c.print("i2=", i2);
    c.print("NPV2=", npv2);
    c.print("插值法：", name, "≈i1+(i2-i1)*NPV1/(NPV1-NPV2)=", interpolated);
}

Num discountFactor(Num i, Num n) { return pow(1 + i, -n); }

Num annuityFactor(Num i, Num n) {
    if (i == 0)
        return n;
    // 1 - (1+i)^-n through expm1 and log1p, which keep their digits for a rate near 0.
    return Num(-std::expm1(-n.value() * std::log1p(i.value()))) / i;
}

} // namespace fincalc
