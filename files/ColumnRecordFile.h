// The wood and steel column record files (*.Col, *.SCo): a finished column data record's captions and
// the report notes, stored as text and loaded back for printing only.
#pragma once

#include "platform/core/Record.h"

#include <cstddef>
#include <span>

namespace app
{
class Program;
}

namespace columns
{
class Form19;
class Form23;
} // namespace columns

namespace platform
{
class Label;
}

namespace files
{

template <typename FormT> struct ColumnSlot
{
    platform::Label FormT::*label;
    std::size_t offset;
    std::size_t width;
};

// The stored labels in record order; the notes follow the last one.
std::span<const ColumnSlot<columns::Form19>> woodColumnSlots();
std::span<const ColumnSlot<columns::Form23>> steelColumnSlots();
constexpr std::size_t WoodColumnNotesOffset = 919;
constexpr std::size_t SteelColumnNotesOffset = 561;

// Ask for the notes, then where to save, and write the form's captions.
void SaveWoodColumnRecord(app::Program& program);
void SaveSteelColumnRecord(app::Program& program);
// Ask for a file and put its captions back on the form; the outcome is left in the load-failed flags.
void LoadWoodColumnRecord(app::Program& program);
void LoadSteelColumnRecord(app::Program& program);

} // namespace files
