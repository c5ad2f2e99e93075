// The console driver: runs a script of user actions against a session and prints its events.
#pragma once

#include "app/Session.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace fincalc {

class Driver : public Observer {
public:
    // Whether `save`, `load` and `export` may touch files (not for scripts of unknown origin,
    // such as a fuzzer's).
    enum class Files { Allowed, Refused };

    Driver(std::ostream& out, bool echo, Files files = Files::Allowed);
    ~Driver() override;

    // Runs every command of the script, stopping at the program's end. Returns the exit status:
    // 0, or 1 when any command gave an error.
    int run(std::istream& script);
    // Runs one command line; false once the program has ended.
    bool command(std::string_view line);

    void onEvent(const Event& event) override;

private:
    void error(std::string_view message);
    bool runCommand(std::string_view verb, std::string_view rest);
    void printChart(int screen);

    std::ostream& out_;
    bool echo_;
    Files files_;
    bool failed_ = false;
    Session session_;
};

// Writes a backslash as "\\", a TAB as "\t" and a line break as "\n".
std::string escapeField(std::string_view text);

} // namespace fincalc
