// File-system failures as run-time errors.
#include "platform/core/FileError.h"

#include "platform/core/RuntimeError.h"

#include <cerrno>

namespace platform
{

int fileErrorNumber(std::error_code error, const std::filesystem::path& path)
{
    using std::errc;
    if (error == errc::no_such_file_or_directory) {
        // A missing folder on the way is a different message from a missing file in an existing folder.
        std::error_code ignored;
        const std::filesystem::path folder = path.parent_path();
        return folder.empty() || std::filesystem::is_directory(folder, ignored) ? err::FileNotFound
                                                                                : err::PathNotFound;
    }
    if (error == errc::not_a_directory) {
        return err::PathNotFound;
    }
    if (error == errc::permission_denied || error == errc::operation_not_permitted ||
        error == errc::read_only_file_system || error == errc::text_file_busy) {
        return err::PermissionDenied;
    }
    const bool fromErrno =
        error.category() == std::generic_category() || error.category() == std::system_category();
    if (error == errc::no_space_on_device || error == errc::file_too_large ||
        (fromErrno && error.value() == EDQUOT)) {
        return err::DiskFull;
    }
    if (error == errc::io_error) {
        return err::DeviceIo;
    }
    if (error == errc::filename_too_long) {
        return err::BadFileName;
    }
    return err::PathFileAccess;
}

void raiseFileError(std::error_code error, const std::filesystem::path& path)
{
    raise(fileErrorNumber(error, path));
}

} // namespace platform
