// Maps a failure of the file system to the run-time error number the program traps for it.
#pragma once

#include <filesystem>
#include <system_error>

namespace platform
{

// 53 not found, 76 path not found, 70 permission denied, 61 disk full, 57 device I/O, 52 bad name,
// 75 for anything else.
int fileErrorNumber(std::error_code error, const std::filesystem::path& path);

// Raises fileErrorNumber's error with its standard description.
[[noreturn]] void raiseFileError(std::error_code error, const std::filesystem::path& path);

} // namespace platform
