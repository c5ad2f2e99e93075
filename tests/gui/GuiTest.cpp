// The window front end through real widgets, on the offscreen platform.
#include "RecordingGui.h"

#include <QAction>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace fincalc;

using test::RecordingGui;

class GuiTest : public QObject {
    Q_OBJECT

private:
    Session* session = nullptr;
    RecordingGui* gui = nullptr;

    gui::ScreenWidget* screen(int n) { return gui->widget(n); }
    template <class T> T* control(int n, const char* name) {
        return screen(n) ? screen(n)->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }
    // Chinese text arrives from an input method as a committed string.
    static void type(QLineEdit* box, const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box, &event);
    }
    void search(const QString& keyword) {
        QLineEdit* box = control<QLineEdit>(1, "Text1");
        box->selectAll();
        type(box, keyword);
        QTest::keyClick(box, Qt::Key_Return);
    }

private slots:
    void initTestCase() {
        test::quietOffscreenWarnings();
        gui::setUpApplication();
    }
    void init() {
        session = new Session;
        gui = new RecordingGui(*session);
        session->start();
    }
    void cleanup() {
        delete gui;
        delete session;
    }

    void startUpShowsTheHomeScreen() {
        QVERIFY(screen(1) && screen(1)->isVisible());
        QCOMPARE(screen(1)->windowTitle(), QStringLiteral("Form1"));
        const auto* menu = screen(1)->findChild<QMenuBar*>();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 12);
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("利率/年金"));
        QCOMPARE(menu->actions().last()->text(), QStringLiteral("工具"));
        QCOMPARE(control<QPushButton>(1, "Command1")->accessibleName(), QStringLiteral("确定"));
        QVERIFY(!control<QPushButton>(1, "Command1")->isDefault());
    }

    void searchPrintsFormulasAndShowsDefinitions() {
        search(QStringLiteral("营业周期"));
        search(QStringLiteral("营业周期"));
        const QString printed = control<QPlainTextEdit>(1, "Output")->toPlainText();
        QCOMPARE(printed.count(QStringLiteral("营业周期=存货周转天数+应收账款周转天数")), 2);
        QVERIFY(screen(1)->isVisible());

        search(QStringLiteral("财务风险"));
        QCOMPARE(gui->messages.size(), 2);

        QTest::mouseClick(control<QPushButton>(1, "Command3"), Qt::LeftButton); // 取消
        QVERIFY(control<QPlainTextEdit>(1, "Output")->toPlainText().isEmpty());
        QCOMPARE(control<QLineEdit>(1, "Text1")->text(), QStringLiteral("财务风险"));
        QTest::mouseClick(control<QPushButton>(1, "Command4"), Qt::LeftButton); // 清除
        QVERIFY(control<QLineEdit>(1, "Text1")->text().isEmpty());
    }

    void aChosenCompletionIsWhatTheSearchReads() {
        QLineEdit* box = control<QLineEdit>(1, "Text1");
        QVERIFY(box->completer());
        box->completer()->setCompletionPrefix(QStringLiteral("营业周"));
        QCOMPARE(box->completer()->currentCompletion(), QStringLiteral("营业周期"));
        box->setText(box->completer()->currentCompletion()); // what choosing the completion does
        QTest::mouseClick(control<QPushButton>(1, "Command1"), Qt::LeftButton);
        QCOMPARE(control<QPlainTextEdit>(1, "Output")->toPlainText(),
                 QStringLiteral("营业周期=存货周转天数+应收账款周转天数"));
    }

    void menuOpensACategoryBesideHome() {
        QAction* interest = screen(1)->findChild<QMenuBar*>()->actions().first();
        interest->trigger();
        QVERIFY(screen(32) && screen(32)->isVisible());
        QVERIFY(screen(1)->isVisible());
        QCOMPARE(control<QLabel>(32, "Label1")->font().bold(), true);

        if (!session->exists(2))
            QSKIP("the compound interest screen is not in this build");
        QTest::mouseClick(control<QPushButton>(32, "Command1"), Qt::LeftButton); // 复利计算
        QVERIFY(!screen(32)->isVisible());
        QVERIFY(screen(2)->isVisible());
        QTest::mouseClick(control<QPushButton>(2, "Command4"), Qt::LeftButton); // 退出
        QVERIFY(!screen(2)->isVisible());
        QVERIFY(screen(1)->isVisible());
        QVERIFY(!screen(32)->isVisible());
    }

    void aCalculationThroughWidgetsKeepsWhatWasTyped() {
        if (!session->exists(2))
            QSKIP("the compound interest screen is not in this build");
        search(QStringLiteral("复利计算"));
        QVERIFY(!screen(1)->isVisible());
        QVERIFY(screen(2)->isVisible());
        QTest::keyClicks(control<QLineEdit>(2, "Text1"), QStringLiteral("0.1"));
        QTest::keyClicks(control<QLineEdit>(2, "Text3"), QStringLiteral("1000"));
        QTest::keyClicks(control<QLineEdit>(2, "Text4"), QStringLiteral("2"));
        QTest::mouseClick(control<QPushButton>(2, "Command1"), Qt::LeftButton);
        QCOMPARE(control<QPlainTextEdit>(2, "Output")->toPlainText(),
                 QStringLiteral("P=F(P/F,i,n)=F*(1+i)^(-n)=826.446280991736"));

        // The close control leaves like "退出"; the numbers and the printed line are still there.
        screen(2)->close();
        QVERIFY(!screen(2)->isVisible());
        QVERIFY(screen(1)->isVisible());
        search(QStringLiteral("复利计算"));
        QCOMPARE(control<QLineEdit>(2, "Text3")->text(), QStringLiteral("1000"));
        QVERIFY(
            control<QPlainTextEdit>(2, "Output")->toPlainText().contains(QStringLiteral("826.446280991736")));
    }

    void aFaultIsReportedAndTheProgramGoesOn() {
        if (!session->exists(3))
            QSKIP("the ordinary annuity screen is not in this build");
        search(QStringLiteral("普通年金"));
        gui->messages.clear();
        QTest::keyClicks(control<QLineEdit>(3, "Text5"), QStringLiteral("3"));
        QTest::mouseClick(control<QPushButton>(3, "Command1"), Qt::LeftButton); // rate empty: 0/0
        QCOMPARE(gui->messages.size(), 1);
        QVERIFY(gui->messages.first().startsWith(QStringLiteral("fault: Form3")));
        QVERIFY(control<QPlainTextEdit>(3, "Output")->toPlainText().isEmpty());
        QVERIFY(screen(3)->isVisible());
        QCOMPARE(control<QLineEdit>(3, "Text5")->text(), QStringLiteral("3"));
    }

    void worksheetNameBoxesShowTheirMessagesAndTotalsAreWrittenBack() {
        if (!session->exists(62))
            QSKIP("the balance sheet is not in this build");
        session->open(62);
        gui->messages.clear();
        QTest::mouseClick(control<QLineEdit>(62, "Text167"), Qt::LeftButton); // 货币资金
        QCOMPARE(gui->messages, QStringList{QStringLiteral("货币资金=库存现金+银行存款+其他货币资金")});
        QTest::mouseClick(control<QLineEdit>(62, "Text166"), Qt::LeftButton); // a heading: nothing
        QCOMPARE(gui->messages.size(), 1);

        QTest::keyClicks(control<QLineEdit>(62, "Text2"), QStringLiteral("100"));
        QTest::keyClicks(control<QLineEdit>(62, "Text3"), QStringLiteral("1,000"));
        QTest::mouseClick(control<QPushButton>(62, "Command1"), Qt::LeftButton); // 确定
        QCOMPARE(control<QLineEdit>(62, "Text13")->text(), QStringLiteral("1100"));
    }

    // Every screen of the program opens, with a widget per control named after it. With
    // FINCALC_SHOTS set to a folder, each screen is also saved there as a picture.
    void everyScreenOpens() {
        const QString shots = qEnvironmentVariable("FINCALC_SHOTS");
        int opened = 0;
        for (int n = 1; n <= kScreenCount; ++n) {
            if (!session->open(n))
                continue;
            ++opened;
            QVERIFY2(screen(n) && screen(n)->isVisible(), qPrintable(QStringLiteral("Form%1").arg(n)));
            for (const Control& c : session->screen(n)->design.controls())
                if (!c.name.empty())
                    QVERIFY2(
                        screen(n)->findChild<QWidget*>(QString::fromStdString(c.name)),
                        qPrintable(QStringLiteral("Form%1.%2").arg(n).arg(QString::fromStdString(c.name))));
            if (!shots.isEmpty())
                screen(n)->grab().save(QStringLiteral("%1/Form%2.png").arg(shots).arg(n));
            screen(n)->hide();
        }
        QVERIFY(opened >= 23); // the home screen and the 22 menus at least
    }

    void homeScreenCloseEndsTheProgram() {
        screen(1)->close();
        QVERIFY(session->ended());
        QVERIFY(!screen(1)->isVisible());
    }
};

QTEST_MAIN(GuiTest)
#include "GuiTest.moc"
