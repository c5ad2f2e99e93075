#include "app/Screen.h"

#include "app/Session.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace fincalc {

ScreenDesign::ScreenDesign(int number) : number_(number), title_("Form" + std::to_string(number)) {}

const Control* ScreenDesign::find(std::string_view name) const {
    if (name.empty())
        return nullptr;
    const auto it =
        std::find_if(controls_.begin(), controls_.end(), [&](const Control& c) { return c.name == name; });
    return it == controls_.end() ? nullptr : &*it;
}

Control* ScreenDesign::find(std::string_view name) {
    return const_cast<Control*>(std::as_const(*this).find(name));
}

std::vector<const Control*> ScreenDesign::fields() const {
    std::vector<const Control*> out;
    for (const Control& c : controls_)
        if (c.kind == ControlKind::Field)
            out.push_back(&c);
    std::stable_sort(out.begin(), out.end(), [](const Control* a, const Control* b) {
        return controlNumber(a->name) < controlNumber(b->name);
    });
    return out;
}

Control& ScreenDesign::add(Control control) {
    controls_.push_back(std::move(control));
    return controls_.back();
}

ScreenDesign& ScreenDesign::heading(std::string name, std::string caption) {
    return text(std::move(name), std::move(caption), nextRow_, 0, 0, true);
}

ScreenDesign& ScreenDesign::label(std::string name, std::string caption) {
    return text(std::move(name), std::move(caption), nextRow_, 0, 0, false);
}

ScreenDesign& ScreenDesign::field(std::string name, std::string label, std::string labelName) {
    return field(std::move(name), std::move(label), nextRow_, 0, std::move(labelName));
}

ScreenDesign& ScreenDesign::field(std::string name, std::string label, int row, int col,
                                  std::string labelName, std::string initial) {
    add({.kind = ControlKind::Label,
         .name = std::move(labelName),
         .text = std::move(label),
         .row = row,
         .col = col,
         .buddy = name});
    return box(std::move(name), row, col + 1, std::move(initial));
}

ScreenDesign& ScreenDesign::button(std::string name, std::string caption, Handler onClick) {
    add({.kind = ControlKind::Button,
         .name = std::move(name),
         .text = std::move(caption),
         .area = Area::Buttons,
         .onClick = std::move(onClick)});
    return *this;
}

ScreenDesign& ScreenDesign::cancel(std::string name) {
    return side(std::move(name), "取消", [](Ctx& c) { c.clearOutput(); });
}

ScreenDesign& ScreenDesign::exit(std::string name) {
    return side(std::move(name), "退出", [](Ctx& c) { c.leave(); });
}

ScreenDesign& ScreenDesign::side(std::string name, std::string caption, Handler onClick) {
    add({.kind = ControlKind::Button,
         .name = std::move(name),
         .text = std::move(caption),
         .area = Area::Side,
         .onClick = std::move(onClick)});
    return *this;
}

ScreenDesign& ScreenDesign::box(std::string name, int row, int col, std::string initial, Handler onClick) {
    add({.kind = ControlKind::Field,
         .name = std::move(name),
         .text = std::move(initial),
         .row = row,
         .col = col,
         .onClick = std::move(onClick)});
    nextRow_ = std::max(nextRow_, row + 1);
    return *this;
}

ScreenDesign& ScreenDesign::text(std::string name, std::string caption, int row, int col, int colSpan,
                                 bool heading) {
    add({.kind = ControlKind::Label,
         .name = std::move(name),
         .text = std::move(caption),
         .row = row,
         .col = col,
         .colSpan = colSpan,
         .heading = heading});
    nextRow_ = std::max(nextRow_, row + 1);
    return *this;
}

ScreenDesign& ScreenDesign::gridButton(std::string name, std::string caption, int row, int col,
                                       Handler onClick) {
    add({.kind = ControlKind::Button,
         .name = std::move(name),
         .text = std::move(caption),
         .row = row,
         .col = col,
         .onClick = std::move(onClick)});
    nextRow_ = std::max(nextRow_, row + 1);
    return *this;
}

ScreenDesign& ScreenDesign::title(std::string title) {
    title_ = std::move(title);
    return *this;
}

ScreenDesign& ScreenDesign::buttonColumns(int columns) {
    buttonColumns_ = columns;
    return *this;
}

ScreenDesign& ScreenDesign::menuItem(std::string name, std::string caption, Handler onClick) {
    menu_.push_back({std::move(name), std::move(caption), std::move(onClick)});
    return *this;
}

ScreenDesign& ScreenDesign::withoutOutput() {
    hasOutput_ = false;
    return *this;
}

int controlNumber(std::string_view name) {
    const auto digits = name.find_first_of("0123456789");
    if (digits == std::string_view::npos)
        return 0;
    int k = 0;
    std::from_chars(name.data() + digits, name.data() + name.size(), k);
    return k;
}

std::string screenName(int number) { return "Form" + std::to_string(number); }

int screenNumber(std::string_view name) {
    if (!name.starts_with("Form") || name.size() == 4 || name[4] == '0')
        return 0;
    int n = 0;
    const auto [end, ec] = std::from_chars(name.data() + 4, name.data() + name.size(), n);
    return ec == std::errc() && end == name.data() + name.size() ? n : 0;
}

std::string fieldName(int k) { return "Text" + std::to_string(k); }

} // namespace fincalc
