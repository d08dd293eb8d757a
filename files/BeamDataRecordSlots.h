// Where each stored caption of the beam data record lies in its file.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace files
{

struct RecordSlot
{
    std::size_t offset;
    std::size_t width;
    std::string_view label; // the Form6 label the slot stores
    bool restored;          // written and also read back (the two grid headings are written only)
};

// The label slots in the order a load restores them: the three header lines, the label runs with
// their single fields, up to Label174. Label175 and the fields after the notes follow separately.
const std::vector<RecordSlot>& dataRecordLabelSlots();
// Label175, Label177, Label176, Label187, Label133 and Label12, in their restore order.
const std::vector<RecordSlot>& dataRecordTailSlots();
// Label188 to Label194, the stability rows.
const std::vector<RecordSlot>& dataRecordStabilitySlots();

constexpr std::size_t DataRecordLabelSlotCount = 142;
constexpr std::size_t DataRecordTailSlotCount = 6;
constexpr std::size_t DataRecordStabilitySlotCount = 7;

constexpr std::size_t DataRecordLength = 4809;
constexpr std::size_t DataNotesOffset = 3662;
constexpr std::size_t DataSteelFlagOffset = 4567;

} // namespace files
