// How UrlLinkForm looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "app/UrlLinkForm.h"

namespace app
{

using namespace design;

void UrlLinkForm::design()
{
    setCaption("Form1");
    setClientSize(4680, 1800);
    setBorderStyle(platform::BorderStyle::Fixed);

    label(Label1, nullptr, 240, 240, 4200, 255, "Click the link to open it in your web browser:");
    URLLink1.place(240, 600);
    place(Command1, nullptr, 1800, 1200, 1080, 372);
    Command1.setCaption("E&xit");

    Command1.click([this] { Command1_Click(); });
}

} // namespace app
