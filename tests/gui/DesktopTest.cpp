// The desktop side of the windows, on the offscreen platform: the keyboard through worksheets
// and calculators, marks on fields, results set apart, search hints, and where windows stand.
#include "GuiTesting.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

using namespace fincalc;
using test::RecordingGui;

class DesktopTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settings;
    Session* session = nullptr;
    RecordingGui* gui = nullptr;

    void start() {
        session = new Session;
        gui = new RecordingGui(*session);
        session->start();
    }
    void stop() {
        delete gui;
        delete session;
        gui = nullptr;
        session = nullptr;
    }
    // The screen shown and active, as a user meets it; nullptr when this build lacks it.
    QWidget* open(int n) {
        if (!session->open(n))
            return nullptr;
        QWidget* w = gui->widget(n);
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w) ? w : nullptr;
    }
    template <class T> T* control(int n, const char* name) {
        return gui->widget(n)->findChild<T*>(QString::fromLatin1(name));
    }
    static QString focused() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // The object names Tab visits from the first focus, one full round.
    static QStringList tabRound(QWidget* window) {
        QStringList visited{focused()};
        for (int k = 0; k < 400; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (focused() == visited.first())
                return visited;
            visited << focused();
        }
        Q_UNUSED(window);
        return visited;
    }
    static QStringList names(const char* prefix, std::initializer_list<int> numbers) {
        QStringList out;
        for (int k : numbers)
            out << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(k);
        return out;
    }

private slots:
    void initTestCase() { test::setUpTestApplication(settings); }
    void init() { start(); }
    void cleanup() { stop(); }

    // Tab goes through the boxes figures are typed into, in the table's reading order, then the
    // buttons; heading and name boxes are left out. Focus starts in the first of those boxes.
    void tabFollowsTheTableAndSkipsNameBoxes_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QStringList>("round");
        // Across then down: the three states, the three assets, then the two rates.
        QTest::newRow("Form17") << 17
                                << names("Text",
                                         {1, 4, 2, 5, 3, 6, 13, 16, 27, 14, 17, 28, 15, 18, 29, 25, 26}) +
                                       names("Command", {1, 2, 3, 4, 5, 6});
        QTest::newRow("Form11") << 11
                                << names("Text", {1, 4, 7, 10, 2, 5, 8, 11, 3, 6, 9, 12}) +
                                       names("Command", {1, 6, 2, 3, 4, 5});
        QTest::newRow("Form2") << 2 << names("Text", {1, 2, 3, 4}) + names("Command", {1, 2, 3, 4});
        QTest::newRow("Form1") << 1 << names("Text", {1}) + names("Command", {1, 4, 3, 2});
    }
    void tabFollowsTheTableAndSkipsNameBoxes() {
        QFETCH(int, screen);
        QFETCH(QStringList, round);
        QWidget* w = open(screen);
        if (!w)
            QSKIP("the screen is not in this build");
        QCOMPARE(tabRound(w).mid(0, round.size()), round);
    }

    // The balance sheet: each statement along its rows, opening then closing amount, the assets
    // before the liabilities; no name box and no heading box on the way.
    void tabThroughTheBalanceSheet() {
        QWidget* w = open(62);
        if (!w)
            QSKIP("the balance sheet is not in this build");
        const QStringList round = tabRound(w);
        QCOMPARE(round.mid(0, 6), names("Text", {1, 34, 2, 35, 3, 36}));
        const auto assetsEnd = round.indexOf(QStringLiteral("Text66"));
        QCOMPARE(round.mid(assetsEnd - 1, 3), names("Text", {33, 66, 67}));
        for (const Control& c : session->screen(62)->design.controls())
            if (c.nameBox)
                QVERIFY2(!round.contains(QString::fromStdString(c.name)), c.name.c_str());
        QCOMPARE(round.filter(QRegularExpression(QStringLiteral("^Text"))).size(),
                 132);                       // two amounts, 66 lines
        QVERIFY(!round.contains(QString())); // nothing nameless, such as the sheet's scrolling area
        QCOMPARE(round.last(), QStringLiteral("Output"));
        // Enter from the last line of the assets goes on to the liabilities, scrolled into view.
        auto* area = w->findChild<QScrollArea*>();
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        auto* last = control<QLineEdit>(62, "Text66");
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Return);
        QCOMPARE(focused(), QStringLiteral("Text67"));
        QWidget* next = control<QLineEdit>(62, "Text67");
        QVERIFY(
            area->viewport()->rect().contains(QRect(next->mapTo(area->viewport(), QPoint()), next->size())));
        // Name boxes are still editable by click.
        QTest::mouseClick(control<QLineEdit>(62, "Text168"), Qt::LeftButton);
        QCOMPARE(focused(), QStringLiteral("Text168"));
    }

    void focusStartsInTheFirstInputBox_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("box");
        for (int n : {2, 11, 15, 16, 17, 62})
            QTest::newRow(qPrintable(QStringLiteral("Form%1").arg(n))) << n << QStringLiteral("Text1");
        QTest::newRow("Form63") << 63 << QStringLiteral("Text1");
    }
    void focusStartsInTheFirstInputBox() {
        QFETCH(int, screen);
        QFETCH(QString, box);
        if (!open(screen))
            QSKIP("the screen is not in this build");
        QCOMPARE(focused(), box);
    }

    // Enter moves to the next input box and presses nothing; Enter on a focused button presses it.
    void enterMovesOnAndPressesFocusedButtons() {
        if (!open(17))
            QSKIP("the portfolio screen is not in this build");
        const auto enterFrom = [&](const char* box) {
            control<QLineEdit>(17, box)->setFocus();
            QTest::keyClick(control<QLineEdit>(17, box), Qt::Key_Return);
            return focused();
        };
        QCOMPARE(enterFrom("Text1"), QStringLiteral("Text4"));
        QCOMPARE(enterFrom("Text6"), QStringLiteral("Text13")); // over the heading row
        QCOMPARE(enterFrom("Text26"), QStringLiteral("Text1")); // round again, past the buttons
        QCOMPARE(control<QPlainTextEdit>(17, "Output")->toPlainText(), QString());
        QVERIFY(gui->messages.isEmpty());

        auto* compute = control<QPushButton>(17, "Command1");
        compute->setFocus();
        QTest::keyClick(compute, Qt::Key_Return);
        QCOMPARE(control<QPlainTextEdit>(17, "Output")->toPlainText(),
                 QStringLiteral("该资产的预期收益率=0"));
        QVERIFY(!compute->isDefault() || compute->hasFocus()); // drawn as default only while focused
    }

    // A figure box whose text is not wholly a number is marked, with how it is read; the
    // computation reads it as before.
    void aFieldThatIsNotWhollyANumberIsMarked_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("note");
        QTest::newRow("letters") << "abc"
                                 << "不是数字，按 0 计算";
        QTest::newRow("comma") << "1,5"
                               << "不全是数字，读作 1";
        QTest::newRow("unit") << "12元"
                              << "不全是数字，读作 12";
        QTest::newRow("blank inside") << "8 %"
                                      << "不全是数字，读作 8";
        QTest::newRow("too large") << "1e999"
                                   << "数值超出范围，计算时会报错";
        QTest::newRow("groups") << "1,000"
                                << "";
        QTest::newRow("percent") << "８％"
                                 << "";
        QTest::newRow("blanks around") << " 42 "
                                       << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void aFieldThatIsNotWhollyANumberIsMarked() {
        QFETCH(QString, text);
        QFETCH(QString, note);
        if (!open(2))
            QSKIP("the compound interest screen is not in this build");
        auto* box = control<QLineEdit>(2, "Text3");
        const QColor plain = box->palette().color(QPalette::Base);
        box->setText(QStringLiteral("7x")); // marked first, so clearing the mark is seen too
        box->setText(text);
        QCOMPARE(box->toolTip(), note);
        QCOMPARE(box->property("notWhollyANumber").toBool(), !note.isEmpty());
        QCOMPARE(box->palette().color(QPalette::Base) != plain, !note.isEmpty());
    }

    void nameAndSearchBoxesAreNeverMarked() {
        auto* search = control<QLineEdit>(1, "Text1");
        search->setText(QStringLiteral("复利计算"));
        QVERIFY(search->toolTip().isEmpty());
        if (!open(62))
            QSKIP("the balance sheet is not in this build");
        QVERIFY(control<QLineEdit>(62, "Text167")->toolTip().isEmpty()); // 货币资金
        control<QLineEdit>(62, "Text2")->setText(QStringLiteral("abc"));
        QVERIFY(!control<QLineEdit>(62, "Text2")->toolTip().isEmpty());
    }

    // The printed value stands apart from its formula text; the text itself is as printed.
    void theValueIsSetApartFromTheFormula() {
        if (!open(2))
            QSKIP("the compound interest screen is not in this build");
        control<QLineEdit>(2, "Text1")->setText(QStringLiteral("0.1"));
        control<QLineEdit>(2, "Text3")->setText(QStringLiteral("1000"));
        control<QLineEdit>(2, "Text4")->setText(QStringLiteral("2"));
        QTest::mouseClick(control<QPushButton>(2, "Command1"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(2, "Command1"), Qt::LeftButton);
        auto* output = control<QPlainTextEdit>(2, "Output");
        const QString line = QStringLiteral("P=F(P/F,i,n)=F*(1+i)^(-n)=826.446280991736");
        QCOMPARE(output->toPlainText(), line + QLatin1Char('\n') + line);
        const QTextBlock second = output->document()->lastBlock();
        const auto boldAt = [&](int k) {
            QTextCursor cursor(second);
            cursor.setPosition(second.position() + k + 1); // the format of the character at k
            return cursor.charFormat().fontWeight() == QFont::Bold;
        };
        const int value = static_cast<int>(line.indexOf(QStringLiteral("826")));
        QVERIFY(!boldAt(0) && !boldAt(value - 1));
        QVERIFY(boldAt(value) && boldAt(static_cast<int>(line.size()) - 1));

        QTest::mouseClick(control<QPushButton>(2, "Command3"), Qt::LeftButton); // 取消
        QTest::mouseClick(control<QPushButton>(2, "Command1"), Qt::LeftButton);
        QCOMPARE(output->toPlainText(), line);
    }

    void aSearchMissSaysSoBesideTheBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        QTest::newRow("blanks") << " 营业周期 "
                                << "去掉空格后可找到：营业周期";
        QTest::newRow("a slip") << "营业周"
                                << "没有找到“营业周”。相近的有：营业周期";
        QTest::newRow("nothing near") << "xyz"
                                      << "没有找到“xyz”。可从菜单按类别查找。";
    }
    void aSearchMissSaysSoBesideTheBox() {
        QFETCH(QString, text);
        QFETCH(QString, hint);
        auto* box = control<QLineEdit>(1, "Text1");
        auto* label = control<QLabel>(1, "SearchHint");
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), hint);
        QVERIFY(gui->messages.isEmpty());
        QVERIFY(control<QPlainTextEdit>(1, "Output")->toPlainText().isEmpty());

        box->setText(QStringLiteral("营业周期")); // editing takes the hint away; a hit shows none
        QVERIFY(!label->isVisible());
        QTest::mouseClick(control<QPushButton>(1, "Command1"), Qt::LeftButton);
        QVERIFY(!label->isVisible());
    }

    // F10 gives the menu bar the keyboard; the arrows move along it, Enter picks, Esc leaves.
    void theMenuBarAnswersF10() {
        QWidget* home = gui->widget(1);
        QApplication::setActiveWindow(home);
        QVERIFY(QTest::qWaitForWindowActive(home));
        auto* bar = home->findChild<QMenuBar*>();
        QTest::keyClick(home, Qt::Key_F10);
        QCOMPARE(bar->activeAction(), bar->actions().at(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(bar->activeAction(), bar->actions().at(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!bar->activeAction());
        QCOMPARE(focused(), QStringLiteral("Text1"));

        QTest::keyClick(home, Qt::Key_F10);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(gui->widget(32) && gui->widget(32)->isVisible());
    }

    // A screen keeps its place and size when hidden and shown again, and from one run to the next.
    void aScreenKeepsItsGeometry() {
        if (!open(2))
            QSKIP("the compound interest screen is not in this build");
        QWidget* w = gui->widget(2);
        const QRect area = w->screen()->availableGeometry();
        const QRect chosen(area.topLeft() + QPoint(37, 41), QSize(430, 380).boundedTo(area.size() / 2));
        w->setGeometry(chosen);
        const QRect kept = w->geometry();
        QTest::mouseClick(control<QPushButton>(2, "Command4"), Qt::LeftButton); // 退出
        QCoreApplication::processEvents();                                      // the window is given back
        QVERIFY(!w->testAttribute(Qt::WA_WState_Created));
        open(2);
        QCOMPARE(w->geometry(), kept);

        stop(); // the next run
        start();
        open(2);
        QCOMPARE(gui->widget(2)->geometry(), kept);
    }

    // Kept places are for screens that still exist: one left off the screen comes back onto it.
    void aPlaceOffTheScreenComesBackOntoIt() {
        if (!open(2))
            QSKIP("the compound interest screen is not in this build");
        QWidget* w = gui->widget(2);
        const QRect area = w->screen()->availableGeometry();
        w->move(area.right() + 2000, area.bottom() + 2000);
        session->close(2);
        stop();
        start();
        open(2);
        QVERIFY(area.contains(gui->widget(2)->frameGeometry()));
    }

    // Every screen of the program opens within the available area, its focus in an input box
    // (never a name box), and can be made small.
    void everyScreenFitsAndStartsInAnInputBox() {
        for (int n = 2; n <= kScreenCount; ++n) {
            if (!session->open(n))
                continue;
            QWidget* w = gui->widget(n);
            const QString name = w->objectName();
            QVERIFY2(w->screen()->availableGeometry().contains(w->frameGeometry()), qPrintable(name));
            QVERIFY2(w->minimumSizeHint().width() <= 640 && w->minimumSizeHint().height() <= 480,
                     qPrintable(name));
            if (auto* box = qobject_cast<QLineEdit*>(w->focusWidget())) {
                const Control* c = session->screen(n)->design.find(box->objectName().toStdString());
                QVERIFY2(c && !c->nameBox, qPrintable(name + QLatin1Char('.') + box->objectName()));
            }
            w->hide();
        }
    }

    // A category menu opens beside the home screen; a screen opened from a menu where it stood.
    // Every window fits the available area, worksheets too, and can be made small.
    void windowsOpenBesideTheirOpenerWithinTheScreen() {
        QWidget* home = gui->widget(1);
        home->findChild<QMenuBar*>()->actions().at(4)->trigger(); // 资金/资本成本率
        QWidget* menu = gui->widget(94);
        const QRect area = home->screen()->availableGeometry();
        QVERIFY(area.contains(menu->frameGeometry()));
        if (area.width() - home->frameGeometry().width() >= menu->frameGeometry().width())
            QVERIFY(!menu->frameGeometry().intersects(home->frameGeometry()));

        for (int n : {62, 63}) {
            if (!open(n))
                continue;
            QWidget* sheet = gui->widget(n);
            QVERIFY2(area.contains(sheet->frameGeometry()), qPrintable(sheet->objectName()));
            QVERIFY(sheet->minimumSize().width() <= 640 && sheet->minimumSize().height() <= 480);
            QVERIFY(sheet->minimumSizeHint().width() <= 640 && sheet->minimumSizeHint().height() <= 480);
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
