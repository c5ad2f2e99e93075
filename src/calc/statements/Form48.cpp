// Payout ratio: the dividend per share over the earnings per share.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm48() {
    using namespace statements;
    return ScreenDesign(48)
        .field("Text1", "普通股每股股利", "Label1")
        .field("Text2", "普通股每股净收益", "Label2")
        .button("Command1", "股利支付率", ratio("股利支付率＝（普通股每股股利÷普通股每股净收益）×100%"))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
