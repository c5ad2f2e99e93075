// A console driver over a string stream, so core tests speak the same events a user's script sees.
#pragma once

#include "cli/Driver.h"

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace fincalc::test {

using Fields = std::initializer_list<std::pair<std::string_view, std::string_view>>;

class Cli {
public:
    Cli() : driver_(out_, false) { take(); }

    // Runs script lines (one command a line) and returns the events they printed.
    std::string run(std::string_view script) {
        std::istringstream in{std::string(script)};
        driver_.run(in);
        return take();
    }

    // Opens the screen, types the fields, clicks the control; returns the click's events only.
    // The fields are (field name, text) pairs: a braced list, or any range of pairs.
    std::string press(int screen, Fields fields, std::string_view control) {
        return press<Fields>(screen, fields, control);
    }
    template <class Range> std::string press(int screen, const Range& fields, std::string_view control) {
        const std::string form = "Form" + std::to_string(screen);
        std::string script = "open " + form + "\n";
        for (const auto& [field, text] : fields)
            script += "type " + form + "." + std::string(field) + " " + std::string(text) + "\n";
        run(script);
        return run("click " + form + "." + std::string(control) + "\n");
    }

    // The text of the last event "print FormN LINE" in a run's output, or "<none>".
    static std::string lastPrint(const std::string& events) {
        std::string line;
        bool found = false;
        std::istringstream in(events);
        for (std::string event; std::getline(in, event);)
            if (event.starts_with("print\t")) {
                line = event.substr(event.find('\t', 6) + 1);
                found = true;
            }
        return found ? line : "<none>";
    }

private:
    std::string take() {
        std::string s = out_.str();
        out_.str({});
        return s;
    }

    std::ostringstream out_;
    Driver driver_;
};

} // namespace fincalc::test
