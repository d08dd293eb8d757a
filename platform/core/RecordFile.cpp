// Reading and writing record files. Reading never creates a file; writing replaces the file in one
// rename, so a failed save leaves the old file whole and no handle stays open.
#include "platform/core/FileError.h"
#include "platform/core/Record.h"
#include "platform/core/RuntimeError.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform
{
namespace fs = std::filesystem;

namespace
{

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

class Descriptor
{
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closing reports late write failures (a full disk on a network share), so a save checks it.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

  private:
    int m_fd;
};

void checkName(const fs::path& path)
{
    if (path.empty()) {
        raise(err::BadFileName);
    }
}

// Reads up to `count` bytes at `offset`; a file that shrank meanwhile simply yields fewer.
std::size_t readAt(const Descriptor& file, std::uint8_t* into, std::size_t count, off_t offset,
                   const fs::path& path)
{
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(file.get(), into + done, count - done, offset + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            raiseFileError(lastError(), path);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool writeAll(const Descriptor& file, const std::vector<std::uint8_t>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(file.get(), bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote < 0) {
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// The file a save replaces: the target of a link, so the link itself survives the rename.
fs::path resolvedTarget(const fs::path& path)
{
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        fs::path resolved = fs::canonical(path, error);
        if (!error) {
            return resolved;
        }
    }
    return path;
}

// The new contents: the record, then whatever a longer existing file holds beyond it.
std::vector<std::uint8_t> newContents(const fs::path& target, const Record& record,
                                      const struct stat* existing)
{
    std::vector<std::uint8_t> contents = record.bytes();
    if (existing == nullptr) {
        return contents;
    }
    // Opened for writing as well: a read-only file refuses the save rather than being replaced around
    // its protection by the rename.
    const Descriptor old(::open(target.c_str(), O_RDWR | O_CLOEXEC));
    if (!old.valid()) {
        raiseFileError(lastError(), target);
    }
    const auto length = static_cast<std::uint64_t>(existing->st_size);
    if (length > contents.size()) {
        std::vector<std::uint8_t> tail(static_cast<std::size_t>(length) - contents.size());
        tail.resize(readAt(old, tail.data(), tail.size(), static_cast<off_t>(contents.size()), target));
        contents.insert(contents.end(), tail.begin(), tail.end());
    }
    return contents;
}

struct Temporary
{
    fs::path path;
    Descriptor file;
};

// Creates a temporary file beside the target: hidden, and unique within this process and across others.
Temporary createTemporary(const fs::path& target)
{
    const fs::path folder = target.parent_path();
    const std::string base = "." + target.filename().string() + "." + std::to_string(::getpid()) + ".";
    for (int attempt = 0;; ++attempt) {
        fs::path path = folder / (base + std::to_string(attempt) + ".tmp");
        Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.valid()) {
            return {std::move(path), std::move(file)};
        }
        if (errno != EEXIST || attempt == 100) {
            raiseFileError(lastError(), target);
        }
    }
}

// A rename is only as durable as the folder entry; failing to flush the folder loses nothing already saved.
void syncFolder(const fs::path& target)
{
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) {
        ::fsync(dir.get());
    }
}

} // namespace

ReadResult readRecord(const fs::path& path, std::size_t length)
{
    checkName(path);
    ReadResult result{Record(length), 0};
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return result; // a missing file reads as an empty one
        }
        raiseFileError(lastError(), path);
    }
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0) {
        raiseFileError(lastError(), path);
    }
    if (S_ISDIR(status.st_mode)) {
        raise(err::PathFileAccess);
    }
    result.fileLength = static_cast<std::uint64_t>(status.st_size);
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(result.fileLength, length));
    readAt(file, result.record.bytes().data(), wanted, 0, path);
    return result;
}

void createIfMissing(const fs::path& path)
{
    checkName(path);
    struct stat status = {};
    if (::stat(path.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            raise(err::PathFileAccess);
        }
        return;
    }
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.valid() && errno != EEXIST) {
        raiseFileError(lastError(), path);
    }
}

std::uint64_t fileLength(const fs::path& path)
{
    checkName(path);
    struct stat status = {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return 0;
        }
        raiseFileError(lastError(), path);
    }
    if (S_ISDIR(status.st_mode)) {
        raise(err::PathFileAccess);
    }
    return static_cast<std::uint64_t>(status.st_size);
}

void writeRecord(const fs::path& path, const Record& record)
{
    checkName(path);
    const fs::path target = resolvedTarget(path);
    struct stat status = {};
    const bool exists = ::stat(target.c_str(), &status) == 0;
    if (!exists && errno != ENOENT) {
        raiseFileError(lastError(), target);
    }
    if (exists && S_ISDIR(status.st_mode)) {
        raise(err::PathFileAccess);
    }
    const std::vector<std::uint8_t> contents = newContents(target, record, exists ? &status : nullptr);

    Temporary temporary = createTemporary(target);
    Descriptor& file = temporary.file;
    const auto fail = [&](std::error_code error) {
        ::unlink(temporary.path.c_str());
        raiseFileError(error, target);
    };
    if (!writeAll(file, contents) || ::fsync(file.get()) != 0) {
        fail(lastError());
    }
    // The replacement keeps the old file's permissions; a new file gets the usual ones.
    if (exists) {
        ::fchmod(file.get(), status.st_mode & 07777);
    }
    if (!file.close()) {
        fail(lastError());
    }
    if (::rename(temporary.path.c_str(), target.c_str()) != 0) {
        fail(lastError());
    }
    syncFolder(target);
}

} // namespace platform
