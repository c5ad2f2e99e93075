// Any bytes, however malformed, go through the screen file reader without a crash. A file it
// accepts writes back to one that reads the same, and opening it into its screen either fits and
// restores the fields or is refused and changes nothing.
#include "app/ScreenFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fincalc;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = readScreenFile(bytes);
    const ScreenFile* file = std::get_if<ScreenFile>(&read);
    if (!file)
        return 0;

    const std::string written = writeScreenFile(*file);
    if (written.size() <= kMaxScreenFileBytes) {
        const auto again = readScreenFile(written);
        if (!std::holds_alternative<ScreenFile>(again) || std::get<ScreenFile>(again) != *file)
            std::abort();
    }

    Session session;
    session.start();
    if (!session.open(file->screen))
        return 0;
    const FieldTexts before = session.screen(file->screen)->texts;
    const auto refused = openScreenFrom(session, file->screen, bytes);
    const FieldTexts& after = session.screen(file->screen)->texts;
    if (refused ? after != before : after.size() != before.size())
        std::abort();
    if (!refused)
        for (const FieldEntry& field : file->fields)
            if (after.find(field.name)->second != field.text)
                std::abort();
    return 0;
}
