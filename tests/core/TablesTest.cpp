// Invariants of the keyword table and the navigation table, checked from the tables themselves.
#include "Cli.h"

#include "app/Catalogue.h"
#include "home/SearchTable.h"
#include "menus/Navigation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace fincalc;
using fincalc::test::Cli;

TEST(SearchTable, HasItsThreeBlocksInOrder) {
    const auto table = searchTable();
    ASSERT_EQ(table.size(), 473u + toolRows().size());
    std::map<SearchKind, int> counts;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const SearchEntry& row = table[i];
        ++counts[row.kind];
        EXPECT_FALSE(row.keyword.empty()) << "row " << i + 1;
        const SearchKind expected = i < 215   ? SearchKind::OpenScreen
                                    : i < 320 ? SearchKind::ShowDefinition
                                    : i < 473 ? SearchKind::PrintFormula
                                              : SearchKind::OpenScreen; // the tools' rows
        EXPECT_EQ(row.kind, expected) << "row " << i + 1;
        if (row.kind == SearchKind::OpenScreen) {
            EXPECT_TRUE(row.text.empty());
            if (i > 0 && i != 473) {
                EXPECT_LE(table[i - 1].target, row.target) << "row " << i + 1; // ascending targets
            }
        } else {
            EXPECT_FALSE(row.text.empty()) << "row " << i + 1;
        }
    }
    EXPECT_EQ(counts[SearchKind::OpenScreen], 215 + static_cast<int>(toolRows().size()));
    EXPECT_EQ(counts[SearchKind::ShowDefinition], 105);
    EXPECT_EQ(counts[SearchKind::PrintFormula], 153);
}

TEST(SearchTable, EveryCalculatorIsFoundAndMenusOnlyThroughTheirKeywords) {
    std::set<int> targets;
    for (const SearchEntry& row : openScreenRows())
        targets.insert(row.target);
    for (int n = 2; n <= 161; ++n)
        EXPECT_TRUE(targets.count(n)) << "Form" << n << " has no keyword";
    EXPECT_FALSE(targets.count(162));
    EXPECT_FALSE(targets.count(1));
}

TEST(SearchTable, KeywordsInSeveralRowsAreTheFortyFour) {
    std::map<std::string_view, std::vector<int>> rows;
    const auto table = searchTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        rows[table[i].keyword].push_back(static_cast<int>(i) + 1);
    std::map<std::string_view, std::vector<int>> repeated;
    for (const auto& [keyword, numbers] : rows)
        if (numbers.size() > 1)
            repeated[keyword] = numbers;
    // Every keyword that stands in several rows, with its rows in the order the search takes them.
    const std::map<std::string_view, std::vector<int>> expected = {
        {"普通年金", {2, 236}},        {"递延年金", {4, 238}},
        {"永续年金", {5, 239}},        {"期望值", {11, 248}},
        {"方差", {12, 249}},           {"标准差", {13, 250}},
        {"标准离差率", {14, 251}},     {"制造费用", {34, 211}},
        {"利率", {38, 206, 321}},      {"年金", {39, 235}},
        {"收益", {40, 208}},           {"风险", {41, 242}},
        {"每股收益", {53, 342}},       {"市盈率", {54, 343}},
        {"每股股利", {55, 344}},       {"股票获利率", {56, 345}},
        {"股利支付率", {57, 347}},     {"股利保障倍数", {58, 348}},
        {"每股净资产", {59, 350}},     {"市净率", {60, 346}},
        {"资产负债率", {62, 332}},     {"产权比率", {64, 333}},
        {"流动比率", {65, 322}},       {"速动比率", {68, 323}},
        {"已获利息倍数", {69, 335}},   {"营运资金", {74, 264}},
        {"净现值", {108, 400}},        {"债券价值", {114, 377}},
        {"股票价值", {115, 434}},      {"经济订货量", {142, 411}},
        {"再订货点", {148, 412}},      {"边际贡献率", {154, 454}},
        {"敏感系数", {159, 460}},      {"利润", {165, 452}},
        {"边际贡献", {197, 204, 453}}, {"部门边际贡献", {199, 468}},
        {"剩余收益", {201, 470}},      {"财务风险", {245, 263}},
        {"可持续增长率", {365, 366}},  {"股票定价", {382, 383}},
        {"营业现金流量", {395, 471}},  {"材料分配率", {436, 444}},
        {"单位成本", {440, 451}},      {"月末在产品成本", {441, 442}},
    };
    EXPECT_EQ(repeated, expected);
    EXPECT_EQ(table[322].text, "速动比率=（流动资产-存货）/流动负债“");
    EXPECT_EQ(table[469].text.front(), ' ');
}

TEST(SearchTable, TheToolsKeywordsAreNewSoEveryEarlierKeywordKeepsItsRows) {
    const auto table = searchTable();
    for (const SearchEntry& tool : toolRows()) {
        EXPECT_TRUE(tool.target >= 163 && tool.target <= 165) << tool.keyword;
        for (std::size_t i = 0; i < 473; ++i)
            EXPECT_NE(table[i].keyword, tool.keyword) << "row " << i + 1;
    }
}

TEST(Search, PerformsEveryMatchingRowInOrder) {
    const struct {
        const char* keyword;
        const char* events;
    } cases[] = {
        {"营业周期", "print\tForm1\t营业周期=存货周转天数+应收账款周转天数\n"},
        {"概率", "message\t是用来表示随机事件发生可能性大小的数值。\n"},
        {"可持续增长率", nullptr}, // two prints, checked below
        {"营业周期 ", ""},         // a trailing blank matches nothing
        {"", ""},
        {"利", ""},
        {"ＲＯＥ", ""},
    };
    for (const auto& c : cases) {
        Cli cli;
        const std::string events =
            cli.run(std::string("type Form1.Text1 ") + c.keyword + "\nclick Form1.Command1\n");
        if (c.events)
            EXPECT_EQ(events, c.events) << c.keyword;
        else
            EXPECT_EQ(std::count(events.begin(), events.end(), '\n'), 2) << events;
    }
    Cli cli;
    const std::string risk = cli.run("type Form1.Text1 财务风险\nclick Form1.Command1\n");
    EXPECT_EQ(std::count(risk.begin(), risk.end(), '\n'), 2);
    EXPECT_TRUE(risk.starts_with("message\t"));
}

TEST(Search, OpenScreenRowsHideHomeFirstThenDefinitionsAndFormulasFollow) {
    Cli cli;
    const std::string events = cli.run("type Form1.Text1 利率\nclick Form1.Command1\n");
    EXPECT_EQ(events, "hide\tForm1\nshow\tForm32\nhide\tForm1\nshow\tForm152\n"
                      "print\tForm1\t利率=纯粹利率+通货膨胀附加率+风险附加率\n");
}

TEST(Navigation, EveryEntryNamesRealControlsAndScreens) {
    std::set<std::pair<int, std::string_view>> seen;
    for (const NavigationEntry& e : navigationTable()) {
        EXPECT_TRUE(seen.insert({e.screen, e.control}).second)
            << "Form" << e.screen << "." << e.control << " twice";
        EXPECT_GE(e.target, 2);
        EXPECT_LE(e.target, kScreenCount);
        EXPECT_NE(e.target, e.screen);
        // The control and its caption exist on every screen that is built.
        if (const auto design = declareScreen(e.screen)) {
            const Control* control = design->find(e.control);
            ASSERT_TRUE(control) << "Form" << e.screen << "." << e.control;
            EXPECT_EQ(control->text, e.caption) << "Form" << e.screen << "." << e.control;
            EXPECT_TRUE(control->onClick);
        }
    }
}

TEST(Navigation, EveryMenuIsReachableAndEveryButtonDoesWhatTheTableSays) {
    // Menus reached from the menu bar or from another menu.
    std::set<int> reached = {32, 33, 34, 80, 94, 95, 100, 105, 148, 162, 166};
    for (const NavigationEntry& e : navigationTable())
        reached.insert(e.target);
    for (const MenuScreen& menu : menuScreens())
        EXPECT_TRUE(reached.count(menu.number)) << "Form" << menu.number;
    EXPECT_EQ(menuScreens().size(), 23u); // the 22 categories and the tools

    for (const NavigationEntry& e : navigationTable()) {
        if (!isDeclared(e.screen) || !isDeclared(e.target))
            continue;
        Cli cli;
        const std::string form = "Form" + std::to_string(e.screen);
        cli.run("open " + form + "\n");
        const std::string expected = (e.hidesOwn ? "hide\t" + form + "\n" : std::string()) + "show\tForm" +
                                     std::to_string(e.target) + "\n";
        EXPECT_EQ(cli.run("click " + form + "." + std::string(e.control) + "\n"), expected)
            << form << "." << e.control;
    }
}

TEST(Navigation, EveryMenuExitReturnsHome) {
    for (const MenuScreen& menu : menuScreens()) {
        Cli cli;
        const std::string form = "Form" + std::to_string(menu.number);
        cli.run("open " + form + "\n");
        EXPECT_EQ(cli.run("click " + form + "." + std::string(menu.exitControl) + "\n"),
                  "hide\t" + form + "\nshow\tForm1\n")
            << form;
    }
}

TEST(Navigation, RequiredReturnButtonOpensTheScreenThatComputesIt) {
    Cli cli;
    cli.run("menu 收益\n");
    EXPECT_EQ(cli.run("click Form33.Command5\n"), "hide\tForm33\nshow\tForm16\n");
}

TEST(Navigation, ClickingAHeadingLabelDoesNothing) {
    Cli cli;
    cli.run("menu 利率\n");
    EXPECT_EQ(cli.run("click Form32.Label1\nclick Form32.Label2\n"), "");
}

// A search that finds nothing: the keyword without its blanks, and the keywords nearest to it
// (never the keyword itself, none twice although keywords repeat in the table, nearest first).
TEST(Search, HintsForAMiss) {
    const struct {
        const char* text;
        std::string_view trimmed;
        std::vector<std::string_view> closest;
    } cases[] = {
        {" 复利计算", "复利计算", {"复利利率", "复利", "复利终值"}},
        {"复利计算\u3000\t", "复利计算", {"复利利率", "复利", "复利终值"}},
        {"营业周", "", {"营业周期"}},
        {"流动比例", "", {"流动比率", "流动资产", "流动负债"}},
        {"比率", "", {"利率", "概率"}},
        {"xyz", "", {}},
        {"", "", {}},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(isKeyword(c.text)) << c.text;
        const SearchHint hint = searchHint(c.text);
        EXPECT_EQ(hint.trimmed, c.trimmed) << c.text;
        EXPECT_EQ(hint.closest, c.closest) << c.text;
    }
    EXPECT_TRUE(isKeyword("复利计算"));
}
