// The income statement, condensed balance sheet and cash flow worksheet: the statements'
// subtotals, and an analysis of profitability, turnover, solvency and cash flow.
#include "calc/statements/Worksheet.h"

namespace fincalc {

namespace {

using namespace statements;

enum Sheet : std::size_t { kIncome, kAssets, kLiabilities, kCashFlow };

const std::array kStatements{
    // Income statement: last year, current period.
    Statement{.headings = {{{42, "项目"}, {40, "上年"}, {41, "本期"}}},
              .left = 5040,
              .top = 960,
              .firstLine = 1,
              .numberedAmounts = true,
              .lines =
                  {
                      item(27, "主营业务收入", 1, 14),
                      item(28, "主营业务成本", 2, 15),
                      item(29, "营业税金及附加", 3, 16),
                      total(30, "主营业务利润", 4, 17, {1, -2, -3}),
                      item(31, "其他业务利润", 5, 18),
                      item(32, "销售费用", 6, 19),
                      item(33, "管理费用", 7, 20),
                      item(34, "财务费用", 8, 21),
                      total(35, "营业利润", 9, 22, {5, 4, -6, -7, -8}),
                      item(36, "投资收益", 10, 23),
                      total(37, "利润总额", 11, 24, {10, 9}),
                      item(38, "所得税", 12, 25),
                      total(39, "净利润", 13, 26, {11, -12}),
                  }},
    // Condensed balance sheet, assets: start and end of the period.
    Statement{.headings = {{{114, "项目"}, {109, "期初"}, {110, "期末"}}},
              .left = 5040,
              .top = 7680,
              .firstLine = 1,
              .numberedAmounts = true,
              .lines =
                  {
                      item(98, "货币资金", 43, 54),
                      item(99, "交易性金融资产", 44, 55),
                      item(100, "应收款项", 45, 56),
                      item(101, "存货", 46, 57),
                      total(102, "流动资产合计", 47, 58, sum(1, 4)),
                      item(103, "长期投资", 48, 59),
                      item(104, "固定资产净值", 49, 60),
                      item(105, "无形资产", 50, 61),
                      item(106, "其他资产", 51, 62),
                      total(107, "长期资产合计", 52, 63, sum(6, 9)),
                      total(108, "总计", 53, 64, {5, 10}),
                  }},
    // Condensed balance sheet, liabilities and owners' equity.
    Statement{.headings = {{{113, "项目"}, {111, "期初"}, {112, "期末"}}},
              .left = 8400,
              .top = 7680,
              .firstLine = 1,
              .numberedAmounts = true,
              .lines =
                  {
                      item(87, "流动负债", 65, 76),
                      item(88, "长期负债", 66, 77),
                      total(89, "负债合计", 67, 78, {1, 2}),
                      blank(90, 68, 79),
                      blank(91, 69, 80),
                      item(92, "资本公积", 70, 81),
                      item(93, "实收资本", 71, 82),
                      item(94, "盈余公积", 72, 83),
                      item(95, "未分配利润", 73, 84),
                      total(96, "所有者权益合计", 74, 85, sum(6, 9)),
                      total(97, "总计", 75, 86, {10, 3}),
                  }},
    // Cash flow statement: last year, current period. Its box numbers leave line order from line 17 on.
    Statement{.headings = {{{165, "项目"}, {163, "上年"}, {164, "本期"}}},
              .left = 12000,
              .top = 1080,
              .firstLine = 1,
              .numberedAmounts = true,
              .lines =
                  {
                      heading(147, "一、经营活动产生的现金流量", 115, 131),
                      item(148, "销售现金", 116, 132),
                      item(149, "收到其他现金", 117, 133),
                      item(150, "支付现金", 118, 134),
                      item(151, "支付工薪", 119, 135),
                      item(152, "支付税费", 120, 136),
                      item(153, "支付其他现金", 121, 137),
                      total(154, "经营活动产生的现金流量净额", 122, 138, {2, 3, -4, -5, -6, -7}),
                      heading(155, "二、投资活动产生的现金流量", 123, 139),
                      item(156, "收回长期现金", 124, 140),
                      item(157, "取得投资现金", 125, 141),
                      item(158, "处置资产回收现金", 126, 142),
                      item(159, "投资支付现金", 127, 143),
                      item(160, "构建非流动资产支付现金", 128, 144),
                      total(161, "投资活动产生的现金流量净额", 129, 145, {10, 11, 12, -13, -14}),
                      heading(162, "三、筹资活动产生的现金流量", 130, 146),
                      item(172, "吸收投资、借款取得现金", 166, 169),
                      item(173, "偿还债务、股利支付现金", 167, 170),
                      total(174, "筹资活动产生的现金流量净额", 168, 171, {17, -18}),
                      unread(176, "四、汇率变动的影响", 180, 178),
                      unread(175, "五、现金及等价物的净增加额", 179, 177),
                  }},
};

const std::array<Caption, 3> kCaptions{{
    {"Label1", "利润表", 120, 0},
    {"Label2", "资产负债表（简）", 6720, 0, 2},
    {"Label3", "现金流量表", 240, 2},
}};

// Every amount box, in the order "清空" empties them.
constexpr std::array<std::pair<int, int>, 5> kAmountBoxes{
    {{1, 26}, {43, 86}, {115, 146}, {166, 171}, {177, 180}}};

void writeTotals(Ctx& c) { Figures(c, kStatements).writeTotals(c); }

// 360 days over a turnover: empty when the turnover is zero.
Value days(Num turnover) {
    return when(turnover != 0, [&] { return 360 / turnover; });
}

// The current period's income and cash flow against the balance sheet at both dates (0: start,
// 1: end), from the totals just computed, not from the boxes.
void analyse(Ctx& c) {
    const Figures f(c, kStatements);
    f.writeTotals(c);
    const auto now = [&](Sheet sheet, int line) { return f.at(sheet, line, kClosing); };
    const Num R = now(kIncome, 1), C = now(kIncome, 2), G = now(kIncome, 4), selling = now(kIncome, 6),
              admin = now(kIncome, 7), I = now(kIncome, 8), P = now(kIncome, 11), T = now(kIncome, 12),
              N = now(kIncome, 13), O = now(kCashFlow, 8);
    const Num A0 = f.at(kAssets, 11, kOpening), A1 = f.at(kAssets, 11, kClosing);
    const Num CA0 = f.at(kAssets, 5, kOpening), CA1 = f.at(kAssets, 5, kClosing);
    const Num V0 = f.at(kAssets, 4, kOpening), V1 = f.at(kAssets, 4, kClosing);
    const Num AR0 = f.at(kAssets, 3, kOpening), AR1 = f.at(kAssets, 3, kClosing);
    const Num M1 = f.at(kAssets, 1, kClosing);
    const Num CL1 = f.at(kLiabilities, 1, kClosing), LL1 = f.at(kLiabilities, 2, kClosing);
    const Num L1 = CL1 + LL1;
    const Num E0 = f.at(kLiabilities, 10, kOpening), E1 = f.at(kLiabilities, 10, kClosing);

    Analysis out(c, 22);
    out.line("净资产收益率", when(E0 + E1 > 0, [&] { return N / ((E0 + E1) / 2); }));
    out.line("总资产报酬率", when(A0 + A1 > 0, [&] { return (P + I) / ((A0 + A1) / 2); }));
    out.line("资本保值增值率", when(E0 > 0, [&] { return E1 / E0; }));
    out.line("主营业务利润率", when(R > 0, [&] { return G / R; }));
    const Num costs = selling + C + admin + I;
    out.line("成本费用利润率", when(costs > 0, [&] { return P / costs; }));
    out.line("总资产周转率", when(A0 + A1 > 0, [&] { return days(R / ((A0 + A1) / 2)); }));
    out.line("流动资产周转率", when(CA1 + CA0 > 0, [&] { return days(R / ((CA1 + CA0) / 2)); }));
    out.line("存货周转率", when(V1 + V0 > 0, [&] { return days(C / ((V1 + V0) / 2)); }));
    out.line("应收账款周转率", when(AR1 + AR0 > 0, [&] { return days(R / ((AR1 + AR0) / 2)); }));
    out.line("资产负债率", when(L1 + E1 > 0, [&] { return L1 / (L1 + E1); }));
    out.line("流动比率", when(CL1 > 0, [&] { return CA1 / CL1; }));
    out.line("速动比率", when(CL1 > 0, [&] { return (CA1 - V1) / CL1; }));
    out.line("现金比率", when(CL1 > 0, [&] { return M1 / CL1; }));
    out.line("产权比率", when(E1 > 0, [&] { return L1 / E1; }));
    out.line("权益乘数", when(E1 > 0, [&] { return (L1 + E1) / E1; }));
    out.line("长期资本负债率", when(E1 > 0 && LL1 + E1 > 0, [&] { return LL1 / (LL1 + E1); }));
    out.line("利息保障倍数", when(I > 0, [&] { return (I + N + T) / I; }));
    out.line("利息保障倍数", when(I > 0, [&] { return O / I; }));
    out.line("现金流量与负债比率", when(L1 > 0, [&] { return O / L1; }));
    out.line("营业净利率", when(R > 0, [&] { return N / R; }));
    out.line("权益净利率", when(E1 > 0, [&] { return N / E1; }));
    out.line("现金流量比率", when(CL1 > 0, [&] { return O / CL1; }));
}

} // namespace

ScreenDesign declareForm63() {
    ScreenDesign design(63);
    layOut(design, kCaptions, kStatements);
    return design.cancel("Command5")
        .button("Command1", "确定", writeTotals)
        .side("Command2", "清空",
              [](Ctx& c) {
                  for (const auto& [first, last] : kAmountBoxes)
                      c.clearFields(first, last);
              })
        .button("Command3", "分析", analyse)
        .exit("Command4");
}

} // namespace fincalc
