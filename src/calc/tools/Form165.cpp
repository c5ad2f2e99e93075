// Loan repayment schedules: level payment and level principal. Amounts are kept in whole cents,
// the last period takes up the rounding so the balance ends at exactly 0.00, and every total is
// the sum of the lines shown.
#include "app/Session.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace fincalc {

namespace {

constexpr int kMostPeriods = 1200;
// Bounds that keep every amount in cents exact and far inside a long long.
constexpr Real kLargestLoan = 1e12L;
constexpr Real kHighestRate = 10; // 1000 % a year

using Cents = long long;

std::string money(Cents cents) {
    const Cents whole = std::llabs(cents);
    std::string text = std::to_string(whole / 100) + '.';
    text += static_cast<char>('0' + whole % 100 / 10);
    text += static_cast<char>('0' + whole % 10);
    return cents < 0 ? '-' + text : text;
}

Cents toCents(Real amount) { return std::llround(amount * 100); }

struct Loan {
    Cents amount;
    Real rate; // per period
    int periods;
};

// The loan on the screen, or nothing after a message saying what is wrong with it.
std::optional<Loan> readLoan(Ctx& c) {
    const auto [amount, annualRate, years, perYear] = c.nums<4>(1);
    if (!(amount > 0) || amount > kLargestLoan) {
        c.message("贷款金额须大于0，且不超过1万亿。");
        return std::nullopt;
    }
    if (annualRate < 0 || annualRate > kHighestRate) {
        c.message("年利率须在0至1000%之间。");
        return std::nullopt;
    }
    const Real periods = years.value() * perYear.value();
    const Real whole = std::round(periods);
    if (!(years > 0) || !(perYear > 0) || std::fabs(periods - whole) > 1e-9L || whole < 1 ||
        whole > kMostPeriods) {
        c.message("贷款年数与每年还款次数须为正数，二者之积（还款期数）须为1至1200之间的整数。");
        return std::nullopt;
    }
    return Loan{toCents(amount.value()), annualRate.value() / perYear.value(), static_cast<int>(whole)};
}

struct Row {
    Cents payment, principal, interest, balance;
};

// The schedule, given the principal to repay in each period before the last (from its interest).
template <class PrincipalOf> std::vector<Row> schedule(const Loan& loan, PrincipalOf principalOf) {
    std::vector<Row> rows;
    Cents balance = loan.amount;
    for (int k = 1; k <= loan.periods; ++k) {
        const Cents interest = toCents(Real(balance) / 100 * loan.rate);
        // Never more than is owed, so a tiny loan over many periods cannot overpay.
        const Cents principal =
            k == loan.periods ? balance : std::clamp(principalOf(interest), Cents(0), balance);
        balance -= principal;
        rows.push_back({principal + interest, principal, interest, balance});
    }
    return rows;
}

Cents totalInterest(const std::vector<Row>& rows) {
    Cents sum = 0;
    for (const Row& r : rows)
        sum += r.interest;
    return sum;
}

void printSchedule(Ctx& c, const std::vector<Row>& rows) {
    c.print("期数  还款额  本金  利息  剩余本金");
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Row& r = rows[k];
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
                    const auto loan = readLoan(c);
                    if (!loan)
                        return;
                    const Real j = loan->rate, n = loan->periods, amount = Real(loan->amount) / 100;
                    const Real level = j == 0 ? amount / n : amount * j / -std::expm1(-n * std::log1p(j));
                    const Cents payment = toCents(level);
                    const auto rows = schedule(*loan, [&](Cents interest) { return payment - interest; });
                    Cents paid = 0;
                    for (const Row& r : rows)
                        paid += r.payment;
                    c.print("每期还款额=" + money(payment));
                    c.print("还款总额=" + money(paid));
                    c.print("利息总额=" + money(totalInterest(rows)));
                    printSchedule(c, rows);
                })
        .button("Command2", "等额本金",
                [](Ctx& c) {
                    const auto loan = readLoan(c);
                    if (!loan)
                        return;
                    const Cents principal = toCents(Real(loan->amount) / 100 / loan->periods);
                    const auto rows = schedule(*loan, [&](Cents) { return principal; });
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
