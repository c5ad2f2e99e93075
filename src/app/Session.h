// The one session of the program: it runs one handler at a time and reports everything it does
// as events, which the window front end renders and the console driver prints.
#pragma once

#include "app/Arith.h"
#include "app/Catalogue.h"
#include "app/Fields.h"
#include "app/Number.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fincalc {

// Where a printed line's number items stand in it: byte offsets [first, last).
struct Span {
    std::size_t first;
    std::size_t last;
};

struct Event {
    enum class Kind { Show, Hide, Print, Clear, Write, Message, Fault, End };
    Kind kind;
    int screen = 0;
    std::string control{}; // the field, for Write; the clicked control, for Fault ("" for a menu item)
    std::string text{};    // the line, the field's new text, or the message
    FaultKind fault = FaultKind::InvalidOperation;
    std::vector<Span> numbers{}; // for Print: the line's number items, so a front end can set them apart
    int opener = 0;              // for Show: the screen whose handler showed it; 0 at start-up or an open
};

class Observer {
public:
    virtual ~Observer() = default;
    // Called as each event happens; a Message event returns when the user has answered it.
    virtual void onEvent(const Event& event) = 0;
    // Asked before the program ends; false keeps it running (a front end whose user chose to go
    // back to unsaved work).
    virtual bool mayEnd() { return true; }
};

class Session;

// What a handler may do: read its own screen's fields, print, write and clear them, show a
// message, move between screens, end the program.
class Ctx : public ReadsFields<Ctx> {
public:
    Ctx(Session& session, int screen) : session_(session), screen_(screen) {}

    int screen() const { return screen_; }
    const std::string& text(std::string_view field) const;

    // One line on this screen's output area: texts, plain numbers and values, in order.
    template <class... Items> void print(const Items&... items) {
        PrintedLine line;
        (append(line, items), ...);
        printLine(std::move(line));
    }
    void write(std::string_view field, const Value& value); // an empty value writes empty text
    void write(int k, const Value& value) { write(fieldName(k), value); }
    void setText(std::string_view field, std::string text);
    void clearFields(int first, int last);
    void clearOutput();
    void message(std::string_view text);

    bool exists(int screen) const;
    void show(int screen);
    void hide(int screen);
    void leave(); // hide this screen and show the home screen
    void end();

private:
    struct PrintedLine {
        std::string text;
        std::vector<Span> numbers;
        void addNumber(double x) {
            const std::size_t first = text.size();
            text += FormatNumber(x);
            numbers.push_back({first, text.size()});
        }
    };
    static void append(PrintedLine& line, const char* s) { line.text += s; }
    static void append(PrintedLine& line, std::string_view s) { line.text += s; }
    static void append(PrintedLine& line, double x) { line.addNumber(x); }
    static void append(PrintedLine& line, Num x) { line.addNumber(x.toDouble()); }
    static void append(PrintedLine& line, const Value& v) {
        if (!v.empty())
            line.addNumber(v.num().toDouble());
    }
    void printLine(PrintedLine line);

    Session& session_;
    int screen_;
};

class Session {
public:
    void addObserver(Observer* observer);
    void removeObserver(Observer* observer);

    // Start-up: the home screen is created and shown.
    void start();

    // What the user does. Each returns false, changing nothing, when the screen or control
    // does not exist or the screen is not shown.
    bool open(int screen); // as a navigation would
    bool type(int screen, std::string_view field, std::string text);
    bool click(int screen, std::string_view control);
    bool pickMenu(std::string_view item); // by item name or caption
    bool close(int screen);               // the window's close control
    // Opening a saved file: the named fields of a shown screen get their texts, each change a
    // Write event; false, changing nothing, when a name is not a field of the screen.
    bool restore(int screen, const FieldTexts& texts);

    // What the user sees.
    bool exists(int screen) const { return catalogue_.exists(screen); }
    const Screen* screen(int number) const { return catalogue_.created(number); }
    bool visible(int screen) const;
    bool ended() const { return ended_; }

    ScreenCatalogue& catalogue() { return catalogue_; }

private:
    friend class Ctx;

    void emit(Event event);
    void show(int screen, int opener = 0);
    void hide(int screen);
    void run(int screen, const Handler& handler, std::string_view control = {});
    void end();

    ScreenCatalogue catalogue_;
    std::vector<Observer*> observers_;
    bool running_ = false;
    bool ended_ = false;
};

} // namespace fincalc
