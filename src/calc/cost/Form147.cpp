// Residual income: the earnings less the minimum return required on the operating assets.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm147() {
    return ScreenDesign(147)
        .field("Text1", "息税前利润")
        .field("Text2", "经营资产")
        .field("Text3", "最低投资收益率")
        .button("Command1", "剩余收益",
                [](Ctx& c) {
                    const auto [E, A, k] = c.nums<3>(1);
                    c.print("剩余收益=息税前利润-经营资产*最低投资收益率=", E - k * A);
                })
        .cancel("Command6")
        .exit("Command7");
}

} // namespace fincalc
