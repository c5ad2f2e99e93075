// Equity ratio: the owners' equity over the total assets.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm54() {
    using namespace statements;
    return ScreenDesign(54)
        .field("Text1", "所权总额", "Label1")
        .field("Text2", "资产总额", "Label2")
        .button("Command1", "所有者权益比率", ratio("所有者权益比率＝（所有者权益总额÷资产总额）×100%"))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
