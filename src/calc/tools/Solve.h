// Solving for a rate: every root of a function of the rate in a range, and the textbook's
// interpolation between the two whole percents around a root.
#pragma once

#include "app/Session.h"

#include <functional>
#include <string_view>
#include <vector>

namespace fincalc {

using RateFunction = std::function<Num(Num rate)>;

// The rates from -99 % to 1000 % scanned for the roots.
constexpr Real kLowestRate = -0.99L;
constexpr Real kHighestRate = 10.0L;

// Every rate in [kLowestRate, kHighestRate] where f is zero or changes sign between two points
// of a 0.1 % grid, lowest first, each refined by bisection until its bracket cannot shrink.
std::vector<Real> findRates(const RateFunction& f);

// Prints the whole percents i1 and i2 = i1 + 1 % around `rate` with f at each, and the
// interpolated rate i1 + (i2 - i1) × f(i1) / (f(i1) - f(i2)), as the user would work it by hand.
void printInterpolation(Ctx& c, const RateFunction& f, Real rate, std::string_view name);

// The present value factors at rate i over n periods: (P/F,i,n) = (1+i)^-n and
// (P/A,i,n) = (1 - (1+i)^-n) / i, which is n at i = 0. Both need i > -1.
Num discountFactor(Num i, Num n);
Num annuityFactor(Num i, Num n);

} // namespace fincalc
