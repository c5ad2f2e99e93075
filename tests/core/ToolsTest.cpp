// The tools beyond the tables: cash-flow analysis, rates and periods, loan schedules. Expected
// values are the spreadsheet functions' definitions (NPV, IRR, RATE, NPER, PMT, IPMT, PPMT)
// worked to 50 digits, and textbook examples where named.
#include "Cli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using fincalc::test::Cli;

using Inputs = std::vector<std::pair<std::string, std::string>>;

// The lines a press printed, without the event and screen columns.
std::vector<std::string> lines(const std::string& events) {
    std::vector<std::string> out;
    std::istringstream in(events);
    for (std::string event; std::getline(in, event);)
        out.push_back(event.starts_with("print\t") ? event.substr(event.find('\t', 6) + 1) : event);
    return out;
}

// Periods 0, 1, 2, … of a cash flow as Form163's fields Text2, Text3, …
Inputs flows(const std::string& rate, std::initializer_list<const char*> ncf) {
    Inputs inputs{{"Text1", rate}};
    int k = 2;
    for (const char* x : ncf)
        inputs.emplace_back("Text" + std::to_string(k++), x);
    return inputs;
}

struct Case {
    const char* name;
    int screen;
    Inputs inputs;
    const char* button;
    std::vector<std::string> printed;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Tool : public testing::TestWithParam<Case> {};

TEST_P(Tool, PrintsItsLines) {
    const Case& c = GetParam();
    EXPECT_EQ(lines(Cli().press(c.screen, c.inputs, c.button)), c.printed);
}

// The textbook project: -1000 then 500, 400, 300, 100 at 10 %. Spreadsheet:
// NPV(10%, 500, 400, 300, 100) - 1000 = 78.8197527491292, IRR(...) = 0.144888442785856.
const Inputs kProject = flows("0.1", {"-1000", "500", "400", "300", "100"});

INSTANTIATE_TEST_SUITE_P(
    CashFlows, Tool,
    testing::Values(
        Case{"NpvOfTheTextbookProject", 163, kProject, "Command1", {"NPV=∑NCFt/(1+i)^t=78.8197527491292"}},
        Case{"PresentValueIndex",
             163,
             kProject,
             "Command2",
             {"PI=∑正现金流量现值/|∑负现金流量现值|=1.07881975274913"}},
        Case{"IrrWithTheInterpolationAStudentWouldDo",
             163,
             kProject,
             "Command3",
             {"IRR=0.144888442785856", "i1=0.14", "NPV1=8.08298521381345", "i2=0.15", "NPV2=-8.3297300967335",
              "插值法：IRR≈i1+(i2-i1)*NPV1/(NPV1-NPV2)=0.144924831181724"}},
        // Cumulative -1000, -500, -100, 200: two periods and 100 of the third's 300.
        Case{"StaticPayback", 163, kProject, "Command4", {"静态回收期=2.33333333333333"}},
        // Discounted cumulative -545.45…, -214.88… after period 2, recovered by 225.39… in period 3.
        Case{"DiscountedPayback", 163, kProject, "Command5", {"动态回收期=2.95333333333333"}},
        // -100 (1+r)^2 + 230 (1+r) - 132 = 0 has the roots 10 % and 20 %.
        Case{"TwoSignChangesGiveTwoRatesAndAWarning",
             163,
             flows("", {"-100", "230", "-132"}),
             "Command3",
             {"IRR=0.1", "IRR=0.2", "现金流量多次改变符号，内含报酬率可能不唯一", "i1=0.1",
              "NPV1=6.93889390390723E-18", "i2=0.11", "NPV2=0.0730460189919649",
              "插值法：IRR≈i1+(i2-i1)*NPV1/(NPV1-NPV2)=0.1"}},
        Case{"OnePeriod",
             163,
             flows("", {"-100", "110"}),
             "Command3",
             {"IRR=0.1", "i1=0.1", "NPV1=0", "i2=0.11", "NPV2=-0.900900900900901",
              "插值法：IRR≈i1+(i2-i1)*NPV1/(NPV1-NPV2)=0.1"}},
        Case{"NoRootInTheRange",
             163,
             flows("", {"100", "100"}),
             "Command3",
             {"在-99%至1000%之间没有使NPV=0的折现率"}},
        // An empty field inside the flows counts as 0; the life ends at the last field typed.
        Case{"EmptyPeriodsInsideCountAsZero",
             163,
             flows("0", {"-100", "", "", "50"}),
             "Command1",
             {"NPV=∑NCFt/(1+i)^t=-50"}},
        Case{"NotRecoveredWithinTheLife",
             163,
             flows("0.1", {"-1000", "100", "100"}),
             "Command4",
             {"静态回收期：在2期内不能收回投资"}},
        Case{"RecoveredAtOnce", 163, flows("0.1", {"100", "-50"}), "Command4", {"静态回收期=0"}},
        Case{"RateAtOrBelowMinusOneShowsTheTextAlone",
             163,
             flows("-1", {"-100", "110"}),
             "Command1",
             {"NPV=∑NCFt/(1+i)^t="}},
        Case{"NoOutflowNoIndex",
             163,
             flows("0.1", {"100", "110"}),
             "Command2",
             {"PI=∑正现金流量现值/|∑负现金流量现值|="}},
        Case{"NoFlowsNoValue", 163, flows("0.1", {}), "Command1", {"NPV=∑NCFt/(1+i)^t="}}));

INSTANTIATE_TEST_SUITE_P(
    RatesAndPeriods, Tool,
    testing::Values(
        // A bond bought at par: RATE(10, 80, -1000, 1000) = 8 %.
        Case{"YieldOfABondAtPar",
             164,
             {{"Text1", "1000"}, {"Text2", "80"}, {"Text3", "1000"}, {"Text4", "10"}},
             "Command1",
             {"P=A*(P/A,i,n)+F*(P/F,i,n)，i=0.08", "i1=0.08", "NPV1=-1.66533453693773E-16", "i2=0.09",
              "NPV2=-64.1765770115901", "插值法：i≈i1+(i2-i1)*NPV1/(NPV1-NPV2)=0.08"}},
        // RATE(10, 80, -950, 1000) = 0.0877127440788834.
        Case{"YieldOfABondBelowPar",
             164,
             {{"Text1", "950"}, {"Text2", "80"}, {"Text3", "1000"}, {"Text4", "10"}},
             "Command1",
             {"P=A*(P/A,i,n)+F*(P/F,i,n)，i=0.0877127440788834", "i1=0.08", "NPV1=50", "i2=0.09",
              "NPV2=-14.1765770115901", "插值法：i≈i1+(i2-i1)*NPV1/(NPV1-NPV2)=0.0877910044954517"}},
        Case{"NoPeriodsNoRate",
             164,
             {{"Text1", "950"}, {"Text2", "80"}},
             "Command1",
             {"P=A*(P/A,i,n)+F*(P/F,i,n)，i="}},
        // NPER(8%, 0, -1000, 2000) = ln 2 / ln 1.08 = 9.0064683420005956: ten whole years. Printed
        // from the nearest double, 9.00646834200059487…, as a spreadsheet shows it.
        Case{"PeriodsToDouble",
             164,
             {{"Text1", "1000"}, {"Text3", "2000"}, {"Text5", "0.08"}},
             "Command2",
             {"P=A*(P/A,i,n)+F*(P/F,i,n)，n=9.00646834200059", "所需整期数=10"}},
        // NPER(1%, -100, 5000) = ln 2 / ln 1.01 = 69.6607168935749.
        Case{"PeriodsToRepayALoan",
             164,
             {{"Text1", "5000"}, {"Text2", "100"}, {"Text5", "0.01"}},
             "Command2",
             {"P=A*(P/A,i,n)+F*(P/F,i,n)，n=69.6607168935749", "所需整期数=70"}},
        Case{"PeriodsAtAZeroRate",
             164,
             {{"Text1", "1000"}, {"Text2", "100"}},
             "Command2",
             {"P=A*(P/A,i,n)+F*(P/F,i,n)，n=10", "所需整期数=10"}},
        Case{"PaymentsThatNeverRepay",
             164,
             {{"Text1", "5000"}, {"Text2", "40"}, {"Text5", "0.01"}},
             "Command2",
             {"P=A*(P/A,i,n)+F*(P/F,i,n)，n="}},
        // PMT(10%, 5, -10000) = 2637.97480794745, the capital recovery of a textbook example.
        Case{"CapitalRecovery",
             164,
             {{"Text1", "10000"}, {"Text4", "5"}, {"Text5", "0.1"}},
             "Command3",
             {"A=(P-F*(P/F,i,n))/(P/A,i,n)=2637.97480794745"}},
        Case{"PaymentAtAZeroRate",
             164,
             {{"Text1", "1200"}, {"Text4", "12"}},
             "Command3",
             {"A=(P-F*(P/F,i,n))/(P/A,i,n)=100"}}));

// The schedule's lines after its summary lines and heading.
std::vector<std::string> loan(const char* amount, const char* rate, const char* years, const char* perYear,
                              const char* button) {
    return lines(
        Cli().press(165, {{"Text1", amount}, {"Text2", rate}, {"Text3", years}, {"Text4", perYear}}, button));
}

TEST(LoanSchedule, LevelPaymentMatchesTheSpreadsheetAndEndsAtZero) {
    // PMT(5%/12, 360, -200000) = 1073.64; IPMT of the first month = 833.33, PPMT = 240.31.
    const auto printed = loan("200000", "0.05", "30", "12", "Command1");
    ASSERT_EQ(printed.size(), 4u + 360u);
    EXPECT_EQ(printed[0], "每期还款额=1073.64");
    EXPECT_EQ(printed[3], "期数  还款额  本金  利息  剩余本金");
    EXPECT_EQ(printed[4], "1  1073.64  240.31  833.33  199759.69");
    EXPECT_TRUE(printed.back().starts_with("360  ")) << printed.back();
    EXPECT_TRUE(printed.back().ends_with("  0.00")) << printed.back();
    // The totals are the sums of the lines shown.
    long long paid = 0, interest = 0, principal = 0;
    for (std::size_t k = 4; k < printed.size(); ++k) {
        std::istringstream row(printed[k]);
        std::string period;
        double pay, prin, intr, balance;
        row >> period >> pay >> prin >> intr >> balance;
        paid += std::llround(pay * 100);
        principal += std::llround(prin * 100);
        interest += std::llround(intr * 100);
    }
    EXPECT_EQ(principal, 20000000);
    EXPECT_EQ(printed[1], "还款总额=" + std::to_string(paid / 100) + "." + std::to_string(paid % 100 / 10) +
                              std::to_string(paid % 10));
    EXPECT_EQ(paid - principal, interest);
}

TEST(LoanSchedule, Cases) {
    const struct {
        const char* name;
        const char *amount, *rate, *years, *perYear, *button;
        std::vector<std::string> printed;
    } cases[] = {
        {"one period",
         "1000",
         "0.12",
         "1",
         "1",
         "Command1",
         {"每期还款额=1120.00", "还款总额=1120.00", "利息总额=120.00", "期数  还款额  本金  利息  剩余本金",
          "1  1120.00  1000.00  120.00  0.00"}},
        {"zero rate: principal only",
         "1000",
         "0",
         "0.25",
         "12",
         "Command1",
         {"每期还款额=333.33", "还款总额=1000.00", "利息总额=0.00", "期数  还款额  本金  利息  剩余本金",
          "1  333.33  333.33  0.00  666.67", "2  333.33  333.33  0.00  333.34",
          "3  333.34  333.34  0.00  0.00"}},
        // Level principal: 1000 over 4 quarters at 8 %: 250 a quarter, interest 20, 15, 10, 5.
        {"level principal",
         "1000",
         "0.08",
         "1",
         "4",
         "Command2",
         {"首期还款额=270.00", "末期还款额=255.00", "每期递减额=5.00", "利息总额=50.00",
          "期数  还款额  本金  利息  剩余本金", "1  270.00  250.00  20.00  750.00",
          "2  265.00  250.00  15.00  500.00", "3  260.00  250.00  10.00  250.00",
          "4  255.00  250.00  5.00  0.00"}},
        {"more than 1200 periods",
         "1000",
         "0.05",
         "101",
         "12",
         "Command1",
         {"message\t贷款年数与每年还款次数须为正数，二者之积（还款期数）须为1至1200之间的整数。"}},
        {"not a whole number of periods",
         "1000",
         "0.05",
         "1.5",
         "1",
         "Command2",
         {"message\t贷款年数与每年还款次数须为正数，二者之积（还款期数）须为1至1200之间的整数。"}},
        {"negative years and payments",
         "1000",
         "0.05",
         "-1",
         "-12",
         "Command1",
         {"message\t贷款年数与每年还款次数须为正数，二者之积（还款期数）须为1至1200之间的整数。"}},
        {"no amount", "", "0.05", "1", "12", "Command1", {"message\t贷款金额须大于0，且不超过1万亿。"}},
        {"negative rate", "1000", "-0.05", "1", "12", "Command1", {"message\t年利率须在0至1000%之间。"}},
        {"absurd rate", "1000", "1e300", "1", "12", "Command2", {"message\t年利率须在0至1000%之间。"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loan(c.amount, c.rate, c.years, c.perYear, c.button), c.printed) << c.name;
    EXPECT_EQ(loan("1000", "0.05", "100", "12", "Command2").size(), 4u + 1 + 1200u); // the longest allowed
}

TEST(Tools, ReachedFromTheMenuBarTheirMenuAndTheirKeywords) {
    Cli cli;
    EXPECT_EQ(cli.run("menu 工具\n"), "show\tForm166\n");
    EXPECT_EQ(cli.run("click Form166.Command3\n"), "hide\tForm166\nshow\tForm165\n");
    EXPECT_EQ(cli.run("read Form165.Text4\n"), "text\tForm165.Text4\t12\n");
    const struct {
        const char* keyword;
        int screen;
    } keywords[] = {{"现金流量分析", 163}, {"内含报酬率计算", 163},
                    {"净现值计算", 163},   {"现值指数", 163},
                    {"回收期", 163},       {"投资回收期", 163},
                    {"利率推算", 164},     {"期数推算", 164},
                    {"到期收益率", 164},   {"贷款", 165},
                    {"还款计划", 165},     {"等额本息", 165},
                    {"等额本金", 165},     {"房贷", 165}};
    for (const auto& k : keywords) {
        Cli search;
        EXPECT_EQ(search.run(std::string("type Form1.Text1 ") + k.keyword + "\nclick Form1.Command1\n"),
                  "hide\tForm1\nshow\tForm" + std::to_string(k.screen) + "\n")
            << k.keyword;
    }
}

TEST(Tools, AFaultInTheScanIsReportedAndPrintsNothing) {
    // Flows so large that discounting at -99 % overflows the double range.
    EXPECT_EQ(Cli().press(163, flows("", {"-1e306", "1e306", "1e306"}), "Command3"),
              "fault\tForm163\toverflow\n");
}

} // namespace
