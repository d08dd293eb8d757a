// Record buffers and record files: byte layout, CP-1252 text, and saves that never lose the old file.
#include "platform/core/Record.h"

#include "platform/core/FileError.h"
#include "platform/core/RecordTexts.h"
#include "platform/core/RuntimeError.h"

#include <cmath>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>

using namespace platform;
namespace fs = std::filesystem;

namespace
{

using Bytes = std::vector<std::uint8_t>;

int errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

// Permission checks do not apply to root, so the read-only cases only run for an ordinary user.
bool permissionsApply()
{
    return ::geteuid() != 0;
}

class RecordFile : public testing::Test
{
  protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        m_folder = fs::temp_directory_path() /
                   ("korvanta-record-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_folder);
    }

    fs::path path(const std::string& name) const { return m_folder / name; }

    static void writeBytes(const fs::path& file, const Bytes& bytes)
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static Bytes readBytes(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Only the named files: a save leaves no temporary file behind, even when it fails.
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_folder;
};

Record sampleRecord()
{
    Record record(12);
    record.setI16(0, -2007);
    record.setF32(2, 1.5f);
    record.setText(6, 6, "2x4");
    return record;
}

const Bytes SampleBytes = {0x29, 0xF8, 0x00, 0x00, 0xC0, 0x3F, '2', 'x', '4', ' ', ' ', ' '};

} // namespace

TEST(RecordBuffer, FieldsRoundTripByteExact)
{
    const Record record = sampleRecord();
    EXPECT_EQ(record.bytes(), SampleBytes);
    EXPECT_EQ(record.i16(0), -2007);
    EXPECT_EQ(record.f32(2), 1.5f);
    EXPECT_EQ(record.text(6, 6), "2x4");

    // Float bits are kept exactly, including values no decimal text would reproduce.
    Record floats(8);
    floats.setF32(0, 66.7f);
    floats.setF32(4, -0.0f);
    EXPECT_EQ(floats.bytes(), (Bytes{0x66, 0x66, 0x85, 0x42, 0x00, 0x00, 0x00, 0x80}));
    EXPECT_EQ(floats.f32(0), 66.7f);
    EXPECT_TRUE(std::signbit(floats.f32(4)));

    Record integers(4);
    integers.setI16(0, 32767);
    integers.setI16(2, -32768);
    EXPECT_EQ(integers.bytes(), (Bytes{0xFF, 0x7F, 0x00, 0x80}));
    EXPECT_EQ(integers.i16(0), 32767);
    EXPECT_EQ(integers.i16(2), -32768);
}

TEST(RecordBuffer, TextIsCutPaddedTrimmedAndCp1252)
{
    struct Case
    {
        const char* written;
        Bytes bytes;
        const char* read;
    };
    const Case cases[] = {
        {"", {' ', ' ', ' ', ' '}, ""},
        {"  ab", {' ', ' ', 'a', 'b'}, "  ab"},   // leading blanks kept
        {"abcdef", {'a', 'b', 'c', 'd'}, "abcd"}, // cut at the width
        {"ft²", {'f', 't', 0xB2, ' '}, "ft²"},
        {"in³®", {'i', 'n', 0xB3, 0xAE}, "in³®"},
        {"€—é", {0x80, 0x97, 0xE9, ' '}, "€—é"},
        {"α≤ok", {'?', '?', 'o', 'k'}, "??ok"}, // no CP-1252 byte
        {"😀x", {'?', 'x', ' ', ' '}, "?x"},
        {"a\xFF"
         "b",
         {'a', '?', 'b', ' '},
         "a?b"}, // malformed UTF-8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        Record record(6);
        record.setText(1, 4, c.written);
        EXPECT_EQ(Bytes(record.bytes().begin() + 1, record.bytes().begin() + 5), c.bytes);
        EXPECT_EQ(record.bytes()[0], 0); // neighbours untouched
        EXPECT_EQ(record.bytes()[5], 0);
        EXPECT_EQ(record.text(1, 4), c.read);
    }

    // NULs read as blanks, so a field never written reads empty; every byte value decodes and re-encodes.
    Record nuls(4);
    nuls.bytes() = {'a', 0, 'b', 0};
    EXPECT_EQ(nuls.text(0, 4), "a b");
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

// Fields wider than a word are trimmed and checked eight bytes at a time; the rules stay those of the
// narrow fields, on either side of each word boundary.
TEST(RecordBuffer, WideFieldsFollowTheSameRules)
{
    const auto field = [](std::string head, std::size_t nuls) {
        Bytes bytes(head.begin(), head.end());
        bytes.resize(bytes.size() + nuls, 0);
        bytes.resize(20, ' ');
        return bytes;
    };
    struct Case
    {
        const char* what;
        Bytes bytes;
        std::string read;
    };
    const Case cases[] = {
        {"all blank", Bytes(20, ' '), ""},
        {"all NUL", Bytes(20, 0), ""},
        {"text then NULs and blanks across a word", field("abcdefghijk", 6), "abcdefghijk"},
        {"blank eighth byte before the end", field("abcdefghijkl ", 0), "abcdefghijkl"},
        {"NUL inside", field(std::string("abcdefghij\0lm", 13), 0), "abcdefghij lm"},
        {"a byte above 127 in the second word", field("abcdefghij\xB2", 0), "abcdefghij²"},
        {"all twenty", Bytes(20, 'x'), std::string(20, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Record record(20);
        record.bytes() = c.bytes;
        EXPECT_EQ(record.text(0, 20), c.read);
        Record written(20);
        written.setText(0, 20, c.read);
        EXPECT_EQ(written.text(0, 20), c.read);
    }
}

// A view reads a file's bytes where they lie: a short file reads as one cut and filled with zeros.
TEST(RecordView, ShortFileReadsAsZeros)
{
    const Bytes file{0x34, 0x12, 'a', 'b', 'c', ' ', 'd'};
    const RecordView view(file, 16);
    EXPECT_EQ(view.i16(0), 0x1234);
    EXPECT_EQ(view.text(2, 12), "abc d");
    EXPECT_EQ(view.text(8, 8), "");
    EXPECT_EQ(view.i16(6), 'd');
    EXPECT_EQ(view.f32(12), 0.0f);
    EXPECT_EQ(view.bytes(4, 4), std::string("c d\0", 4));
    EXPECT_THROW(view.i16(15), std::out_of_range);
}

TEST(RecordTexts, HoldARunInOrder)
{
    RecordTexts<3> texts;
    texts.push_back("one");
    texts.push_back("");
    EXPECT_EQ(texts[0], "one");
    EXPECT_EQ(texts[1], "");
    EXPECT_EQ(texts[2], ""); // not yet added
    RecordTexts<3> same;
    same.push_back("one");
    same.push_back("");
    EXPECT_EQ(texts, same);
    same.push_back("three");
    EXPECT_NE(texts, same);
    EXPECT_EQ(same[2], "three");
    EXPECT_THROW(same.push_back("four"), std::length_error);
}

TEST(RecordBuffer, FieldsBeyondTheRecordAreRefused)
{
    Record record(4);
    EXPECT_THROW(record.i16(3), std::out_of_range);
    EXPECT_THROW(record.setF32(1, 1.0f), std::out_of_range);
    EXPECT_THROW(record.setText(2, 3, "x"), std::out_of_range);
    EXPECT_THROW(record.text(std::size_t(-1), 2), std::out_of_range);
    EXPECT_EQ(record.bytes(), (Bytes{0, 0, 0, 0}));
}

TEST_F(RecordFile, ReadsShortMissingAndLongerFiles)
{
    const ReadResult missing = readRecord(path("NONE.VAL"), 4);
    EXPECT_EQ(missing.fileLength, 0u);
    EXPECT_EQ(missing.record.bytes(), (Bytes{0, 0, 0, 0}));
    EXPECT_FALSE(fs::exists(path("NONE.VAL"))); // reading never creates a file
    EXPECT_EQ(readRecord(path("no-folder/NONE.VAL"), 2).fileLength, 0u);

    writeBytes(path("SHORT.VAL"), {0xFF, 0xFF, 'x'});
    const ReadResult shortFile = readRecord(path("SHORT.VAL"), 6);
    EXPECT_EQ(shortFile.fileLength, 3u);
    EXPECT_EQ(shortFile.record.bytes(), (Bytes{0xFF, 0xFF, 'x', 0, 0, 0}));

    writeBytes(path("LONG.VAL"), {1, 2, 3, 4, 5, 6, 7});
    const ReadResult longFile = readRecord(path("LONG.VAL"), 4);
    EXPECT_EQ(longFile.fileLength, 7u);
    EXPECT_EQ(longFile.record.bytes(), (Bytes{1, 2, 3, 4}));

    EXPECT_EQ(fileLength(path("LONG.VAL")), 7u);
    EXPECT_EQ(fileLength(path("NONE.VAL")), 0u);
    EXPECT_EQ(errorOf([&] { readRecord(m_folder, 4); }), err::PathFileAccess);
}

TEST_F(RecordFile, CreateIfMissingNeverTouchesAnExistingFile)
{
    createIfMissing(path("Korvanta2023.ini"));
    EXPECT_TRUE(fs::exists(path("Korvanta2023.ini")));
    EXPECT_EQ(fileLength(path("Korvanta2023.ini")), 0u);

    writeBytes(path("Korvanta23.LVL"), {0x71, 0x00});
    createIfMissing(path("Korvanta23.LVL"));
    EXPECT_EQ(readBytes(path("Korvanta23.LVL")), (Bytes{0x71, 0x00}));

    EXPECT_EQ(errorOf([&] { createIfMissing(path("no-folder/x.LVL")); }), err::PathNotFound);
}

TEST_F(RecordFile, WriteReplacesTheRecordAndKeepsTheTailOfALongerFile)
{
    writeRecord(path("NEW.NWD"), sampleRecord());
    EXPECT_EQ(readBytes(path("NEW.NWD")), SampleBytes);
    EXPECT_EQ(readRecord(path("NEW.NWD"), 12).record.bytes(), SampleBytes);

    // An older, longer file: the bytes beyond the record survive the save.
    Bytes longer(20, 0xAA);
    writeBytes(path("OLD.NWD"), longer);
    writeRecord(path("OLD.NWD"), sampleRecord());
    Bytes expected = SampleBytes;
    expected.insert(expected.end(), 8, 0xAA);
    EXPECT_EQ(readBytes(path("OLD.NWD")), expected);

    // A shorter existing file is simply replaced.
    writeBytes(path("SHORT.NWD"), {9, 9, 9});
    writeRecord(path("SHORT.NWD"), sampleRecord());
    EXPECT_EQ(readBytes(path("SHORT.NWD")), SampleBytes);

    EXPECT_EQ(entries(), (std::vector<std::string>{"NEW.NWD", "OLD.NWD", "SHORT.NWD"}));
}

TEST_F(RecordFile, SaveThroughALinkUpdatesTheLinkedFile)
{
    writeBytes(path("real.VAL"), {1, 2, 3});
    fs::create_symlink("real.VAL", path("link.VAL"));
    writeRecord(path("link.VAL"), sampleRecord());
    EXPECT_TRUE(fs::is_symlink(path("link.VAL")));
    EXPECT_EQ(readBytes(path("real.VAL")), SampleBytes);
}

TEST_F(RecordFile, FailedWritesRaiseFileErrorsAndLeaveTheOldFileWhole)
{
    EXPECT_EQ(errorOf([&] { writeRecord(path("no-folder/X.VAL"), sampleRecord()); }), err::PathNotFound);
    EXPECT_EQ(errorOf([&] { writeRecord("", sampleRecord()); }), err::BadFileName);
    fs::create_directory(path("folder.VAL"));
    EXPECT_EQ(errorOf([&] { writeRecord(path("folder.VAL"), sampleRecord()); }), err::PathFileAccess);

    // A full disk, simulated by a file-size limit that only the new record crosses.
    const Bytes old(8, 0x55);
    writeBytes(path("FULL.VAL"), old);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 10;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const int error = errorOf([&] { writeRecord(path("FULL.VAL"), sampleRecord()); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(error, err::DiskFull);
    EXPECT_EQ(readBytes(path("FULL.VAL")), old);
    EXPECT_EQ(entries(), (std::vector<std::string>{"FULL.VAL", "folder.VAL"}));
}

TEST_F(RecordFile, ReadOnlyFileOrFolderRefusesTheSave)
{
    if (!permissionsApply()) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    const Bytes old(16, 0x11);
    writeBytes(path("LOCKED.DAT"), old);
    fs::permissions(path("LOCKED.DAT"), fs::perms::owner_read);
    EXPECT_EQ(errorOf([&] { writeRecord(path("LOCKED.DAT"), sampleRecord()); }), err::PermissionDenied);
    EXPECT_EQ(readBytes(path("LOCKED.DAT")), old);

    fs::permissions(path("LOCKED.DAT"), fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(errorOf([&] { writeRecord(path("LOCKED.DAT"), sampleRecord()); }), err::PermissionDenied);
    EXPECT_EQ(errorOf([&] { createIfMissing(path("NEW.ini")); }), err::PermissionDenied);
    fs::permissions(m_folder, fs::perms::owner_all);
    EXPECT_EQ(readBytes(path("LOCKED.DAT")), old);
    EXPECT_EQ(entries(), std::vector<std::string>{"LOCKED.DAT"});

    // Preserved: a save keeps the file's permissions.
    fs::permissions(path("LOCKED.DAT"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeRecord(path("LOCKED.DAT"), sampleRecord());
    EXPECT_EQ(fs::status(path("LOCKED.DAT")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    fs::permissions(path("LOCKED.DAT"), fs::perms::none);
    EXPECT_EQ(errorOf([&] { readRecord(path("LOCKED.DAT"), 4); }), err::PermissionDenied);
}

TEST(FileErrorNumber, MapsFileSystemFailures)
{
    const fs::path existingFolder = fs::temp_directory_path() / "x";
    const std::pair<std::errc, int> cases[] = {
        {std::errc::no_such_file_or_directory, err::FileNotFound},
        {std::errc::not_a_directory, err::PathNotFound},
        {std::errc::permission_denied, err::PermissionDenied},
        {std::errc::read_only_file_system, err::PermissionDenied},
        {std::errc::no_space_on_device, err::DiskFull},
        {std::errc::io_error, err::DeviceIo},
        {std::errc::filename_too_long, err::BadFileName},
        {std::errc::too_many_files_open, err::PathFileAccess},
    };
    for (const auto& [code, number] : cases) {
        SCOPED_TRACE(number);
        EXPECT_EQ(fileErrorNumber(std::make_error_code(code), existingFolder), number);
    }
    EXPECT_EQ(
        fileErrorNumber(std::make_error_code(std::errc::no_such_file_or_directory), "/no/such/folder/x"),
        err::PathNotFound);
}
