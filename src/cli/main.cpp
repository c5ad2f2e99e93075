// fincalc-cli [--echo] [SCRIPT]: the program without a display, driven by a script.
#include "cli/Driver.h"

#include <fstream>
#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    bool echo = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--echo" && !echo && !path) {
            echo = true;
        } else if (!path) {
            path = argv[i];
        } else {
            std::cerr << "usage: fincalc-cli [--echo] [SCRIPT]\n";
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
