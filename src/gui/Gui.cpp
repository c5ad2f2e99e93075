#include "gui/Gui.h"

#include "gui/HomeKeys.h"
#include "gui/Results.h"
#include "gui/ScreenFiles.h"
#include "home/SearchTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QStringListModel>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

#include <algorithm>

namespace fincalc::gui {

namespace {

constexpr int kHome = 1;
// Grids taller than this are worksheets, whose output area gets the smaller share of the height.
constexpr int kWorksheetRows = 16;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The first installed family of a list, or an empty string.
QString firstInstalled(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return {};
}

QFont makeHeadingFont() {
    // A Song (Ming) face where one is installed, any font with Chinese glyphs otherwise.
    QString family = firstInstalled({"SimSun", "宋体", "NSimSun", "Songti SC", "STSong", "Noto Serif CJK SC",
                                     "Source Han Serif SC", "AR PL UMing CN", "AR PL SungtiL GB"});
    if (family.isEmpty()) {
        const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        family = chinese.isEmpty() ? QApplication::font().family() : chinese.first();
    }
    QFont font(family);
    font.setBold(true);
    font.setPointSizeF(std::max(9.0, QApplication::font().pointSizeF()));
    return font;
}

} // namespace

// ---- one screen

ScreenWidget::ScreenWidget(Gui& gui, const Screen& screen) : gui_(gui), number_(screen.design.number()) {
    const ScreenDesign& design = screen.design;
    setObjectName(QStringLiteral("Form%1").arg(number_));
    setWindowTitle(q(design.title()));
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* grid = new QGridLayout;
    auto* buttons = new QGridLayout;
    auto* side = new QVBoxLayout;
    int gridRows = 0;
    int flowed = 0;
    for (const Control& control : design.controls()) {
        QWidget* w = makeControl(control);
        switch (control.area) {
        case Area::Grid:
            grid->addWidget(w, control.row, control.col, 1, control.colSpan == 0 ? -1 : control.colSpan);
            gridRows = std::max(gridRows, control.row + 1);
            break;
        case Area::Buttons:
            buttons->addWidget(w, flowed / design.buttonColumns(), flowed % design.buttonColumns());
            ++flowed;
            break;
        case Area::Side:
            side->addWidget(w);
            break;
        }
    }
    // A label names its field, for the keyboard (its buddy) and for assistive tools.
    for (const auto& [label, name] : buddies_) {
        if (QLineEdit* f = field(name)) {
            label->setBuddy(f);
            f->setAccessibleName(label->text());
        }
    }
    buddies_.clear();
    if (QWidget* chart = makeChartButton())
        side->addWidget(chart);
    // Columns of fields share the width; columns of labels keep their natural width.
    for (const Control& control : design.controls())
        if (control.area == Area::Grid && control.kind == ControlKind::Field)
            grid->setColumnStretch(control.col, 1);
    side->addStretch();

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    // Every grid can scroll, so that any screen fits a small screen at a large scale.
    auto* sheet = new QWidget;
    sheet->setLayout(grid);
    left->addWidget(makeSheetArea(sheet), 3);
    left->addLayout(buttons);
    top->addLayout(left, 1);
    top->addLayout(side);

    output_ = new QPlainTextEdit;
    output_->setObjectName(QStringLiteral("Output"));
    output_->setAccessibleName(QStringLiteral("输出"));
    output_->setReadOnly(true);
    output_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    output_->setMinimumHeight(output_->fontMetrics().lineSpacing() * 6);
    for (const std::string& line : screen.lines)
        appendLine(output_, line, {});

    auto* root = new QVBoxLayout(this);
    if (!design.menu().empty())
        addMenuBar(design);
    root->addLayout(top);
    root->addWidget(output_, gridRows > kWorksheetRows ? 1 : 2);
    output_->setVisible(design.hasOutput());
    gui_.dataEntry().prepare(*this, design, number_ == kHome);
}

QWidget* ScreenWidget::makeControl(const Control& control) {
    const QString name = q(control.name);
    const QString text = q(control.text);
    QWidget* w = nullptr;
    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(text);
        if (control.heading)
            label->setFont(gui_.headingFont());
        if (control.heading || control.colSpan != 1)
            label->setAlignment(Qt::AlignCenter); // a title over the columns it spans
        w = label;
        break;
    }
    case ControlKind::Field: {
        auto* field = new QLineEdit(text);
        // Room for a dozen digits, or for the whole of a name box's text.
        const QFontMetrics metrics = field->fontMetrics();
        field->setMinimumWidth(
            std::max(metrics.horizontalAdvance(QLatin1Char('0')) * 12, metrics.horizontalAdvance(text) + 16));
        // Every change, typed, pasted or completed, reaches the session; the session's own
        // writes come back here unchanged.
        connect(field, &QLineEdit::textChanged, this, [this, name](const QString& now) {
            gui_.session().type(number_, name.toStdString(), now.toStdString());
        });
        // A label names its field for assistive tools; a box without one is named by its text.
        field->setAccessibleName(text.isEmpty() ? name : text);
        w = field;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text);
        // Enter on a focused button presses it, as Space does; no button is a window's default.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this,
                [this, name] { gui_.session().click(number_, name.toStdString()); });
        w = button;
        break;
    }
    }
    w->setObjectName(name);
    if (control.kind != ControlKind::Field)
        w->setAccessibleName(text);
    if (control.kind != ControlKind::Button && control.onClick) {
        w->installEventFilter(this);
        w->setCursor(Qt::PointingHandCursor);
    }
    if (control.kind == ControlKind::Label && !control.buddy.empty()) {
        static_cast<QLabel*>(w)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        buddies_.emplace_back(static_cast<QLabel*>(w), q(control.buddy));
    }
    return w;
}

void ScreenWidget::addMenuBar(const ScreenDesign& design) {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MenuBar"));
    for (const MenuItem& item : design.menu()) {
        QAction* action = bar->addAction(q(item.caption));
        action->setObjectName(q(item.name));
        connect(action, &QAction::triggered, this,
                [this, name = item.name] { gui_.session().pickMenu(name); });
    }
    layout()->setMenuBar(bar);
    // Wide enough that every category shows without the overflow arrow.
    setMinimumWidth(bar->sizeHint().width());
}

void ScreenWidget::releaseWindow() {
    if (isHidden() && testAttribute(Qt::WA_WState_Created))
        destroy();
}

QLineEdit* ScreenWidget::field(const QString& name) const { return findChild<QLineEdit*>(name); }

bool ScreenWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        gui_.session().click(number_, watched->objectName().toStdString());
    return QWidget::eventFilter(watched, event);
}

void ScreenWidget::closeEvent(QCloseEvent* event) {
    // The close control does what the screen's "退出" does; the home screen's ends the program.
    if (gui_.session().ended()) {
        event->accept();
        return;
    }
    event->ignore();
    gui_.session().close(number_);
}

// ---- the front end

Gui::Gui(Session& session)
    : session_(session), files_(new ScreenFiles(*this)), headingFont_(makeHeadingFont()) {
    session_.addObserver(this);
}

Gui::~Gui() {
    session_.removeObserver(this);
    for (ScreenWidget* w : widgets_)
        delete w;
}

QString Gui::title() { return QStringLiteral("财务管理计算"); }

ScreenWidget* Gui::widget(int screen) const {
    return screen >= 1 && screen <= kScreenCount ? widgets_[screen] : nullptr;
}

void Gui::onEvent(const Event& e) {
    ScreenWidget* w = widget(e.screen);
    switch (e.kind) {
    case Event::Kind::Show:
        if (!w) {
            w = widgets_[e.screen] = new ScreenWidget(*this, *session_.screen(e.screen));
            files_->attach(*w);
            if (e.screen == kHome) {
                auto* completer = new QCompleter(w);
                QStringList keywords;
                for (const SearchEntry& row : searchTable())
                    if (!keywords.contains(q(row.keyword)))
                        keywords << q(row.keyword);
                completer->setModel(new QStringListModel(keywords, completer));
                completer->setFilterMode(Qt::MatchContains);
                QLineEdit* box = w->field(QStringLiteral("Text1"));
                box->setCompleter(completer);
                connect(box, &QLineEdit::returnPressed, w, [this] { session_.click(kHome, "Command1"); });
                addSearchHint(box, w->findChild<QPushButton*>(QStringLiteral("Command1")));
                addMenuBarKey(w, w->findChild<QMenuBar*>());
            }
        }
        if (!w->isVisible())
            windows_.place(*w, widget(e.opener));
        w->show();
        w->raise();
        w->activateWindow();
        break;
    case Event::Kind::Hide:
        if (w) {
            windows_.remember(*w);
            w->hide();
            // Later, not here: the handler that hid the screen may be running inside one of its
            // window's events.
            QTimer::singleShot(0, w, [w] { w->releaseWindow(); });
        }
        break;
    case Event::Kind::Print:
        appendLine(w->output(), e.text, e.numbers);
        break;
    case Event::Kind::Clear:
        clearLines(w->output());
        break;
    case Event::Kind::Write:
        if (QLineEdit* field = w->field(q(e.control)))
            field->setText(q(e.text));
        break;
    case Event::Kind::Message:
        showMessageBox(q(e.text), false);
        break;
    case Event::Kind::Fault:
        showMessageBox(faultText(session_.screen(e.screen)->design, e), true);
        break;
    case Event::Kind::End:
        for (ScreenWidget* screen : widgets_)
            if (screen && screen->isVisible()) {
                windows_.remember(*screen);
                screen->hide();
            }
        QApplication::quit();
        break;
    }
}

void Gui::showMessageBox(const QString& text, bool fault) {
    QMessageBox box(fault ? QMessageBox::Warning : QMessageBox::NoIcon, title(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("fincalc"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QString sans = firstInstalled({"Noto Sans CJK SC", "Source Han Sans SC", "Microsoft YaHei",
                                         "PingFang SC", "WenQuanYi Micro Hei", "Droid Sans Fallback"});
    if (!sans.isEmpty()) {
        QFont font = QApplication::font();
        font.setFamily(sans);
        QApplication::setFont(font);
    }
    // Standard dialogs and context menus speak Chinese, whatever the user's locale.
    auto* translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

} // namespace fincalc::gui
