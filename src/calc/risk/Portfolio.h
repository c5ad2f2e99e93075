// The variance of a portfolio of two assets, shared by the portfolio screen and its chart.
#pragma once

#include "app/Arith.h"

namespace fincalc {

// σp² = wA²σA² + wB²σB² + 2·wA·wB·σA·σB·ρ
inline Num portfolioVariance(Num sigmaA, Num wA, Num sigmaB, Num wB, Num rho) {
    return pow(sigmaA, 2) * pow(wA, 2) + pow(sigmaB, 2) * pow(wB, 2) + 2 * sigmaA * wA * sigmaB * wB * rho;
}

} // namespace fincalc
