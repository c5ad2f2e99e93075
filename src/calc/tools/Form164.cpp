// Rates and periods: the one equation P = A × (P/A,i,n) + F × (P/F,i,n), in the textbook's
// all-positive form (a single sum when A is empty, an annuity when F is empty, a bond price when
// both are given), solved for the rate, the number of periods or the payment.
#include "calc/tools/Solve.h"

#include <cmath>

namespace fincalc {

ScreenDesign declareForm164() {
    return ScreenDesign(164)
        .title("利率与期数推算")
        .heading("Label1", "利率与期数推算")
        .field("Text1", "现值P=")
        .field("Text2", "每期年金A=")
        .field("Text3", "终值F=")
        .field("Text4", "期数n=")
        .field("Text5", "每期利率i=")
        .button("Command1", "求利率i",
                [](Ctx& c) {
                    const Num P = c.num(1), A = c.num(2), F = c.num(3), n = c.num(4);
                    if (!(n > 0))
                        return c.print("P=A*(P/A,i,n)+F*(P/F,i,n)，i=");
                    // The present value at a rate less the price paid: zero at the rate sought.
                    const RateFunction f = [&](Num rate) {
                        return A * annuityFactor(rate, n) + F * discountFactor(rate, n) - P;
                    };
                    const auto rates = findRates(f);
                    if (rates.empty())
                        return c.print("在-99%至1000%之间没有满足P=A*(P/A,i,n)+F*(P/F,i,n)的利率i");
                    for (Real rate : rates)
                        c.print("P=A*(P/A,i,n)+F*(P/F,i,n)，i=", Num(rate));
                    printInterpolation(c, f, rates.front(), "i");
                })
        .button("Command2", "求期数n",
                [](Ctx& c) {
                    const auto [P, A, F, n, i] = c.nums<5>(1);
                    Value periods;
                    if (i == 0) {
                        if (A != 0)
                            periods = (P - F) / A;
                    } else if (i > -1) {
                        // (1+i)^-n × (F - A/i) = P - A/i
                        const Num perpetuity = A / i;
                        if (F - perpetuity != 0) {
                            const Num ratio = (P - perpetuity) / (F - perpetuity);
                            if (ratio > 0)
                                periods = Num(-std::log(ratio.value()) / std::log1p(i.value()));
                        }
                    }
                    if (!periods.empty() && !(periods.num() > 0))
                        periods = {};
                    c.print("P=A*(P/A,i,n)+F*(P/F,i,n)，n=", periods);
                    if (!periods.empty()) {
                        // Whole periods needed; a solution a rounding error above a whole number is that
                        // number.
                        const Real whole = std::ceil(periods.num().value() - 1e-9L);
                        c.print("所需整期数=", Num(whole));
                    }
                })
        .button("Command3", "求年金A",
                [](Ctx& c) {
                    const auto [P, A, F, n, i] = c.nums<5>(1);
                    Value payment;
                    if (n > 0 && i > -1)
                        payment = (P - F * discountFactor(i, n)) / annuityFactor(i, n);
                    c.print("A=(P-F*(P/F,i,n))/(P/A,i,n)=", payment);
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
