// The thirteen help buttons of FormNotchwise: each shows its note and changes nothing.
#include "app/Program.h"
#include "notch/FormNotchwise.h"
#include "platform/forms/Runtime.h"

namespace notch
{

void FormNotchwise::showHelp(const char* text)
{
    m_program.runtime.msgBox(text, platform::Buttons::OK, platform::Icon::None, "Notchwise");
}

void FormNotchwise::wireHelpButtons()
{
    Vbutton.click([this] {
        showHelp(
            "V is the maximum shear force in pounds at the support receiving the proposed notch. \r"
            "The shear force shall not be reduced by neglecting adjacent loads within a distance equal to "
            "the depth of the member as described in the NDS 3.4.3\r"
            "Example: enter 2360, do not enter a comma as a thousand separator.");
    });
    Bbutton.click([this] {
        showHelp("b is the member Breadth (horizontal width).\r"
                 "Enter the Breadth in inches plus decimal fraction (if any).\r"
                 "Example: 6x nominal member breadth, enter  5.5");
    });
    Dbutton.click([this] {
        showHelp("d is the member Depth (vertical height).\r"
                 "Enter the Depth in inches plus decimal fraction (if any).\r"
                 "Example: 8 inch nominal member depth, enter  7.25");
    });
    NDSbutton.click([this] {
        showHelp(
            "NDS is the National Design Specification\xC2\xAE as published by the American Forest and Paper "
            "Association. The appropriate year/edition will be specified in the building code in force in "
            "your jurisdiction.");
    });
    Fvbutton.click([this] {
        showHelp("Fv is the BASE value for shear strength, before adjustments, as designated in the NDS "
                 "supplement.\r\r"
                 "Enter the Fv Base Value in psi. You may edit this box along with the Species and Grade.");
    });
    Cmbutton.click([this] {
        showHelp("Cm is the Wet Use modification factor for wood members that will be used in service with "
                 "moisture content exceeding 19% for an extended period of time.");
    });
    Chbutton.click([this] {
        showHelp(
            "Ch is the Shear Stress Factor available in the 91 and 97 NDS allowing an increase (double) to "
            "the shear values if the member has No splits, checks or shakes per NDS Supplement Tables 4A, "
            "4B, 4C, and 4D.");
    });
    Cdbutton.click([this] {
        showHelp("Cd is the Load Duration Factor as described in the NDS 2.3.2.\r\r"
                 "Frequently Used Load Duration factors are:\r\r"
                 "1.00 - Ten year normal cccupancy live load\r"
                 "1.15 - Two month snow load\r"
                 "1.25 - Seven day construction load\r"
                 "0.90 - Permanent dead load");
    });
    rdButton.click([this] {
        showHelp("rd is the rafter depth as shown in the diagram.\r"
                 "Enter the rafter depth in inches plus decimal fraction (if any).\r"
                 "Allow for the seat cut, if applicable.\r\r"
                 "This is a tool to calculate the 'dn' at the location shown in the diagram.");
    });
    tButton.click([this] {
        showHelp("t is the wall breadth as shown in the diagram.\r"
                 "Enter the wall breadth in inches plus decimal fraction (if any).\r\r"
                 "This is a tool to calculate the 'dn' at the location shown in the diagram.");
    });
    rpButton.click([this] {
        showHelp(
            "rp is the Roof Pitch in inches of rise per horizontal foot.\r"
            "Enter the roof pitch in inches plus decimal fraction (if any).  To enter the angle of rise in "
            "degrees instead, click the 'roof pitch' button to the right and to return to roof pitch, click "
            "it again.\r\r"
            "This is a tool to calculate the 'dn' at the location shown in the diagram.");
    });
    eButton.click([this] {
        showHelp(
            "e is the length of the notch inward from the point of critical shear as shown in the diagram.\r"
            "If e is greater than dn, the shear is calculated as a member with a depth equal to dn.\r\r"
            "Enter the distance in inches plus decimal fraction (if any).");
    });
    dnButton.click([this] {
        showHelp("dn is the depth remaining at the notch critical point.\r"
                 "Enter the member Depth remaining in inches plus decimal fraction (if any).\r\r"
                 "The dn entered (or auto-calculated) must be at least the depth noted below the input box.");
    });
}

} // namespace notch
