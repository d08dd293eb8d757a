// The common loader and writer of the user record files.
#include "files/RecordFile.h"

#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace files
{

namespace
{

constexpr const char* Title = "Korvanta";

platform::FileDialogRequest dialogRequest(const RecordKindInfo& info, platform::FileDialogKind kind)
{
    platform::FileDialogRequest request;
    request.kind = kind;
    request.fileName = std::string(info.pattern);
    request.title = std::string(kind == platform::FileDialogKind::Open ? info.openTitle : info.saveTitle);
    request.filter = std::string(info.filter);
    request.filterIndex = 2;
    // Each request is whole: an open dialog carries no default extension from an earlier save.
    if (kind == platform::FileDialogKind::Save) {
        request.defaultExtension = std::string(info.extension);
        request.overwritePrompt = true;
    }
    return request;
}

std::string pathText(const std::filesystem::path& path)
{
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

// "*.Wsc" and "*.WSC" are one kind.
std::string folderKey(std::string_view pattern)
{
    const std::size_t dot = pattern.rfind('.');
    std::string key(dot == std::string_view::npos ? pattern : pattern.substr(dot + 1));
    for (char& c : key) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return key;
}

} // namespace

std::filesystem::path askRecordFile(app::Program& program, platform::FileDialogRequest request)
{
    auto& folders = program.recordFiles.lastFolders;
    const std::string key = folderKey(request.fileName);
    const auto last = folders.find(key);
    // A folder removed since it was used gives way to the program's folder.
    std::error_code error;
    request.initialFolder = last != folders.end() && std::filesystem::is_directory(last->second, error)
                                ? last->second
                                : program.runtime.programFolder();
    const auto path = program.runtime.fileDialog(request, true); // Cancel raises
    if (path->has_parent_path()) {
        folders[key] = path->parent_path();
    }
    return *path;
}

LoadOutcome runLoader(app::Program& program, RecordKind kind, platform::Record& buffer,
                      const LoaderSteps& steps)
{
    const RecordKindInfo& info = recordKind(kind);
    platform::Runtime& runtime = program.runtime;
    platform::RecordDecision decision;
    LoadOutcome outcome = LoadOutcome::Refused;
    const bool done = platform::leaveOnError(
        [&] {
            const auto path = askRecordFile(program, dialogRequest(info, platform::FileDialogKind::Open));
            const platform::ReadResult read = platform::readRecord(path, info.length);
            decision = steps.decide(read.fileBytes());
            if (!decision.accepted()) {
                return;
            }
            buffer = read.record;
            steps.apply();
            outcome = LoadOutcome::Loaded;
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox(info.loadFailed, platform::Buttons::OK,
                           info.loadFailedExclamation ? platform::Icon::Exclamation : platform::Icon::None,
                           Title);
        });
    if (done && decision.refusal == platform::RecordRefusal::WrongKind) {
        outcome = LoadOutcome::WrongKind;
        if (info.wrongKindBeep) {
            runtime.beep();
        }
        runtime.msgBox(decision.message, platform::Buttons::OK,
                       info.wrongKindExclamation ? platform::Icon::Exclamation : platform::Icon::None, Title);
    }
    // A short or damaged record is reported as a failed load.
    if (done && decision.refusal == platform::RecordRefusal::NotLoaded) {
        runtime.msgBox(decision.message, platform::Buttons::OK,
                       info.loadFailedExclamation ? platform::Icon::Exclamation : platform::Icon::None,
                       Title);
    }
    if (outcome != LoadOutcome::Loaded && steps.cleanUp) {
        steps.cleanUp();
    }
    return outcome;
}

bool runWriter(app::Program& program, RecordKind kind, platform::Record& buffer, const WriterSteps& steps)
{
    const RecordKindInfo& info = recordKind(kind);
    platform::Runtime& runtime = program.runtime;
    const bool written = platform::leaveOnError(
        [&] {
            const auto path = askRecordFile(program, dialogRequest(info, platform::FileDialogKind::Save));
            // The whole record is built in memory first: a failing field writes nothing at all.
            platform::Record record = buffer;
            record.setI16(0, info.writtenMarker);
            steps.fill(record);
            platform::writeRecord(path, record);
            buffer = record;
            runtime.msgBox(std::string(info.savedSentence) + "\r\r" + std::string(info.savedBlanks) +
                               pathText(path) + steps.confirmationTail,
                           platform::Buttons::OK, platform::Icon::None, Title);
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox(info.saveFailed, platform::Buttons::OK,
                           info.saveFailedExclamation ? platform::Icon::Exclamation : platform::Icon::None,
                           Title);
        });
    if (steps.cleanUp) {
        steps.cleanUp();
    }
    return written;
}

NotesAnswer askColumnNotes(app::Program& program, RecordKind kind)
{
    const auto& notes = program.state.ReportNotes;
    if (std::all_of(notes.begin(), notes.end(), [](const std::string& note) { return note.empty(); })) {
        return NotesAnswer::Blank;
    }
    const char* question = kind == RecordKind::StudColumn
                               ? "Would you like to save your notes as part of this stud column record?"
                               : "Would you like to save your notes as part of this column record?";
    switch (
        program.runtime.msgBox(question, platform::Buttons::YesNoCancel, platform::Icon::Question, Title)) {
    case platform::MsgResult::Yes:
        return NotesAnswer::Keep;
    case platform::MsgResult::No:
        return NotesAnswer::Blank;
    default:
        return NotesAnswer::Cancel;
    }
}

} // namespace files
