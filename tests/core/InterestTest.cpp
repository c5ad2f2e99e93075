// Interest and annuity calculators: each compute button's line for worked values, failed guards
// and the faults that stop a line.
#include "Cli.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using fincalc::test::Cli;

using Inputs = std::vector<std::pair<std::string, std::string>>;

std::string press(int screen, const Inputs& inputs, const std::string& button) {
    return Cli().press(screen, inputs, button);
}

struct Line {
    int screen;
    Inputs inputs;
    std::string button;
    std::string formula;
    std::string result; // empty: the guard failed and the formula shows alone
};

// Test names: the screen, the button and what was typed.
void printCase(int screen, const Inputs& inputs, const std::string& button, std::ostream* os) {
    *os << "Form" << screen << "." << button;
    for (const auto& [field, text] : inputs)
        *os << ',' << field << '=' << text;
}

void PrintTo(const Line& k, std::ostream* os) { printCase(k.screen, k.inputs, k.button, os); }

class InterestLine : public testing::TestWithParam<Line> {};

TEST_P(InterestLine, PrintsFormulaThenResult) {
    const Line& k = GetParam();
    EXPECT_EQ(press(k.screen, k.inputs, k.button),
              "print\tForm" + std::to_string(k.screen) + "\t" + k.formula + k.result + "\n");
}

const std::string kPresentSingle = "P=F(P/F,i,n)=F*(1+i)^(-n)=";
const std::string kFutureSingle = "F=P(F/P,i,n)=(1+i)^n=";
const std::string kOrdinaryFuture = "F=A*(F/A,i,n)=A+A*(1+i)+A*(1+i)^2+……A*(1+i)^(n-1)=";
const std::string kOrdinaryPresent = "P=A*(P/A,i,n)=A+A*(1+i)^-1+A*(1+i)^-2+……A*(1+i)^-n=";
const std::string kRepayment = "A=P/(P/A,i,n)=p*i/(1-(1+i)^-n)=";
const std::string kDeposit = "A=F/(F/A,i,n)=F*i/((1+i)^n-1)=";
const std::string kDueFuture = "F=A*(F/A,i,n)*(1+i)=A((F/A,i,n+1)-1)=A*(((1+i)^(n+1)-1)/i-1)=";
const std::string kDuePresent = "P=A*(P/A,i,n)*(1+i)=A((P/A,i,n-1)+1)=a*(((1-(1+i)^-(n- 1)))/i+1)=";
const std::string kDeferredFuture = "F=A*(F/A,i,n)=A*((1＋i)^n－1)／i=";
const std::string kDeferredPresent = "P=A*((P/A,i,n)-(P/A,i,s))=A*((1-(1+i)^-(n+s-2))/i-(1-(1+i)^-(s-2))/i)=";
const std::string kPerpetuity = "P=A/i=";
const std::string kEffectiveRate = "i=(1+(r/m))^m-1=";
const std::string kCompoundedFuture = "F=P(F/P,r/m,mn)=P*(1+(r/m)^(mn))=";
const std::string kCompoundedPresent = "P=F/(1+(r/m)^(mn))=";
const std::string kRealRate = "i=(1+r)/(1+c)-1";

// Ten percent over three periods, with a payment of 100 and a loan or a fund of 1000.
const Inputs kOrdinary{
    {"Text1", "1000"}, {"Text2", "1000"}, {"Text3", "100"}, {"Text4", "0.1"}, {"Text5", "3"}};
const Inputs kDeferred{{"Text2", "100"}, {"Text3", "0.1"}, {"Text4", "3"}};

Inputs with(Inputs inputs, std::string field, std::string text) {
    inputs.emplace_back(std::move(field), std::move(text));
    return inputs;
}

INSTANTIATE_TEST_SUITE_P(
    SingleSum, InterestLine,
    testing::Values(
        Line{2,
             {{"Text1", "0.1"}, {"Text3", "1000"}, {"Text4", "2"}},
             "Command1",
             kPresentSingle,
             "826.446280991736"},
        Line{2, {{"Text1", "0.1"}, {"Text3", "1000"}, {"Text4", "-2"}}, "Command1", kPresentSingle, "1210"},
        Line{2, {{"Text1", "0.1"}, {"Text3", "1000"}, {"Text4", "0"}}, "Command1", kPresentSingle, ""},
        Line{2, {{"Text1", "0.1"}, {"Text2", "1000"}, {"Text4", "2"}}, "Command2", kFutureSingle, "1210"},
        Line{2,
             {{"Text1", "0.1"}, {"Text2", "1000"}, {"Text4", "2.5"}},
             "Command2",
             kFutureSingle,
             "1269.05870628588"},
        Line{2, {{"Text1", "0.1"}, {"Text2", "1000"}}, "Command2", kFutureSingle, ""}));

INSTANTIATE_TEST_SUITE_P(
    Annuities, InterestLine,
    testing::Values(Line{3, kOrdinary, "Command1", kOrdinaryFuture, "331"},
                    Line{3, kOrdinary, "Command2", kOrdinaryPresent, "248.685199098422"},
                    Line{3, kOrdinary, "Command3", kRepayment, "402.114803625378"},
                    Line{3, kOrdinary, "Command6", kDeposit, "302.114803625378"},
                    Line{3, with(kOrdinary, "Text5", "0"), "Command1", kOrdinaryFuture, ""},
                    Line{3, with(kOrdinary, "Text5", "-1"), "Command2", kOrdinaryPresent, ""},
                    Line{3, with(kOrdinary, "Text5", ""), "Command3", kRepayment, ""},
                    Line{3, with(kOrdinary, "Text5", "0"), "Command6", kDeposit, ""},
                    Line{4, kOrdinary, "Command1", kDueFuture, "364.1"},
                    Line{4, kOrdinary, "Command2", kDuePresent, "273.553719008264"},
                    Line{4, with(kOrdinary, "Text5", "0"), "Command1", kDueFuture, ""},
                    Line{4, with(kOrdinary, "Text5", "-3"), "Command2", kDuePresent, ""},
                    Line{5, kDeferred, "Command1", kDeferredFuture, "331"},
                    Line{5, with(kDeferred, "Text5", "1"), "Command2", kDeferredPresent, "273.553719008264"},
                    Line{5, with(kDeferred, "Text5", "2"), "Command2", kDeferredPresent, "248.685199098422"},
                    Line{5, with(kDeferred, "Text5", "3"), "Command2", kDeferredPresent, "226.077453725838"},
                    Line{5, with(with(kDeferred, "Text4", "0"), "Text5", "3"), "Command2", kDeferredPresent,
                         ""},
                    Line{5, with(kDeferred, "Text4", "0"), "Command1", kDeferredFuture, ""},
                    Line{6, {{"Text1", "100"}, {"Text2", "0.05"}}, "Command1", kPerpetuity, "2000"},
                    Line{6, {{"Text1", "100"}, {"Text2", "0"}}, "Command1", kPerpetuity, ""},
                    Line{6, {{"Text1", "100"}, {"Text2", "-0.05"}}, "Command1", kPerpetuity, ""}));

INSTANTIATE_TEST_SUITE_P(
    Rates, InterestLine,
    testing::Values(
        Line{7, {{"Text1", "0.12"}, {"Text2", "4"}}, "Command1", kEffectiveRate, "0.12550881"},
        Line{7, {{"Text1", "0.12"}, {"Text2", "12"}}, "Command1", kEffectiveRate, "0.12682503013197"},
        Line{7, {{"Text1", "0.12"}, {"Text2", "0.5"}}, "Command1", kEffectiveRate, "0.113552872566004"},
        // Without compounding periods the line carries the nominal rate as read.
        Line{7, {{"Text1", "0.12"}}, "Command1", kEffectiveRate, "0.12"},
        Line{7, {{"Text1", "0.12"}, {"Text2", "0"}}, "Command1", kEffectiveRate, "0.12"},
        Line{7, {{"Text1", "0.12"}, {"Text2", "-4"}}, "Command1", kEffectiveRate, "0.12"},
        Line{7, {{"Text2", "4"}}, "Command1", kEffectiveRate, "0"},
        Line{7, {{"Text1", "-8"}, {"Text2", "2"}}, "Command1", kEffectiveRate, "8"},
        Line{7,
             {{"Text1", "0.12"}, {"Text2", "4"}, {"Text3", "1000"}, {"Text5", "2"}},
             "Command2",
             kCompoundedFuture,
             "1266.77008138762"},
        Line{7,
             {{"Text1", "0.12"}, {"Text2", "4"}, {"Text4", "1000"}, {"Text5", "2"}},
             "Command3",
             kCompoundedPresent,
             "789.409234313936"},
        Line{
            7, {{"Text1", "0.12"}, {"Text2", "4"}, {"Text3", "1000"}}, "Command2", kCompoundedFuture, "1000"},
        Line{7, {{"Text1", "0.12"}, {"Text3", "1000"}, {"Text5", "2"}}, "Command2", kCompoundedFuture, ""},
        Line{7,
             {{"Text1", "0.12"}, {"Text2", "-4"}, {"Text4", "1000"}, {"Text5", "2"}},
             "Command3",
             kCompoundedPresent,
             ""},
        Line{8, {{"Text1", "0.1"}, {"Text2", "0.03"}}, "Command1", kRealRate, "0.0679611650485437"},
        Line{8, {{"Text1", "0.1"}, {"Text2", "0"}}, "Command1", kRealRate, "0.1"},
        Line{8, {{"Text1", "0.1"}}, "Command1", kRealRate, "0.1"},
        // Deflation gives a real rate above the nominal one, down to prices falling to nothing.
        Line{8, {{"Text1", "0.1"}, {"Text2", "-0.02"}}, "Command1", kRealRate, "0.122448979591837"},
        Line{8, {{"Text1", "0.1"}, {"Text2", "-1"}}, "Command1", kRealRate, ""},
        Line{8, {{"Text1", "0.1"}, {"Text2", "-1.5"}}, "Command1", kRealRate, ""}));

struct Fault {
    int screen;
    Inputs inputs;
    std::string button;
    std::string kind;
};

void PrintTo(const Fault& k, std::ostream* os) {
    *os << "Form" << k.screen << "." << k.button << " " << k.kind;
}

class InterestFault : public testing::TestWithParam<Fault> {};

TEST_P(InterestFault, StopsTheLine) {
    const Fault& k = GetParam();
    EXPECT_EQ(press(k.screen, k.inputs, k.button),
              "fault\tForm" + std::to_string(k.screen) + "\t" + k.kind + "\n");
}

const Inputs kZeroRate = with(kOrdinary, "Text4", "");
const Inputs kDeferredZeroRate = with(with(kDeferred, "Text3", "0"), "Text5", "2");

INSTANTIATE_TEST_SUITE_P(ZeroRate, InterestFault,
                         testing::Values(Fault{3, kZeroRate, "Command1", "invalid-operation"},
                                         Fault{3, kZeroRate, "Command2", "invalid-operation"},
                                         Fault{3, kZeroRate, "Command3", "invalid-operation"},
                                         Fault{3, kZeroRate, "Command6", "invalid-operation"},
                                         Fault{4, kZeroRate, "Command1", "invalid-operation"},
                                         Fault{4, kZeroRate, "Command2", "invalid-operation"},
                                         Fault{5, kDeferredZeroRate, "Command1", "invalid-operation"},
                                         Fault{5, kDeferredZeroRate, "Command2", "invalid-operation"}));

INSTANTIATE_TEST_SUITE_P(
    PowersAndRange, InterestFault,
    testing::Values(
        // A rate of -100% leaves nothing to discount.
        Fault{2, {{"Text1", "-1"}, {"Text3", "1000"}, {"Text4", "2"}}, "Command1", "division-by-zero"},
        Fault{2, {{"Text1", "-2"}, {"Text2", "1000"}, {"Text4", "0.5"}}, "Command2", "invalid-operation"},
        Fault{2, {{"Text1", "0.1"}, {"Text2", "1000"}, {"Text4", "10000"}}, "Command2", "overflow"},
        // Every field is read, even one the formula leaves out.
        Fault{2,
              {{"Text1", "0.1"}, {"Text2", "1E999"}, {"Text3", "1000"}, {"Text4", "2"}},
              "Command1",
              "overflow"},
        Fault{6, {{"Text1", "1E308"}, {"Text2", "1E-10"}}, "Command1", "overflow"},
        Fault{7, {{"Text1", "-8"}, {"Text2", "0.5"}}, "Command1", "invalid-operation"},
        Fault{7,
              {{"Text1", "-4"}, {"Text2", "4"}, {"Text4", "1000"}, {"Text5", "1"}},
              "Command3",
              "division-by-zero"},
        Fault{7,
              {{"Text1", "0.12"}, {"Text2", "4"}, {"Text3", "1000"}, {"Text5", "1E5"}},
              "Command2",
              "overflow"},
        Fault{8, {{"Text1", "1E308"}, {"Text2", "-0.5"}}, "Command1", "overflow"}));

} // namespace
