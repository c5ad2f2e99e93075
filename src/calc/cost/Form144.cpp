// Activity-based costing: the overhead of seven production activities charged to products 甲 and
// 乙 through activity rates, each activity's cost over the driver quantity both products need.
#include "calc/cost/NumberedBoxGrid.h"

#include <array>
#include <string_view>

namespace fincalc {

namespace {

using namespace cost;

constexpr int kActivities = 7;

// Row i (from 1) holds its cost in Text(i), the driver quantities of 甲 and 乙 in Text(7 + i) and
// Text(14 + i), its total quantity in Text(21 + i) and its rate in Text(28 + i); its activity and
// driver names stand in Text(42 + i) and Text(35 + i).
constexpr int amountBox(int i) { return i; }
constexpr int quantityBoxA(int i) { return 7 + i; }
constexpr int quantityBoxB(int i) { return 14 + i; }
constexpr int totalBox(int i) { return 21 + i; }
constexpr int rateBox(int i) { return 28 + i; }
constexpr int driverNameBox(int i) { return 35 + i; }
constexpr int activityNameBox(int i) { return 42 + i; }

constexpr std::array<std::string_view, kActivities> kActivityNames{
    "原料处理", "设备维护", "电力消耗", "设备折旧", "产品检验", "物料消耗", "产品包装"};
constexpr std::array<std::string_view, kActivities> kDriverNames{
    "搬运次数-次",   "维护次数-次",   "千瓦小时-度", "机器小时-小时",
    "检验小时-小时", "物料成本-千克", "包装次数-次"};

void allocate(Ctx& c) {
    // The rate boxes as read are each row's rate when its total quantity is not above 0.
    std::array<Num, kActivities + 1> t, r; // by row, from 1
    for (int i = 1; i <= kActivities; ++i)
        r[i] = c.num(rateBox(i));

    for (int i = 1; i <= kActivities; ++i) {
        t[i] = c.num(quantityBoxB(i)) + c.num(quantityBoxA(i));
        c.write(totalBox(i), t[i]);
    }
    for (int i = 1; i <= kActivities; ++i)
        if (t[i] > 0)
            r[i] = c.num(amountBox(i)) / t[i];
    for (int i = 1; i <= kActivities; ++i)
        c.write(rateBox(i), r[i]);

    Num overheadA = 0, overheadB = 0;
    for (int i = 1; i <= kActivities; ++i) {
        overheadA = overheadA + r[i] * c.num(quantityBoxA(i));
        overheadB = overheadB + r[i] * c.num(quantityBoxB(i));
    }
    c.print("甲产品制造费用=", overheadA, "元");
    c.print("乙产品制造费用=", overheadB, "元");
}

} // namespace

ScreenDesign declareForm144() {
    ScreenDesign design(144);
    design.heading("Label1", "生产作业成本动因分配率");
    tableRow(design, 1,
             {heading(56, "作业名称"), heading(50, "金额"), heading(55, "成本动因"),
              heading(51, "甲需要作业量"), heading(52, "乙需要作业量"), heading(53, "合计"),
              heading(54, "分配率")});
    for (int i = 1; i <= kActivities; ++i)
        tableRow(design, 1 + i,
                 {heading(activityNameBox(i), kActivityNames[i - 1]), numbered(amountBox(i)),
                  heading(driverNameBox(i), kDriverNames[i - 1]), numbered(quantityBoxA(i)),
                  numbered(quantityBoxB(i)), numbered(totalBox(i)), numbered(rateBox(i))});
    return design.button("Command1", "确定", allocate)
        .side("Command2", "清空", clearing({{1, 35}}))
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
