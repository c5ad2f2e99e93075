// Deferred annuity: future and present value of payments that start at period s.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm5() {
    return ScreenDesign(5)
        .field("Text2", "递延年金A=")
        .field("Text3", "利率i=")
        .field("Text4", "计息期数n=")
        .field("Text5", "期初开始期数s=")
        .button("Command1", "求终值F",
                [](Ctx& c) {
                    const auto [A, i, n, s] = c.nums<4>(2); // every field, top to bottom
                    Value future;
                    if (n > 0)
                        future = (pow(1 + i, n) - 1) * A / i;
                    c.print("F=A*(F/A,i,n)=A*((1＋i)^n－1)／i=", future);
                })
        .button("Command2", "求现值P",
                [](Ctx& c) {
                    const auto [A, i, n, s] = c.nums<4>(2); // every field, top to bottom
                    Value present;
                    // Discounted over s + n - 2 and s - 2 periods: s = 2 is the ordinary annuity,
                    // s = 1 the annuity due.
                    if (n > 0)
                        present = ((1 - pow(1 + i, -(s + n - 2))) / i - (1 - pow(1 + i, -(s - 2))) / i) * A;
                    c.print("P=A*((P/A,i,n)-(P/A,i,s))=A*((1-(1+i)^-(n+s-2))/i-(1-(1+i)^-(s-2))/i)=",
                            present);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
