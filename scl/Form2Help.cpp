// The advice buttons of the custom values form. Telephone numbers change; the manufacturers' rows
// name the makers only and leave the number to the dealer lists.
#include "scl/Form2.h"

namespace scl
{

void Form2::wireHelp()
{
    Command2.click([this] {
        message("Contact these manufacturers for dealers or regional distributors in your area for current "
                "information.\r\r"
                "Boise Cascade\t\t\r"
                "Pacific WoodTech\t\t\r"
                "Blue Linx     \t\t\r"
                "Louisiana-Pacific\t\t (West)\r"
                "\t\t\t (East)\r"
                "Trus Joist\t\t\t\r"
                "\r"
                "Chantiers Chibougamau\t\r"
                "West Fraser\t\t\r"
                "Roseburg Forest Products\t\r"
                "Rosboro\t\t\t\r"
                "\r"
                "All manufacturer's names and product names are trademarks or registered trademarks of their "
                "respective owners.",
                platform::Icon::Information);
    });
    Command3.click([this] {
        message(
            "SCL Structural Composite Beams refers to LVL, PSL, LSL, etc.\r\r"
            "The user is responsible for obtaining SCL values and keeping those values up to date.  "
            "Specifying these products appropriately, per the manufacturer's recommendations, is very "
            "important.\r\r"
            "READ THE MANUFACTURERS REQUIREMENTS!\r"
            "Generally, SCL products should not be notched, not trimmed inside the face of a support, or "
            "used in a wet location.  Provide continuous lateral support at the top of beam as required.  "
            "Each product has manufacturer defined limitations and recommended deflection limits. Most "
            "SCL's are not manufacturered with camber.\r\r"
            "It is advisable to the check the bearing psi strength of supporting plates and posts.  Verify "
            "suitablity of sideloading built-up members. Depths greater than 16 in. require multiple, "
            "built-up 1-3/4 wide members.\r\r"
            "Some manufacturers provide additional breadths and depths. ",
            platform::Icon::Information);
    });
    Command3D1.click([this] {
        message("GLU-LAM HEADERS are manufactured by many Glu-Lam Beam suppliers such as Willamette, "
                "Weyerhauser and Roseburg.  These are industrial grade glu-lams specifically made for use as "
                "structural headers.  The product comes in exact net widths (breadth) of 3-1/2 in. and 5-1/2 "
                "in.\r"
                "Some are available in 7 in. widths\r"
                "(Korvanta provides 3-1/2 in. and 5-1/2 in. only)\r\r"
                "Most Glu-Lam Headers have a maximum depth of 18 in. (this is the maximum size provided in "
                "Korvanta).  Some are available in a depth as small as 7-1/2 in.\r\r"
                "NOTE: You MUST enter values specific to this type of product and as provided to you by the "
                "SPECIFIC MANUFACTURER... every brand is different.");
    });
    Command3D2.click([this] {
        message("If you a located in a region where both Eastern Species and Western Species SCLs are "
                "available, you may wish to edit the species text box below (add ES or WS) to identify your "
                "selection.",
                platform::Icon::Information);
    });
    Command3D3.click([this] {
        message("To size round members:\r\r"
                "Enter an actual or approximate net diameter in inches and decimal fraction, if any. The "
                "diameter should be the anticipated stable, 'dry' diameter, after shrinkage.\r\r"
                "If the member is slightly tapered, enter the smallest diameter.  Korvanta has no provision "
                "for very tapered members (members of varied cross section). Using the smallest diameter is "
                "acceptable and conservative.\r\r"
                "Minimum diameter allowable 5.0 inches, maximum 36.0 inches.\r\r"
                "On the next form, you can easily increment the diameter up and down, in 1 inch increments, "
                "using the Depth+ and Depth- buttons.");
    });
}

} // namespace scl
