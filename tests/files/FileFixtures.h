// Helpers of the record file tests: records built byte by byte, and snapshots of what a loader may
// touch, to show that a refused file changed nothing.
#pragma once

#include "FormSnapshots.h"
#include "app/Program.h"
#include "platform/headless/Driver.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace filetest
{

using Bytes = std::vector<std::uint8_t>;

// Little-endian 16-bit integer.
inline void put16(Bytes& b, std::size_t at, std::uint16_t v)
{
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A 32-bit IEEE 754 single given by its bit pattern (worked out by hand in each test).
inline void put32(Bytes& b, std::size_t at, std::uint32_t bits)
{
    for (int i = 0; i < 4; ++i) {
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF);
    }
}

inline void putText(Bytes& b, std::size_t at, std::size_t width, const std::string& text)
{
    for (std::size_t i = 0; i < width; ++i) {
        b[at + i] = static_cast<std::uint8_t>(i < text.size() ? text[i] : ' ');
    }
}

inline Bytes readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Copies a file the tests made into the fuzz seed folder named by KORVANTA_FUZZ_SEEDS, when set.
inline void keepSeed(const std::filesystem::path& file)
{
    if (const char* folder = std::getenv("KORVANTA_FUZZ_SEEDS")) {
        std::filesystem::copy_file(file, std::filesystem::path(folder) / file.filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

} // namespace filetest
