#include "export/Workbook.h"

#include "app/Number.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

namespace fincalc {

namespace {

// Column widths in characters: a Chinese character takes two.
constexpr double kMinWidth = 8;
constexpr double kMaxWidth = 60;

double displayWidth(std::string_view text) {
    double width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            width += 1;
        else if (byte >= 0xE0) // the lead byte of a character of three or four bytes: CJK and wider
            width += 2;
        else if (byte >= 0xC0)
            width += 1;
    }
    return width;
}

class Sheet {
public:
    explicit Sheet(lxw_workbook* book, const std::string& name)
        : sheet_(workbook_add_worksheet(book, name.c_str())) {
        heading_ = workbook_add_format(book);
        format_set_bold(heading_);
        format_set_align(heading_, LXW_ALIGN_CENTER);
        centred_ = workbook_add_format(book);
        format_set_align(centred_, LXW_ALIGN_CENTER);
        label_ = workbook_add_format(book);
        format_set_align(label_, LXW_ALIGN_RIGHT);
    }

    void control(const Control& c, const std::string& text, int gridColumns) {
        const auto row = static_cast<lxw_row_t>(c.row);
        const auto col = static_cast<lxw_col_t>(c.col);
        if (c.kind == ControlKind::Field) {
            if (const auto number = ReadWholeNumber(text))
                check(worksheet_write_number(sheet_, row, col, *number, nullptr));
            else if (!text.empty())
                check(worksheet_write_string(sheet_, row, col, text.c_str(), nullptr));
            widen(c.col, text);
            return;
        }
        // As the screen shows them: headings bold and centred, titles centred over their columns,
        // labels against their fields.
        const int span = c.colSpan == 0 ? gridColumns - c.col : c.colSpan;
        lxw_format* format = c.heading ? heading_ : span > 1 ? centred_ : !c.buddy.empty() ? label_ : nullptr;
        if (span > 1) {
            check(worksheet_merge_range(sheet_, row, col, row, static_cast<lxw_col_t>(c.col + span - 1),
                                        text.c_str(), format));
        } else {
            check(worksheet_write_string(sheet_, row, col, text.c_str(), format));
            widen(c.col, text);
        }
    }

    void line(int row, const std::string& text) {
        check(worksheet_write_string(sheet_, static_cast<lxw_row_t>(row), 0, text.c_str(), nullptr));
    }

    // The first cell that could not be written (a text beyond a cell's 32,767 characters), if any.
    lxw_error failure() const { return failure_; }

    void setWidths() {
        for (const auto& [col, width] : widths_)
            worksheet_set_column(sheet_, static_cast<lxw_col_t>(col), static_cast<lxw_col_t>(col),
                                 std::clamp(width + 2, kMinWidth, kMaxWidth), nullptr);
    }

private:
    void check(lxw_error result) {
        if (failure_ == LXW_NO_ERROR)
            failure_ = result;
    }
    void widen(int col, std::string_view text) { widths_[col] = std::max(widths_[col], displayWidth(text)); }

    lxw_worksheet* sheet_;
    lxw_format* heading_;
    lxw_format* centred_;
    lxw_format* label_;
    std::map<int, double> widths_;
    lxw_error failure_ = LXW_NO_ERROR;
};

std::optional<std::string> writeWorkbook(const Screen& screen, const std::filesystem::path& path) {
    const ScreenDesign& design = screen.design;
    lxw_workbook* book = workbook_new(path.c_str());
    if (!book)
        return "cannot start a workbook";
    Sheet sheet(book, screenName(design.number()));

    int gridColumns = 1;
    int gridRows = 0;
    for (const Control& c : design.controls())
        if (c.area == Area::Grid) {
            gridColumns = std::max(gridColumns, c.col + std::max(c.colSpan, 1));
            gridRows = std::max(gridRows, c.row + 1);
        }
    for (const Control& c : design.controls()) {
        if (c.area != Area::Grid || c.kind == ControlKind::Button)
            continue;
        sheet.control(c, c.kind == ControlKind::Field ? screen.texts.find(c.name)->second : c.text,
                      gridColumns);
    }
    int row = gridRows + 1; // a blank row between the screen and its output
    for (const std::string& printed : screen.lines)
        sheet.line(row++, printed);
    sheet.setWidths();

    const lxw_error failed = sheet.failure();
    const lxw_error closed = workbook_close(book); // frees the workbook in any case
    if (failed != LXW_NO_ERROR || closed != LXW_NO_ERROR)
        return std::string(lxw_strerror(failed != LXW_NO_ERROR ? failed : closed));
    return std::nullopt;
}

} // namespace

std::optional<FileError> exportWorkbook(const Screen& screen, const std::filesystem::path& path) {
    if (!keepsEntries(screen.design))
        return FileError{FileError::Kind::NoEntries};
    if (auto error = checkText(screen))
        return error;
    return replaceFile(
        path, [&](const std::filesystem::path& temporary) { return writeWorkbook(screen, temporary); });
}

} // namespace fincalc
