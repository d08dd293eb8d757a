// The record file kinds. Message line breaks are a carriage return alone, as the files' users have
// always seen them.
#include "files/RecordKinds.h"

#include <algorithm>
#include <array>

namespace files
{

namespace
{

const std::array<RecordKindInfo, 7> Kinds{{
    {RecordKind::CustomValues,
     "Val",
     66,
     -1,
     {-1},
     1,
     "Open Custom Value File",
     "Save Custom Values As",
     "*.Val",
     "All Files (*.*)|*.*|Korvanta Files (*.Val)|*.Val|",
     "Custom values saved to disk as",
     "    ",
     "The selected file does not contain Korvanta Custom Values.  Please check to see if you selected the "
     "appropriate file.\r\rCustom Value files have an extension of *.VAL\r\rBeam Criteria files have a "
     "default "
     "extension of *.CRI\rColumn Data Records have an extension of *.COL\rBeam Data Records have the default "
     "extension of *.DAT\r\rYou may have saved the file you are looking for under another filename or file "
     "type.",
     "The Custom Values could not be loaded.",
     true,
     "Custom Values were Not saved to a file."},
    {RecordKind::SteelColumn,
     "SCo",
     1156,
     888,
     {888},
     1,
     "Open Steel Column Record",
     "Save Steel Column Record As",
     "*.SCo",
     "All Files (*.*)|*.*|Korvanta Files (*.SCo)|*.SCo|",
     "The Steel Column Record has been saved as",
     "   ",
     "The file you have selected does not contain a Korvanta Steel Column Record.  Please check to see if "
     "you "
     "selected the appropriate file.\r\rSteel Column Records have a default extension of *.SCO\r\rWood "
     "Column "
     "Records have a default extension of *.COL\r\rCustom Value files have an extension of *.VAL\rBeam Data "
     "Records have an extension of *.DAT\rCriteria files have an extension of *.CRI",
     "The steel column could not be loaded.",
     true,
     "The Steel Column Record was Not saved to a file."},
    {RecordKind::BeamCriteria,
     "CRI",
     1613,
     -2007,
     {-2007, -13, -12, -11},
     4,
     "Open Beam Criteria File",
     "Save Beam Criteria As",
     "*.CRI",
     "All Files (*.*)|*.*|Korvanta Files (*.CRI)|*.CRI|",
     "Beam Criteria saved to disk as",
     "    ",
     "The Beam Criteria for this form could not be loaded.  Please check to see if you selected the "
     "appropriate "
     "file.\r\rBeam Criteria files have a default extension of *.CRI\r\rCustom Value files have an extension "
     "of "
     "*.VAL\rColumn Data Records have an extension of *.COL\rBeam Data Records have the default extension of "
     "*.DAT\r\rYou may have saved your data under a different filename or file type.",
     "The Beam Criteria could not be loaded.",
     true,
     "Beam Criteria was Not saved to a file."},
    {RecordKind::WoodColumn,
     "Col",
     1514,
     777,
     {777},
     1,
     "Open Column Record",
     "Save Column Record As",
     "*.Col",
     "All Files (*.*)|*.*|Korvanta Files (*.Col)|*.Col|",
     "The Column Record has been saved as",
     "   ",
     "The file you have selected does not contain a Korvanta Column Record.  Please check to see if you "
     "selected "
     "the appropriate file.\r\rColumn Records have a default extension of *.COL\r\rCustom Value files have "
     "an "
     "extension of *.VAL\rBeam Data Records have an extension of *.DAT\rCriteria files have an extension of "
     "*.CRI",
     "The column could not be loaded.",
     true,
     "The Column Record was Not saved to a file."},
    {RecordKind::StudColumn,
     "Wsc",
     859,
     889,
     {889},
     1,
     "Open Stud Column Record",
     "Save Stud Column Record As",
     "*.Wsc",
     "All Files (*.*)|*.*|Korvanta Files (*.Wsc)|*.Wsc|",
     "The Stud Column Record has been saved as",
     "   ",
     "The file you have selected does not contain a Korvanta Stud Column Record.  Please check to see if you "
     "selected the appropriate file.\r\rWind Loaded Stud Column Records have a default extension of "
     "*.WSC\r\rStandard Wood Column Records have a default extension of *.COL\r\rSteel Column Records have a "
     "default extension of *.SCO\r\rCustom Value files have an extension of *.VAL\rBeam Data Records have an "
     "extension of *.DAT\rBeam Criteria files have an extension of *.CRI",
     "The wind loaded stud column could not be loaded.",
     true,
     "The Stud Column Record was Not saved to a file."},
    {RecordKind::BeamData,
     "Dat",
     4809,
     556,
     {556, 555},
     2,
     "Open Data Record",
     "Save Data Record As",
     "*.Dat",
     "All Files (*.*)|*.*|Korvanta Files (*.Dat)|*.Dat|",
     "The Data Record has been saved as",
     "    ",
     "The file you have selected does not contain a Korvanta Data Record.  Please check to see if you "
     "selected "
     "the appropriate file type.\r\rBeam Data Records have a default extension of *.DAT\r\rCustom Value "
     "files "
     "have an extension of *.VAL\rCriteria files have an extension of *.CRI\rColumn Data Records have an "
     "extension of *.COL",
     "A Data Record could not be loaded.",
     false,
     "The Data Record was Not saved to a file."},
    {RecordKind::CustomPost,
     "CPV",
     38,
     100,
     {100},
     1,
     "Open Custom Post Value File",
     "Save Custom Values As",
     "*.CPV",
     "All Files (*.*)|*.*|Korvanta Files (*.CPV)|*.CPV|",
     "Custom post values saved to disk as",
     "    ",
     "Cannot load the selected values. Please verify you are loading Custom Wood Post values with the *.CPV "
     "extension",
     "User cancelled or Error loading custom post values.",
     false,
     "User cancelled or Error in saving custom post values to hard drive.",
     false,
     false,
     false},
}};

} // namespace

const RecordKindInfo& recordKind(RecordKind kind)
{
    return Kinds[static_cast<std::size_t>(kind)];
}

bool acceptsMarker(const RecordKindInfo& info, std::int16_t marker)
{
    const auto end = info.acceptedMarkers.begin() + static_cast<std::ptrdiff_t>(info.markerCount);
    return std::find(info.acceptedMarkers.begin(), end, marker) != end;
}

bool startsWithMarker(const RecordKindInfo& info, std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 2 && acceptsMarker(info, static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8)));
}

platform::RecordDecision judgeMarkerAndLength(const RecordKindInfo& info, std::span<const std::uint8_t> bytes,
                                              std::size_t length)
{
    if (!startsWithMarker(info, bytes)) {
        return {platform::RecordRefusal::WrongKind, info.wrongKindMessage};
    }
    if (bytes.size() < length) {
        return {platform::RecordRefusal::NotLoaded, info.loadFailed};
    }
    return {};
}

} // namespace files
