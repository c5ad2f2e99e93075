// Earnings per share: the net profit less the preferred dividends, over the common shares.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm44() {
    return ScreenDesign(44)
        .field("Text1", "净利润", "Label1")
        .field("Text2", "优先股股利", "Label2")
        .field("Text3", "年度股份总数", "Label3")
        .field("Text4", "年末优先股数", "Label4")
        .button("Command1", "求每股收益",
                [](Ctx& c) {
                    const auto [N, D, S, P] = c.nums<4>(1);
                    // Unguarded: as many preferred shares as shares (both empty, say) divide by zero.
                    c.print("每股收益＝净利润÷年末普通股份总数＝（净利润－优先股股利）÷（年度股份总数－年度末"
                            "优先股数）",
                            (N - D) / (S - P));
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
