// Book value per share: the shareholders' equity over the common shares at the year end.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm50() {
    using namespace statements;
    return ScreenDesign(50)
        .field("Text1", "年度末股东权益", "Label1")
        .field("Text2", "年度末普通股数", "Label2")
        .button("Command1", "每股净资产", ratio("每股净资产＝年度末股东权益÷年度末普通股数"))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
