// Helpers of the record file tests: records built byte by byte, and snapshots of what a loader may
// touch, to show that a refused file changed nothing.
#pragma once

#include "app/Program.h"
#include "platform/headless/Driver.h"

#include <cstdint>
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

// Every control state of a form as one text: texts, captions, values, list positions, visibility.
inline std::string snapshot(platform::Form& form)
{
    std::ostringstream out;
    for (platform::Control* c : form.controls()) {
        out << c->name() << c->index() << ':' << c->visible() << c->enabled();
        switch (c->kind()) {
        case platform::ControlKind::TextBox:
            out << static_cast<platform::TextBox*>(c)->text();
            break;
        case platform::ControlKind::Label:
            out << static_cast<platform::Label*>(c)->caption();
            break;
        case platform::ControlKind::CheckBox:
            out << static_cast<platform::CheckBox*>(c)->value();
            break;
        case platform::ControlKind::OptionButton:
            out << static_cast<platform::OptionButton*>(c)->value();
            break;
        case platform::ControlKind::ComboBox:
        case platform::ControlKind::ListBox:
            out << static_cast<platform::ListControl*>(c)->listIndex();
            break;
        case platform::ControlKind::CommandButton:
            out << static_cast<platform::CommandButton*>(c)->caption();
            break;
        default:
            break;
        }
        out << '\n';
    }
    return out.str();
}

// The shared values the record loaders restore.
inline std::string stateSnapshot(app::Program& p)
{
    const app::SharedState& s = p.state;
    std::ostringstream out;
    out << s.NDS1997 << s.NDS2001 << s.NDS2005 << s.NDS2012 << s.NDS2015 << s.NDS2018 << '|'
        << s.SelectionStatus << '|' << s.SelectionDescription << '|' << s.SavedSelectionDate << '|'
        << s.SteelSelection << '|' << s.SavedSelection.SelectionBreadth << s.SavedSelection.SelectionDepth
        << s.SavedSelection.SelectionSpecies << '|' << s.ChangeGuard << s.CriteriaSaveGuard
        << p.beam.flags.DataRecordLoaded << p.beam.flags.MSRFlag << p.beam.flags.MELFlag;
    for (const auto& note : s.ReportNotes) {
        out << '|' << note;
    }
    return out.str();
}

} // namespace filetest
