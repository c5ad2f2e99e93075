// Turnover period and turnover count on a year of 360 days, each from the other.
#include "app/Session.h"

namespace fincalc {

namespace {

// 360 days over a positive count gives the period; over a positive period, the count.
Value perYear(Num x) {
    Value result;
    if (x > 0)
        result = 360 / x;
    return result;
}

} // namespace

ScreenDesign declareForm113() {
    return ScreenDesign(113)
        .field("Text1", "周转次数")
        .field("Text2", "周转期")
        .button("Command5", "周转期",
                [](Ctx& c) {
                    const auto [n, d] = c.nums<2>(1);
                    const Value period = perYear(n), count = perYear(d); // both first: a fault prints neither
                    c.print("周转期=360/周转次数=", period);
                    c.print("周转次数=360/周转期=", count);
                })
        .button("Command6", "周转次数", [](Ctx& c) { c.print("周转次数=360/周转期=", perYear(c.num(2))); })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
