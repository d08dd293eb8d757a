// The stud column file of the stud frame: the writer with its notes question and the loader, which
// reads and checks the whole record before any box changes.
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/Form18.h"
#include "columns/StudColumnRecord.h"
#include "files/RecordFile.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

#include <algorithm>

namespace columns
{

namespace
{
constexpr const char* Filter = "All Files (*.*)|*.*|Korvanta Files (*.Wsc)|*.Wsc|";
constexpr const char* NotSaved = "The Stud Column Record was Not saved to a file.";
} // namespace

void Form18::SaveStudColumnCriteria()
{
    platform::Runtime& runtime = m_program.runtime;
    platform::leaveOnError(
        [&] {
            StudColumnValues v;
            const auto& notes = m_program.state.ReportNotes;
            if (std::any_of(notes.begin(), notes.end(), [](const std::string& n) { return !n.empty(); })) {
                const platform::MsgResult answer =
                    runtime.msgBox("Would you like to save your notes as part of this stud column record?",
                                   platform::Buttons::YesNoCancel, platform::Icon::Question, "Korvanta");
                if (answer == platform::MsgResult::Cancel) {
                    return;
                }
                if (answer == platform::MsgResult::Yes) {
                    std::copy(notes.begin(), notes.end(), v.notes.begin());
                }
            }
            platform::FileDialogRequest request;
            request.kind = platform::FileDialogKind::Save;
            request.title = "Save Stud Column Record As";
            request.fileName = "*.Wsc";
            request.defaultExtension = "Wsc";
            request.filter = Filter;
            request.filterIndex = 2;
            request.overwritePrompt = true;
            const auto path = files::askRecordFile(m_program, request);
            v.columnProj = ColumnProj.text();
            v.columnDescription = ColumnDescription.text();
            v.columnID = columnID.text();
            v.axialPlf = AxialPLFtextbox.text();
            v.windA = WindA.text();
            v.windB = WindB.text();
            v.windC = WindC.text();
            v.begA = BegA.text();
            v.begB = BegB.text();
            v.begC = BegC.text();
            v.endA = EndA.text();
            v.endB = EndB.text();
            v.endC = EndC.text();
            v.height = WindStudHt.text();
            v.breadth = static_cast<std::int16_t>(BreadthCombo.listIndex());
            v.depth = static_cast<std::int16_t>(DepthCombo.listIndex());
            v.spacing = WindStudSpacing.text();
            v.species = WindStudCombo.text();
            v.fb = WindStudFb.text();
            v.fc = WindStudFc.text();
            v.e = WindStudE.text();
            v.axialPoint = AxialPointTextbox.text();
            v.axialDuration = AxialDurTextbox.text();
            v.windDuration = DurWindTextbox.text();
            v.repWindStud = platform::num::numberText(RepWindStud.value());
            v.repIbc = platform::num::numberText(RepIBCCheck.value());
            platform::writeRecord(path, encodeStudColumnRecord(v));
            runtime.msgBox("The Stud Column Record has been saved as\r\r   " + path.string());
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox(NotSaved, platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
        });
}

// The whole record is read and checked first: a foreign, short or damaged file changes nothing.
void Form18::LoadStudColumnCriteria()
{
    platform::Runtime& runtime = m_program.runtime;
    platform::leaveOnError(
        [&] {
            platform::FileDialogRequest request;
            request.kind = platform::FileDialogKind::Open;
            request.title = "Open Stud Column Record";
            request.fileName = "*.Wsc";
            request.filter = Filter;
            request.filterIndex = 2;
            const auto path = files::askRecordFile(m_program, request);
            const platform::ReadResult read = platform::readRecord(path, StudColumnRecordLength);
            const DecodedStudColumnRecord decoded = decodeStudColumnRecord(read.fileBytes());
            if (decoded.refusal == StudColumnRefusal::WrongKind) {
                runtime.beep();
            }
            if (!decoded.accepted()) {
                runtime.msgBox(decoded.message, platform::Buttons::OK, platform::Icon::Exclamation,
                               "Korvanta");
                return;
            }
            restoreStudColumn(decoded.values);
            runtime.msgBox(
                "The stud column data you have loaded may printed by selecting the Report Button.");
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox(files::recordKind(files::RecordKind::StudColumn).loadFailed, platform::Buttons::OK,
                           platform::Icon::Exclamation, "Korvanta");
        });
}

// In the order of the file, each box with its own rules, as the user's entries would run: the starts,
// ends, spacing and options come after the boxes whose rules touch them, so the stored values remain.
void Form18::restoreStudColumn(const StudColumnValues& v)
{
    ColumnProj.setText(v.columnProj);
    ColumnDescription.setText(v.columnDescription);
    columnID.setText(v.columnID);
    AxialPLFtextbox.setText(v.axialPlf);
    WindA.setText(v.windA);
    WindB.setText(v.windB);
    WindC.setText(v.windC);
    BegA.setText(v.begA);
    BegB.setText(v.begB);
    BegC.setText(v.begC);
    EndA.setText(v.endA);
    EndB.setText(v.endB);
    EndC.setText(v.endC);
    WindStudHt.setText(v.height);
    BreadthCombo.setListIndex(v.breadth);
    DepthCombo.setListIndex(v.depth);
    WindStudSpacing.setText(v.spacing);
    WindStudCombo.setText(v.species);
    WindStudFb.setText(v.fb);
    WindStudFc.setText(v.fc);
    WindStudE.setText(v.e);
    AxialPointTextbox.setText(v.axialPoint);
    AxialDurTextbox.setText(v.axialDuration);
    DurWindTextbox.setText(v.windDuration);
    RepWindStud.setValue(static_cast<int>(platform::num::leadingNumber(v.repWindStud)));
    RepIBCCheck.setValue(static_cast<int>(platform::num::leadingNumber(v.repIbc)));
    std::copy(v.notes.begin(), v.notes.end(), m_program.state.ReportNotes.begin());
}

} // namespace columns
