// How Form12 looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "app/Form12.h"

namespace app
{

using namespace design;

void Form12::design()
{
    setCaption("Korvanta Manual and Help File");
    setClientSize(10230, 7260);
    setStartUpPosition(platform::StartUpPosition::CenterOwner);
    setBorderStyle(platform::BorderStyle::Fixed);

    label(Label1, nullptr, 1800, 480, 6432, 552, "Welcome to the Korvanta Manual");
    Label1.setFont(platform::FontSpec{"Arial", 13.5, true});
    Label1.setForeColor(Navy);
    place(Image1, nullptr, 1200, 420, 510, 510);
    Image1.setPicture("ManualIcon");
    label(
        Label3, nullptr, 660, 960, 7692, 612,
        "Click on any topic below.  For your convenience, the entire manual is also provided as an Adobe "
        "Acrobat PDF file on your Korvanta CDROM, along with printable Korvanta Examples and info on SCL's.");
    Label3.setWordWrap(true);
    Line1.setPoints(600, 1620, 8340, 1620);
    Line2.setPoints(600, 4740, 8340, 4740);

    constexpr double ColumnLeft[] = {420, 4560};
    for (const Topic& topic : m_topics) {
        label(topic.label, nullptr, ColumnLeft[topic.column], 1800 + 360 * (topic.row - 1), 3855, 315,
              topic.labelCaption);
    }
    label(Contents14, nullptr, ColumnLeft[1], 1800 + 360, 3855, 315, "   View a Load Entry Diagram");
    for (platform::Label* contents :
         {&Contents1, &Contents2, &Contents3, &Contents4, &Contents5, &Contents6, &Contents7, &Contents8,
          &Contents9, &Contents14, &Contents10, &Contents11, &Contentssteel, &ContentsColumns, &Contents12,
          &Contents13}) {
        contents->setFont(boldSans());
        contents->setForeColor(Green);
        contents->setTransparent(false);
        contents->setBackColor(WindowColour);
    }
    label(Label2, nullptr, 660, 4920, 7272, 552, "");
    Label2.setWordWrap(true);

    place(Text1, nullptr, 300, 240, 9675, 6735);
    Text1.setMultiLine(true);
    Text1.setBackColor(White);

    menu(MnuFile, nullptr, "&File");
    menu(Mnuprintscreen, &MnuFile, "&Print Screen");
    menu(MnuExit, &MnuFile, "E&xit Help");
    menu(MnuContents, nullptr, "&Contents");
    menu(BackContents, &MnuContents, "&Back to Contents Table");
    menuSeparator(ContentsSeparator, MnuContents);
    for (const Topic& topic : m_topics) {
        menu(topic.menu, &MnuContents, topic.menuCaption);
    }
    menu(About, nullptr, "&About");
    menu(mnuHelpexit, nullptr, "E&xit Help");

    for (const Topic& topic : m_topics) {
        topic.label.click([this, &topic] { showTopic(topic); });
        topic.menu.click([this, &topic] { showTopic(topic); });
    }
    Contents14.click([this] { Contents14_Click(); });
    BackContents.click([this] { BackContents_Click(); });
    Mnuprintscreen.click([this] { Mnuprintscreen_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
    About.click([this] { About_Click(); });
    mnuHelpexit.click([this] { mnuHelpexit_Click(); });
}

} // namespace app
