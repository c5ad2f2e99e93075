// A screen as a spreadsheet workbook (.xlsx): laid out as the screen reads, labels beside their
// values and worksheets as their tables, numbers stored as numbers, the output lines below.
#pragma once

#include "app/ScreenFile.h"

#include <filesystem>
#include <optional>

namespace fincalc {

// Writes through a temporary file and an atomic rename, as a save does.
std::optional<FileError> exportWorkbook(const Screen& screen, const std::filesystem::path& path);

} // namespace fincalc
