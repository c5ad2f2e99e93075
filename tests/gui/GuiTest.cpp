// The window front end through real widgets, on the offscreen platform.
#include "RecordingGui.h"

#include "app/ScreenFile.h"

#include <QAction>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
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

    // Ctrl+S and Ctrl+O on the balance sheet: the file keeps every box, opening it brings the
    // boxes back and leaves the output area, and the title names the file and marks changes.
    void savingAndOpeningThroughTheKeys() {
        if (!session->exists(62))
            QSKIP("the balance sheet is not in this build");
        QTemporaryDir dir;
        session->open(62);
        gui::ScreenWidget* sheet = screen(62);
        QVERIFY(QTest::qWaitForWindowActive(sheet));
        QTest::keyClicks(control<QLineEdit>(62, "Text2"), QStringLiteral("100"));
        QTest::keyClicks(control<QLineEdit>(62, "Text3"), QStringLiteral("1,000"));
        QLineEdit* name = control<QLineEdit>(62, "Text167");
        name->selectAll();
        type(name, QStringLiteral("货币资金, \"含\"备用金"));
        QTest::mouseClick(control<QPushButton>(62, "Command3"), Qt::LeftButton); // 分析, writes totals
        QCOMPARE(control<QLineEdit>(62, "Text13")->text(), QStringLiteral("1100"));

        gui->chosenFile = dir.filePath(QStringLiteral("balance.csv"));
        QTest::keyClick(control<QLineEdit>(62, "Text2"), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(gui->dialogs, QList{RecordingGui::FileChoice::Save});
        QVERIFY(QFile::exists(gui->chosenFile));
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Form62 - balance.csv[*]"));
        QVERIFY(!sheet->isWindowModified());

        QLineEdit* cash = control<QLineEdit>(62, "Text2");
        cash->selectAll();
        QTest::keyClicks(cash, QStringLiteral("7"));
        name->clear();
        QTest::mouseClick(control<QPushButton>(62, "Command3"), Qt::LeftButton);
        QVERIFY(sheet->isWindowModified());
        const QString output = control<QPlainTextEdit>(62, "Output")->toPlainText();

        QTest::keyClick(cash, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(gui->dialogs.size(), 2);
        QCOMPARE(gui->dialogs.last(), RecordingGui::FileChoice::Open);
        QCOMPARE(cash->text(), QStringLiteral("100"));
        QCOMPARE(name->text(), QStringLiteral("货币资金, \"含\"备用金"));
        QCOMPARE(control<QLineEdit>(62, "Text13")->text(), QStringLiteral("1100"));
        QCOMPARE(session->screen(62)->texts.at("Text2"), "100");
        QCOMPARE(control<QPlainTextEdit>(62, "Output")->toPlainText(), output);
        QVERIFY(!sheet->isWindowModified());
        QVERIFY(gui->messages.isEmpty());

        // The workbook beside it; its cells are read back by a test of their own.
        gui->chosenFile = dir.filePath(QStringLiteral("balance.xlsx"));
        sheet->findChild<QAction*>(QStringLiteral("ExportWorkbook"))->trigger();
        QFile workbook(gui->chosenFile);
        QVERIFY(workbook.open(QIODevice::ReadOnly));
        QCOMPARE(workbook.read(2), QByteArray("PK"));
    }

    void aRefusedFileIsExplainedAndChangesNothing() {
        if (!session->exists(2) || !session->exists(3))
            QSKIP("the interest screens are not in this build");
        QTemporaryDir dir;
        session->open(3);
        gui->chosenFile = dir.filePath(QStringLiteral("annuity.csv"));
        screen(3)->findChild<QAction*>(QStringLiteral("SaveFile"))->trigger();
        session->open(2);
        QTest::keyClicks(control<QLineEdit>(2, "Text1"), QStringLiteral("0.1"));
        screen(2)->findChild<QAction*>(QStringLiteral("OpenFile"))->trigger();
        QCOMPARE(gui->messages.size(), 1);
        QVERIFY2(gui->messages.first().contains(QStringLiteral("保存的是 Form3 的输入，不是 Form2 的")),
                 qPrintable(gui->messages.first()));
        QCOMPARE(control<QLineEdit>(2, "Text1")->text(), QStringLiteral("0.1"));
        QCOMPARE(screen(2)->windowTitle(), QStringLiteral("Form2"));
    }

    // Screens never saved ask nothing when the program ends, typed or not, as without files.
    void leavingWithoutChangesSinceASaveAsksNothing() {
        if (!session->exists(2) || !session->exists(3))
            QSKIP("the interest screens are not in this build");
        QTemporaryDir dir;
        session->open(3);
        QTest::keyClicks(control<QLineEdit>(3, "Text1"), QStringLiteral("0.2")); // never saved
        session->open(2);
        gui->chosenFile = dir.filePath(QStringLiteral("compound.csv"));
        screen(2)->findChild<QAction*>(QStringLiteral("SaveFile"))->trigger();
        screen(1)->close();
        QVERIFY(session->ended());
        QVERIFY(gui->questions.isEmpty());
    }

    // Leaving with changes since the last save asks first: going back keeps the program, saving
    // writes the file and ends it.
    void leavingAfterChangesToASavedScreenAsksToSave() {
        if (!session->exists(2))
            QSKIP("the compound interest screen is not in this build");
        QTemporaryDir dir;
        session->open(2);
        gui->chosenFile = dir.filePath(QStringLiteral("compound.csv"));
        screen(2)->findChild<QAction*>(QStringLiteral("SaveFile"))->trigger();
        QTest::keyClicks(control<QLineEdit>(2, "Text4"), QStringLiteral("12"));
        QVERIFY(screen(2)->isWindowModified());

        gui->answer = RecordingGui::EndChoice::Stay;
        screen(1)->close();
        QVERIFY(!session->ended());
        QCOMPARE(gui->questions.size(), 1);
        QVERIFY(gui->questions.first().contains(QStringLiteral("Form2（compound.csv）")));

        gui->answer = RecordingGui::EndChoice::Save;
        QTest::mouseClick(control<QPushButton>(1, "Command2"), Qt::LeftButton); // 退出
        QVERIFY(session->ended());
        Session reopened;
        reopened.start();
        reopened.open(2);
        QCOMPARE(openScreen(reopened, 2, QFile::encodeName(gui->chosenFile).toStdString()), std::nullopt);
        QCOMPARE(reopened.screen(2)->texts.at("Text4"), "12");
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
            // Screens with entries, and only they, have the tool bar to save, open and export them.
            QCOMPARE(screen(n)->findChild<QToolBar*>(QStringLiteral("FileBar")) != nullptr,
                     keepsEntries(session->screen(n)->design));
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
