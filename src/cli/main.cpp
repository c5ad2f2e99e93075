// fincalc-cli [--echo] [SCRIPT]: the program without a display, driven by a script.
#include "cli/Driver.h"

#include <fstream>
#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "usage: fincalc-cli [--echo] [SCRIPT]\n"
    "       fincalc-cli --help | --version\n"
    "Runs the calculator without a display. Reads SCRIPT (standard input when it is absent or -),\n"
    "one command a line (open, type, click, menu, close, read, dump), and prints one event a line.\n"
    "  --echo     print each command, as '>' TAB COMMAND, before its events\n"
    "  --help     print this text and exit\n"
    "  --version  print the version and exit\n"
    "The exit status is 1 when any command could not be carried out, 2 for a bad command line.\n";

} // namespace

int main(int argc, char** argv) {
    bool echo = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "fincalc-cli " FINCALC_VERSION "\n";
            return 0;
        }
        if (arg == "--echo" && !echo && !path) {
            echo = true;
        } else if (!path && (arg == "-" || !arg.starts_with("--"))) {
            path = argv[i];
        } else {
            std::cerr << "fincalc-cli: unknown argument " << arg << '\n' << kUsage;
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    fincalc::Driver driver(std::cout, echo);
    if (!path || std::string_view(path) == "-")
        return driver.run(std::cin);
    std::ifstream script(path, std::ios::binary);
    if (!script) {
        std::cerr << "fincalc-cli: cannot read " << path << '\n';
        return 2;
    }
    return driver.run(script);
}
