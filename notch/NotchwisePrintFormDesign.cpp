// How NotchwisePrintForm's page looks: every label at its place on the page, in twips; no logic here.
#include "app/DesignHelpers.h"
#include "notch/NotchwisePrintForm.h"

namespace notch
{

void NotchwisePrintForm::printLabel(platform::Label& label, double left, double top, double width,
                                    platform::Alignment alignment, bool bold, bool italic,
                                    std::string_view caption)
{
    app::design::label(label, nullptr, left, top, width, 240, caption);
    label.setAlignment(alignment);
    label.setFont(platform::FontSpec{"Arial", 9, bold, italic});
}

void NotchwisePrintForm::design()
{
    setCaption("Notchwise Print Form");
    setClientSize(9540, 10395);
    setBackColor(app::design::White);

    printLabel(Label44, 612, 252, 8148, platform::Alignment::Center, true, false, "");
    printLabel(Label47, 612, 576, 8148, platform::Alignment::Center, false, false, "");
    printLabel(Label2, 612, 1188, 1092, platform::Alignment::Left, false, false, "Project");
    printLabel(Label6, 1836, 1188, 4872, platform::Alignment::Left, false, false, "");
    printLabel(Label9, 6840, 1188, 516, platform::Alignment::Left, false, false, "Date");
    printLabel(Label10, 7416, 1188, 1308, platform::Alignment::Left, false, false, "");
    printLabel(Label3, 612, 1476, 1092, platform::Alignment::Left, false, false, "Description");
    printLabel(Label7, 1836, 1476, 4872, platform::Alignment::Left, false, false, "");
    printLabel(Label4, 612, 1764, 1092, platform::Alignment::Left, false, false, "Location");
    printLabel(Label8, 1836, 1764, 4872, platform::Alignment::Left, false, false, "");
    printLabel(Label1, 504, 3060, 2496, platform::Alignment::Left, true, true, "Member Attributes");
    printLabel(Label15, 468, 3456, 588, platform::Alignment::Right, true, false, "");
    printLabel(Label16, 1080, 3456, 840, platform::Alignment::Left, true, false, "");
    printLabel(Label18, 2088, 3456, 3036, platform::Alignment::Left, true, false, "");
    printLabel(Label67, 648, 3744, 1128, platform::Alignment::Center, false, false, "Net Size");
    printLabel(Label5, 2088, 3744, 3036, platform::Alignment::Left, true, false, "");
    printLabel(Label13, 1185, 4260, 2100, platform::Alignment::Right, false, false, "NDS Edition =");
    printLabel(Label14, 3345, 4260, 1050, platform::Alignment::Center, true, false, "");
    printLabel(Label11, 1230, 4680, 2070, platform::Alignment::Right, false, false, "Load V in lbs. =");
    printLabel(Label12, 3345, 4680, 1050, platform::Alignment::Center, true, false, "");
    printLabel(Label19, 900, 4968, 2388, platform::Alignment::Right, false, false,
               "Fv Reference Value in psi =");
    printLabel(Label20, 3348, 4968, 1056, platform::Alignment::Center, true, false, "");
    printLabel(Label21, 1008, 5256, 2280, platform::Alignment::Right, false, false, "Wet Use Factor Cm =");
    printLabel(Label22, 3348, 5256, 1056, platform::Alignment::Center, true, false, "");
    printLabel(Label23, 1152, 5544, 2136, platform::Alignment::Right, false, false, "Shear Factor Ch =");
    printLabel(Label24, 3348, 5544, 1056, platform::Alignment::Center, true, false, "");
    printLabel(Label25, 1152, 5832, 2136, platform::Alignment::Right, false, false, "Duration of load Cd =");
    printLabel(Label26, 3348, 5832, 1056, platform::Alignment::Center, true, false, "");
    printLabel(CvrTitleLabel, 1152, 6120, 2136, platform::Alignment::Right, false, false,
               "Shear Reduction Cvr =");
    printLabel(CvrLabel, 3348, 6120, 1056, platform::Alignment::Center, true, false, "");
    printLabel(Label45, 360, 6408, 1272, platform::Alignment::Left, true, true, "Report");
    printLabel(Label48, 540, 6840, 1920, platform::Alignment::Right, false, false, "Area @ dn, An =");
    printLabel(Label49, 2520, 6840, 768, platform::Alignment::Center, true, false, "");
    printLabel(Label50, 3348, 6840, 912, platform::Alignment::Left, false, false, "sq. in.");
    printLabel(Label51, 540, 7128, 1920, platform::Alignment::Right, false, false, "Minimum Span =");
    printLabel(Label52, 2520, 7128, 768, platform::Alignment::Center, true, false, "");
    printLabel(Label53, 3348, 7128, 912, platform::Alignment::Left, false, false, "ft");
    printLabel(Label29, 5364, 7128, 2100, platform::Alignment::Right, false, false, " Rafter Depth  rd =");
    printLabel(Label30, 7524, 7128, 660, platform::Alignment::Center, true, false, "");
    printLabel(Label32, 8244, 7128, 552, platform::Alignment::Left, false, false, "in.");
    printLabel(Label54, 540, 7416, 1920, platform::Alignment::Right, false, false, "Tapered Angle =");
    printLabel(Label55, 2520, 7416, 768, platform::Alignment::Center, true, false, "");
    printLabel(Label56, 3348, 7416, 912, platform::Alignment::Left, false, false, "degrees");
    printLabel(Label33, 5292, 7416, 2172, platform::Alignment::Right, false, false, "Wall Thickness   t =");
    printLabel(Label34, 7524, 7416, 660, platform::Alignment::Center, true, false, "");
    printLabel(Label35, 8244, 7416, 552, platform::Alignment::Left, false, false, "in.");
    printLabel(Label31, 4680, 7704, 2784, platform::Alignment::Right, false, false, "Rafter Pitch  rp =");
    printLabel(Label36, 7524, 7704, 660, platform::Alignment::Center, true, false, "");
    printLabel(Label37, 8244, 7704, 1092, platform::Alignment::Left, false, false, "");
    printLabel(Label57, 396, 8028, 2028, platform::Alignment::Right, false, false, "Adjusted Fv' value =");
    printLabel(Label58, 2484, 8028, 768, platform::Alignment::Center, true, false, "");
    printLabel(Label59, 3312, 8028, 444, platform::Alignment::Left, false, false, "psi");
    printLabel(Label38, 4536, 8028, 2928, platform::Alignment::Right, false, false, "Notch Length   e =");
    printLabel(Label39, 7524, 8028, 660, platform::Alignment::Center, true, false, "");
    printLabel(Label40, 8244, 8028, 552, platform::Alignment::Left, false, false, "in.");
    printLabel(Label60, 252, 8316, 2172, platform::Alignment::Right, false, false, "Critical Minimum fv =");
    printLabel(Label61, 2484, 8316, 768, platform::Alignment::Center, true, false, "");
    printLabel(Label62, 3312, 8316, 444, platform::Alignment::Left, false, false, "psi");
    printLabel(Label41, 4248, 8316, 3216, platform::Alignment::Right, true, false,
               "Depth Remaining at Notch  dn =");
    printLabel(Label42, 7524, 8316, 660, platform::Alignment::Center, true, false, "");
    printLabel(Label43, 8244, 8316, 552, platform::Alignment::Left, false, false, "in.");
    printLabel(Label63, 504, 8604, 1920, platform::Alignment::Right, false, false, "Ratio fv / Fv' =");
    printLabel(Label64, 2484, 8604, 768, platform::Alignment::Center, true, false, "");
    printLabel(Label65, 3312, 8604, 444, platform::Alignment::Left, false, false, "%");
    printLabel(Label17, 4248, 8604, 3216, platform::Alignment::Right, true, false,
               "Proposed Actual Notch Depth =");
    printLabel(Label69, 7524, 8604, 660, platform::Alignment::Center, true, false, "");
    printLabel(Label70, 8244, 8604, 552, platform::Alignment::Left, false, false, "in.");
    printLabel(Label27, 360, 9000, 8472, platform::Alignment::Left, true, true, "  Notch Status");
    printLabel(Label28, 612, 9372, 3792, platform::Alignment::Left, true, false, "");
    printLabel(Label68, 4428, 9372, 4404, platform::Alignment::Center, true, false, "");
}

} // namespace notch
