#include "gui/DataEntry.h"

#include "app/Number.h"

#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QScrollArea>
#include <QVariant>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

namespace fincalc::gui {

namespace {

// A dynamic property telling a figure box from a name box or a keyword box.
constexpr char kFigure[] = "figureBox";
// Set while a figure box's text is not wholly a number.
constexpr char kMarked[] = "notWhollyANumber";

bool isFigureBox(const QObject* object) { return object && object->property(kFigure).toBool(); }

// The grid controls that take the keyboard, in reading order. The grid's columns fall into
// blocks, each starting at a column of names (name boxes, or labels of fields) standing left of
// what they name; a block is read row by row, across, and the blocks left to right. So the
// statements of a worksheet are read one after the other, each along its rows from the opening
// to the closing amount, and a plain table across, then down.
std::vector<const Control*> readingOrder(const ScreenDesign& design) {
    std::map<std::pair<int, int>, const Control*> cells;
    for (const Control& c : design.controls())
        if (c.area == Area::Grid)
            cells[{c.row, c.col}] = &c;
    const auto takesKeys = [](const Control* c) {
        return c && ((c->kind == ControlKind::Field && !c->nameBox) || c->kind == ControlKind::Button);
    };
    std::vector<int> nameColumns;
    for (const auto& [cell, c] : cells) {
        const auto right = cells.find({cell.first, cell.second + 1});
        const bool names = (c->kind == ControlKind::Field && c->nameBox) ||
                           (c->kind == ControlKind::Label && !c->buddy.empty());
        if (names && right != cells.end() && takesKeys(right->second))
            nameColumns.push_back(cell.second);
    }
    std::sort(nameColumns.begin(), nameColumns.end());
    const auto blockOf = [&](int col) {
        return std::upper_bound(nameColumns.begin(), nameColumns.end(), col) - nameColumns.begin();
    };
    std::vector<const Control*> order;
    for (const auto& [cell, c] : cells)
        if (takesKeys(c))
            order.push_back(c);
    std::stable_sort(order.begin(), order.end(), [&](const Control* a, const Control* b) {
        return std::tuple(blockOf(a->col), a->row, a->col) < std::tuple(blockOf(b->col), b->row, b->col);
    });
    return order;
}

} // namespace

void DataEntry::prepare(QWidget& window, const ScreenDesign& design, bool keywords) {
    QHash<QString, QWidget*> widgets; // by name, found in one pass over a sheet of hundreds
    for (QWidget* w : window.findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            widgets.insert(w->objectName(), w);
    std::vector<QWidget*> chain;
    const auto add = [&](const Control& c) {
        if (QWidget* w = widgets.value(QString::fromStdString(c.name)))
            chain.push_back(w);
    };
    for (const Control* c : readingOrder(design))
        add(*c);
    for (const Area area : {Area::Buttons, Area::Side})
        for (const Control& c : design.controls())
            if (c.area == area && c.kind == ControlKind::Button)
                add(c);
    for (std::size_t k = 1; k < chain.size(); ++k)
        QWidget::setTabOrder(chain[k - 1], chain[k]);

    QLineEdit* first = nullptr;
    for (const Control& c : design.controls()) {
        if (c.kind != ControlKind::Field)
            continue;
        auto* box = qobject_cast<QLineEdit*>(widgets.value(QString::fromStdString(c.name)));
        if (c.nameBox) {
            box->setFocusPolicy(Qt::ClickFocus); // editable by click, out of the Tab chain
            continue;
        }
        if (keywords)
            continue;
        box->setProperty(kFigure, true);
        connect(box, &QLineEdit::textChanged, this, [this, box] { mark(box); });
        if (!box->text().isEmpty())
            mark(box);
    }
    for (QWidget* w : chain)
        if (auto* box = qobject_cast<QLineEdit*>(w); box && (isFigureBox(box) || keywords)) {
            first = box;
            break;
        }
    if (first)
        first->setFocus(Qt::OtherFocusReason); // given when the window is first activated
    window.installEventFilter(this);
}

QString DataEntry::readingNote(const QString& text) {
    const NumberReading reading = InspectNumber(text.toStdString());
    if (reading.overflow)
        return QStringLiteral("数值超出范围，计算时会报错");
    if (reading.whole)
        return {};
    if (!reading.found)
        return QStringLiteral("不是数字，按 0 计算");
    return QStringLiteral("不全是数字，读作 %1").arg(QString::fromStdString(FormatNumber(reading.value)));
}

void DataEntry::mark(QLineEdit* box) const {
    const QString note = readingNote(box->text());
    const bool marked = !note.isEmpty();
    if (marked == box->property(kMarked).toBool() && box->toolTip() == note)
        return;
    box->setProperty(kMarked, marked);
    box->setToolTip(note);
    box->setAccessibleDescription(note);
    if (marked) {
        // A pale amber ground: visible at a glance, quiet enough for a sheet of figures.
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, QColor(0xFF, 0xF1, 0xCC));
        box->setPalette(palette);
    } else {
        box->setPalette(QPalette());
    }
}

bool DataEntry::eventFilter(QObject* watched, QEvent* event) {
    // Enter in a figure box moves on to the next figure box, as in a spreadsheet; the box
    // itself lets Enter through to its window.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* window = static_cast<QWidget*>(watched);
        QWidget* focus = window->focusWidget();
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && isFigureBox(focus)) {
            for (QWidget* next = focus->nextInFocusChain(); next != focus; next = next->nextInFocusChain())
                if (isFigureBox(next) && next->isEnabled() && next->isVisibleTo(window)) {
                    next->setFocus(Qt::TabFocusReason);
                    // On a scrolling sheet, the box comes into view as it does by Tab.
                    for (QWidget* up = next->parentWidget(); up != window; up = up->parentWidget())
                        if (auto* area = qobject_cast<QScrollArea*>(up))
                            area->ensureWidgetVisible(next);
                    return true;
                }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace fincalc::gui
