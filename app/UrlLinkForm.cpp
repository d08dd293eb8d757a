// UrlLinkForm's load, which gives URLLink1 its stored properties, and its Exit.
#include "app/UrlLinkForm.h"

#include "app/Program.h"

namespace app
{

UrlLinkForm::UrlLinkForm(Program& program) : Form(program.runtime, "UrlLinkForm") {}

const PropertyBag& UrlLinkForm::URLLink1Properties()
{
    static const PropertyBag properties = {{"Text", "Korvanta on example.org"}, {"URL", DefaultLinkURL}};
    return properties;
}

void UrlLinkForm::Form_Load()
{
    URLLink1.ReadProperties(URLLink1Properties());
    URLLink1.clearChangedProperties();
}

void UrlLinkForm::Command1_Click()
{
    unload();
}

} // namespace app
