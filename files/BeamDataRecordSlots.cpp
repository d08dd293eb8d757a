// The beam data record's slot map. Three runs of 20-byte slots hold Label13 to Label49, Label61 to
// Label131 and Label134 to Label168 by label number; some slots of the runs belong to fixed headings
// and are never written, so they keep whatever the buffer holds.
#include "files/BeamDataRecordSlots.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace files
{

namespace
{

constexpr std::array<int, 14> ReservedSlots{19, 20, 21, 22, 30, 32, 33, 39, 47, 108, 142, 150, 151, 166};
constexpr std::array<int, 2> WrittenOnly{138, 139};

// Names live as long as the program: the tables are built once.
std::string_view labelName(int n)
{
    static std::array<std::string, 203> names = [] {
        std::array<std::string, 203> all;
        for (int i = 0; i < 203; ++i) {
            all[static_cast<std::size_t>(i)] = "Label" + std::to_string(i);
        }
        return all;
    }();
    return names[static_cast<std::size_t>(n)];
}

void addRun(std::vector<RecordSlot>& slots, std::size_t start, int first, int last)
{
    for (int n = first; n <= last; ++n) {
        if (std::find(ReservedSlots.begin(), ReservedSlots.end(), n) != ReservedSlots.end()) {
            continue;
        }
        const bool restored = std::find(WrittenOnly.begin(), WrittenOnly.end(), n) == WrittenOnly.end();
        slots.push_back({start + 20 * static_cast<std::size_t>(n - first), 20, labelName(n), restored});
    }
}

} // namespace

const std::vector<RecordSlot>& dataRecordLabelSlots()
{
    static const std::vector<RecordSlot> slots = [] {
        // The beam ID field is read into Label2, the beam ID line, and the description into Label3.
        std::vector<RecordSlot> all{{2, 60, "Label1", true},    {122, 60, "Label2", true},
                                    {62, 60, "Label3", true},   {182, 60, "Label4", true},
                                    {242, 110, "Label5", true}, {352, 110, "Label6", true}};
        addRun(all, 462, 13, 49);
        all.push_back({3642, 20, "Label53", true});
        addRun(all, 1202, 61, 131);
        all.push_back({2622, 110, "Label132", true});
        all.push_back({2732, 110, "Label133Missing", true});
        addRun(all, 2842, 134, 168);
        all.push_back({3542, 30, "Label169", true});
        all.push_back({3572, 30, "Label170", true});
        all.push_back({3602, 20, "Label173", true});
        all.push_back({3622, 20, "Label174", true});
        if (all.size() != DataRecordLabelSlotCount) {
            throw std::logic_error("the data record's label slots and their count disagree");
        }
        return all;
    }();
    return slots;
}

const std::vector<RecordSlot>& dataRecordTailSlots()
{
    static const std::vector<RecordSlot> slots{{4392, 20, "Label175", true},  {4372, 20, "Label177", true},
                                               {4257, 115, "Label176", true}, {4412, 115, "Label187", true},
                                               {4527, 20, "Label133", true},  {4547, 20, "Label12", true}};
    return slots;
}

const std::vector<RecordSlot>& dataRecordStabilitySlots()
{
    static const std::vector<RecordSlot> slots{{4569, 20, "Label188", true}, {4589, 20, "Label189", true},
                                               {4609, 20, "Label190", true}, {4629, 20, "Label191", true},
                                               {4649, 50, "Label192", true}, {4699, 50, "Label193", true},
                                               {4749, 50, "Label194", true}};
    return slots;
}

} // namespace files
