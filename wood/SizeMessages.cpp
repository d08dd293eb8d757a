// Refusal texts of the size test, lines joined by carriage returns; an empty line is two in a row.
#include "wood/SizeMessages.h"

#include <initializer_list>

namespace wood
{

namespace
{

std::string lines(std::initializer_list<const char*> parts)
{
    std::string text;
    bool first = true;
    for (const char* part : parts) {
        if (!first) {
            text += '\r';
        }
        text += part;
        first = false;
    }
    return text;
}

} // namespace

std::string customBreadthMessage()
{
    return "Please enter a valid numeric Breadth in the same format as shown on the 'quick pick' button "
           "headings below.  Include spaces, if any, and the 'x' immediately following the number. You may "
           "enter any NOMINAL breadth between 5 and 14 inches in half-inch increments. Example:  8-1/2x "
           "nominal entry will equal a NET (actual) breadth of 8 inches.";
}

std::string customDepthMessage()
{
    return lines(
        {"Please enter a valid numeric DEPTH in the same format as shown on the 'quick pick' buttons "
         "below.  Your entry must also be a beam size in the Korvanta database.",
         "",
         "Enter NOMINAL lumber sizes: (Seasoned and dressed dimension lumber is 1/2 to 3/4 in. smaller "
         "per the NDS and timbers are 1/2 in. smaller.) ",
         "", "2x's range from 4 to 14 in. nominal depth (2 in. increments)",
         "4x's range from 4 to 16 in. nominal depth (2 in. increments)",
         "Standard 5x+ timbers range from 6 to 16 in. nominal depth (2 in. increments)", "",
         "CUSTOM 5x+ timbers entries may be 5 in. to 20 in. (1/2 in. increments only)",
         "Entry example for a NET (actual) 17 in. deep timber: 17-1/2   (Note hyphen and no spaces)", "", "",
         "Glu-Lams range from 7-1/2 to 54 in. (1-1/2 in. increments)",
         "Glu-Lam Headers from 9 to 18 in. (1-1/2 in. increments)"});
}

std::string breadthMessage()
{
    return lines(
        {"Please enter a valid numeric BREADTH in the same format as shown on the 'quick pick' button "
         "headings below.  Include spaces, if any, and a hyphen before fractions (example: 3-1/2x) and "
         "an 'x' immediately following the breadth.",
         "",
         "NOTE: Custom Timber nominal breadths and depths may be entered in half inch increments using "
         "the CUSTOM VALUES form."});
}

std::string speciesMessage()
{
    return lines({"Please enter a Species and Grade in exactly the same format as shown on the 'quick pick' "
                  "button side-headings below.  Include any spaces between words and numbers.",
                  "",
                  "To completely change the species group you must either enter the new species and grade "
                  "exactly for Korvanta to recognize it, or simply return to Criteria Form1 and select a new "
                  "species group.",
                  "", "Custom grades and species are also available.",
                  "Select 'Custom Values' at the end of the Species list in Criteria Form 1."});
}

std::string depthMessage()
{
    return lines(
        {"Please enter a valid numeric DEPTH in the same format as shown on the 'quick pick' buttons.  "
         "Your entry must also be a beam size in the Korvanta database.  Please enter NOMINAL lumber "
         "sizes for solid sawn lumber and timbers.",
         "", "2xs and 3xs:  4 to 14 in. (2 in. increments)", "4xs:  4 to 16 in. (2 in. increments)",
         "5x+:  6 to 16 in. (2 in. increments)",
         "NOTE: Custom widths and depths in half inch increments may be entered for Timbers using the "
         "CUSTOM VALUES FORM.",
         "", "Glu-Lams: 9 to 54 in. (1-1/2 in. increments)",
         "Glu-Lam Headers: 9 to 18 in. (1-1/2 in. increments)", "So. Pine Glu-Lams: 9-5/8 to 30-1/4 in.",
         "(1-3/8 in. increments)", "",
         "See help file on Species, Grades, and Sizes for further information."});
}

std::string breadthFormatMessage()
{
    return "Please check Breadth entry for proper format and correct beam breadth. Add a hyphen before "
           "fractions with no spaces and add a small 'x' to breadth without a space.";
}

std::string repetitiveUseMessage()
{
    return lines({"Please note:", "",
                  "GLB and 6x sizes do not qualify for Repetitive Use Values.  Please either 'unselect' the "
                  "Repetitive Use check box on the Criteria Form or select a 4x or 2x combination beam "
                  "breadth."});
}

} // namespace wood
