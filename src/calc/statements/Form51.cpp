// Price-to-book ratio: the market price per share over the book value per share.
#include "calc/statements/Verdicts.h"

namespace fincalc {

ScreenDesign declareForm51() {
    using namespace statements;
    return ScreenDesign(51)
        .field("Text1", "每股市价", "Label1")
        .field("Text2", "每股净资产", "Label2")
        .button("Command1", "市净率", ratio("市净率（倍数）＝每股市价÷每股净资产"))
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
