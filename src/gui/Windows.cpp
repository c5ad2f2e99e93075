#include "gui/Windows.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace fincalc::gui {

namespace {

class SheetArea : public QScrollArea {
public:
    QSize sizeHint() const override {
        // The whole sheet, not QScrollArea's bounded guess; the window is then fitted to the screen.
        const QSize sheet = widget() ? widget()->sizeHint() : QSize();
        return sheet + QSize(verticalScrollBar()->sizeHint().width() + 2 * frameWidth(), 2 * frameWidth());
    }
    QSize minimumSizeHint() const override {
        return {fontMetrics().averageCharWidth() * 24, fontMetrics().lineSpacing() * 4};
    }
};

QString key(const QWidget& window) { return QStringLiteral("windows/%1").arg(window.objectName()); }

// The available area of the screen showing `near` (or holding a point), else the primary one.
QRect availableNear(const QWidget* near) {
    QScreen* screen = near && near->screen() ? near->screen() : QApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The window's size and place made to fit within `area`, its frame included. A window moves
// only when it must: a move places the frame's corner, while a restored place is the inside's.
void fitInto(QWidget& window, const QRect& area, const QMargins& frame) {
    const QSize room = area.size().shrunkBy(frame);
    // A minimum wider than the screen (the home screen's menu bar at a large scale) gives way;
    // the menu bar then folds its last items behind its arrow.
    if (const QSize minimum = window.minimumSize().boundedTo(room); minimum != window.minimumSize())
        window.setMinimumSize(minimum);
    const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSizeHint().boundedTo(room));
    if (size != window.size())
        window.resize(size);
    const QRect outer(window.pos(), size.grownBy(frame)); // a window's pos() is its frame's corner
    const QPoint fitted(
        std::clamp(outer.left(), area.left(), std::max(area.left(), area.right() - outer.width() + 1)),
        std::clamp(outer.top(), area.top(), std::max(area.top(), area.bottom() - outer.height() + 1)));
    if (fitted != outer.topLeft())
        window.move(fitted);
}

// The window system's frame around a shown window, the opener's or another's: the new window
// gets its own only once shown.
QMargins frameOfShownWindow(const QWidget* preferred) {
    const QWidget* shown = preferred;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (!shown && w->isVisible())
            shown = w;
    if (!shown)
        return {};
    const QRect inside = shown->geometry(), outside = shown->frameGeometry();
    return {inside.left() - outside.left(), inside.top() - outside.top(), outside.right() - inside.right(),
            outside.bottom() - inside.bottom()};
}

} // namespace

QWidget* makeSheetArea(QWidget* sheet) {
    auto* area = new SheetArea;
    if (sheet->layout())
        sheet->layout()->setContentsMargins({}); // the window's own margins are enough
    area->setWidget(sheet);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus); // Tab goes to the boxes, and the area follows the focus
    return area;
}

WindowKeeper::WindowKeeper()
    : settings_(QSettings::UserScope, QStringLiteral("fincalc"), QStringLiteral("fincalc")) {}

void WindowKeeper::place(QWidget& window, const QWidget* opener) {
    const bool openerShown = opener && opener->isVisible();
    const QMargins frame = frameOfShownWindow(openerShown ? opener : nullptr);
    // A kept place counts only on a screen that still exists.
    const QRect saved = settings_.value(key(window)).toRect();
    if (QScreen* onto = saved.isValid() ? QApplication::screenAt(saved.center()) : nullptr) {
        window.setGeometry(saved);
        fitInto(window, onto->availableGeometry(), frame);
        return;
    }
    window.resize(window.sizeHint().expandedTo(window.minimumSizeHint()));
    const QRect area = availableNear(opener);
    if (!opener) {
        fitInto(window, area, frame);
        return;
    }
    const QRect by = opener->frameGeometry();
    const QSize outer = window.size().grownBy(frame);
    // Right of the opener, else left, else below, else above; else where most of it shows.
    const QPoint tries[] = {{by.right() + 1, by.top()},
                            {by.left() - outer.width(), by.top()},
                            {by.left(), by.bottom() + 1},
                            {by.left(), by.top() - outer.height()}};
    QPoint at = openerShown ? tries[0] : by.topLeft();
    if (openerShown) {
        int bestRoom = -1;
        for (const QPoint& p : tries) {
            const QRect shown = QRect(p, outer).intersected(area);
            const int room = shown.width() * shown.height();
            if (QRect(p, outer) == shown) {
                at = p;
                break;
            }
            if (room > bestRoom) {
                bestRoom = room;
                at = p;
            }
        }
    }
    window.move(at);
    fitInto(window, area, frame);
}

void WindowKeeper::remember(const QWidget& window) { settings_.setValue(key(window), window.geometry()); }

} // namespace fincalc::gui
