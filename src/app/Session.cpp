#include "app/Session.h"

#include <algorithm>
#include <stdexcept>

namespace fincalc {

namespace {

constexpr int kHome = 1;

std::logic_error noField(int screen, std::string_view field) {
    return std::logic_error("Form" + std::to_string(screen) + " has no field " + std::string(field));
}

} // namespace

// ---- what a handler does

const std::string& Ctx::text(std::string_view field) const {
    const Screen* s = session_.catalogue_.created(screen_);
    const auto it = s->texts.find(field);
    if (it == s->texts.end())
        throw noField(screen_, field);
    return it->second;
}

void Ctx::printLine(std::string line) {
    if (session_.ended_)
        return;
    session_.catalogue_.created(screen_)->lines.push_back(line);
    session_.emit({.kind = Event::Kind::Print, .screen = screen_, .text = std::move(line)});
}

void Ctx::write(std::string_view field, const Value& value) {
    setText(field, value.empty() ? std::string() : FormatNumber(value.num().toDouble()));
}

void Ctx::setText(std::string_view field, std::string text) {
    if (session_.ended_)
        return;
    Screen* s = session_.catalogue_.created(screen_);
    const auto it = s->texts.find(field);
    if (it == s->texts.end())
        throw noField(screen_, field);
    it->second = text;
    session_.emit(
        {.kind = Event::Kind::Write, .screen = screen_, .control = it->first, .text = std::move(text)});
}

void Ctx::clearFields(int first, int last) {
    for (int k = first; k <= last; ++k)
        setText(fieldName(k), {});
}

void Ctx::clearOutput() {
    if (session_.ended_)
        return;
    session_.catalogue_.created(screen_)->lines.clear();
    session_.emit({.kind = Event::Kind::Clear, .screen = screen_});
}

void Ctx::message(std::string_view text) {
    if (!session_.ended_)
        session_.emit({.kind = Event::Kind::Message, .text = std::string(text)});
}

bool Ctx::exists(int screen) const { return session_.exists(screen); }
void Ctx::show(int screen) { session_.show(screen); }
void Ctx::hide(int screen) { session_.hide(screen); }

void Ctx::leave() {
    session_.hide(screen_);
    session_.show(kHome);
}

void Ctx::end() { session_.end(); }

// ---- the session

void Session::addObserver(Observer* observer) { observers_.push_back(observer); }

void Session::removeObserver(Observer* observer) { std::erase(observers_, observer); }

void Session::emit(Event event) {
    for (Observer* o : observers_)
        o->onEvent(event);
}

void Session::start() { show(kHome); }

void Session::show(int screen) {
    if (ended_)
        return;
    Screen* s = catalogue_.get(screen);
    if (!s)
        return;
    s->visible = true;
    emit({.kind = Event::Kind::Show, .screen = screen});
}

void Session::hide(int screen) {
    Screen* s = catalogue_.created(screen);
    if (ended_ || !s)
        return;
    s->visible = false;
    emit({.kind = Event::Kind::Hide, .screen = screen});
}

void Session::end() {
    if (ended_)
        return;
    for (Observer* o : observers_)
        if (!o->mayEnd())
            return;
    ended_ = true;
    emit({.kind = Event::Kind::End});
}

bool Session::visible(int screen) const {
    const Screen* s = catalogue_.created(screen);
    return s && s->visible;
}

void Session::run(int screen, const Handler& handler) {
    if (running_ || ended_ || !handler)
        return; // one handler at a time: a click during a message box waits for nothing
    running_ = true;
    Ctx ctx(*this, screen);
    try {
        handler(ctx);
    } catch (const ArithmeticFault& fault) {
        emit({.kind = Event::Kind::Fault, .screen = screen, .fault = fault.kind()});
    } catch (...) {
        running_ = false;
        throw;
    }
    running_ = false;
}

bool Session::open(int screen) {
    if (ended_ || !exists(screen))
        return false;
    show(screen);
    return true;
}

bool Session::type(int screen, std::string_view field, std::string text) {
    Screen* s = catalogue_.created(screen);
    if (ended_ || !s || !s->visible)
        return false;
    const auto it = s->texts.find(field);
    if (it == s->texts.end())
        return false;
    it->second = std::move(text);
    return true;
}

bool Session::restore(int screen, const FieldTexts& texts) {
    Screen* s = catalogue_.created(screen);
    if (ended_ || !s || !s->visible)
        return false;
    for (const auto& [field, text] : texts)
        if (!s->texts.contains(field))
            return false;
    for (const Control* field : s->design.fields()) { // in the order of the fields' numbers
        const auto restored = texts.find(field->name);
        std::string& now = s->texts.find(field->name)->second;
        if (restored == texts.end() || now == restored->second)
            continue;
        now = restored->second;
        emit({.kind = Event::Kind::Write, .screen = screen, .control = field->name, .text = now});
    }
    return true;
}

bool Session::click(int screen, std::string_view control) {
    Screen* s = catalogue_.created(screen);
    if (ended_ || !s || !s->visible)
        return false;
    const Control* c = s->design.find(control);
    if (!c)
        return false;
    run(screen, c->onClick);
    return true;
}

bool Session::pickMenu(std::string_view item) {
    Screen* home = catalogue_.created(kHome);
    if (ended_ || !home || !home->visible)
        return false;
    const auto& menu = home->design.menu();
    const auto it = std::find_if(menu.begin(), menu.end(),
                                 [&](const MenuItem& m) { return m.name == item || m.caption == item; });
    if (it == menu.end())
        return false;
    run(kHome, it->onClick);
    return true;
}

bool Session::close(int screen) {
    Screen* s = catalogue_.created(screen);
    if (ended_ || !s || !s->visible)
        return false;
    if (screen == kHome) {
        end();
        return true;
    }
    // Any other screen's close control does what its "退出" does.
    const auto& controls = s->design.controls();
    const auto exitButton = std::find_if(controls.begin(), controls.end(), [](const Control& c) {
        return c.kind == ControlKind::Button && c.text == "退出" && c.onClick;
    });
    if (exitButton != controls.end())
        run(screen, exitButton->onClick);
    else
        run(screen, [](Ctx& c) { c.leave(); });
    return true;
}

} // namespace fincalc
