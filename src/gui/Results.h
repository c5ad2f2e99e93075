// How results read on screen: printed lines with their numbers set apart from the formula text,
// and fault reports in plain words.
#pragma once

#ifndef Q_MOC_RUN
#include "app/Session.h"
#endif

#include <QString>

#include <string_view>
#include <vector>

class QPlainTextEdit;

namespace fincalc::gui {

// Appends one printed line, its number items in bold so that a formula ending in a digit or a
// minus sign cannot run into its value. Copying gives the line as printed.
void appendLine(QPlainTextEdit* output, std::string_view text, const std::vector<Span>& numbers);
void clearLines(QPlainTextEdit* output);

// "「求现值P」（Form3）无法计算：除数为零。已输入的数据都保留着。"
QString faultText(const ScreenDesign& design, const Event& fault);

} // namespace fincalc::gui
