// The session as the user meets it: screens, output areas, faults, the console protocol.
#include "Cli.h"

#include "app/Session.h"

#include <utility>

#include <gtest/gtest.h>

using namespace fincalc;
using fincalc::test::Cli;

namespace {

// A screen of the test's own, to exercise the framework apart from any calculator.
ScreenDesign probeScreen() {
    return ScreenDesign(1)
        .field("Text1", "x=")
        .field("Text2", "y=")
        .field("Text3", "z=")
        .button("Command1", "x/y",
                [](Ctx& c) {
                    const Num x = c.num("Text1"), y = c.num("Text2");
                    c.write("Text3", x + 1);
                    c.print("x/y=", x / y);
                })
        .button("Command2", "layouts",
                [](Ctx& c) {
                    Value empty, v = Num(2.5);
                    c.print("text+value=", v);
                    c.print("text alone");
                    c.print("text+number=", Num(3));
                    c.print("a=", Num(1), " b=", v);
                    c.print("a=", empty, "!");
                    c.print("");
                })
        .side("Command3", "清空", [](Ctx& c) { c.clearFields(1, 3); })
        .cancel("Command4");
}

struct Recorder : Observer {
    std::vector<Event> events;
    void onEvent(const Event& e) override { events.push_back(e); }
};

class ProbeSession : public ::testing::Test {
protected:
    void SetUp() override {
        session.addObserver(&recorder);
        session.start();
        // The home screen's slot hosts the probe, so it is created and shown.
        home = session.catalogue().get(1);
        Screen probe(probeScreen());
        home->design = probe.design;
        home->texts = probe.texts;
    }
    Screen* home = nullptr;
    Session session;
    Recorder recorder;
};

} // namespace

TEST(Catalogue, CreatesEachScreenOnceOnFirstShowAndKeepsItsFields) {
    Cli cli;
    EXPECT_EQ(cli.run("menu 利率\nmenu 利率\n"), "show\tForm32\nshow\tForm32\n");
    // Home stays visible beside the menu; the search box keeps its text while home is hidden.
    EXPECT_EQ(cli.run("type Form1.Text1 some words\nclose Form32\nread Form1.Text1\n"),
              "hide\tForm32\nshow\tForm1\ntext\tForm1.Text1\tsome words\n");
}

TEST(OutputArea, KeepsItsLinesAcrossHideAndShowUntilCleared) {
    Cli cli;
    cli.run("type Form1.Text1 营业周期\nclick Form1.Command1\nmenu 利率\nclose Form32\n");
    // Formula lines printed on the hidden home screen are there when it is shown again.
    cli.run("type Form1.Text1 流动比率\nclick Form1.Command1\n");
    const std::string dumped = cli.run("dump Form1\n");
    EXPECT_EQ(dumped, "text\tForm1.Text1\t流动比率\n"
                      "line\tForm1\t营业周期=存货周转天数+应收账款周转天数\n"
                      "line\tForm1\t流动比率=流动资产/流动负债\n");
    EXPECT_EQ(cli.run("open Form1\nclick Form1.Command3\ndump Form1\n"),
              "show\tForm1\nclear\tForm1\ntext\tForm1.Text1\t流动比率\n");
}

TEST_F(ProbeSession, PrintsTheFiveLineLayouts) {
    recorder.events.clear();
    ASSERT_TRUE(session.click(1, "Command2"));
    EXPECT_EQ(home->lines, (std::vector<std::string>{"text+value=2.5", "text alone", "text+number=3",
                                                     "a=1 b=2.5", "a=!", ""}));
    // Each print event says where its number items stand, so a front end can set them apart.
    std::vector<std::vector<std::string>> numbers;
    for (const Event& e : recorder.events) {
        auto& items = numbers.emplace_back();
        for (const Span& span : e.numbers)
            items.push_back(e.text.substr(span.first, span.last - span.first));
    }
    EXPECT_EQ(numbers, (std::vector<std::vector<std::string>>{{"2.5"}, {}, {"3"}, {"1", "2.5"}, {}, {}}));
}

TEST_F(ProbeSession, AFaultStopsTheHandlerAndKeepsEverythingElse) {
    ASSERT_TRUE(session.type(1, "Text1", "5"));
    ASSERT_TRUE(session.type(1, "Text2", "0"));
    recorder.events.clear();
    ASSERT_TRUE(session.click(1, "Command1"));
    // The write before the fault stays; the line is not printed; the session goes on.
    ASSERT_EQ(recorder.events.size(), 2u);
    EXPECT_EQ(recorder.events[0].kind, Event::Kind::Write);
    EXPECT_EQ(recorder.events[0].text, "6");
    EXPECT_EQ(recorder.events[1].kind, Event::Kind::Fault);
    EXPECT_EQ(recorder.events[1].fault, FaultKind::DivisionByZero);
    EXPECT_EQ(recorder.events[1].control, "Command1"); // the button, for the fault's report
    EXPECT_TRUE(home->lines.empty());
    EXPECT_EQ(home->texts["Text1"], "5");
    EXPECT_FALSE(session.ended());

    ASSERT_TRUE(session.type(1, "Text2", "2"));
    session.click(1, "Command1");
    EXPECT_EQ(home->lines, std::vector<std::string>{"x/y=2.5"});

    recorder.events.clear();
    session.click(1, "Command3");
    ASSERT_EQ(recorder.events.size(), 3u); // one write per cleared field, in order
    EXPECT_EQ(recorder.events[0].control, "Text1");
    EXPECT_EQ(recorder.events[2].control, "Text3");
    EXPECT_EQ(home->texts["Text3"], "");
    EXPECT_EQ(home->lines.size(), 1u); // clearing fields leaves the output
}

TEST(HomeScreen, ButtonsAndMenuItems) {
    Cli cli;
    EXPECT_EQ(cli.run("menu 名词\n"), "message\t请在空格中输入名词\n");
    EXPECT_EQ(cli.run("menu 财务报表\n"), "show\tForm80\n");
    EXPECT_EQ(cli.run("type Form1.Text1 x\nclick Form1.Command4\nread Form1.Text1\n"),
              "write\tForm1.Text1\t\ntext\tForm1.Text1\t\n");
    const struct {
        const char* item;
        const char* screen;
    } menus[] = {{"利率", "Form32"},  {"收益/风险", "Form33"}, {"预计量", "Form34"}, {"报表", "Form80"},
                 {"资金", "Form94"},  {"杠杆系数", "Form95"},  {"净值", "Form100"},  {"股票", "Form105"},
                 {"成本", "Form148"}, {"定价", "Form162"},     {"工具", "Form166"}};
    for (const auto& m : menus)
        EXPECT_EQ(cli.run(std::string("menu ") + m.item + "\n"), std::string("show\t") + m.screen + "\n")
            << m.item;
    // "退出" on the home screen ends the program; nothing runs after it.
    EXPECT_EQ(cli.run("click Form1.Command2\nmenu 利率\n"), "end\n");
}

TEST(ConsoleDriver, BadLinesGiveErrorsAndChangeNothing) {
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"jump Form2", "error\tunknown command: jump Form2\n"},
        {"open Form0", "error\tunknown screen: Form0\n"},
        {"open Form167", "error\tunknown screen: Form167\n"},
        {"open Form01", "error\tunknown screen: Form01\n"},
        {"open form1", "error\tunknown screen: form1\n"},
        {"open", "error\tunknown screen: \n"},
        {"click Form1", "error\tunknown screen: Form1\n"},
        {"click Form1.Command99", "error\tunknown control: Form1.Command99\n"},
        {"click Form80.Command1", "error\tscreen not shown: Form80.Command1\n"},
        {"type Form1.Command1 x", "error\tnot an input field: Form1.Command1 x\n"},
        {"read Form1.Label1", "error\tnot an input field: Form1.Label1\n"},
        {"dump Form32", "error\tscreen not shown: Form32\n"},
        {"close Form32", "error\tscreen not shown: Form32\n"},
        {"menu 没有", "error\tunknown menu item: 没有\n"},
        {"click Form1.Command1 extra", "error\tbad command: Form1.Command1 extra\n"},
    };
    for (const auto& c : cases) {
        Cli cli;
        EXPECT_EQ(cli.run(std::string(c.line) + "\n"), c.error) << c.line;
    }
}

TEST(ConsoleDriver, EscapesAndEchoes) {
    EXPECT_EQ(escapeField("a\\b\tc\nd"), "a\\\\b\\tc\\nd");
    std::ostringstream out;
    Driver driver(out, true);
    std::istringstream script(
        "# a comment\n\ntype Form1.Text1  two  spaces\r\nread Form1.Text1\nopen Form999\n");
    EXPECT_EQ(driver.run(script), 1);
    EXPECT_EQ(out.str(), "show\tForm1\n"
                         ">\ttype Form1.Text1  two  spaces\n"
                         ">\tread Form1.Text1\n"
                         "text\tForm1.Text1\t two  spaces\n"
                         ">\topen Form999\n"
                         "error\tunknown screen: Form999\n");
}

// Boxes holding a heading or a row's name are told from the boxes figures are typed into: by
// their initial text, or declared so where that text reads as a number.
TEST(Declarations, NameBoxesAreTheBoxesNoHandlerReadsAsANumber) {
    const ScreenDesign design = ScreenDesign(1)
                                    .box("Text1", 0, 0, "资产")
                                    .box("Text2", 0, 1, "12元")
                                    .box("Text3", 0, 2)
                                    .box("Text4", 0, 3, "1,000")
                                    .box("Text5", 0, 4, "8%")
                                    .nameBox("Text6", 1, 0, "1")
                                    .field("Text7", "x=");
    for (const auto& [name, named] : {std::pair{"Text1", true},
                                      {"Text2", true},
                                      {"Text3", false},
                                      {"Text4", false},
                                      {"Text5", false},
                                      {"Text6", true},
                                      {"Text7", false}})
        EXPECT_EQ(design.find(name)->nameBox, named) << name;

    const struct {
        int screen;
        const char* box;
        bool named;
    } screens[] = {
        {11, "Text13", true},  {11, "Text1", false},  // "概率" over the probabilities
        {17, "Text12", true},  {17, "Text19", true},  // "状况", "X"
        {17, "Text1", false},  {17, "Text25", false}, //
        {62, "Text204", true}, {62, "Text167", true}, // "资产", "货币资金"
        {62, "Text2", false},  {62, "Text35", false}, //
        {63, "Text42", true},  {63, "Text40", true},  // "项目", "上年"
        {92, "Text7", true},   {92, "Text1", false},  // "资本结构"; a figure starting as "1"
        {158, "Text78", true}, {158, "Text1", false}, // the first row's number "1"; its x
    };
    for (const auto& c : screens) {
        const auto design = declareScreen(c.screen);
        if (!design)
            continue;
        EXPECT_EQ(design->find(c.box)->nameBox, c.named) << "Form" << c.screen << '.' << c.box;
    }
}

// A shown screen says which screen's handler showed it, for a front end to place it beside.
TEST(Navigation, AShowNamesTheScreenThatOpenedIt) {
    Session session;
    Recorder recorder;
    session.addObserver(&recorder);
    session.start();
    session.pickMenu("利率");
    session.open(32);
    session.close(32);
    std::vector<std::pair<int, int>> shows; // screen, opener
    for (const Event& e : recorder.events)
        if (e.kind == Event::Kind::Show)
            shows.emplace_back(e.screen, e.opener);
    EXPECT_EQ(shows, (std::vector<std::pair<int, int>>{{1, 0}, {32, 1}, {32, 0}, {1, 32}}));
}
