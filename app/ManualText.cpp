// The manual's text: 65 entries, of which 4 to 64 are shown by the topics of Form12. Lines end in CR LF,
// table cells are separated by as many TABs as line them up at the text box's standard tab stops, and
// some entries continue the last line of the one before, since a topic joins its entries without a
// separator.
#include "app/ManualText.h"

namespace app
{

const std::array<const char*, ManualEntryCount>& manualEntryTexts()
{
    static const std::array<const char*, ManualEntryCount> texts = {
        "",
        "",
        "",
        "",
        // 4
        "\r\n"
        "RECOMMENDED REFERENCE BOOKS\r\n"
        "\r\n"
        "Korvanta sizes members; it does not replace the references behind its checks. Keep these at "
        "hand:\r\n"
        "\r\n"
        "1.\tThe building code in force where you build: the International Building Code (IBC) or the "
        "International Residential Code (IRC), in the edition your jurisdiction has adopted. Publisher: "
        "International Code Council.\r\n"
        "2.\tA structural engineering textbook on the design of wood and steel members, in a current "
        "edition, from any engineering publisher you trust.\r\n"
        "3.\tThe National Design Specification (NDS) for Wood Construction with its Supplement of design "
        "values, in the edition you design to. Publisher: American Wood Council. Where your local wood "
        "products association publishes a design manual for your region, it serves as well.\r\n"
        "4.\tThe Steel Construction Manual, Allowable Stress Design. Publisher: American Institute of Steel "
        "Construction.\r\n",
        // 5
        "\r\n"
        "OVERVIEW\r\n"
        "\r\n"
        "CRITERIA FORM 1\r\n"
        "Korvanta designs beams on two supports: simple span beams, and beams that run past one support as "
        "an overhang. Enter the total loads, and with them the live loads wherever you know them; the live "
        "loads are carried through the analysis so that live load deflection can be checked beside total "
        "load deflection. A dozen complex total loads and live loads can be evaluated.\r\n"
        "\r\n"
        "How many loads each kind of beam takes:\r\n"
        "\tSimple span:\t\t\t1 uniform load, 6 point loads and 5 partial uniform loads.\r\n"
        "\tOverhanging beam, backspan:\t\t1 uniform load, 4 point loads and 3 partial uniform loads.\r\n"
        "\tOverhanging beam, overhang:\t\t2 point loads and 2 partial uniform loads; one of them may serve "
        "as a uniform load on the overhang.\r\n"
        "\tHips and valleys:\t\t\t1 uniformly increasing load on a simple span, plus one ordinary uniform "
        "load.\r\n",
        // 6
        "\r\n"
        "The species list offers seven groupings of sawn lumber, each of two species (fourteen in all), in "
        "No.1 and No.2 grades, with the design values of the most recent NDS; earlier editions can be chosen "
        "in the default settings. The same list offers SCL beams, custom wood values and steel beams. With "
        "custom values you may enter the values of any other species for 2x, multiple 2x, 4x, and 5x and "
        "larger sawn lumber, for glu-lam beams and for glu-lam headers (industrial grade, in the exact "
        "breadths of 3-1/2 and 5-1/2 inches). Glu-lam beams come in two species groupings with four grades "
        "each; two of those grades are laid up for overhanging beams.\r\n",
        // 7
        "\r\n"
        "All loads and adjustments are entered on the one criteria form: duration of load, the total and "
        "live load deflection limits, wet use, repetitive use and joist spacing.\r\n"
        "\r\n"
        "SELECTION FORM2\r\n"
        "Before you have to choose a breadth or a depth, the selection form previews the beam candidates "
        "that work. Test a size with its button, or type any valid size into the breadth and depth boxes.\r\n"
        "\r\n"
        "REPORT FORM3\r\n"
        "The report of an accepted beam lists the total and live load reactions, the moment, the reduced "
        "maximum shear, the minimum bearing area, the dead load deflection of glu-lams, and the projected "
        "total and live load deflections of the backspan and of the overhang. ",
        // 8
        "Base and adjusted base values along with all modifier values are displayed as well.\r\n",
        // 9
        "\r\n"
        "NAVIGATION IN Korvanta\r\n"
        "\r\n"
        "There are several ways to move around the program.\r\n"
        "\r\n"
        "WITHIN A FORM\r\n"
        "Click a box with the mouse, or press TAB to go to the next box and SHIFT + TAB to go back. Tip: to "
        "look at another program while you work, use the taskbar or ALT + TAB; Korvanta keeps your "
        "entries.\r\n"
        "\r\n"
        "BETWEEN FORMS\r\n"
        "Use the GOTO menu, or the keys F1 to F4, to go to form 1, 2, 3 and the data record. The OK button "
        "of each form takes you one step further through a calculation. The form titles are numbered in the "
        "order you meet them: CRITERIA FORM 1, SELECTION FORM 2, REPORT FORM 3, and the DATA RECORD (form "
        "4), which shows all the beam data as it will be printed.\r\n",
        // 10
        "\r\n"
        "BETWEEN APPLICATIONS\r\n"
        "Korvanta runs beside your other applications. Hold ALT and press TAB to cycle through the programs "
        "that are open.\r\n"
        "\r\n"
        "INSTANT HELP\r\n"
        "Several forms have small, gray, raised squares beside their items. Click one for a short help text, "
        "a diagram or a definition of that item. For more, open Help from the menu bar, which brings you to "
        "this manual.\r\n",
        // 11
        "\r\n"
        "CUSTOM BEAMS and STRUCTURAL COMPOSITE LUMBER\r\n"
        "\r\n"
        "To test a species and grade that the lists do not hold, choose 'Custom Values' in the species box "
        "of Criteria Form 1. On the custom values form, first pick the breadth group: 2x, multiple 2x, 4x, "
        "5x and larger timbers, GLB or GLB headers. Round beams are tested through '5x+ Timbers' with the "
        "round form factor. MEL and MSR lumber can be entered for 2x and 4x breadths; their values are not "
        "modified by the size factor.\r\n"
        "Enter Fb, Fv, E and Fc perpendicular to grain in the format of the example below each box.",
        // 12
        " The Modulus of Elasticity is entered as E / 1,000,000.\r\n"
        "For example, an E of 1,800,000 psi is entered as 1.8.\r\n"
        "\r\n"
        "Custom values can be saved under a name and grade; the file takes the default extension .VAL and "
        "can be loaded again later. Press the CALCULATE button to continue. Buttons then show the depths "
        "that work, or a message tells you that no depth qualifies because the member would be too large or "
        "too small. You may accept any button, or change the breadth group and the values and try again. The "
        "breadth and depth boxes can be edited by hand even when no tabulated beam qualifies.\r\n",
        // 13
        "\r\n"
        "Whatever you type in the Species and Grade box documents the custom species on the printout. Press "
        "OK or Enter to test the beam; from there it proceeds like any other beam.\r\n"
        "\r\n"
        "SCLs are tested the same way: LVL (laminated veneer lumber), PSL (parallel strand lumber) and LSL "
        "(laminated strand lumber). Choose 'SCL Beams (LVL, PSL, LSL)' in the species box of Criteria Form "
        "1, then the product in the list of the SCL form; its boxes show the values last saved for it, or "
        "zeros while none are saved. Their design values are set by each manufacturer and may change at any "
        "time, so keep the values you enter current with the manufacturer's literature. The Load button "
        "fills in the values Korvanta holds for the product (for a product of your own, the values you "
        "saved). The Save button stores the values in the boxes for the chosen product on the hard drive; "
        "the product you saved last comes up first the next time.\r\n",
        // 14
        "\r\n"
        "DATA ENTRY OF LOADS AND LOAD LOCATIONS\r\n"
        "\r\n"
        "To see how loads are entered, click the small gray buttons beside the Simple Span, Overhanging and "
        "Hip & Valley buttons of the criteria form; each shows a load diagram. Press TAB to move from box to "
        "box. Clicking a load's letter clears that load; double-clicking inside the rectangle around a group "
        "of loads clears the whole group.\r\n"
        "\r\n"
        "There are three kinds of total load: point loads, partial uniform loads and uniform loads. Each may "
        "carry an optional live load. Loads on an overhang go only in the blue boxes, after you have chosen "
        "the overhanging beam type. Enter every load in pounds, never in kips.\r\n"
        "\r\n"
        "UNIFORM LOAD\r\n"
        "The Uniform TL box takes a load that runs along the whole span, in pounds per lineal foot, with an "
        "optional live load beside it.\r\n",
        // 15
        "On an overhanging beam the uniform load lies on the backspan only, from R1 to R2. To load the "
        "overhang uniformly, enter a partial uniform load that starts at zero (at R2) and ends at the end of "
        "the overhang.\r\n"
        "\r\n"
        "POINT LOADS\r\n"
        "Up to six point loads can be entered, each with an optional live load. The distance is measured "
        "from the left support in decimal feet: 3.25 means 3 feet 3 inches. On an overhanging beam, point "
        "loads on the overhang go in the blue boxes and are measured from the right support.\r\n",
        // 16
        "\r\n"
        "PARTIAL UNIFORM LOADS\r\n"
        "Up to five partial uniform loads can be entered in PLF, each with its start and end. A load that "
        "starts at R1 starts at zero; a load that ends at R2 ends at the span length.\r\n"
        "\r\n"
        "UNIFORMLY INCREASING LOAD\r\n"
        "Choosing Hips and Valleys opens a special input box. Mark the contributing roof areas with an 'x', "
        "enter the tributary lengths and the load in PSF, and, if needed, one ordinary uniform load in PLF. "
        "The span auto-calc feature works out the horizontal span for you.\r\n"
        "\r\n"
        "TOTAL LOAD (TL): the sum of all loads on the member, live load plus dead load.\r\n"
        "LIVE LOAD (LL): the loads that come and go, such as occupants, furniture and snow.\r\n",
        // 17
        "DEAD LOAD (DL): the permanent weight of the structure and everything fixed to it.\r\n"
        "\r\n"
        "BEAM WEIGHT is added automatically: 35 pounds per cubic foot for sawn members and glu-lams (at 19% "
        "moisture content), and 45 pounds per cubic foot for some LVL. To leave it out, tick the 'Neglect "
        "the beam self-weight' check box on form 1.\r\n",
        // 18
        "\r\n"
        "PRINTING\r\n"
        "Print a beam report from the DATA RECORD with its PRINT button. A heading form then asks for an "
        "optional two-line heading, printed centered, your initials and the date. The heading stays until "
        "you close the program, unless you save it as a default (Criteria Form 1, OPTIONS, DEFAULTS). Which "
        "printer is used, and at what resolution, is chosen in the print dialog and your system's printer "
        "settings. Load the paper in portrait. The report prints in 9 point Arial; if you choose another "
        "font under FONTS in the default settings, pick one that is no wider than Arial so that the columns "
        "keep their place.\r\n",
        // 19
        "\r\n"
        "SETTING DEFAULTS and SAVING YOUR WORK\r\n",
        // 20
        "\r\n"
        "DEFAULT SETTINGS\r\n"
        "Choose OPTIONS, DEFAULTS on Criteria Form 1 to enter a two-line header for your printouts, then "
        "press Save as Defaults. The same form keeps your other preferences: your initials, your preferred "
        "species group, the NDS edition, the printout font (Arial is recommended), 600 DPI printing, "
        "centered forms, and whether the default printer is set back after printing.\r\n"
        "\r\n"
        "You can also store up to five pairs of commonly used live and total loads there. The PLF button "
        "beside the uniform load boxes puts a pair into those boxes, and the PSF button of the tributary "
        "calculator into its PSF boxes. With both boxes empty, a click shows the first pair, and each "
        "further click the next one. After the fifth pair, or at the first pair left unset, a click empties "
        "the boxes, and the next click starts again at the first pair. A load you typed yourself that is "
        "none of the pairs stays as it is: click the letter 'A' beside the boxes to clear them first. While "
        "no pair is set, the PLF button tells you where to set them.\r\n",
        // 21
        "\r\n"
        "SAVING YOUR WORK\r\n"
        "Beam criteria, data records and custom values are saved through FILE, SAVE... and read back through "
        "LOAD... on the same form where they were saved. Loaded criteria can be edited and calculated again. "
        "Loaded data records are text only: they print without a load diagram. The file extensions are *.CRI "
        "(beam criteria), *.VAL (custom values), *.COL (wood columns), *.SCO (steel columns), *.CPV (custom "
        "post values) and *.DAT (data records).\r\n"
        "\r\n"
        "To keep your projects in folders of their own, create the folders in your file manager; Open File "
        "Manager... in the FILE menu of Criteria Form 1, and the EXPLORER menu of the Report Header Form, "
        "start it for you.\r\n",
        // 22
        "\r\n"
        "SPECIES, GRADES and SIZES\r\n"
        "\r\n"
        "IN-GRADE SPECIES GROUPINGS\r\n"
        "BUTTON ABBREVIATION\tSPECIES\t\t\t\t\tGRADES\r\n"
        "Hem Fir / DF-Larch\t\tHem Fir & Douglas Fir-Larch\t\t\t1 & 2\r\n"
        "SPF / SPF So.\t\tSpruce Pine Fir & Spruce Pine Fir South\t\t1 & 2\r\n"
        "East Species\t\tEastern Spruce & Eastern Hemlock-Tamarack\t1 & 2\r\n"
        "Cedar / West Wood\t\tWestern Wood & Western Cedar\t\t1 & 2\r\n"
        "Red Oak / White Oak\tRed Oak / White Oak\t\t\t1 & 2\r\n"
        "DF So. / DF No.\t\tDouglas Fir South & Douglas Fir North\t\t1 & 2\r\n"
        "Southern Pine\t\tSouthern Pine & Mixed Southern Pine\t\t1 & 2\r\n"
        "\r\n"
        "GLU-LAMINATED BEAMS\r\n"
        "DF/DF glu-lams are offered with every species grouping except Southern Pine, which has Southern "
        "Pine combinations of its own. The grades are 24F and 16F, in the common lamination "
        "combinations.\r\n",
        // 23
        "Simple span and overhanging beams need different compression laminations; Korvanta chooses the "
        "right layup for you.\r\n"
        "\r\n"
        "BEAM SIZES for Solid Sawn Lumber\r\n"
        "Nominal Widths\tNominal Depths\tIncrements\r\n"
        "2x, 3x\t\t4 to 14\t\t2 inches\r\n"
        "2x, up to (4) 2x\t4 to 14\t\t2 inches\r\n"
        "4x\t\t4 to 14\t\t2 inches\r\n"
        "6x, up to 14x\t6 to 16\t\t2 inches\r\n"
        "\r\n"
        "Round members from 5 to 36 inches in diameter can be tested, and so can non-standard timbers from "
        "5x to 12x in half-inch steps with depths of 5 to 20 inches, through the custom values form.\r\n"
        "\r\n"
        "Glu-Lam beams\r\n"
        "Combination\tActual Widths\tActual Depths\tLam. Increments\r\n"
        "DF/DF\t\t3-1/8 to 10-3/4\t6 to 30\t\t1-1/2 inches\r\n",
        // 24
        "SP/SP\t\t3-1/8 to 10-1/2\t9-5/8 to 30-1/4\t1-3/8 inches\r\n"
        "GLB Headers\t3-1/2, 5-1/2, 7-1/4\t6 to 18\t\t1-1/2 inches\r\n",
        // 25
        "\r\n"
        "GLOSSARY - ABBREVIATIONS - SYMBOLS\r\n"
        "\r\n"
        "SYMBOL\t\tABBREVIATION\tDESCRIPTION\r\n"
        "\t\tAct\t\tActual\r\n"
        "BS\t\tBackspan\t\tMain Span (R1 to R2) of an overhanging beam\r\n"
        "\t\tBase\t\tBase Value (a tested beam species value)\r\n"
        "\t\tBearing\t\tBearing area of a beam at a support, in SQ IN\r\n"
        "\t\tCamber\t\tBuilt-in curvature to glu-lam beams (1-1/2 x DL)\r\n"
        "Cd\t\tDur\t\tDuration of Load Factor\r\n"
        "CF\t\tSize Factor\tSize Effect Factor\r\n"
        "Cf\t\tForm Factor\tShape adjustment for round beams\r\n"
        "Ci\t\tIncising Factor\tIncisions for pressure treatment\r\n"
        "Ch\t\tShear Factor\tHorizontal Shear Factor\r\n"
        "Cm\t\t\t\tWet Use Factor\r\n",
        // 26
        "Cr\t\tRep\t\tRepetitive Use Factor\r\n"
        "Cv\t\tVolume\t\tVolume effect factor\r\n"
        "D\t\tDefl\t\tDeflection in inches\r\n"
        "Dis\t\tDistance\t\tLocation of a point load\r\n"
        "DL\t\tDead Load\tPermanent load of structure & components\r\n"
        "E\t\tMOE\t\tModulus of Elasticity\r\n"
        "E(mil)\t\t\t\tE / 1,000,000\r\n"
        "Fb\t\t\t\tbase unit stress extreme fiber bending, in PSI\r\n"
        "Fb adj\t\t\t\tFb adjusted for size and other modifiers\r\n"
        "Fc _|_\t\t\t\tcompression perpendicular to grain, in PSI\r\n"
        "Fc //\t\t\t\tCompression parallel to grain, in PSI\r\n",
        // 27
        "Fv\t\tShear\t\tUnit of Horizontal Shear Stress, in PSI\r\n"
        "\t\tKD\t\tKiln Dried lumber\r\n"
        "L\t\t\t\tLength in inches (as for deflection ratio to span)\r\n"
        "LL\t\tLive Load\t\tNon permanent loads\r\n"
        "Lu\t\tUnbraced Length\tDistance between lateral support of compression edge\r\n"
        "LVL\t\tLVL\t\tLaminated Veneer Lumber\r\n"
        "M\t\tMoment\t\tBending moment\r\n"
        "Max\t\tMax\t\tMaximum\r\n"
        "\t\tMC\t\tMoisture Content\r\n"
        "Min\t\tMin\t\tMinimum\r\n"
        "OH\t\tOverhang\t\tBeam projecting beyond a support\r\n",
        // 28
        "P\t\tPoint\t\tPoint load (concentrated load at a point)\r\n"
        "Par Unif\t\tPar Unif\t\tPartial Uniform Load\r\n"
        "PLF\t\t\t\tPounds per Lineal Foot\r\n"
        "PSF\t\t\t\tPounds per Square Foot\r\n"
        "PSI\t\t\t\tPounds per Square Inch\r\n"
        "R1\t\tReaction 1\tLeft Reaction (support)\r\n"
        "R2\t\tReaction 2\tRight Reaction (support)\r\n"
        "S\t\tSection\t\tSection Modulus\r\n"
        "TL\t\tTotal Load\t\tTotal Load (live load plus dead load)\r\n"
        "V\t\t\t\tShear Force\r\n"
        "WS\t\t\t\tWestern Species\r\n",
        // 29
        "\r\n"
        "USER ADJUSTMENTS\r\n"
        "\r\n"
        "SPAN\r\n"
        "Enter the span in decimal feet: 12 feet 3 inches is 12.25. For sloping rafters enter the horizontal "
        "span. The span includes the bearing length: measure from face to face of the supports and add half "
        "of the required bearing at each end. For beams continuous over their supports, measure from center "
        "to center of the bearings.\r\n"
        "\r\n"
        "DURATION OF LOAD\r\n"
        "The duration of load factor defaults to 1.0; never enter zero. Enter it as a factor: an increase of "
        "15% is entered as 1.15. The factor depends on how long the full design load acts over the life of "
        "the member:\r\n",
        // 30
        "(i)\tLoads at full stress for more than 10 years (permanent loads): 0.90.\r\n"
        "(ii)\tShorter durations raise the allowable values: by 15% for two months (snow, 1.15), by 25% for "
        "seven days (construction and roof live loads, 1.25), by 60% for ten minutes (wind or earthquake, "
        "1.6) and by 100% for impact (2.0).\r\n"
        "(iii)\tThe increases are not cumulative. A member must suit the load combination that governs, with "
        "the factor of the shortest load in that combination.\r\n"
        "(iv)\tThe factors do not apply to Fc perpendicular to grain or to E.\r\n"
        "(v)\tImpact may be ignored where the stress it induces stays within the normal allowable "
        "values.\r\n",
        // 31
        "\r\n"
        "MAXIMUM DEFLECTION LIMITS\r\n"
        "Deflection limits are given as the ratio of the length in inches to the deflection in inches. "
        "Entering live loads is recommended, since the live load limit often governs. Camber for glu-lams is "
        "recommended at 1-1/2 times the dead load deflection. Overhang limits are taken on twice the "
        "overhang length.\r\n"
        "\r\n"
        "MAX ALLOWABLE DEFLECTION\r\n"
        "Roof members supporting plaster, and floor members: live load L / 360, total load L / 240. On flat "
        "roofs allow for ponding.\r\n",
        // 32
        "Enter every load as it acts on the member; never reduce or increase a dead load by hand for creep. "
        "Korvanta allows for creep itself: the dead load part of the deflection is multiplied by 1.5 (the "
        "data record shows it as '(1.5) DL Defl='), and the total load deflection checked against its limit "
        "includes it. With WET USE ticked the factor is 2.0; steel does not creep and keeps 1.0. Where no "
        "live loads are entered, the whole deflection is multiplied, as if every load were dead load. "
        "Lumber installed unseasoned warrants 2.0 as well, even where it then serves dry; Korvanta cannot "
        "know this, so judge it as the engineer and check the long-term deflection with 2.0 by hand where "
        "it applies.\r\n"
        "\r\n"
        "Other live load limits:\r\n"
        "\tCeilings not of plaster:\t\t\tL / 240\r\n"
        "\tRoofs of slope 3:12 or less:\t\t\tL / 240\r\n"
        "\tRoofs of slope 3:12 or more:\t\t\tL / 180\r\n"
        "\tIndustrial buildings, appearance no concern:\tL / 180\r\n"
        "For long floor joists in quality work, limits of L/480 to L/960 give a stiffer floor.\r\n"
        "\r\n",
        // 33
        "The NDS edition is chosen under OPTIONS, DEFAULTS on form 1: 2018, 2015, 2012, 2005, 2001 or 1997. "
        "Choose an edition and press Close to use it until you leave the program, or Save as Defaults to "
        "keep it for every start. Editions before 1997 are not offered.\r\n",
        // 34
        "\r\n"
        "WET USE check box\r\n"
        "Tick it where the moisture content in service will exceed 19% for sawn lumber or 16% for glu-lams, "
        "typically for members outside covered structures. The INCISED factor adjusts the values of incised, "
        "pressure-treated wood.\r\n",
        // 35
        "\r\n"
        "COLUMN DESIGN\r\n"
        "\r\n"
        "WOOD COLUMN DESIGN\r\n"
        "Solid columns from 2x4 to 10x10 can be designed, as well as built-up columns of up to 5 nailed or "
        "bolted 2x members. Eccentric, tapered and glued columns are not covered. The effective length is "
        "the unbraced length times Ke (NDS appendix G), usually 1.0; le/d may not exceed 50. The column "
        "stability factor Cp follows NDS equation 3.7-1. Built-up columns are modified by Kf (NDS 15.3), "
        "which may be taken as 1.0 when the column is fully sheathed on one side.\r\n",
        // 36
        "\r\n"
        "REPETITIVE USE checkbox\r\n"
        "Raises Fb by 15% for joists and rafters no more than 4 inches thick, spaced no more than 24 inches "
        "apart, at least 3 in number, and joined by sheathing that spreads the load among them. It does not "
        "apply to glu-lams or 6x members.\r\n",
        // 37
        "\r\n"
        "REP SPACING\r\n"
        "With repetitive use ticked, enter the loads per foot of width (12 inches on center). For a spacing "
        "of 16, 19.2 or 24 inches they are multiplied by 1.3333, 1.6 or 2. When you go back to the criteria "
        "form the loads are shown at 12 inches on center again.\r\n",
        // 38
        "\r\n"
        "CALCULATION FLOW   Understanding Korvanta\r\n"
        "\r\n"
        "CRITERIA FORM1\r\n"
        "You choose the span, the kind of loading, the loads, the deflection limits, the modifiers, the "
        "spacing and the species group. Korvanta works out the reactions and the maximum moment, finds "
        "candidate beams in two species and glu-lams in two grades from the required section modulus, and "
        "tests each for shear and deflection. The results appear as a preview on the selection form.\r\n",
        // 39
        "\r\n"
        "SELECTION FORM2\r\n"
        "You choose breadth, depth and species. Korvanta adds the beam weight to the moment and adjusts the "
        "design values for duration of load, repetitive use, size and wet use, each where the NDS applies "
        "it. With 'Reduce shear loads at beam ends' ticked on form 1, it reduces the maximum shear as NDS "
        "3.4.3.1 permits: the uniform loads within one member depth of a support are left out, and a point "
        "load within that distance counts in proportion to its distance from the support (under NDS 1997 it "
        "is left out whole). Tick it only where the member bears on its underside and the loads act on its "
        "top. Korvanta then computes the total and live load deflections of the backspan and the overhang, "
        "and repeats the test for the next smaller depth.\r\n"
        "\r\n"
        "Not covered: temperature, fire retardant treatment, pitch adjustment of snow loads, negative loads "
        "such as wind uplift, and floor live load reductions for areas over 150 sq ft.\r\n",
        // 40
        "LATERAL SUPPORT: in residential work the compression edge is usually braced well enough (NDS "
        "4.4.1). Where it is not, enter the unbraced length 'Lu' on form 1 and the beam stability factor CL "
        "is applied.\r\n",
        // 41
        "\r\n"
        "REPORT FORM3\r\n"
        "The report shows the status, the required and proposed section, shear and deflection, each with its "
        "percentage of compliance. A sawn beam that fails only in shear gets the suggestion 'no splits': in "
        "NDS 97 mode Ch is raised from 1.0 to 2.0 and documented on the data record (the factor no longer "
        "exists from NDS 2001 on). An alert tells you when the next smaller depth passes as well. The plus "
        "and minus buttons step the breadth and the depth. OK goes on to the data record (form 4).\r\n",
        // 42
        "\r\n"
        "NATIONAL DESIGN SPECIFICATION® (NDS) 2005, 2012, 2015 and 2018\r\n"
        "NDS 2018 is widely adopted. Revised Southern Pine values apply to lumber graded after June 1st, "
        "2013. The in-grade testing program of the 1990s tested full-size dimension lumber 2 to 4 inches "
        "thick; it regrouped the species into six groups instead of ten and introduced reference values that "
        "are adjusted by factors for depth, use and site. The grading rules themselves did not change.\r\n",
        // 43
        "When a specified Fb is given, say whether it is a reference value or an adjusted value.\r\n"
        "\r\n"
        "GENERAL IMPACT ON LUMBER VALUES AND USE\r\n"
        "Compared with the older values, 2x4 and 2x6 members in the higher grades are stronger in bending, "
        "compression parallel to grain is higher, and deeper members such as 2x10 and 2x12 are weaker in "
        "bending. For more information, consult the publisher of the NDS:\r\n",
        // 44
        "National Design Specification (NDS) for Wood Construction, with its Supplement of design values. "
        "Publisher: American Wood Council.\r\n"
        "\r\n",
        // 45
        "\r\n"
        "LICENSE AGREEMENT\r\n"
        "\r\n"
        "Please read these terms before you use Korvanta. By installing or using the program you accept "
        "them.\r\n",
        // 46
        "\r\n"
        "1. USE\r\n"
        "You may install Korvanta on the computers you work on and use it for your own engineering work and "
        "that of your firm.\r\n",
        // 47
        "\r\n"
        "2. COPIES\r\n"
        "You may make copies of the program for backup and for installing it on your own computers. Keep "
        "these terms with every copy.\r\n",
        // 48
        "\r\n"
        "3. YOUR RESPONSIBILITY\r\n"
        "Korvanta is a tool for qualified engineers and designers. Every result must be checked by a person "
        "competent to judge it, against the building code and the design standards that apply to the "
        "project. You remain responsible for every design, drawing and calculation you issue, whether or not "
        "Korvanta helped to prepare it.\r\n",
        // 49
        "\r\n"
        "4. DESIGN VALUES\r\n"
        "The design values in the program are taken from the editions of the design standards it names. "
        "Values for proprietary products, such as SCLs, are yours to enter and to keep current.\r\n",
        // 50
        "\r\n"
        "5. NO WARRANTY\r\n"
        "Korvanta is provided as it is, without any warranty, express or implied, including any warranty "
        "that it is fit for a particular purpose or free of errors.\r\n",
        // 51
        "\r\n"
        "6. LIMIT OF LIABILITY\r\n"
        "Nobody who took part in making or distributing Korvanta is liable for any loss or damage that "
        "arises from using it or from being unable to use it, including lost profits, lost data, and the "
        "cost of correcting a design.\r\n",
        // 52
        "\r\n"
        "7. CHANGES\r\n"
        "The program, its design values and this manual may change from one version to the next. Check the "
        "results of each new version before you rely on them.\r\n",
        // 53
        "\r\n"
        "8. ENDING\r\n"
        "These terms end when you stop using the program and remove every copy of it.\r\n",
        // 54
        "\r\n"
        "9. QUESTIONS\r\n"
        "If anything in these terms is unclear to you, do not use the program until it has been "
        "explained.\r\n",
        // 55
        "\r\n"
        "Symbols and abbreviations\r\n"
        "d1 (or d2)\t\tthe unbraced height of the column, in feet\r\n"
        "le\t\tthe effective height in inches: the unbraced height times Ke\r\n"
        "Ke\t\tchosen from the end connections (NDS Table G1); most often 1.0\r\n"
        "Kf\t\tthe factor for built-up columns: 0.6 nailed, 0.75 bolted\r\n"
        "The column stability factor Cp is built from these elements:\r\n"
        "   FcE = KcE(E adj) / (le/d)²\r\n"
        "KcE\t0.3 for visually graded and machine evaluated lumber (NDS 1997 and 2001)\r\n"
        "NDS 2005 and later use the minimum modulus of elasticity instead:\r\n"
        "   FcE = 0.822 Emin' / (le/d)²\r\n"
        "Emin'\tEmin adjusted for wet use and incising as E is; Korvanta takes Emin as 0.3653 E, the NDS "
        "relation for visually graded sawn lumber\r\n"
        "c\t0.8 for sawn lumber\r\n"
        "E, Fc perpendicular, CF, Cd and Cm are as in beam design.\r\n",
        // 56
        "\r\n"
        "STEEL COLUMN DESIGN\r\n"
        "Steel columns carry a concentric axial load only, with no bending. The columns offered are "
        "symmetric (round or square), so a single unbraced height D1 is entered. Wet use and duration of "
        "load do not apply to steel and are switched off. Fy and E are preset; custom steel columns are not "
        "offered. Kl/r may not exceed 200. The allowable load is P = A x Fa, with Fa by AISC Chapter E (E2) "
        "and Cc.\r\n",
        // 57
        "\r\n"
        "STEEL COLUMN SIZES\r\n"
        "Round pipe, unfilled: A36, ASTM A501 or A53 type E or S grade B, in standard, extra strong and "
        "double-extra strong weights, nominal 3 to 6 inches.\r\n"
        "Structural tubing: A46, ASTM A500 grade B, squares from 3x3 to 8x8 with walls of 1/4, 3/8 and 1/2 "
        "inch.\r\n",
        // 58
        "\r\n"
        "STEEL BEAMS\r\n"
        "Steel beams are designed by the allowable stress rules of the AISC 9th edition for bending, shear, "
        "deflection, lateral support, web crippling and web yielding, about the strong axis only. The yield "
        "stress defaults to 36 ksi for W, S, C and PL shapes and to 46 ksi for tubes; the 50 ksi check box "
        "sets 50 ksi for all of them. Shear is taken by the web only, at no more than 0.40Fy (AISC F-F4), as "
        "the shear over the depth times the web thickness. The unbraced length is checked up to Lu. W and S "
        "shapes braced within Lc use Fb = 0.66Fy, and between Lc and Lu 0.60Fy. Channels are checked up to "
        "Lu only. Tubes need bracing at their ends only.\r\n",
        // 59
        "\r\n"
        "STEEL SIZES\r\n"
        "The 'Database' button lists every size. W shapes run from 4x 13 to 36x 230, S shapes from 3x 5.7 to "
        "24x 121, C and MC shapes from about 3x 3.5 to 18x 58, tubes from 4x 2x 1/4 to 20x 8x 5/16 with "
        "walls of 1/4, 3/8, 1/2 and 5/16, and single and double flitch plates from 3 to 19-1/2 deep by 1/4 "
        "to 1 inch thick.\r\n"
        "\r\n"
        "SPECIAL DESIGN CONSIDERATIONS\r\n"
        "Web crippling and web yielding are checked at the end reactions and under point loads, and the data "
        "record lists the bearing lengths they require. Where the actual bearing is ",
        // 60
        "shorter, the designer specifies stiffeners (AISC K1-8). The minimum bearing length under a "
        "concentrated load is the member property k. Lateral stability at the bearings and at the ends of "
        "overhangs is for the designer to provide.\r\n"
        "\r\n"
        "Not evaluated: loading about the weak axis, combined or unsymmetric forces, torsion, ponding, and "
        "local flange bending (AISC K1-2).\r\n",
        // 61
        "\r\n"
        "STEEL ABBREVIATIONS and TERMS\r\n"
        "Fy\tSpecified minimum yield stress for type of steel\r\n"
        "Lc\tMaximum unbraced length of compression flange when Fb is taken at 0.66Fy.\r\n"
        "Lu\tMaximum unbraced length of compression flange when Fb is taken at 0.60Fy.\r\n"
        "N\tLength of bearing of applied load (in)\r\n"
        "tw\tweb thickness\r\n"
        "tf\tflange thickness\r\n"
        "\r\n"
        "BEARING PLATE DESIGN\r\n"
        "Bearing plates are not designed by Korvanta; design them by hand following the AISC manual.\r\n",
        // 62
        "\r\n"
        "To print in Arial, choose Options, Set Defaults on Criteria Form 1, pick Arial in the printout font "
        "list and press the Save as Defaults button.\r\n",
        // 63
        "\r\n"
        "NEW QUICK PRINT FEATURE for SAVED CRITERIA FILES (only post 2007 files)\r\n",
        // 64
        "FILE, LOAD AND PRINT... on Criteria Form 1 reads a saved criteria file of version 2007 or later, "
        "calculates the beam again and goes straight to the print dialog; the printout includes the load "
        "diagram. Data records of older versions can still be loaded and printed through FILE, LOAD DATA "
        "RECORD...\r\n",
    };
    return texts;
}

} // namespace app
