// Direct labour against its standard, as the two cost standard sheets compute it.
#pragma once

#include "app/Arith.h"

namespace fincalc::cost {

struct Labour {
    Num h;  // standard hours per unit
    Num w;  // standard wage rate
    Num Q;  // actual output
    Num H;  // actual hours
    Num Cl; // actual labour cost

    // Only with actual hours above 0.
    Value rateVariance() const {
        Value Vr;
        if (H > 0)
            Vr = (Cl / H - w) * H;
        return Vr;
    }
    Num costVariance() const { return Cl - (Q * h) * w; }
    Num efficiencyVariance() const { return (H - Q * h) * w; }
};

} // namespace fincalc::cost
