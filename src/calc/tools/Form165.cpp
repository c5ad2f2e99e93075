// Loan repayment schedules: level payment and level principal.
#include "app/Session.h"
#include "calc/tools/Loan.h"

#include <string>
#include <vector>

namespace fincalc {

namespace {

// The loan on the screen, or nothing after a message saying what is wrong with it.
std::optional<Loan> loanOrMessage(Ctx& c) {
    LoanReading reading = readLoan(c);
    if (!reading.loan)
        c.message(reading.problem);
    return reading.loan;
}

void printSchedule(Ctx& c, const std::vector<LoanRow>& rows) {
    c.print("期数  还款额  本金  利息  剩余本金");
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const LoanRow& r = rows[k];
        c.print(std::to_string(k + 1) + "  " + money(r.payment) + "  " + money(r.principal) + "  " +
                money(r.interest) + "  " + money(r.balance));
    }
}

} // namespace

ScreenDesign declareForm165() {
    ScreenDesign design(165);
    design.title("贷款还款计划")
        .heading("Label1", "贷款还款计划")
        .field("Text1", "贷款金额=")
        .field("Text2", "年利率=")
        .field("Text3", "贷款年数=")
        .field("Text4", "每年还款次数=")
        .find("Text4")
        ->text = "12";
    return design
        .button("Command1", "等额本息",
                [](Ctx& c) {
                    const auto loan = loanOrMessage(c);
                    if (!loan)
                        return;
                    const auto [payment, rows] = levelPaymentSchedule(*loan);
                    Cents paid = 0;
                    for (const LoanRow& r : rows)
                        paid += r.payment;
                    c.print("每期还款额=" + money(payment));
                    c.print("还款总额=" + money(paid));
                    c.print("利息总额=" + money(totalInterest(rows)));
                    printSchedule(c, rows);
                })
        .button("Command2", "等额本金",
                [](Ctx& c) {
                    const auto loan = loanOrMessage(c);
                    if (!loan)
                        return;
                    const auto [principal, rows] = levelPrincipalSchedule(*loan);
                    c.print("首期还款额=" + money(rows.front().payment));
                    c.print("末期还款额=" + money(rows.back().payment));
                    c.print("每期递减额=" + money(toCents(Real(principal) / 100 * loan->rate)));
                    c.print("利息总额=" + money(totalInterest(rows)));
                    printSchedule(c, rows);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
