// The chart windows of the screens that have a chart: the "图表" button, the window beside its
// screen, redrawn from the session's fields as they change, and the chart module loaded when the
// first chart opens.
#include "gui/Gui.h" // before any Qt header: the session's emit() must be parsed before Qt's macro

#include "gui/ChartModule.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPluginLoader>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <map>

namespace fincalc::gui {

class ChartWindows : public QObject {
public:
    explicit ChartWindows(Gui& gui) : QObject(&gui), gui_(gui) {}
    ~ChartWindows() override {
        for (const auto& [screen, window] : windows_)
            delete window;
    }

    ChartWindow* window(int screen) const {
        const auto it = windows_.find(screen);
        return it == windows_.end() ? nullptr : it->second.data();
    }

    // Shows the screen's chart beside it; false, with the reason, when the chart module is missing.
    bool open(ScreenWidget& screen, QString& problem) {
        const int n = screen.number();
        ChartWindow* w = window(n);
        if (!w) {
            ChartModule* charts = module(problem);
            if (!charts)
                return false;
            w = charts->createWindow([](double x) { return QString::fromStdString(FormatNumber(x)); });
            windows_[n] = w;
            // Typed, pasted or written by a handler: every change of a field reaches the session
            // first (the screen connected before), then the chart.
            for (QLineEdit* field : screen.findChildren<QLineEdit*>())
                connect(field, &QLineEdit::textChanged, w, [this, n] { redraw(n); });
            screen.installEventFilter(this);
            placeBeside(*w, screen);
        }
        w->show();
        redraw(n);
        w->raise();
        w->activateWindow();
        return true;
    }

protected:
    // A screen that goes away takes its chart with it.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            if (auto* screen = qobject_cast<ScreenWidget*>(watched))
                if (ChartWindow* w = window(screen->number()))
                    w->hide();
        return QObject::eventFilter(watched, event);
    }

private:
    void redraw(int screen) {
        ChartWindow* w = window(screen);
        const Screen* s = gui_.session().screen(screen);
        if (w && s && w->isVisible())
            w->draw(chartOf(screen, Fields(s->texts)));
    }

    static void placeBeside(ChartWindow& chart, const ScreenWidget& screen) {
        const QRect room = screen.screen()->availableGeometry();
        const QRect frame = screen.frameGeometry();
        chart.resize(std::min(760, room.width()), std::min(620, room.height()));
        QPoint at(frame.right() + 8, frame.top());
        if (at.x() + chart.width() > room.right())
            at.setX(std::max(room.left(), room.right() - chart.width()));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - chart.height())));
        chart.move(at);
    }

    ChartModule* module(QString& problem) {
#ifdef FINCALC_CHART_MODULE
        if (module_)
            return module_;
        // Beside the program in the build tree, then where the program is installed: under the
        // program's own prefix when the installed tree has been moved, else where it was installed.
        const QString program = QCoreApplication::applicationDirPath();
        QStringList places{program, program + QStringLiteral("/../" FINCALC_CHART_INSTALL_LIBDIR "/fincalc"),
                           QStringLiteral(FINCALC_CHART_INSTALL_DIR)};
        places += QCoreApplication::libraryPaths();
        for (const QString& place : places) {
            const QString file = place + QStringLiteral("/" FINCALC_CHART_MODULE);
            if (!QFileInfo::exists(file))
                continue;
            QPluginLoader loader(file); // stays loaded after the loader goes
            module_ = qobject_cast<ChartModule*>(loader.instance());
            if (!module_)
                problem = QStringLiteral("图表模块无法载入：") + loader.errorString();
            return module_;
        }
        problem = QStringLiteral("没有找到图表模块 " FINCALC_CHART_MODULE "，请重新安装本程序。");
        return nullptr;
#else
        problem = unavailable();
        return nullptr;
#endif
    }

public:
    static QString unavailable() {
        return QStringLiteral("本程序构建时没有 Qt Charts（Debian 软件包 qt6-charts-dev），不能显示图表。");
    }

private:
    Gui& gui_;
    ChartModule* module_ = nullptr;
    std::map<int, QPointer<ChartWindow>> windows_;
};

QWidget* ScreenWidget::makeChartButton() {
    if (!hasChart(number_))
        return nullptr;
    auto* button = new QPushButton(QStringLiteral("图表"));
    button->setObjectName(QStringLiteral("ChartButton"));
    button->setAccessibleName(QStringLiteral("图表"));
    button->setAutoDefault(false);
#ifdef FINCALC_CHART_MODULE
    button->setToolTip(QStringLiteral("在旁边的窗口中画出本界面的图表，随输入更新；Ctrl+S 保存为图片"));
#else
    button->setToolTip(ChartWindows::unavailable());
#endif
    connect(button, &QPushButton::clicked, this, [this] { gui_.openChart(number_); });
    return button;
}

void Gui::openChart(int screen) {
    ScreenWidget* w = widget(screen);
    if (!w || !hasChart(screen))
        return;
    if (!charts_)
        charts_ = new ChartWindows(*this);
    QString problem;
    if (!charts_->open(*w, problem))
        showMessageBox(problem, false);
}

ChartWindow* Gui::chartWindow(int screen) const { return charts_ ? charts_->window(screen) : nullptr; }

} // namespace fincalc::gui
