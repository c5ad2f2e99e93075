// A screen's entries kept in a file: the CSV form a user saves and opens again or hands to a
// spreadsheet, its reader and writer, and the safe replacement of a file on disk.
//
// The file is UTF-8 with a byte-order mark, RFC 4180 quoting and CRLF line ends:
//
//   fincalc,1,Form2                    the program, the format version, the screen
//   Text1,利率i=,0.1                    one row per field: its name, its label, its text
//   Text2,复利年金现值P=,
//   Output,,"P=F(P/F,i,n)=F*(1+i)^(-n)=826.446280991736"   one row per output line
//   End,,                              the last row: a file without it was cut short
//
// A text that a spreadsheet would take for a formula (it starts with "=", "+", "-", "@", a TAB or
// a carriage return and is not a number) is written after an apostrophe, which reading removes.
#pragma once

#include "app/Session.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fincalc {

constexpr int kScreenFileVersion = 1;
// Larger files are refused when read and never written: a screen's entries take far less.
constexpr std::size_t kMaxScreenFileBytes = std::size_t{1} << 20;

// Why a save, an open or an export was refused.
struct FileError {
    enum class Kind {
        CannotRead,    // detail: the system's reason
        CannotWrite,   // detail: the system's reason
        TooLarge,      // detail: the size in bytes
        NotText,       // not UTF-8 text; detail: which entry, when saving or exporting
        NotScreenFile, // not a file this program wrote
        NewerVersion,  // detail: the file's format version
        OtherScreen,   // detail: the file's screen ("Form63"), not the one it was to open into
        Malformed,     // detail: what is wrong and on which row
        Truncated,     // the file ends before its last row
        UnknownField,  // detail: the name that is not a field of the screen
        MissingField,  // detail: the field the file lacks
        NoEntries,     // the screen has no fields to keep (the home screen, the menus)
        NotShown,      // a file opens into a shown screen only
    };
    Kind kind;
    std::string detail{};
};

// What the console driver prints for a refusal, in English.
std::string describe(const FileError& error);

struct FieldEntry {
    std::string name;
    std::string label;
    std::string text;
    bool operator==(const FieldEntry&) const = default;
};

struct ScreenFile {
    int version = kScreenFileVersion;
    int screen = 0;
    std::vector<FieldEntry> fields{};
    std::vector<std::string> lines{};
    bool operator==(const ScreenFile&) const = default;
};

// Well-formed UTF-8 without NUL characters: what a file is read as, and what a workbook holds.
bool isUtf8Text(std::string_view bytes);
// Whether a screen's entries and output lines can all be written as text (a console script may
// have typed any bytes).
std::optional<FileError> checkText(const Screen& screen);

// Whether a screen has entries to save, open and export: every screen with fields but the home
// screen, whose one field is its search box.
bool keepsEntries(const ScreenDesign& design);

// What names a field for a reader of the file: its label; for a worksheet's name box, its own
// text; for an amount box, the name of its line and the heading of its column ("货币资金 年末数").
std::string fieldLabel(const ScreenDesign& design, const Control& field);

// A screen's fields in order of their number with their labels and texts, and its output lines.
ScreenFile snapshot(const Screen& screen);

// The file's bytes, and back. Reading refuses anything but a complete, well-formed file.
std::string writeScreenFile(const ScreenFile& file);
std::variant<ScreenFile, FileError> readScreenFile(std::string_view bytes);

// Whether a file read fits a screen: the same screen, every field once and no other name.
std::optional<FileError> checkFits(const ScreenFile& file, const ScreenDesign& design);

// Replaces the file at path with what `write` puts at the temporary path it is given, beside the
// target, by one atomic rename: a failure at any point leaves the earlier file as it was.
// `write` returns the reason it failed, or nothing.
using FileWriter = std::function<std::optional<std::string>(const std::filesystem::path& temporary)>;
std::optional<FileError> replaceFile(const std::filesystem::path& path, const FileWriter& write);

// Saves a created screen's entries to a file; opens a file into a shown screen, changing
// nothing unless the whole file was read and fits the screen.
std::optional<FileError> saveScreen(const Screen& screen, const std::filesystem::path& path);
std::optional<FileError> openScreen(Session& session, int screen, const std::filesystem::path& path);
// The same from bytes already read (the file reader's fuzz target).
std::optional<FileError> openScreenFrom(Session& session, int screen, std::string_view bytes);

} // namespace fincalc
