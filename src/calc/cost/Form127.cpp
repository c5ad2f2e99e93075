// A three-product mix: each product's contribution margin ratio and share of sales, the weighted
// ratio, and the break-even sales of the mix and of each product.
#include "calc/cost/NumberedBoxGrid.h"

#include <array>

namespace fincalc {

namespace {

using namespace cost;

constexpr int kProducts = 3; // A, B and C
using PerProduct = std::array<Value, kProducts>;

// Each product's column holds its price, expected volume and unit variable cost.
struct Mix {
    explicit Mix(const Ctx& c) : F(c.num(17)) {
        for (int k = 0; k < kProducts; ++k) {
            p[k] = c.num(1 + 3 * k);
            q[k] = c.num(2 + 3 * k);
            v[k] = c.num(3 + 3 * k);
        }
    }

    PerProduct marginRatios() const {
        PerProduct ratio;
        for (int k = 0; k < kProducts; ++k)
            if (p[k] > 0)
                ratio[k] = (p[k] - v[k]) / p[k];
        return ratio;
    }

    // Each product's share of the sales revenue.
    PerProduct salesWeights() const {
        const Num R = p[0] * q[0] + p[1] * q[1] + p[2] * q[2];
        PerProduct weight;
        for (int k = 0; k < kProducts; ++k)
            if (R > 0)
                weight[k] = (q[k] * p[k]) / R;
        return weight;
    }

    std::array<Num, kProducts> p, q, v;
    Num F;
};

Num weightedRatio(const PerProduct& ratio, const PerProduct& weight) {
    return ratio[0] * weight[0] + ratio[1] * weight[1] + ratio[2] * weight[2];
}

void marginRatios(Ctx& c) {
    const Mix mix(c);
    const PerProduct ratio = mix.marginRatios();
    const Value z = weightedRatio(ratio, mix.salesWeights());
    c.print("A产品边际贡献率=（单价-单位变动成本）/单价=", ratio[0]);
    c.print("B产品边际贡献率=（单价-单位变动成本）/单价=", ratio[1]);
    c.print("C产品边际贡献率=（单价-单位变动成本）/单价=", ratio[2]);
    c.print("综合边际贡献率=∑（每种边际贡献率*每种销售比重）=", z);
}

void salesWeights(Ctx& c) {
    const PerProduct weight = Mix(c).salesWeights();
    c.print("A产品销售比重=单个销售量/总销售量=", weight[0]);
    c.print("B产品销售比重=单个销售量/总销售量=", weight[1]);
    c.print("C产品销售比重=单个销售量/总销售量=", weight[2]);
}

void breakEvenSales(Ctx& c) {
    const Mix mix(c);
    const PerProduct ratio = mix.marginRatios();
    const PerProduct weight = mix.salesWeights();
    const Num z = weightedRatio(ratio, weight);
    Value B0;
    if (z > 0)
        B0 = mix.F / z;
    PerProduct share;
    for (int k = 0; k < kProducts; ++k)
        share[k] = B0 * weight[k]; // 0 for an empty mix break-even or weight
    c.print("综合保本销售额=固定成本总额/综合边际贡献率=", B0);
    c.print("A产品保本销售额=综合保本销售额*销售比重=", share[0]);
    c.print("B产品保本销售额=综合保本销售额*销售比重=", share[1]);
    c.print("C产品保本销售额=综合保本销售额*销售比重=", share[2]);
}

} // namespace

ScreenDesign declareForm127() {
    ScreenDesign design(127);
    tableRow(design, 0, {heading(16, "产品"), heading(13, "A"), heading(14, "B"), heading(15, "C")});
    tableRow(design, 1, {heading(10, "销售单价"), numbered(1), numbered(4), numbered(7)});
    tableRow(design, 2, {heading(11, "预计销售量"), numbered(2), numbered(5), numbered(8)});
    tableRow(design, 3, {heading(12, "单位变动成本"), numbered(3), numbered(6), numbered(9)});
    return design.field("Text17", "固定成本总额", 4, 0, "Label1", "17")
        .button("Command1", "边际贡献率", marginRatios)
        .button("Command2", "销售比重", salesWeights)
        .button("Command3", "保本销售额", breakEvenSales)
        .cancel("Command4")
        .side("Command5", "清空", clearing({{1, 9}, {17, 17}}))
        .exit("Command6");
}

} // namespace fincalc
