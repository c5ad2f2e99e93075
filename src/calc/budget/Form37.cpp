// The projected cash-receipts table: four periods' sales, each collected over the period of sale
// and the two after it, with the receivables left from before collected in periods 一 and 二.
#include "calc/budget/Table.h"

namespace fincalc {

namespace {

using namespace budget;

// Rows 2 to 5 of the table hold what each period's sales bring in; the cells of sales not yet
// made or already collected (Text3-5, Text10, Text11, Text13, Text17, Text19, Text20) are never
// written, and the user's text there is ignored.
void compute(Ctx& ctx) {
    const auto cells = ctx.nums<30>(1); // the whole table is read, but only its opening receivables count
    const Num O1 = cells[0], O2 = cells[6];
    const auto [S1, S2, S3, S4] = ctx.nums<4>(44);
    const auto [a, b, c] = ctx.nums<3>(53); // shares collected in the period of sale, the next, the one after
    const Num R1 = S1 * a + O1, R2 = S1 * b + O2 + S2 * a, R3 = S2 * b + S1 * c + S3 * a,
              R4 = S3 * b + S2 * c + S4 * a;
    const Num fromS1 = S1 * a + S1 * b + S1 * c, fromS2 = S2 * b + S2 * a + S2 * c, fromS3 = S3 * b + S3 * a,
              fromS4 = S4 * a;
    const Num whole = O1 + O2 + fromS1 + fromS2 + fromS3 + fromS4;
    const Num closing = S4 * (b + c) + S3 * c, third = S3 * (b + c) + S2 * c;
    writeBack(ctx, {
                       {2, S1 * a},  {6, R1},       {8, S1 * b},  {9, S2 * a},  {12, R2},     {14, S1 * c},
                       {15, S2 * b}, {16, S3 * a},  {18, R3},     {21, S2 * c}, {22, S3 * b}, {23, S4 * a},
                       {24, R4},     {25, O1 + O2}, {26, fromS1}, {27, fromS2}, {28, fromS3}, {29, fromS4},
                       {6, R1},      {12, R2},      {18, R3},     {24, R4},     {30, whole},
                   });
    ctx.print("期末应收账款=第四期销售收入*（下期收现率+后期收现率）+第三期销售收入*后期收现率=", closing);
    ctx.print("第三期应收账款=", third);
}

void clear(Ctx& ctx) {
    ctx.clearFields(1, 30);
    ctx.clearFields(44, 47);
    ctx.clearFields(53, 55);
    ctx.clearOutput();
}

} // namespace

ScreenDesign declareForm37() {
    ScreenDesign design(37);
    design.heading("Label1", "预计现金收入表");
    table(design, 1, 0,
          {
              {{42, "期数"}, {31, "一"}, {32, "二"}, {33, "三"}, {34, "四"}, {35, "全期"}},
              {{36, "上期末应收"}, {1}, {7}, {13}, {19}, {25}},
              {{37}, {2}, {8}, {14}, {20}, {26}},
              {{38}, {3}, {9}, {15}, {21}, {27}},
              {{39}, {4}, {10}, {16}, {22}, {28}},
              {{40}, {5}, {11}, {17}, {23}, {29}},
              {{41, "现金收入合计"}, {6}, {12}, {18}, {24}, {30}},
          });
    design.heading("Label2", "销售预算表");
    // The sales stand one column to the right of the periods above them.
    table(design, 9, 1,
          {
              {{48, "期数"}, {49, "一"}, {50, "二"}, {51, "三"}, {52, "四"}},
              {{43, "收入"}, {44}, {45}, {46}, {47}},
          });
    design.field("Text53", "本期现金收入比例", 11, 1, "Label3")
        .field("Text54", "下期现金收入比例", 11, 4, "Label4")
        .field("Text55", "后期现金收入比例", 12, 1, "Label5")
        .button("Command1", "计算", compute)
        .side("Command2", "清除", clear)
        .exit("Command3");
    return design;
}

} // namespace fincalc
