// The benchmarks' memory figure.
#pragma once

#include <fstream>
#include <string>

// Resident memory of this process in KiB.
inline long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    return 0;
}
