// Reading what people type and printing results.
#include "app/Number.h"
#include "app/Arith.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

using namespace fincalc;

TEST(ReadNumber, ReadsTheNumberAtTheStartOfTheText) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"0.5", 0.5},
        {".5", 0.5},
        {"-3", -3},
        {"+7", 7},
        {"-.25", -0.25},
        {"1.5E3", 1500},
        {"1.5e3", 1500},
        {"2E-2", 0.02},
        {"3e", 3},  // an exponent needs digits
        {"3e+", 3}, // likewise
        {"12abc", 12},
        {"1.2.3", 1.2},
        {"-", 0},
        {".", 0},
        {"- 5", 0},
        {"   42", 42}, // leading blanks are skipped
        {"\t-1.5x", -1.5},
        {"4 2", 4}, // a blank ends the number
        // digit groups: a comma is a separator only when exactly three digits follow it
        {"1,000", 1000},
        {"12,345.6", 12345.6},
        {"1,234,567", 1234567},
        {"1,5", 1},
        {"1,0000", 1},
        {"1,00", 1},
        {",000", 0},
        {"1,000,00", 1000},
        // percent right after the number
        {"8%", 0.08},
        {"12.5%", 0.125},
        {"8 %", 8},
        {"1,000%", 10},
        {"1e2%", 1},
        // full-width forms from Chinese input methods
        {"１２３", 123},
        {"０．５", 0.5},
        {"０。５", 0.5},
        {"。５", 0.5},
        {"－３", -3},
        {"８％", 0.08},
        {"１，０００", 1000},
        {"１Ｅ３", 1000},
        {"\xE3\x80\x80"
         "7",
         7}, // ideographic space
        {"七", 0},
        {"5元", 5},
        // tiny numbers round to zero
        {"1e-400", 0},
        {"4.9e-324", 4.9e-324},
        {"0.000000000000000000000000000000000000000000000000000000000000000001e-300", 0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"0e999999999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadNumber, NumbersBeyondTheDoubleRangeAreAnOverflowFault) {
    for (const char* text :
         {"1e309", "-1e309", "1,000e308", "99999999999999999999e300", "1e99999999999999999999", "０.1e310",
          "17976931348623159077293051907890247336179769789423065727343008115773267580"
          "550096313270847732240753602112011387987139335765878976881441662249284743"
          "063947412437776789342486548527630221960124609411945308295208500576883815"
          "068234246288147391311054082723716335051068458629823994724593847971630483"
          "5356329624224137216"}) {
        try {
            ReadNumber(text);
            ADD_FAILURE() << text << " read without a fault";
        } catch (const ArithmeticFault& f) {
            EXPECT_EQ(f.kind(), FaultKind::Overflow) << text;
        }
    }
}

TEST(ReadNumber, MalformedUtf8IsNeverANumberAndNeverACrash) {
    EXPECT_EQ(ReadNumber("\xFF"
                         "12"),
              0);
    EXPECT_EQ(ReadNumber("12\xE3\x80"), 12);
    EXPECT_EQ(ReadNumber("\xEF\xBC"), 0);
}

// What a workbook stores as a number: a text that is one number and nothing else.
TEST(ReadWholeNumber, OnlyATextThatIsOneNumber) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"0.1", 0.1},
        {"1,000", 1000},
        {" -3 ", -3},
        {"８％", 0.08},
        {"１２３。５", 123.5},
        {"1.5E3", 1500},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"12abc", std::nullopt},
        {"1,00", std::nullopt},
        {"8 %", std::nullopt},
        {"-", std::nullopt},
        {"1e309", std::nullopt},
        {"货币资金", std::nullopt},
        {"=1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadWholeNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(FormatNumber, FifteenSignificantDigitsLikePrintfG) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-3, "-3"},
        {0.5, "0.5"},
        {2000, "2000"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {1000 / 1.21, "826.446280991736"},
        {0.1 + 0.2, "0.3"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},
        {1.5e20, "1.5E+20"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {1e-5, "1E-05"},
        {-2.5e-7, "-2.5E-07"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
        {5e-324, "4.94065645841247E-324"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value), c.text) << c.value;
}

TEST(Arithmetic, EachFaultKindIsRaisedAtOnce) {
    const auto kindOf = [](auto operation) -> std::optional<FaultKind> {
        try {
            operation();
            return std::nullopt;
        } catch (const ArithmeticFault& f) {
            return f.kind();
        }
    };
    const Num zero, one = 1, big = 1e300;
    EXPECT_EQ(kindOf([&] { return one / zero; }), FaultKind::DivisionByZero);
    EXPECT_EQ(kindOf([&] { return -one / zero; }), FaultKind::DivisionByZero);
    EXPECT_EQ(kindOf([&] { return zero / zero; }), FaultKind::InvalidOperation);
    EXPECT_EQ(kindOf([&] { return big * big; }), FaultKind::Overflow);
    EXPECT_EQ(kindOf([&] { return -big * big; }), FaultKind::Overflow);
    EXPECT_EQ(kindOf([&] { return big * 1e10 + big * 1e8; }), FaultKind::Overflow);
    EXPECT_EQ(kindOf([&] { return Num(1e308) + Num(1e308); }), FaultKind::Overflow);
    // Intermediates keep extra digits but not extra range.
    EXPECT_EQ(kindOf([&] { return Num(1.7e308) * 2 / 4; }), FaultKind::Overflow);
    EXPECT_EQ(kindOf([&] { return big / Num(1e-10); }), FaultKind::Overflow);
    EXPECT_EQ(kindOf([&] { return sqrt(Num(-1)); }), FaultKind::InvalidOperation);
    EXPECT_EQ(kindOf([&] { return pow(Num(-8), Num(1.0 / 3)); }), FaultKind::InvalidOperation);
    EXPECT_EQ(kindOf([&] { return pow(zero, Num(-1)); }), FaultKind::DivisionByZero);
    EXPECT_EQ(kindOf([&] { return pow(Num(10), Num(400)); }), FaultKind::Overflow);
    Num accumulated = 1e308;
    EXPECT_EQ(kindOf([&] { return accumulated *= 10; }), FaultKind::Overflow);

    // No fault: underflow rounds to zero, a negative base with a whole exponent is fine.
    EXPECT_EQ(kindOf([&] { return Num(1e-300) * Num(1e-300); }), std::nullopt);
    EXPECT_EQ((Num(1e-300) * Num(1e-300)).toDouble(), 0);
    EXPECT_EQ(pow(Num(-2), Num(3)).value(), -8);
    EXPECT_EQ(pow(zero, zero).value(), 1);
    EXPECT_EQ(sqrt(Num(0)).value(), 0);
}

TEST(Arithmetic, ChainedOperationsAreRightToTheLastPrintedDigit) {
    // In plain doubles 1000 × 1.1^-2 is 826.4462809917354 and prints ...735; the true value is
    // 826.44628099173553...; likewise an annuity payment and a quarterly discount.
    const Num i = 0.1;
    EXPECT_EQ(FormatNumber((pow(1 + i, Num(-2)) * 1000).toDouble()), "826.446280991736");
    EXPECT_EQ(FormatNumber((Num(1000) * i / (1 - pow(1 + i, Num(-3)))).toDouble()), "402.114803625378");
    EXPECT_EQ(FormatNumber((Num(1000) / pow(1 + Num(0.12) / 4, Num(8))).toDouble()), "789.409234313936");
}

TEST(Arithmetic, AnEmptyValueCountsAsZeroAndPrintsAsNothing) {
    Value v;
    EXPECT_TRUE(v.empty());
    EXPECT_EQ((v + 2).value(), 2);
    EXPECT_FALSE(v > 0);
    EXPECT_TRUE(v == 0);
    v += 3;
    EXPECT_FALSE(v.empty());
    EXPECT_EQ(v.num().value(), 3);
    Value assigned = Num(1) / Num(4);
    EXPECT_EQ(assigned.num().value(), 0.25);
}
