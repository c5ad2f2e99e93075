// A nominal annual rate compounded m times a year: the effective annual rate, and the future and
// present value of a sum over n years.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm7() {
    return ScreenDesign(7)
        .field("Text1", "名义利率r=")
        .field("Text2", "年计息次数m=")
        .field("Text3", "现值P=")
        .field("Text4", "终值F=")
        .field("Text5", "计息年数n=")
        .button("Command1", "求实际利率i",
                [](Ctx& c) {
                    const auto [r, m, P, F, n] = c.nums<5>(1); // every field, top to bottom
                    // Without compounding periods the line shows the nominal rate as read.
                    const Num effective = m > 0 ? pow(r / m + 1, m) - 1 : r;
                    c.print("i=(1+(r/m))^m-1=", effective);
                })
        .button("Command2", "求终值F",
                [](Ctx& c) {
                    const auto [r, m, P, F, n] = c.nums<5>(1); // every field, top to bottom
                    Value future;
                    if (m > 0)
                        future = P * pow(1 + r / m, m * n);
                    c.print("F=P(F/P,r/m,mn)=P*(1+(r/m)^(mn))=", future);
                })
        .button("Command3", "求现值P",
                [](Ctx& c) {
                    const auto [r, m, P, F, n] = c.nums<5>(1); // every field, top to bottom
                    Value present;
                    if (m > 0)
                        present = F / pow(1 + r / m, m * n);
                    c.print("P=F/(1+(r/m)^(mn))=", present);
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
