// Debt ratio: the liabilities over the total assets, judged against 40% and 60%.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm53() {
    using namespace statements;
    return ScreenDesign(53)
        .field("Text1", "负债总额", "Label1")
        .field("Text2", "资产总额", "Label2")
        .button("Command1", "资产负债率",
                ratio("资产负债率＝（负债总额÷资产总额）×100%=",
                      {within(0.4, 0.6, "资产负债率适宜，在40%-60%之间"),
                       below(0.4, "资产负债率较低，小于40%"), above(0.6, "资产负债率较高，大于60%")}))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
