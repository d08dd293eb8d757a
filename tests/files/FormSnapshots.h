// Snapshots of what a record loader may touch: every control of a form and the shared values the
// loaders restore, each as one text, so that a refused file can be shown to have changed nothing.
#pragma once

#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

#include <sstream>
#include <string>

namespace filetest
{

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
