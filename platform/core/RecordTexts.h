// A record's run of display texts held in one piece and filled in field order: a record of a hundred
// captions reads with one allocation, not a hundred.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform
{

template <std::size_t Count> class RecordTexts
{
  public:
    static constexpr std::size_t size() { return Count; }

    // Empty for a text not yet added.
    std::string_view operator[](std::size_t index) const
    {
        if (index >= m_count) {
            return {};
        }
        const std::size_t start = index == 0 ? 0 : m_ends[index - 1];
        return std::string_view(m_texts).substr(start, m_ends[index] - start);
    }

    void push_back(std::string_view text)
    {
        append([text](std::string& texts) { texts += text; });
    }

    // The next text, written by append onto the end of the texts so far.
    template <class Append> void append(Append write)
    {
        if (m_count == Count) {
            throw std::length_error("more texts than the record holds");
        }
        write(m_texts);
        m_ends[m_count++] = static_cast<std::uint32_t>(m_texts.size());
    }

    void reserve(std::size_t bytes) { m_texts.reserve(bytes); }

    bool operator==(const RecordTexts&) const = default;

  private:
    std::string m_texts;
    std::array<std::uint32_t, Count> m_ends{};
    std::size_t m_count = 0;
};

} // namespace platform
