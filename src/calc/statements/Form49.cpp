// Dividend cover: the earnings per share over the dividend per share.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm49() {
    using namespace statements;
    return ScreenDesign(49)
        .field("Text1", "普通股每股净收益", "Label1")
        .field("Text2", "普通股每股股利", "Label2")
        .button("Command1", "股利保障倍数",
                ratio("股利保障倍数＝普通股每股净收益÷普通股每股股利 ＝1÷股利支付率"))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
