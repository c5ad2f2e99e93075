#include "gui/Results.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace fincalc::gui {

namespace {

// Set on an output area once it holds a line: an empty document cannot tell "nothing printed"
// from "one empty line printed".
constexpr char kPrinted[] = "printed";

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void appendLine(QPlainTextEdit* output, std::string_view text, const std::vector<Span>& numbers) {
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextDocument* document = output->document();
    QScrollBar* scroll = output->verticalScrollBar();
    const bool atBottom = scroll->value() == scroll->maximum();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    // The document holds one empty block when nothing is printed yet (or after a clear).
    if (output->property(kPrinted).toBool())
        cursor.insertBlock(QTextBlockFormat(), plain);
    output->setProperty(kPrinted, true);
    std::size_t at = 0;
    for (const Span& span : numbers) {
        cursor.insertText(q(text.substr(at, span.first - at)), plain);
        cursor.insertText(q(text.substr(span.first, span.last - span.first)), bold);
        at = span.last;
    }
    cursor.insertText(q(text.substr(at)), plain);
    if (atBottom)
        scroll->setValue(scroll->maximum());
}

void clearLines(QPlainTextEdit* output) {
    output->clear();
    output->setProperty(kPrinted, false);
}

QString faultText(const ScreenDesign& design, const Event& fault) {
    const char* what = fault.fault == FaultKind::DivisionByZero ? "除数为零"
                       : fault.fault == FaultKind::Overflow     ? "结果超出了数值范围"
                                                            : "运算无意义（如 0/0、负数开平方）";
    const Control* pressed = design.find(fault.control);
    const QString where = pressed && !pressed->text.empty()
                              ? QStringLiteral("「%1」（Form%2）").arg(q(pressed->text)).arg(fault.screen)
                              : QStringLiteral("Form%1 ").arg(fault.screen);
    return QStringLiteral("%1无法计算：%2。已输入的数据都保留着。").arg(where, q(what));
}

} // namespace fincalc::gui
