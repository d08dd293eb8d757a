// Fixed-length record files: one record per file, 16-bit little-endian integers, 32-bit floats and
// space-padded CP-1252 text, packed without gaps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform
{

class Record
{
  public:
    explicit Record(std::size_t length = 0);

    std::size_t size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    std::vector<std::uint8_t>& bytes() { return m_bytes; }

    std::int16_t i16(std::size_t offset) const;
    void setI16(std::size_t offset, std::int16_t value);
    float f32(std::size_t offset) const;
    void setF32(std::size_t offset, float value);
    // UTF-8 out; NUL bytes read as spaces, trailing spaces removed, leading ones kept.
    std::string text(std::size_t offset, std::size_t width) const;
    // UTF-8 in; cut at the width, padded with spaces; characters without a CP-1252 byte become "?".
    void setText(std::size_t offset, std::size_t width, std::string_view utf8);

  private:
    void check(std::size_t offset, std::size_t width) const;
    std::vector<std::uint8_t> m_bytes;
};

// A record's fields read straight from a file's bytes, without a copy. Bytes beyond the end of a short
// file read as zeros, as they do in a record buffer the short file was read into.
class RecordView
{
  public:
    RecordView(std::span<const std::uint8_t> bytes, std::size_t length) : m_bytes(bytes), m_length(length) {}
    RecordView(const Record& record) : m_bytes(record.bytes()), m_length(record.size()) {}

    std::size_t size() const { return m_length; }
    std::int16_t i16(std::size_t offset) const;
    float f32(std::size_t offset) const;
    // As Record::text.
    std::string text(std::size_t offset, std::size_t width) const;
    // The same text added to the end of utf8.
    void appendText(std::size_t offset, std::size_t width, std::string& utf8) const;
    // The field's bytes as they lie, NULs and blanks included.
    std::string bytes(std::size_t offset, std::size_t width) const;

  private:
    void check(std::size_t offset, std::size_t width) const;
    std::span<const std::uint8_t> textBytes(std::size_t offset, std::size_t width) const;
    std::uint8_t byte(std::size_t at) const { return at < m_bytes.size() ? m_bytes[at] : std::uint8_t{0}; }
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_length;
};

struct ReadResult
{
    Record record;
    std::uint64_t fileLength = 0; // the real length; a short file reads zero-filled, a missing one as empty

    // What the file holds of the record: all of it, or the bytes of a short file.
    std::span<const std::uint8_t> fileBytes() const
    {
        return std::span(record.bytes()).first(fileLength < record.size() ? fileLength : record.size());
    }
};

// Reads record 1. Never creates a file.
ReadResult readRecord(const std::filesystem::path& path, std::size_t length);
// Creates an empty file when none exists (only where the program says so).
void createIfMissing(const std::filesystem::path& path);
std::uint64_t fileLength(const std::filesystem::path& path);
// Writes the whole record beside the target and renames it over, so a failed save leaves the old file
// whole. Bytes of a longer existing file beyond the record are kept. Failures raise file errors.
void writeRecord(const std::filesystem::path& path, const Record& record);

std::string cp1252ToUtf8(std::string_view bytes);
void appendCp1252(std::string& utf8, std::span<const std::uint8_t> bytes);
std::string utf8ToCp1252(std::string_view utf8);
// Into a field: cut at the field's width; gives the number of bytes written.
std::size_t utf8ToCp1252(std::string_view utf8, std::span<std::uint8_t> out);

} // namespace platform
