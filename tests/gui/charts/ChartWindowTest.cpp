// The chart windows through real widgets, on the offscreen platform: the "图表" button, the window
// beside its screen redrawn as fields change, Ctrl+S, and closing. With FINCALC_SHOTS set to a
// folder, each chart is saved there as a picture with its screen, and the whole display as well.
#ifndef Q_MOC_RUN // moc cannot parse the C++20 library headers the core uses
#include "../../ChartExamples.h"
#endif
#include "../GuiTesting.h" // before any Qt header: the session's emit() must be parsed before Qt's macro

#include "gui/ChartModule.h"

#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace fincalc;

using test::chartExample;
using test::chartExamples;
using test::RecordingGui;

class ChartWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settings; // window places, away from the user's own
    Session* session = nullptr;
    RecordingGui* gui = nullptr;

    QWidget* screen(int n) { return gui->widget(n); }
    template <class T> T* control(int n, const char* name) {
        return screen(n)->findChild<T*>(QString::fromLatin1(name));
    }
    void type(int n, const std::string& field, const std::string& text) {
        QLineEdit* box = screen(n)->findChild<QLineEdit*>(QString::fromStdString(field));
        box->clear();
        QTest::keyClicks(box, QString::fromStdString(text));
    }
    gui::ChartWindow* openChart(int n) {
        QTest::mouseClick(control<QPushButton>(n, "ChartButton"), Qt::LeftButton);
        return gui->chartWindow(n);
    }

private slots:
    void initTestCase() {
        test::setUpTestApplication(settings);
#ifdef FINCALC_CHART_MODULE_DIR
        QCoreApplication::addLibraryPath(QStringLiteral(FINCALC_CHART_MODULE_DIR));
#endif
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

    void onlyScreensWithAChartHaveTheButton() {
        session->open(2);
        QVERIFY(!control<QPushButton>(2, "ChartButton"));
        session->open(14);
        auto* button = control<QPushButton>(14, "ChartButton");
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("图表"));
        // In the side column, under "退出", which keeps its name and place.
        const QPushButton* exit = control<QPushButton>(14, "Command5");
        QCOMPARE(exit->text(), QStringLiteral("退出"));
        QCOMPARE(button->x(), exit->x());
        QVERIFY(button->y() > exit->y());
        QVERIFY(!gui->chartWindow(14)); // nothing is drawn, nor loaded, before the button is pressed
    }

    void theChartRedrawsAsFieldsChangeAndClosesWithoutChangingAnything() {
#ifndef FINCALC_CHART_MODULE_DIR
        QSKIP("built without Qt Charts");
#endif
        session->open(14);
        type(14, "Text1", "0.1");
        type(14, "Text4", "0.2");
        gui::ChartWindow* chart = openChart(14);
        QVERIFY(chart && chart->isVisible());
        QVERIFY(gui->messages.isEmpty());
        // Beside the screen, not over it.
        QVERIFY(!chart->frameGeometry().intersects(screen(14)->frameGeometry()) ||
                chart->x() + chart->width() >= chart->screen()->availableGeometry().right());
        // Without ρ: a note and no picture.
        QCOMPARE(chart->chart().note, std::string("请输入A、B两个项目的σ和相关系数。"));
        QVERIFY(chart->findChild<QLabel*>(QStringLiteral("ChartNote"))->isVisible());
        QCOMPARE(chart->findChildren<QGraphicsView*>().size(), 0);

        type(14, "Text13", "0.5");
        type(14, "Text2", "0.6");
        QCOMPARE(chart->findChildren<QGraphicsView*>().size(), 1);
        QVERIFY(chart->chart().note.empty());
        QCOMPARE(chart->chart().plots[0].marks.back().label,
                 std::string("输入的比重：wA=0.6，σp=0.121655250605964"));
        // A handler's write reaches the chart too: "取消" clears only the output, so press the
        // screen's compute button and check that nothing about the chart changed the screen.
        QTest::mouseClick(control<QPushButton>(14, "Command2"), Qt::LeftButton);
        const QString printed = control<QPlainTextEdit>(14, "Output")->toPlainText();

        chart->close();
        QVERIFY(!chart->isVisible());
        QVERIFY(screen(14)->isVisible());
        QCOMPARE(control<QPlainTextEdit>(14, "Output")->toPlainText(), printed);
        QCOMPARE(control<QLineEdit>(14, "Text13")->text(), QStringLiteral("0.5"));
        QCOMPARE(session->screen(14)->texts.at("Text2"), std::string("0.6"));

        // Opened again, it shows the fields as they are now; "退出" takes it away with the screen.
        type(14, "Text13", "-1");
        QCOMPARE(openChart(14), chart);
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->chart().plots[0].marks.front().label.substr(0, 18), std::string("最小方差组合"));
        QTest::mouseClick(control<QPushButton>(14, "Command5"), Qt::LeftButton);
        QVERIFY(!screen(14)->isVisible());
        QVERIFY(!chart->isVisible());
    }

    void ctrlSSavesThePicture() {
#ifndef FINCALC_CHART_MODULE_DIR
        QSKIP("built without Qt Charts");
#endif
        session->open(163);
        for (const auto& [field, text] : chartExample(163))
            type(163, field, text);
        gui::ChartWindow* chart = openChart(163);
        QVERIFY(chart);
        QTemporaryDir dir;
        QString suggested;
        chart->askSavePath = [&](const QString& name) {
            suggested = name;
            return dir.filePath(QStringLiteral("npv"));
        };
        chart->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(chart));
        QTest::keyClick(chart, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(suggested, QStringLiteral("净现值与折现率.png"));
        const QImage saved(dir.filePath(QStringLiteral("npv.png")));
        QVERIFY(!saved.isNull());
        QCOMPARE(saved.size(), chart->grab().size());

        // Cancelling the dialog saves nothing.
        chart->askSavePath = [](const QString&) { return QString(); };
        QTest::keyClick(chart, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    // Every chart draws its screen's worked example: a picture per plot, no note.
    void everyChartDrawsItsWorkedExample() {
#ifndef FINCALC_CHART_MODULE_DIR
        QSKIP("built without Qt Charts");
#endif
        const QString shots = qEnvironmentVariable("FINCALC_SHOTS");
        for (const auto& example : chartExamples()) {
            const int n = example.screen;
            QVERIFY(session->open(n));
            for (const auto& [field, text] : example.fields)
                type(n, field, text);
            gui::ChartWindow* chart = openChart(n);
            QVERIFY(chart);
            QVERIFY2(chart->chart().note.empty(), chart->chart().note.c_str());
            QCOMPARE(chart->findChildren<QGraphicsView*>().size(), qsizetype(chart->chart().plots.size()));
            if (!shots.isEmpty()) {
                QTest::qWait(200);
                chart->grab().save(QStringLiteral("%1/chart-Form%2.png").arg(shots).arg(n));
                chart->screen()->grabWindow(0).save(
                    QStringLiteral("%1/display-Form%2.png").arg(shots).arg(n));
            }
            session->close(n);
        }
    }
};

QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"
