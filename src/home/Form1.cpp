// The home screen: the keyword search and the menu bar of categories.
#include "app/Session.h"
#include "home/SearchTable.h"

namespace fincalc {

namespace {

// Every row whose keyword is the search box's whole text, in row order; none stops the search.
void search(Ctx& c) {
    for (const SearchEntry& row : searchTable()) {
        if (c.text("Text1") != row.keyword)
            continue;
        switch (row.kind) {
        case SearchKind::OpenScreen:
            if (c.exists(row.target)) {
                c.hide(1);
                c.show(row.target);
            }
            break;
        case SearchKind::ShowDefinition:
            c.message(row.text);
            break;
        case SearchKind::PrintFormula:
            c.print(row.text);
            break;
        }
    }
}

Handler showMenu(int screen) {
    return [screen](Ctx& c) { c.show(screen); };
}

} // namespace

ScreenDesign declareForm1() {
    return ScreenDesign(1)
        .heading("Label1", "财务管理计算")
        .box("Text1", 1, 0)
        .button("Command1", "确定", search)
        .button("Command4", "清除", [](Ctx& c) { c.setText("Text1", {}); })
        .cancel("Command3")
        .side("Command2", "退出", [](Ctx& c) { c.end(); })
        .buttonColumns(2)
        .menuItem("利率", "利率/年金", showMenu(32))
        .menuItem("收益", "收益/风险", showMenu(33))
        .menuItem("预计量", "预计量/预算", showMenu(34))
        .menuItem("报表", "财务报表", showMenu(80))
        .menuItem("资金", "资金/资本成本率", showMenu(94))
        .menuItem("杠杆", "杠杆系数", showMenu(95))
        .menuItem("净值", "净值/年金成本", showMenu(100))
        .menuItem("股票", "股票/债券/基金", showMenu(105))
        .menuItem("成本", "成本管理", showMenu(148))
        .menuItem("定价", "定价", showMenu(162))
        .menuItem("名词", "名词/公式", [](Ctx& c) { c.message("请在空格中输入名词"); })
        .menuItem("工具", "工具", showMenu(166));
}

} // namespace fincalc
