// Any script, however malformed, runs through the console driver without a crash, and no
// exception escapes it: bad commands are reported as errors, arithmetic faults as fault events.
#include "cli/Driver.h"

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

// Discards the driver's output: what it prints is checked by the console golden tests.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    NullBuffer discard;
    std::ostream out(&discard);
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    fincalc::Driver driver(out, true, fincalc::Driver::Files::Refused);
    driver.run(script);
    return 0;
}
