// Variable cost by account analysis: seven cost accounts, each wholly variable or wholly fixed,
// give the fixed cost and the variable cost per unit of output.
#include "app/Session.h"

#include <array>
#include <string>
#include <string_view>

namespace fincalc {

namespace {

enum class Kind { Variable, Fixed, Total };

// One row of the sheet: its name and its total, fixed and variable cost boxes.
struct Row {
    int nameBox;
    std::string_view name;
    int totalBox;
    int fixedBox;
    int variableBox;
    Kind kind;
};

// The variable accounts stand above the fixed ones, so copying row by row copies every variable
// cost before the fixed ones.
constexpr std::array kRows{
    Row{25, "原材料", 1, 9, 17, Kind::Variable},        Row{26, "直接人工", 2, 10, 18, Kind::Variable},
    Row{27, "燃料、动力费", 3, 11, 19, Kind::Variable}, Row{28, "维修费", 4, 12, 20, Kind::Variable},
    Row{29, "间接人工", 5, 13, 21, Kind::Variable},     Row{30, "折旧", 6, 14, 22, Kind::Fixed},
    Row{31, "行政管理费", 7, 15, 23, Kind::Fixed},      Row{32, "合计", 8, 16, 24, Kind::Total},
};
constexpr Row kTotal = kRows.back();
constexpr int kVolumeBox = 37;

// The cell an account's total is copied into; its other cost cell takes no part in anything.
constexpr int classifiedBox(const Row& row) {
    return row.kind == Kind::Variable ? row.variableBox : row.fixedBox;
}

void analyse(Ctx& c) {
    const auto grid = c.nums<24>(1); // the whole grid is read; only the accounts' totals are used
    const Num Q = c.num(kVolumeBox);
    const auto cost = [&](const Row& row) { return grid[row.totalBox - 1]; };
    Num total = 0, fixed = 0, variable = 0;
    for (const Row& row : kRows)
        if (row.kind != Kind::Total) {
            total += cost(row);
            (row.kind == Kind::Variable ? variable : fixed) += cost(row);
        }
    Value unitVariable;
    if (Q > 0)
        unitVariable = variable / Q;

    for (const Row& row : kRows)
        if (row.kind != Kind::Total)
            c.write(classifiedBox(row), cost(row));
    c.write(kTotal.totalBox, total);
    c.write(kTotal.fixedBox, fixed);
    c.write(kTotal.variableBox, variable);
    c.print("固定成本", fixed);
    c.print("单位变动成本", unitVariable);
}

} // namespace

ScreenDesign declareForm126() {
    ScreenDesign design(126);
    design.heading("Label2", "变动成本账户分类法")
        .box("Text36", 1, 0, "账户")
        .box("Text33", 1, 1, "总成本")
        .box("Text34", 1, 2, "固定成本")
        .box("Text35", 1, 3, "变动成本");
    // Every data box starts with its own number, but an account's cell outside its class is empty.
    const auto numbered = [](int box, bool shown) { return shown ? std::to_string(box) : std::string(); };
    int line = 2;
    for (const Row& row : kRows) {
        design.box(fieldName(row.nameBox), line, 0, std::string(row.name))
            .box(fieldName(row.totalBox), line, 1, std::to_string(row.totalBox))
            .box(fieldName(row.fixedBox), line, 2, numbered(row.fixedBox, row.kind != Kind::Variable))
            .box(fieldName(row.variableBox), line, 3, numbered(row.variableBox, row.kind != Kind::Fixed));
        ++line;
    }
    design.field(fieldName(kVolumeBox), "产量", "Label1");
    design.find(fieldName(kVolumeBox))->text = std::to_string(kVolumeBox);
    return design.button("Command1", "确定", analyse)
        .side("Command2", "清空",
              [](Ctx& c) {
                  c.clearFields(1, 24);
                  c.clearFields(kVolumeBox, kVolumeBox);
              })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
