// The balance sheet worksheet: two years of assets against liabilities and owners' equity, their
// subtotals and totals, and the liquidity and debt ratios of both years.
#include "calc/statements/Worksheet.h"

namespace fincalc {

namespace {

using namespace statements;

enum Side : std::size_t { kAssets, kLiabilities };

const std::array kBalanceSheet{
    // Assets, row r level with row r of the other side.
    Statement{
        .headings = {{{204, "资产"}, {199, "年初数"}, {200, "年末数"}}},
        .left = 4800,
        .top = 1080,
        .lines =
            {
                heading(166, "流动资产：", 1, 34),
                item(167, "货币资金", 2, 35, "货币资金=库存现金+银行存款+其他货币资金"),
                item(168, "交易性金融资产", 3, 36, "交易性金融资产＝交易性金融资产"),
                item(169, "应收票据", 4, 37, "应收票据=应收票据-应收票据计提的坏账准备"),
                item(170, "应收账款", 5, 38,
                     "应收账款= "
                     "“应收账款”明细账借方余额+“预收账款”明细账借方余额-"
                     "应收账款计提的坏账准备（期末为贷方余额在预收账款填列)"),
                item(171, "预付账款", 6, 39,
                     "预付账款= "
                     "“预付账款”明细账借方余额+“应付账款”明细账借方余额-"
                     "预付账款计提的坏账准备（期末为贷方余额在应付账款填列）"),
                item(172, "应收利息", 7, 40, "应收利息=应收利息-应收利息计提的坏账准备"),
                item(173, "应收股利", 8, 41, "应收股利=应收股利-应收股利计提的坏账准备"),
                item(174, "其他应收款", 9, 42, "其他应收款=其他应收款-其他应收款计提的坏账准备"),
                item(175, "存货", 10, 43,
                     "存货=各种材料＋库存商品＋在产品+半成品+包装物+"
                     "低值易耗品＋委托加工物资＋委托代销商品＋生产成本－代销商品款-存货跌价准备"),
                item(176, "一年内到期的非流动资产", 11, 44, "一年内到期的非流动资产=一年内到期的非流动资产"),
                item(177, "其他流动资产", 12, 45, "其他流动资产=其他流动资产"),
                total(178, "  流动资产合计", 13, 46, sum(1, 11),
                      "流动资产合计＝货币资金+交易性金融资产+应收票据+应收账款+预付款项+应收利息+应收股利+"
                      "其他应收款+存货+一年内到期的非流动资产+其他流动资产"),
                heading(179, "非流动资产：", 14, 47),
                item(180, "可出售金融资产", 15, 48,
                     "可供出售金额资产＝可供出售金额资产－可供出售金额资产减值准备"),
                item(181, "持有至到期投资", 16, 49,
                     "持有至到期投资＝持有至到期投资－持有至到期投资资产减值准备"),
                item(182, "长期应收款", 17, 50, "长期应收款＝长期应收款－坏账准备"),
                item(183, "长期股权投资", 18, 51, "长期股权投资＝长期股权投资－长期股权投资减值准备"),
                item(184, "投资性房地产", 19, 52,
                     "投资性房地产＝投资性房地产－投资性房地产累计折旧（摊销）－投资性房地产减值准备"),
                item(185, "固定资产", 20, 53, "固定资产＝固定地产－累计折旧－固定资产减值准备"),
                item(186, "在建工程", 21, 54, "在建工程＝在建工程－在建工程减值准备"),
                item(187, "工程物资", 22, 55, "工程物资＝工程物资"),
                item(188, "固定资产清理", 23, 56, "固定资产清理＝固定资产清理"),
                item(189, "生产性生物资产", 24, 57,
                     "生产性生物资产＝生产性生物地产－生产性生物资产累计折旧－生产性生物资产减值准备"),
                item(190, "油气资产", 25, 58, "油气资产＝油气地产－累计折耗－油气资产减值准备"),
                item(191, "无形资产", 26, 59, "无形资产＝无形地产－累计摊销－无形资产减值准备"),
                item(192, "开发支出", 27, 60, "开发支出＝研发支出--资本化支出"),
                item(193, "商誉", 28, 61, "商誉＝商誉－商誉减值准备"),
                item(194, "长期待摊费用", 29, 62, "长期待摊费用＝长期待摊费用（减去将于一年内摊销的部分）"),
                item(195, "递延所得税资产", 30, 63, "递延所得税资产＝递延所得税资产"),
                item(196, "其他非流动资产", 31, 64, "其他非流动资产＝其他非流动资产"),
                total(197, "  非流动资产合计", 32, 65, sum(14, 30),
                      "非流动资产合计＝可供出售金额资产+持有至到期投资+长期应收款+长期股权投资+投资性房地产+"
                      "固定资产+在建工程+工程物资+固定资产清理+生产性生物资产+油气资产+无形资产+开发支出+"
                      "商誉+长期待摊费用+递延所得税资产+其他非流动资产"),
                total(198, "    资产合计", 33, 66, {12, 31}, "资产总计＝流动资产合计+非流动资产合计"),
            }},
    // Liabilities and owners' equity.
    Statement{.headings = {{{203, "负债及所有者权益"}, {201, "年初数"}, {202, "年末数"}}},
              .left = 10320,
              .top = 1080,
              .lines =
                  {
                      heading(133, "流动负债：", 67, 100),
                      item(134, "短期借款", 68, 101, "短期借款＝短期借款"),
                      item(135, "交易性金融负债", 69, 102, "交易性金融负债＝交易性金融负债"),
                      item(136, "应付票据", 70, 103, "应付票据＝应付票据"),
                      item(137, "应付账款", 71, 104, "应付账款＝应付账款+预付账款"),
                      item(138, "预收账款", 72, 105, "预收款项＝预收账款+应收账款"),
                      item(139, "应付职工薪酬", 73, 106, "应付职工薪酬＝应付职工薪酬"),
                      item(140, "应交税费", 74, 107, "应交税费＝应交税费"),
                      item(141, "应付利息", 75, 108, "应付利息＝应付利息"),
                      item(142, "应付股利", 76, 109, "应付股利＝应付股利"),
                      item(143, "其他应付款", 77, 110, "其他应付款＝其他应付款"),
                      item(144, "一年内到期的非流动负债", 78, 111,
                           "一年内到期的非流动负债＝一年内到期的非流动负债"),
                      item(145, "其他流动负债", 79, 112, "其他流动负债＝其他流动负债"),
                      total(146, "  流动负债合计", 80, 113, sum(1, 12),
                            "流动负债合计＝短期借款+交易性金融负债+应付票据+应付账款+预收款项+应付职工薪酬+"
                            "应交税费+应付利息+应付股利+其他应付款+一年内到期的非流动负债+其他流动负债"),
                      heading(147, "非流动负债：", 81, 114),
                      item(148, "长期借款", 82, 115, "长期借款＝长期借款"),
                      item(149, "应付债券", 83, 116, "应付债券＝应付债券"),
                      item(150, "长期应付款", 84, 117, "长期应付款＝长期应付款"),
                      item(151, "专项应付款", 85, 118, "专项应付款＝专项应付款"),
                      item(152, "预计负债", 86, 119, "预计负债＝预计负债"),
                      item(153, "递延所得税负债", 87, 120, "递延所得税负债＝递延所得税负债"),
                      item(154, "其他非流动负债", 88, 121, "其他非流动负债＝其他非流动负债"),
                      total(155, "  非流动负债合计", 89, 122, sum(15, 21),
                            "非流动负债合计＝长期借款+应付债券+长期应付款+专项应付款+预计负债+递延所得税负债+"
                            "其他非流动负债"),
                      total(156, "    负债合计", 90, 123, {13, 22}, "负债合计＝流动负债合计+非流动负债合计"),
                      heading(157, "所有者权益：", 91, 124),
                      item(158, "实收资本（或股本）", 92, 125, "实收资本（或股本）＝实收资本（或股本）"),
                      item(159, "资本公积", 93, 126, "资本公积＝资本公积"),
                      item(160, "减：库存股", 94, 127, ""),
                      item(161, "盈余公积", 95, 128, "盈余公积＝盈余公积"),
                      item(162, "未分配利润", 96, 129, "未分配利润＝利润分配+本年利润"),
                      total(163, "    所有者权益合计", 97, 130, sum(25, 29),
                            "所有者权益（股东权益合计）＝实收资本（或股本）+资本公积+盈余公积+未分配利润"),
                      blank(164, 98, 131),
                      total(165, "负债及所有者权益合计", 99, 132,
                            {23, 30}, "负债和所有者权益＝负债合计+股东权益合计"),
                  }},
};

const std::array<Caption, 1> kCaptions{{{"Label1", "资产负债表汇总", 240, 0, 2}}};

void writeTotals(Ctx& c) { Figures(c, kBalanceSheet).writeTotals(c); }

// The ratios come from the totals just computed, not from the boxes.
void analyse(Ctx& c) {
    const Figures figures(c, kBalanceSheet);
    figures.writeTotals(c);
    const auto current = [&](int year) {
        const Num assets = figures.at(kAssets, 12, year), liabilities = figures.at(kLiabilities, 13, year);
        return when(liabilities > 0, [&] { return assets / liabilities; });
    };
    const auto quick = [&](int year) {
        const Num assets = figures.at(kAssets, 12, year), inventory = figures.at(kAssets, 9, year),
                  liabilities = figures.at(kLiabilities, 13, year);
        return when(liabilities > 0, [&] { return (assets - inventory) / liabilities; });
    };
    const auto debt = [&](int year) {
        const Num assets = figures.at(kAssets, 32, year), liabilities = figures.at(kLiabilities, 23, year);
        return when(assets > 0, [&] { return liabilities / assets; });
    };
    Analysis out(c, 6);
    out.line("年初流动比率", current(kOpening));
    out.line("年末流动比率", current(kClosing));
    out.line("年初速动比率", quick(kOpening));
    out.line("年末速动比率", quick(kClosing));
    out.line("年初资产负债率", debt(kOpening));
    out.line("年末资产负债率", debt(kClosing));
}

} // namespace

ScreenDesign declareForm62() {
    ScreenDesign design(62);
    layOut(design, kCaptions, kBalanceSheet);
    return design.button("Command1", "确定", writeTotals)
        .side("Command2", "清空",
              [](Ctx& c) {
                  c.clearFields(1, 132);
                  c.clearOutput();
              })
        .button("Command3", "分析", analyse)
        .exit("Command4");
}

} // namespace fincalc
