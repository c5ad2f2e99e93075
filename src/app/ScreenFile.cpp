#include "app/ScreenFile.h"

#include "app/Number.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <set>
#include <system_error>

#include <fcntl.h> // fsync: a renamed file must be on disk before it replaces the earlier one
#include <unistd.h>

namespace fincalc {

namespace {

constexpr int kHome = 1;
constexpr std::string_view kProgram = "fincalc";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kOutputRow = "Output"; // the GUI's name of the output area too
constexpr std::string_view kEndRow = "End";
constexpr std::size_t kColumns = 3;

// ---- spreadsheet formulas

bool startsLikeFormula(std::string_view text) {
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos &&
           !ReadWholeNumber(text);
}

// One or more apostrophes before a formula-like text: the form a guarded text is written in.
bool isGuarded(std::string_view text) {
    const auto quotes = text.find_first_not_of('\'');
    return quotes != 0 && quotes != std::string_view::npos && startsLikeFormula(text.substr(quotes));
}

std::string guard(std::string_view text) {
    std::string guarded;
    if (startsLikeFormula(text) || isGuarded(text))
        guarded += '\'';
    guarded += text;
    return guarded;
}

std::string unguard(std::string text) {
    if (isGuarded(text))
        text.erase(0, 1);
    return text;
}

// ---- RFC 4180 records

void appendCell(std::string& out, std::string_view cell) {
    const bool quoted = cell.find_first_of(",\"\r\n") != std::string_view::npos ||
                        (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
    if (!quoted) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendRecord(std::string& out, std::string_view a, std::string_view b, std::string_view c) {
    appendCell(out, a);
    out += ',';
    appendCell(out, b);
    out += ',';
    appendCell(out, c);
    out += "\r\n";
}

using Record = std::vector<std::string>;

// Reads one record at bytes[pos], through its line end (CRLF or LF).
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ == bytes_.size(); }

    // The next record, or the reason there is none.
    std::variant<Record, FileError> next() {
        ++row_;
        Record record(1);
        while (true) {
            if (pos_ == bytes_.size())
                return FileError{FileError::Kind::Truncated}; // every row ends with a line break
            const char c = bytes_[pos_++];
            if (c == '"') {
                if (!record.back().empty())
                    return malformed("a quote inside an unquoted text");
                if (auto error = readQuoted(record.back()))
                    return *error;
            } else if (c == ',') {
                record.emplace_back();
            } else if (c == '\n' || (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n')) {
                pos_ += c == '\r';
                return record;
            } else if (c == '\r') {
                return malformed("a carriage return outside quotes");
            } else {
                record.back() += c;
            }
        }
    }

    FileError malformed(std::string_view what) const {
        return {FileError::Kind::Malformed, "row " + std::to_string(row_) + ": " + std::string(what)};
    }

private:
    // After the opening quote: the text up to the closing one, which a separator or a line end
    // must follow.
    std::optional<FileError> readQuoted(std::string& cell) {
        while (true) {
            const auto quote = bytes_.find('"', pos_);
            if (quote == std::string_view::npos)
                return FileError{FileError::Kind::Truncated};
            cell.append(bytes_.substr(pos_, quote - pos_));
            pos_ = quote + 1;
            if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
                cell += '"';
                ++pos_;
                continue;
            }
            if (pos_ < bytes_.size() &&
                std::string_view(",\r\n").find(bytes_[pos_]) == std::string_view::npos)
                return malformed("text after a closing quote");
            return std::nullopt;
        }
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    int row_ = 0;
};

// The first row: the program, a format version this program reads, a screen.
std::optional<FileError> readHeader(RecordReader& reader, ScreenFile& file) {
    auto first = reader.next();
    const Record* header = std::get_if<Record>(&first);
    if (!header || header->size() != kColumns || (*header)[0] != kProgram)
        return FileError{FileError::Kind::NotScreenFile};
    const std::string& version = (*header)[1];
    const auto [end, ec] = std::from_chars(version.data(), version.data() + version.size(), file.version);
    if (ec != std::errc() || end != version.data() + version.size() || file.version < 1) {
        return ec == std::errc::result_out_of_range && !version.starts_with('-')
                   ? FileError{FileError::Kind::NewerVersion, version}
                   : reader.malformed("no format version");
    }
    if (file.version > kScreenFileVersion)
        return FileError{FileError::Kind::NewerVersion, version};
    file.screen = screenNumber((*header)[2]);
    if (file.screen == 0)
        return reader.malformed("no screen name");
    return std::nullopt;
}

// ---- files on disk

std::string systemReason(const std::error_code& code) { return code.message(); }

std::optional<std::string> syncToDisk(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::strerror(errno);
    const bool synced = ::fsync(fd) == 0;
    const int reason = errno;
    ::close(fd);
    return synced ? std::nullopt : std::optional<std::string>(std::strerror(reason));
}

// A new empty file beside path, made for this save alone.
std::optional<std::filesystem::path> createTemporary(const std::filesystem::path& path, std::string& reason) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::filesystem::path temporary = path;
        temporary += ".tmp-" + std::to_string(random());
        if (std::FILE* f = std::fopen(temporary.c_str(), "wbx")) { // "x": only if it did not exist
            std::fclose(f);
            return temporary;
        }
        reason = std::strerror(errno);
        if (errno != EEXIST)
            break;
    }
    return std::nullopt;
}

std::optional<std::string> writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return std::strerror(errno);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
    const int reason = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed)
        return std::strerror(written ? errno : reason);
    return std::nullopt;
}

// At most kMaxScreenFileBytes of a regular file.
std::variant<std::string, FileError> readBytes(const std::filesystem::path& path) {
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (code)
        return FileError{FileError::Kind::CannotRead, systemReason(code)};
    if (!std::filesystem::is_regular_file(status))
        return FileError{FileError::Kind::CannotRead,
                         std::filesystem::is_directory(status)
                             ? systemReason(std::make_error_code(std::errc::is_a_directory))
                             : "not a regular file"};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return FileError{FileError::Kind::CannotRead, std::strerror(errno)};
    std::string bytes(kMaxScreenFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return FileError{FileError::Kind::CannotRead, std::strerror(errno)};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxScreenFileBytes) {
        const auto size = std::filesystem::file_size(path, code);
        return FileError{FileError::Kind::TooLarge,
                         code ? "more than " + std::to_string(kMaxScreenFileBytes) : std::to_string(size)};
    }
    return bytes;
}

} // namespace

std::string describe(const FileError& error) {
    using Kind = FileError::Kind;
    switch (error.kind) {
    case Kind::CannotRead:
        return "cannot read the file (" + error.detail + ")";
    case Kind::CannotWrite:
        return "cannot write the file (" + error.detail + ")";
    case Kind::TooLarge:
        return "file too large (" + error.detail + " bytes, at most " + std::to_string(kMaxScreenFileBytes) +
               ")";
    case Kind::NotText:
        return error.detail.empty() ? "not a text file" : error.detail;
    case Kind::NotScreenFile:
        return "not a fincalc screen file";
    case Kind::NewerVersion:
        return "file of a newer format version (" + error.detail + "; this program reads " +
               std::to_string(kScreenFileVersion) + ")";
    case Kind::OtherScreen:
        return "file of " + error.detail + ", another screen";
    case Kind::Malformed:
        return "malformed file (" + error.detail + ")";
    case Kind::Truncated:
        return "truncated file";
    case Kind::UnknownField:
        return "no field " + error.detail + " on this screen";
    case Kind::MissingField:
        return "field " + error.detail + " missing from the file";
    case Kind::NoEntries:
        return "screen has no entries";
    case Kind::NotShown:
        return "screen not shown";
    }
    return {};
}

bool isUtf8Text(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[pos]);
        if (lead < 0x80) {
            if (lead == 0)
                return false;
            ++pos;
            continue;
        }
        // The shortest form only, no surrogates, nothing beyond U+10FFFF.
        const std::size_t extra = lead >= 0xC2 && lead <= 0xDF   ? 1
                                  : lead >= 0xE0 && lead <= 0xEF ? 2
                                  : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                                 : 0;
        if (extra == 0 || bytes.size() - pos <= extra)
            return false;
        char32_t c = lead & (0x3F >> extra);
        for (std::size_t i = 1; i <= extra; ++i) {
            const auto next = static_cast<unsigned char>(bytes[pos + i]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        const char32_t smallest = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
        if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        pos += 1 + extra;
    }
    return true;
}

std::optional<FileError> checkText(const Screen& screen) {
    if (std::all_of(screen.lines.begin(), screen.lines.end(), isUtf8Text) &&
        std::all_of(screen.texts.begin(), screen.texts.end(),
                    [](const auto& field) { return isUtf8Text(field.second); }))
        return std::nullopt;
    return FileError{FileError::Kind::NotText, "a field or an output line is not UTF-8 text"};
}

bool keepsEntries(const ScreenDesign& design) { return design.number() != kHome && !design.fields().empty(); }

std::string fieldLabel(const ScreenDesign& design, const Control& field) {
    const auto& controls = design.controls();
    const auto buddy = std::find_if(controls.begin(), controls.end(),
                                    [&](const Control& c) { return c.buddy == field.name; });
    if (buddy != controls.end())
        return buddy->text;
    // A worksheet box: a label, or a box whose declared text is not a number (an amount box may
    // start with its line's number), names a line or a column.
    const auto names = [](const Control& c) {
        return c.area == Area::Grid && !c.text.empty() &&
               (c.kind == ControlKind::Label || (c.kind == ControlKind::Field && !ReadWholeNumber(c.text)));
    };
    if (names(field))
        return field.text;           // a line's or a column's name box
    const Control* line = nullptr;   // nearest to the left on the same row
    const Control* column = nullptr; // nearest above in the same column
    for (const Control& c : controls) {
        if (!names(c))
            continue;
        if (c.row == field.row && c.col < field.col && (!line || c.col > line->col))
            line = &c;
        if (c.col == field.col && c.row < field.row && (!column || c.row > column->row))
            column = &c;
    }
    std::string label = line ? line->text : std::string();
    if (column)
        label += (label.empty() ? "" : " ") + column->text;
    return label;
}

ScreenFile snapshot(const Screen& screen) {
    ScreenFile file{.screen = screen.design.number(), .lines = screen.lines};
    for (const Control* field : screen.design.fields())
        file.fields.push_back(
            {field->name, fieldLabel(screen.design, *field), screen.texts.find(field->name)->second});
    return file;
}

std::string writeScreenFile(const ScreenFile& file) {
    std::string out(kByteOrderMark);
    appendRecord(out, kProgram, std::to_string(file.version), screenName(file.screen));
    for (const FieldEntry& field : file.fields)
        appendRecord(out, field.name, guard(field.label), guard(field.text));
    for (const std::string& line : file.lines)
        appendRecord(out, kOutputRow, "", guard(line));
    appendRecord(out, kEndRow, "", "");
    return out;
}

std::variant<ScreenFile, FileError> readScreenFile(std::string_view bytes) {
    if (bytes.size() > kMaxScreenFileBytes)
        return FileError{FileError::Kind::TooLarge, std::to_string(bytes.size())};
    if (bytes.starts_with(kByteOrderMark)) // spreadsheet programs may save without it
        bytes.remove_prefix(kByteOrderMark.size());
    if (!isUtf8Text(bytes))
        return FileError{FileError::Kind::NotText};
    ScreenFile file;
    RecordReader reader(bytes);
    if (auto error = readHeader(reader, file))
        return *error;
    std::set<std::string, std::less<>> seen;
    while (true) {
        auto next = reader.next();
        if (auto* error = std::get_if<FileError>(&next))
            return *error;
        Record& record = std::get<Record>(next);
        if (record.size() != kColumns)
            return reader.malformed(std::to_string(record.size()) + " columns, not " +
                                    std::to_string(kColumns));
        if (record[0] == kEndRow) {
            if (!reader.atEnd()) {
                reader.next();
                return reader.malformed("a row after the last one");
            }
            return file;
        }
        if (record[0] == kOutputRow) {
            file.lines.push_back(unguard(std::move(record[2])));
        } else {
            if (record[0].empty())
                return reader.malformed("a row without a name");
            if (!seen.insert(record[0]).second)
                return reader.malformed(record[0] + " a second time");
            file.fields.push_back(
                {std::move(record[0]), unguard(std::move(record[1])), unguard(std::move(record[2]))});
        }
    }
}

std::optional<FileError> checkFits(const ScreenFile& file, const ScreenDesign& design) {
    if (file.screen != design.number())
        return FileError{FileError::Kind::OtherScreen, screenName(file.screen)};
    for (const FieldEntry& entry : file.fields) {
        const Control* control = design.find(entry.name);
        if (!control || control->kind != ControlKind::Field)
            return FileError{FileError::Kind::UnknownField, entry.name};
    }
    for (const Control* field : design.fields())
        if (std::none_of(file.fields.begin(), file.fields.end(),
                         [&](const FieldEntry& entry) { return entry.name == field->name; }))
            return FileError{FileError::Kind::MissingField, field->name};
    return std::nullopt;
}

std::optional<FileError> replaceFile(const std::filesystem::path& requested, const FileWriter& write) {
    // Saving over a link replaces what it points to, not the link.
    std::error_code code;
    const bool link = std::filesystem::is_symlink(std::filesystem::symlink_status(requested, code));
    const std::filesystem::path path = link ? std::filesystem::weakly_canonical(requested, code) : requested;
    if (code && code != std::errc::no_such_file_or_directory)
        return FileError{FileError::Kind::CannotWrite, systemReason(code)};
    if (std::filesystem::is_directory(path, code))
        return FileError{FileError::Kind::CannotWrite,
                         systemReason(std::make_error_code(std::errc::is_a_directory))};

    std::string reason;
    const auto temporary = createTemporary(path, reason);
    if (!temporary)
        return FileError{FileError::Kind::CannotWrite, reason};
    const auto fail = [&](std::string why) {
        std::error_code ignored;
        std::filesystem::remove(*temporary, ignored);
        return FileError{FileError::Kind::CannotWrite, std::move(why)};
    };
    if (auto failed = write(*temporary))
        return fail(*failed);
    // The earlier file's permissions carry over to its replacement.
    const auto earlier = std::filesystem::status(path, code);
    if (!code && std::filesystem::exists(earlier))
        std::filesystem::permissions(*temporary, earlier.permissions(), code);
    if (auto failed = syncToDisk(*temporary))
        return fail(*failed);
    std::filesystem::rename(*temporary, path, code);
    if (code)
        return fail(systemReason(code));
    return std::nullopt;
}

std::optional<FileError> saveScreen(const Screen& screen, const std::filesystem::path& path) {
    if (!keepsEntries(screen.design))
        return FileError{FileError::Kind::NoEntries};
    if (auto error = checkText(screen))
        return error;
    const std::string bytes = writeScreenFile(snapshot(screen));
    if (bytes.size() > kMaxScreenFileBytes)
        return FileError{FileError::Kind::TooLarge, std::to_string(bytes.size())};
    return replaceFile(path,
                       [&](const std::filesystem::path& temporary) { return writeBytes(temporary, bytes); });
}

std::optional<FileError> openScreenFrom(Session& session, int screen, std::string_view bytes) {
    const Screen* target = session.screen(screen);
    if (!target || !target->visible)
        return FileError{FileError::Kind::NotShown};
    if (!keepsEntries(target->design))
        return FileError{FileError::Kind::NoEntries};
    auto read = readScreenFile(bytes);
    if (auto* error = std::get_if<FileError>(&read))
        return *error;
    const ScreenFile& file = std::get<ScreenFile>(read);
    if (auto error = checkFits(file, target->design))
        return error;
    FieldTexts texts;
    for (const FieldEntry& entry : file.fields)
        texts.emplace(entry.name, entry.text);
    session.restore(screen, texts);
    return std::nullopt;
}

std::optional<FileError> openScreen(Session& session, int screen, const std::filesystem::path& path) {
    auto bytes = readBytes(path);
    if (auto* error = std::get_if<FileError>(&bytes))
        return *error;
    return openScreenFrom(session, screen, std::get<std::string>(bytes));
}

} // namespace fincalc
