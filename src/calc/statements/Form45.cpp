// Price-earnings ratio: the market price per share over the earnings per share.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm45() {
    using namespace statements;
    return ScreenDesign(45)
        .field("Text1", "普通股每股市价", "Label1")
        .field("Text2", "普通股每股收益", "Label2")
        .button("Command1", "求市盈率", ratio("市盈率（倍数）＝普通股每股市价÷普通股每股收益"))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
