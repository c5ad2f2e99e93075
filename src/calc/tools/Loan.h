// Loan repayment schedules, level payment and level principal, shared by the loan screen and its
// chart. Amounts are kept in whole cents; the last period takes up the rounding so the balance
// ends at exactly 0.00, and every total is the sum of the lines shown.
#pragma once

#include "app/Fields.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace fincalc {

using Cents = long long;

constexpr int kMostLoanPeriods = 1200;
// Bounds that keep every amount in cents exact and far inside a long long.
constexpr Real kLargestLoan = 1e12L;
constexpr Real kHighestLoanRate = 10; // 1000 % a year

struct Loan {
    Cents amount;
    Real rate; // per period
    int periods;
};

// The loan on the screen (amount, yearly rate, years, payments a year in Text1 to Text4), or what
// is wrong with it.
struct LoanReading {
    std::optional<Loan> loan{};
    std::string problem{};
};

inline Cents toCents(Real amount) { return std::llround(amount * 100); }

template <class Reader> LoanReading readLoan(const Reader& c) {
    const auto [amount, annualRate, years, perYear] = c.template nums<4>(1);
    if (!(amount > 0) || amount > kLargestLoan)
        return {.problem = "贷款金额须大于0，且不超过1万亿。"};
    if (annualRate < 0 || annualRate > kHighestLoanRate)
        return {.problem = "年利率须在0至1000%之间。"};
    const Real periods = years.value() * perYear.value();
    const Real whole = std::round(periods);
    if (!(years > 0) || !(perYear > 0) || std::fabs(periods - whole) > 1e-9L || whole < 1 ||
        whole > kMostLoanPeriods)
        return {.problem = "贷款年数与每年还款次数须为正数，二者之积（还款期数）须为1至1200之间的整数。"};
    return {.loan =
                Loan{toCents(amount.value()), annualRate.value() / perYear.value(), static_cast<int>(whole)}};
}

struct LoanRow {
    Cents payment, principal, interest, balance;
};

struct Schedule {
    Cents level; // the level payment, or the level principal
    std::vector<LoanRow> rows;
};

Schedule levelPaymentSchedule(const Loan& loan);
Schedule levelPrincipalSchedule(const Loan& loan);

Cents totalInterest(const std::vector<LoanRow>& rows);
// "1234.50", "-0.07"
std::string money(Cents cents);

} // namespace fincalc
