// Times interest earned: the earnings before interest and tax over the interest, judged against 1
// and 3.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm60() {
    using namespace statements;
    return ScreenDesign(60)
        .field("Text1", "息税前利润", "Label1")
        .field("Text2", "利息支出", "Label2")
        .button("Command1", "已获利息倍数",
                ratio("已获利息倍数＝息税前利润÷利息支出",
                      {below(1, "当该指标小于1时，企业要支付利息支出，就得动用自有资金"),
                       at(1, "当该指标等于1时，企业利用贷款创造的收益刚好够支付利息费用"),
                       above(1, "当该指标大于1时，企业利用贷款创造的收益不仅能够支付利息费用，还有剩余"),
                       at(3, "国际上通常认为，该指标为3时较为适当")}))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
