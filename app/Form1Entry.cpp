// Form1's entry box change rules: each change of a box invalidates the selection unless the program is
// writing the form itself, refuses a text that is no number of the box's range, removes a zero from
// the load boxes, and switches "OK Calculate" and the calculator buttons.
#include "app/ClearSelection.h"
#include "app/DesignHelpers.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Number.h"
#include "platform/forms/Runtime.h"

#include <array>
#include <string>
#include <string_view>

namespace app
{

namespace
{

// When a change leaves the selection alone: C while the program fills the form (ChangeGuard); CR also
// while the activation writes the load boxes back (RefillGuard); CRH also for the hip and valley case,
// whose uniform load the calculator writes; Never for a box that never invalidates it.
enum class Guard
{
    C,
    CR,
    CRH,
    Never
};

enum class Bound
{
    AtLeastZero,
    AboveZero,
    None // every text is accepted
};

// In which order a refused text is emptied and named; the calculator rows then take the focus back.
enum class Refusal
{
    EmptyThenMessage,
    MessageThenEmpty,
    EmptyMessageFocus
};

// Further effects of every change, accepted or not.
enum After : unsigned
{
    Nothing = 0,
    On = 1,  // "OK Calculate" enabled, "Multiply and Insert" black
    Off = 2, // "OK Calculate" disabled until a calculator or another listed action enables it
    Hip = 4, // the hip and valley calculator enabled
    Red = 8  // "Multiply and Insert" dark red: the tributary calculator has entries not applied yet
};

struct EntryRule
{
    Guard guard;
    Bound bound;
    Refusal refusal;
    bool emptiesZero; // a zero, however written, never stays
    unsigned after;
    std::array<std::string_view, 2> specialTexts; // accepted as they are; an empty entry is unused
    const char* message;
};

constexpr const char* Title = "Korvanta";

constexpr EntryRule UniformRule{Guard::CRH,
                                Bound::AtLeastZero,
                                Refusal::EmptyThenMessage,
                                true,
                                On,
                                {},
                                "Please enter a valid numeric value for the Uniform Load in Lbs Per/Ft."};
constexpr EntryRule LiveUniformRule{
    Guard::CRH,
    Bound::AtLeastZero,
    Refusal::EmptyThenMessage,
    true,
    On,
    {},
    "Please enter a valid numeric value for the Live Uniform Load in Lbs Per/Ft."};
constexpr EntryRule PointRule{Guard::CR,
                              Bound::AtLeastZero,
                              Refusal::EmptyThenMessage,
                              true,
                              Nothing,
                              {},
                              "Please enter a valid numeric value for the Point Load."};
constexpr EntryRule LivePointRule{Guard::CR,
                                  Bound::AtLeastZero,
                                  Refusal::EmptyThenMessage,
                                  true,
                                  Nothing,
                                  {},
                                  "Please enter a valid numeric value for the Live Point Load."};
constexpr EntryRule PartialRule{Guard::CR,
                                Bound::AtLeastZero,
                                Refusal::MessageThenEmpty,
                                true,
                                Nothing,
                                {},
                                "Please enter a valid numeric value for the Partial Uniform Load."};
constexpr EntryRule LivePartialRule{Guard::CR,
                                    Bound::AtLeastZero,
                                    Refusal::MessageThenEmpty,
                                    true,
                                    Nothing,
                                    {},
                                    "Please enter a valid numeric value for the Live Partial Uniform Load."};
// A lone "." passes on the way to a distance such as .5.
constexpr EntryRule DistanceRule{Guard::C,
                                 Bound::AboveZero,
                                 Refusal::EmptyThenMessage,
                                 false,
                                 Nothing,
                                 {"."},
                                 "Please enter a numeric value for the DISTANCE to the point load."};
constexpr EntryRule BeginRule{
    Guard::C,
    Bound::AtLeastZero,
    Refusal::EmptyThenMessage,
    false,
    Nothing,
    {"."},
    "Please enter a numeric value for the distance to the START of the Partial Uniform Load."};
constexpr EntryRule EndRule{Guard::C,
                            Bound::AboveZero,
                            Refusal::EmptyThenMessage,
                            false,
                            Nothing,
                            {"."},
                            "Please enter a numeric value for the END location of the Partial Uniform Load."};
constexpr EntryRule SpanRule{
    Guard::C,
    Bound::AboveZero,
    Refusal::EmptyThenMessage,
    false,
    Nothing,
    {},
    "Please enter a valid numeric value for the beam Span in feet (and decimal fraction, if any)"};
// "0" is a fully braced member and "Any" a tube checked for any unbraced length.
constexpr EntryRule UnbracedRule{
    Guard::C,
    Bound::AboveZero,
    Refusal::EmptyThenMessage,
    false,
    Nothing,
    {"0", "Any"},
    "Please enter a valid numeric value for the unbraced length in feet (and decimal fraction, if any)"};
constexpr EntryRule OverhangUnbracedRule{
    Guard::C,
    Bound::AboveZero,
    Refusal::EmptyThenMessage,
    false,
    Nothing,
    {"0", "Any"},
    "Please enter a valid numeric value for the unbraced length of Overhang "
    "in feet (enter in the blue box)."};
// "OK Calculate" checks the deflection limits as a whole.
constexpr EntryRule DeflectionLimitRule{Guard::C, Bound::None, Refusal::EmptyThenMessage, false, Nothing,
                                        {},       ""};
constexpr EntryRule IncreasingTotalRule{
    Guard::CR,
    Bound::AtLeastZero,
    Refusal::EmptyThenMessage,
    true,
    Off | Hip,
    {},
    "Please enter a valid numeric value for the Total (LL + DL) Increasing Load "
    "in Lbs. per square ft."};
constexpr EntryRule IncreasingLiveRule{
    Guard::C,
    Bound::AtLeastZero,
    Refusal::EmptyThenMessage,
    true,
    Off,
    {},
    "Please enter a valid numeric value for the Live Increasing Load in Lbs. per square ft."};
constexpr EntryRule HipUniformTotalRule{
    Guard::CR,
    Bound::AtLeastZero,
    Refusal::EmptyThenMessage,
    true,
    Off | Hip,
    {},
    "Please enter a valid numeric value for the Total (LL + DL) Uniform Load in "
    "Lbs. per lin. ft."};
constexpr EntryRule HipUniformLiveRule{
    Guard::C,
    Bound::AtLeastZero,
    Refusal::EmptyThenMessage,
    true,
    Off,
    {},
    "Please enter a valid numeric value for the Live Uniform Load in Lbs. per lin. ft."};
constexpr EntryRule PsfRule{Guard::C,
                            Bound::AtLeastZero,
                            Refusal::MessageThenEmpty,
                            true,
                            Off,
                            {},
                            "Please enter a valid numeric value for the Partial Uniform Sq Ft Load."};
constexpr EntryRule LivePsfRule{
    Guard::CR,
    Bound::AtLeastZero,
    Refusal::MessageThenEmpty,
    true,
    Off,
    {},
    "Please enter a valid numeric value for the Live Partial Uniform Sq Ft Load."};
constexpr EntryRule TributaryPsfRule{
    Guard::C,
    Bound::AtLeastZero,
    Refusal::MessageThenEmpty,
    true,
    Off,
    {},
    "Please enter a valid numeric value for the tributary partial load length."};
constexpr EntryRule LivePsfUniformRule{Guard::C,
                                       Bound::AtLeastZero,
                                       Refusal::EmptyMessageFocus,
                                       true,
                                       Off | Red,
                                       {},
                                       "Please enter a valid numeric value for the live load PSF."};
constexpr EntryRule TotalPsfUniformRule{Guard::C,
                                        Bound::AtLeastZero,
                                        Refusal::EmptyMessageFocus,
                                        true,
                                        Off | Red,
                                        {},
                                        "Please enter a valid numeric value for the LL+DL PSF."};
constexpr EntryRule TributeRule{Guard::Never,
                                Bound::AtLeastZero,
                                Refusal::EmptyMessageFocus,
                                true,
                                Off | Red,
                                {},
                                "Please enter a valid numeric value for tributary length."};
constexpr EntryRule HipTributaryRule{Guard::C,
                                     Bound::AboveZero,
                                     Refusal::EmptyMessageFocus,
                                     false,
                                     Off,
                                     {},
                                     "Please enter a valid numeric value for the tributary length"};

bool guarded(const EntryRule& rule, Program& program)
{
    const SharedState& s = program.state;
    switch (rule.guard) {
    case Guard::C:
        return s.ChangeGuard != 0;
    case Guard::CR:
        return s.ChangeGuard != 0 || s.RefillGuard == -1;
    case Guard::CRH:
        return s.ChangeGuard != 0 || s.RefillGuard == -1 || program.form1.IncButton.value();
    case Guard::Never:
        return true;
    }
    return false;
}

bool accepted(const EntryRule& rule, const std::string& text)
{
    if (text.empty() || rule.bound == Bound::None) {
        return true;
    }
    for (std::string_view special : rule.specialTexts) {
        if (text == special) {
            return true;
        }
    }
    // The strict test first: it refuses what the leading-number reading would cut short ("1,8", "12a")
    // and every value beyond the range of a double. Thousands separators are refused too: the comma key
    // is kept out of these boxes, yet a pasted "1,000" would pass the strict test and then read as 1.
    if (!platform::num::isNumberText(text) || text.find(',') != std::string::npos) {
        return false;
    }
    const double value = platform::num::leadingNumber(text);
    return rule.bound == Bound::AtLeastZero ? value >= 0 : value > 0;
}

void refuse(const EntryRule& rule, platform::TextBox& box, Program& program)
{
    platform::Runtime& runtime = program.runtime;
    runtime.beep();
    const auto message = [&] {
        runtime.msgBox(rule.message, platform::Buttons::OK, platform::Icon::None, Title);
    };
    if (rule.refusal == Refusal::MessageThenEmpty) {
        message();
        box.setText("");
        return;
    }
    box.setText("");
    message();
    // A box written by code may be out of reach; the focus then stays where the user left it.
    if (rule.refusal == Refusal::EmptyMessageFocus && box.canFocus()) {
        box.setFocus();
    }
}

void applyAfter(unsigned after, Form1& f)
{
    if ((after & On) != 0) {
        f.CmdOK.setEnabled(true);
        f.Command3D25.setForeColor(design::Black);
    }
    if ((after & Off) != 0) {
        f.CmdOK.setEnabled(false);
    }
    if ((after & Hip) != 0) {
        f.IncCalcButton.setEnabled(true);
    }
    if ((after & Red) != 0) {
        f.Command3D25.setForeColor(design::DarkRed);
    }
}

// Emptying the box raises a nested change, which finds the empty text that every box accepts.
void applyEntryRule(const EntryRule& rule, platform::TextBox& box, Program& program)
{
    if (!guarded(rule, program)) {
        ClearSelection(program);
    }
    if (!accepted(rule, box.text())) {
        refuse(rule, box, program);
    }
    if (rule.emptiesZero && !box.text().empty() && platform::num::leadingNumber(box.text()) == 0) {
        box.setText("");
    }
    applyAfter(rule.after, program.form1);
}

} // namespace

void Form1::UNIF_Change()
{
    applyEntryRule(UniformRule, UNIF, m_program);
}
void Form1::LUNIF_Change()
{
    applyEntryRule(LiveUniformRule, LUNIF, m_program);
}
void Form1::PT_Change(int index)
{
    applyEntryRule(PointRule, PT(index), m_program);
}
void Form1::LPT_Change(int index)
{
    applyEntryRule(LivePointRule, LPT(index), m_program);
}
void Form1::PAR_Change(int index)
{
    applyEntryRule(PartialRule, PAR(index), m_program);
}
void Form1::LPAR_Change(int index)
{
    applyEntryRule(LivePartialRule, LPAR(index), m_program);
}
void Form1::DIS_Change(int index)
{
    applyEntryRule(DistanceRule, DIS(index), m_program);
}
void Form1::BEGP_Change(int index)
{
    applyEntryRule(BeginRule, BEGP(index), m_program);
}
void Form1::ENDP_Change(int index)
{
    applyEntryRule(EndRule, ENDP(index), m_program);
}
void Form1::Span_Change()
{
    applyEntryRule(SpanRule, Span, m_program);
}
void Form1::UBLtext_Change()
{
    applyEntryRule(UnbracedRule, UBLtext, m_program);
}
void Form1::CantUBLtext_Change()
{
    applyEntryRule(OverhangUnbracedRule, CantUBLtext, m_program);
}
void Form1::MaxDefl_Change()
{
    applyEntryRule(DeflectionLimitRule, MaxDefl, m_program);
}
void Form1::LMaxDefl_Change()
{
    applyEntryRule(DeflectionLimitRule, LMaxDefl, m_program);
}
void Form1::IncTL_Change()
{
    applyEntryRule(IncreasingTotalRule, IncTL, m_program);
}
void Form1::IncLL_Change()
{
    applyEntryRule(IncreasingLiveRule, IncLL, m_program);
}
void Form1::IncUnifTL_Change()
{
    applyEntryRule(HipUniformTotalRule, IncUnifTL, m_program);
}
void Form1::IncUnifLL_Change()
{
    applyEntryRule(HipUniformLiveRule, IncUnifLL, m_program);
}
void Form1::PSF_Change(int index)
{
    applyEntryRule(PsfRule, PSF(index), m_program);
}
void Form1::LPSF_Change(int index)
{
    applyEntryRule(LivePsfRule, LPSF(index), m_program);
}
void Form1::TribPSF_Change(int index)
{
    applyEntryRule(TributaryPsfRule, TribPSF(index), m_program);
}
void Form1::Text1_Change()
{
    applyEntryRule(LivePsfUniformRule, Text1, m_program);
}
void Form1::Text2_Change()
{
    applyEntryRule(TotalPsfUniformRule, Text2, m_program);
}
void Form1::Tribute_Change()
{
    applyEntryRule(TributeRule, Tribute, m_program);
}
void Form1::Trib1_Change()
{
    applyEntryRule(HipTributaryRule, Trib1, m_program);
}
void Form1::Trib2_Change()
{
    applyEntryRule(HipTributaryRule, Trib2, m_program);
}

} // namespace app
