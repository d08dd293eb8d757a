// The fourteen quick-tip notes of the column criteria form, line by line; lines are joined by a
// carriage return alone, and an empty line makes two in a row.
#include "columns/Form18Notes.h"

namespace columns
{

const std::array<Form18Note, 14> Form18Notes{{
    {"Command3D1",
     {
         "Wood column Fc and E values may be edited.  Please enter the species and grade to reflect your "
         "custom values.  Steel columns are preset to the correct Fy and E and may not be changed.",
         "",
         "Note: When sizing wood columns, be sure you have selected the proper column type and value group "
         "at right.",
     }},
    {"Command3D2",
     {
         "Actual Column Height (also known as 'length'):",
         "",
         "Enter the total continuous height of the column in feet (plus decimal fractions, if any).",
     }},
    {"Command3D13",
     {
         "Unbraced Height (sometimes called unbraced length):",
         "",
         "is the longest distance in plane D1 or in plane D2, between points of lateral support.  Lateral "
         "support might be provided by bracing connections or sheathing.",
         "",
         "If plane D1 or D2 is connected to sheathing for its full height, enter a ZERO for the unbraced "
         "height.",
         "",
         "The greatest (controlling) height is multiplied by the Buckling Mode to derive the effective "
         "column height known as 'le'.",
         "",
         "Steel column selections in Korvanta are all symetrical round or square.  Enter the longest "
         "unbraced height (length) under plane D1. An entry for D2 is not required.",
     }},
    {"Command3D3",
     {
         "Wet Use Factor  Cm",
         "",
         "For wood column use under conditions that increase the wood moisture content above 19% for "
         "visually graded sawn lumber.  Generally, if wood is not inside a covered structure, it may be "
         "prone to a high moisture content, but his depends upon the climate in your locale and the opinion "
         "of your building official. This option does not apply to steel.",
     }},
    {"Command3D4",
     {
         "Buckling Length Coefficient, 'Ke' (or 'K' for steel)",
         "",
         "See Table G-1 of the NDS, your local building code, or steel manual for a diagram and explanation "
         "of the types of end connections.",
         "",
         " The <> button to the right allows you to quickly cycle through recommended design values.",
         "",
         "Most residential end conditions are top and bottom rotation free, translation fixed, with a Ke "
         "value ('K' for steel) of 1.0",
     }},
    {"Command3D5",
     {
         "Wood Duration of Load Factor  Cd",
         "",
         "is an adjustment that allows increases to the Fb and Fv due to the fact that wood is able to carry "
         "much greater loads for short durations than for long durations of loading.",
         "",
         "FACTORS",
         "",
         "0.90  Permanent",
         "1.00  Normal Load (10 yrs)",
         "1.15  Snow Load (2 months)",
         "1.25  Seven Day (no snow)",
         "1.33 Wind and Earthquake",
         "2.0  Impact",
         "",
         "NOTE: Increases are NOT cumulative",
         "",
         "Consult YOUR local building code for appropriate factors",
     }},
    {"Command3D6",
     {
         "Post & Timber Values",
         "",
         "These values apply only to solid sawn 6x, 8x, and 10xs. They are square in cross section, not "
         "exceeding 2 inches difference in dimension.  The sizes available are 6x6, 6x8, 8x8, 8x10, and "
         "10x10.",
     }},
    {"Command3D7",
     {
         "Beam & Stringer Values",
         "",
         "These values apply only to solid sawn 6xs, and 10xs. They are rectangular in cross section, "
         "exceeding 2 inches difference in dimension. Hence the only size available is 6x10 (and 10x6). ",
     }},
    {"Command3D8",
     {
         "Dimension Lumber Values",
         "",
         "These values are NDS In Grade Base Values and are applicable to 2x and 4x solid sawn columns and "
         "to 2x built-up columns. Face dimensions range from 4x to 10x.",
     }},
    {"Command3D9",
     {
         "6x, 8x, and 10x Columns",
         "",
         "These are solid sawn members that require 5x or greater Post & Timber or Beam & Stringer values.",
     }},
    {"Command3D10",
     {
         "2x and 4x Solid Sawn Columns",
         "",
         "These members require 2x to 4x by 4x or greater Dimension lumber values.",
         "",
         "Note:  Use NDS® In Grade base values. If you edit the Fc and E values to use STUD grade, remember "
         "the maximum column height is 10 feet.",
     }},
    {"Command3D11",
     {
         "Built-up Nailed Columns  NDS® 15.3.1",
         "",
         "The following provisions apply to nailed columns with 2 to 5 lams in which:",
         "",
         "a. Each lam has a rectangular cross section and at least 1-1/2 in. thick.",
         "b. All lams have the same face width. ",
         "c. Faces are in contact and full column length.",
         "",
         "NDS 15.3.3",
         "1. Adjacent nails are driven from opposite sides of the column and all nails penetrate 3/4+ of the "
         "thickness of last lam.",
         "2. 15D <= end distance <= 18D",
         "3. 20D <= spacing between adj. nails in a row <= 6t min.",
         "4. 10D <= spacing between rows of nails <= 20D.",
         "5. 5D <= edge distance <= 20D",
         "6. 2+ longitudinal rows of nails are provided when d > 3t min.",
         "7. Stagger nails.",
         "D = nail diam., d = depth (face width of each lam), t min = thickness of thinnest lam.",
     }},
    {"Command3D12",
     {
         "Built-up Bolted Columns  NDS® 15.3.1",
         "",
         "The following provisions apply to bolted columns with 2 to 5 lams in which:",
         "",
         "a. Each lam has a rectangular cross section and at least 1-1/2 in. thick.",
         "b. All lams have the same face width. ",
         "c. Faces are in contact and full column length.",
         "",
         "NDS 15.3.4.1",
         "1. A metal washer is between wood and the bolt head or nut.",
         "2. Nuts are tightened for full lam face contact.",
         "3. Softwd: 7D <= end distance <= 8.4D, Hardwd: 5D <= end distance <= 6D.",
         "4. 4D <= spacing between adj bolts in a row <= 6t min.",
         "5. 1.5D <= space between rows <= 10D.",
         "6. 1.5D <= edge distance <= 10D.",
         "7. Stagger Bolts.",
         "8. If d > 3t min provide 2+ longitudinal rows of bolts.",
         "D = bolt diam., d = depth (face width of each lam), t min = thickness of thinnest lam.",
     }},
    {"SheathHelpNote",
     {
         "Built-up Column Special Condition",
         "",
         "Built-up Column capacity is reduced to 60% for nails and 75% for bolts. If sheathing is applied to "
         "the 2x built-up edges (parallel to the nails or bolts), the column need only be tested in the "
         "other direction at 100% (The Kf factor). Check this box if providing the forementioned sheathing "
         "to test the column with a Kf Factor of 100%.",
     }},
}};

std::string noteText(const Form18Note& note)
{
    std::string text;
    for (std::size_t i = 0; i < note.lines.size(); ++i) {
        if (i > 0) {
            text += '\r';
        }
        text += note.lines[i];
    }
    return text;
}

} // namespace columns
