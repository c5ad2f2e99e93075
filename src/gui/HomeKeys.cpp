#include "gui/HomeKeys.h"

#include "home/SearchTable.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStringList>

#include <string>

namespace fincalc::gui {

namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString hintText(const QString& text) {
    const std::string keyword = text.toStdString(); // the hint's views point into it
    const SearchHint hint = searchHint(keyword);
    if (!hint.trimmed.empty())
        return QStringLiteral("去掉空格后可找到：%1").arg(q(hint.trimmed));
    if (hint.closest.empty())
        return QStringLiteral("没有找到“%1”。可从菜单按类别查找。").arg(text);
    QStringList closest;
    for (const std::string_view keyword : hint.closest)
        closest << q(keyword);
    return QStringLiteral("没有找到“%1”。相近的有：%2").arg(text, closest.join(QStringLiteral("、")));
}

} // namespace

void addSearchHint(QLineEdit* box, QPushButton* search) {
    auto* hint = new QLabel;
    hint->setObjectName(QStringLiteral("SearchHint"));
    hint->setWordWrap(true);
    hint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    hint->hide();
    // Under the search box's scrolling grid, in the window's own layout, so that the window
    // grows to show it.
    QWidget* sheet = box;
    while (sheet->parentWidget() && !qobject_cast<QScrollArea*>(sheet))
        sheet = sheet->parentWidget();
    for (QBoxLayout* column : box->window()->findChildren<QBoxLayout*>())
        if (const int index = column->indexOf(sheet); index >= 0)
            column->insertWidget(index + 1, hint);

    // After the search has run: a miss is a text that no keyword is.
    const auto searched = [box, hint] {
        if (isKeyword(box->text().toStdString()))
            return;
        hint->setText(hintText(box->text()));
        hint->show();
        // The window grows by the hint's line when it has no room for it.
        QWidget* window = hint->window();
        if (const int needed = window->minimumSizeHint().height(); window->height() < needed)
            window->resize(window->width(), needed);
    };
    QObject::connect(search, &QPushButton::clicked, hint, searched);
    QObject::connect(box, &QLineEdit::returnPressed, hint, searched);
    QObject::connect(box, &QLineEdit::textChanged, hint, &QLabel::hide);
}

void addMenuBarKey(QWidget* window, QMenuBar* bar) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(f10, &QShortcut::activated, bar, [window] {
        // A press and release of Alt, which the menu bar answers by taking the arrow keys,
        // Enter and Esc, and giving the focus back when it is left.
        QKeyEvent check(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        for (QKeyEvent* alt : {&check, &press, &release})
            QApplication::sendEvent(window, alt);
    });
}

} // namespace fincalc::gui
