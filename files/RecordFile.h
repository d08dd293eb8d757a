// The pattern every user record file follows: the file dialog, one whole record read or written as the
// first record of the file, the marker test, the confirmation and the one failure message per kind.
#pragma once

#include "files/RecordKinds.h"
#include "platform/core/Record.h"
#include "platform/forms/Types.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace app
{
class Program;
}

namespace files
{

// The record buffers of the kinds, shared by each kind's loader and writer. After an accepted load a
// buffer holds the file's record, after a save what was written; refused files leave it alone.
struct RecordBuffers
{
    platform::Record BeamCriteriaRecord{1613};
    platform::Record CustomValuesRecord{66};
    platform::Record BeamDataRecord{4809};
    platform::Record WoodColumnRecord{1514};
    platform::Record SteelColumnRecord{1156};
    platform::Record CustomPostValuesRecord{38};
    // -1 after a column record load that did not load (refused, cancelled or of another kind), 0 after
    // one that did: the criteria form's load commands go back to it on -1.
    std::int16_t WoodColLoadFailed = 0;
    std::int16_t SteelColLoadFailed = 0;
    // The folder a file of each kind was last picked in during the run, by the kind's extension in
    // capitals ("CRI"); the run starts with none.
    std::map<std::string, std::filesystem::path> lastFolders;
};

// The file dialog of one kind of record file, the kind named by the extension of the request's file
// name pattern ("*.CRI", "*.nwd"). It opens in the folder a file of that kind was last picked in during
// the run, the program's folder before that, and keeps the folder of the file picked. Cancel raises
// the dialog's cancel error.
std::filesystem::path askRecordFile(app::Program& program, platform::FileDialogRequest request);

enum class LoadOutcome
{
    Loaded,
    WrongKind,
    Refused, // the failure message was shown: cancel, unreadable, short or damaged record
};

struct LoaderSteps
{
    // Decides, before anything is touched, whether the accepted marker's record is whole for its
    // version and holds only values the restore can apply. False shows the failure message.
    std::function<bool(const platform::Record& record, std::uint64_t fileLength)> applicable;
    // Restores the record into the forms and shared values.
    std::function<void(const platform::Record& record)> restore;
    // Runs after the failure message (and after a wrong kind): guards the loader set are cleared.
    std::function<void()> cleanUp;
};

LoadOutcome runLoader(app::Program& program, RecordKind kind, platform::Record& buffer,
                      const LoaderSteps& steps);

struct WriterSteps
{
    // Fills the record after the dialog has returned; starts from the buffer's bytes, so that what
    // no field writes keeps them.
    std::function<void(platform::Record& record)> fill;
    // Added to the confirmation after the file name.
    std::string confirmationTail;
    // Runs after the confirmation and after the failure message.
    std::function<void()> cleanUp;
};

// True when the record was written and confirmed.
bool runWriter(app::Program& program, RecordKind kind, platform::Record& buffer, const WriterSteps& steps);

// Raised inside a loader's restore or a writer's fill for a value that cannot be stored or applied.
[[noreturn]] void refuseRecord();

// The column writers' notes question, before their dialog.
enum class NotesAnswer
{
    Keep,  // the notes go into the record
    Blank, // the record's notes are blanks
    Cancel // leave without a dialog and without a message
};
NotesAnswer askColumnNotes(app::Program& program, RecordKind kind);

} // namespace files
