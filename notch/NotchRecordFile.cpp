// FormNotchwise's "Save Notch..." and "Load Notch...": the dialogs, the record from and to the form.
#include "app/Program.h"
#include "files/RecordFile.h"
#include "notch/FormNotchwise.h"
#include "notch/NotchRecord.h"
#include "notch/NotchValues.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

namespace notch
{

namespace
{
constexpr const char* NotSaved = "The Notchwise Notch Data Record was not saved.";
} // namespace

void FormNotchwise::MnuSave_Click()
{
    platform::Runtime& runtime = m_program.runtime;
    platform::leaveOnError(
        [&] {
            platform::FileDialogRequest request;
            request.kind = platform::FileDialogKind::Save;
            request.title = "Save the Notchwise Data Record As";
            request.fileName = "*.NWD";
            request.defaultExtension = "NWD";
            request.filter = "All Files (*.*)|*.*|Notchwise Files (*.NWD)|*.NWD|";
            request.filterIndex = 2;
            request.overwritePrompt = true;
            const auto path = files::askRecordFile(m_program, request);
            NotchRecordValues v;
            v.date = DateNW.text();
            v.projectName = ProjectNameNW.text();
            v.description = DescriptionNW.text();
            v.location = LocationNW.text();
            v.maxV = MaxVtextbox.text();
            v.breadth = breadthtextbox.text();
            v.depth = depthtextbox.text();
            v.memberType = static_cast<std::int16_t>(MemberListBox.listIndex());
            v.species = static_cast<std::int16_t>(SpecieCombo.listIndex());
            v.notchType = static_cast<std::int16_t>(NotchListBox.listIndex());
            v.edition = NDSyearList.text();
            v.fv = Fvtextbox.text();
            v.wetUse = static_cast<std::int16_t>(WetUseCheckbox.value());
            v.shearFactor = static_cast<std::int16_t>(NoSplitCheckbox.value());
            v.duration = DurListbox.text();
            v.rd = rdTextbox.text();
            v.t = tTextbox.text();
            v.pitchInDegrees = m_program.notchValues.NotchPitchInDegrees == -1 ? 1 : 0;
            v.rp = rpTextbox.text();
            v.e = eTextbox.text();
            v.dn = dnTextbox.text();
            v.an = AnLabel.caption();
            v.minSpan = MinSpanLabel.caption();
            v.angle = AngleLabel.caption();
            v.fvAdj = AdjFvLabel.caption();
            v.criticalFv = CriticalfvLabel.caption();
            v.ratio = RatioFvLabel.caption();
            v.status = ShearStatusLabel.caption();
            platform::writeRecord(path, encodeNotchRecord(v));
            runtime.msgBox("The Notchwise Record has been saved as\r\r   " + path.string(),
                           platform::Buttons::OK, platform::Icon::None, "Notchwise");
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox(NotSaved, platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
        });
}

// The whole record is read and checked first: a foreign, short or damaged file changes nothing.
void FormNotchwise::MnuLoad_Click()
{
    platform::Runtime& runtime = m_program.runtime;
    platform::leaveOnError(
        [&] {
            platform::FileDialogRequest request;
            request.kind = platform::FileDialogKind::Open;
            request.title = "Load a Notchwise Data Record";
            request.fileName = "*.nwd";
            request.filter = "All Files (*.*)|*.*|Korvanta Files (*.nwd)|*.nwd|";
            request.filterIndex = 2;
            const auto path = files::askRecordFile(m_program, request);
            const platform::ReadResult read = platform::readRecord(path, NotchRecordLength);
            const DecodedNotchRecord decoded = decodeNotchRecord(read.fileBytes());
            if (decoded.refusal == NotchRecordRefusal::WrongKind) {
                runtime.msgBox(decoded.message, platform::Buttons::OK, platform::Icon::Exclamation,
                               "Korvanta");
                return;
            }
            if (decoded.refusal == NotchRecordRefusal::NotLoaded) {
                runtime.msgBox(decoded.message, platform::Buttons::OK, platform::Icon::None, "Notchwise");
                return;
            }
            restoreRecord(decoded.values);
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox(NotchNotLoadedMessage, platform::Buttons::OK, platform::Icon::None, "Notchwise");
        });
}

// In this order, each control with its own change or click handling, as the user's entries would run.
void FormNotchwise::restoreRecord(const NotchRecordValues& v)
{
    NotchValues& state = m_program.notchValues;
    DateNW.setText(v.date);
    ProjectNameNW.setText(v.projectName);
    DescriptionNW.setText(v.description);
    LocationNW.setText(v.location);
    MemberListBox.setListIndex(v.memberType);
    MaxVtextbox.setText(v.maxV);
    breadthtextbox.setText(v.breadth);
    depthtextbox.setText(v.depth);
    SpecieCombo.setListIndex(v.species);
    if (!v.edition.empty()) {
        NDSyearList.setText(v.edition);
    }
    Fvtextbox.setText(v.fv);
    WetUseCheckbox.setValue(v.wetUse);
    // Every edition offered keeps the shear stress factor off; an older record's 1 would double Fv'.
    NoSplitCheckbox.setValue(0);
    DurListbox.setText(v.duration);
    NotchListBox.setListIndex(v.notchType);
    rdTextbox.setText(v.rd);
    tTextbox.setText(v.t);
    if (v.pitchInDegrees == 1) {
        state.NotchPitchInDegrees = -1;
        RPtoDegreeCmd.setCaption("in Degrees <>");
    } else {
        state.NotchPitchInDegrees = 0;
        RPtoDegreeCmd.setCaption("to 12 Pitch <>");
    }
    rpTextbox.setText(v.rp);
    eTextbox.setText(v.e);
    dnTextbox.setText(v.dn);
}

} // namespace notch
