// Cash paid for manufacturing overhead: the overhead less its depreciation.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm28() {
    return ScreenDesign(28)
        .field("Text1", "制造费用")
        .field("Text2", "折旧费")
        .button("Command1", "制造费用",
                [](Ctx& c) {
                    const auto [overhead, depreciation] = c.nums<2>(1);
                    c.print("制造费用=制造费用-折旧费=", overhead - depreciation);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
