// How StdSizesForm looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "notch/StdSizesForm.h"

namespace notch
{

using namespace app::design;

namespace
{
void resultBox(platform::Label& result, platform::Control& frame, double left)
{
    place(result, &frame, left, 1500, 1200, BoxHeight);
    result.setBorderStyle(1);
    result.setBackColor(White);
    result.setAlignment(platform::Alignment::Center);
    result.setFontBold(true);
}

void sizeRows(platform::Control& frame, platform::Label& breadthTitle, platform::Label& depthTitle,
              platform::Label& nominal, platform::ComboBox& breadth, platform::Label& x,
              platform::ComboBox& depth, platform::Label& netTitle, std::string_view netCaption, double top)
{
    label(breadthTitle, &frame, 1740, top, 1200, 225, "Breadth");
    label(depthTitle, &frame, 3480, top, 1200, 225, "Depth");
    label(nominal, &frame, 120, top + 300, 1500, 225, "Nominal Size");
    place(breadth, &frame, 1740, top + 260, 1200, 315);
    label(x, &frame, 3090, top + 300, 240, 225, "X");
    place(depth, &frame, 3480, top + 260, 1200, 315);
    label(netTitle, &frame, 120, 1530, 1600, 225, netCaption);
}
} // namespace

void StdSizesForm::design()
{
    setCaption("Korvanta    Standard Member Sizes ");
    setClientSize(5880, 3780);
    setStartUpPosition(platform::StartUpPosition::CenterOwner);

    frame3D(SSFrame, nullptr, 288, 180, 5376, 2928, "Solid Sawn Wood");
    sizeRows(SSFrame, SSBreadthTitle, SSDepthTitle, SSNominalTitle, BreadthSSList, SSXLabel, DepthSSList,
             SSNetTitle, "Net equivalent", 600);
    resultBox(NetBreadthLabel, SSFrame, 1740);
    resultBox(NetDepthLabel, SSFrame, 3480);
    place(Command1, &SSFrame, 600, 2160, 2400, 420);
    Command1.setCaption("I&nsert Sizes into Form");
    place(Command2, &SSFrame, 3360, 2160, 1320, 420);
    Command2.setCaption("&Cancel");

    frame3D(GLBFrame, nullptr, 288, 180, 5376, 2928, "GLu-Lam Beams");
    place(WesternGLBOption, &GLBFrame, 120, 240, 4200, 255);
    WesternGLBOption.setCaption("Non-Southern Pine Wood Combinations");
    place(SoPineGLBOption, &GLBFrame, 120, 500, 4200, 255);
    SoPineGLBOption.setCaption("Southern Pine Wood Combinations");
    sizeRows(GLBFrame, GLBBreadthTitle, GLBDepthTitle, GLBNominalTitle, BreadthGLBList, GLBXLabel,
             DepthGLBList, GLBNetTitle, "Decimal equivalent", 800);
    resultBox(NetGLBBreadth, GLBFrame, 1740);
    resultBox(NetGLBDepth, GLBFrame, 3480);
    place(Command3, &GLBFrame, 600, 2160, 2400, 420);
    Command3.setCaption("I&nsert sizes into Form");
    place(Command4, &GLBFrame, 3360, 2160, 1320, 420);
    Command4.setCaption("&Cancel");

    label(InsertNote, nullptr, 288, 3240, 5376, 255,
          "Click 'Insert'  to enter the decimal size into the Notchwise main form. ");

    BreadthSSList.click([this] { BreadthSSList_Click(); });
    DepthSSList.click([this] { DepthSSList_Click(); });
    BreadthGLBList.click([this] { BreadthGLBList_Click(); });
    DepthGLBList.click([this] { DepthGLBList_Click(); });
    WesternGLBOption.click([this] { WesternGLBOption_Click(); });
    SoPineGLBOption.click([this] { SoPineGLBOption_Click(); });
    Command1.click([this] { Command1_Click(); });
    Command2.click([this] { Command2_Click(); });
    Command3.click([this] { Command3_Click(); });
    Command4.click([this] { Command4_Click(); });
}

} // namespace notch
