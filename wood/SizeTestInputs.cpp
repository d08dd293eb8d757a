// Reading the forms for the wood size test.
#include "wood/SizeTestInputs.h"

#include "app/Program.h"
#include "scl/Form2.h"
#include "wood/Form3.h"

namespace wood
{

CustomOptions readCustomOptions(scl::Form2& f)
{
    CustomOptions o;
    if (!f.loaded()) {
        return o;
    }
    o.Wid2x = f.Wid2x.value();
    o.Wid4x = f.Wid4x.value();
    o.Wid6x = f.Wid6x.value();
    o.WidGLB = f.WidGLB.value();
    o.WidGLBHDR = f.WidGLBHDR.value();
    o.Roundoption = f.Roundoption.value();
    o.SPG = f.SPG.checked();
    return o;
}

SizeEntry EntryTexts::view(bool customValues, bool southernPine, const CustomOptions& options) const
{
    SizeEntry e;
    e.customValues = customValues;
    e.southernPine = southernPine;
    e.breadth = breadth;
    e.depth = depth;
    e.species = species;
    for (std::size_t i = 0; i < sawn.size(); ++i) {
        e.sawnHeadings[i] = sawn[i];
        e.customSawnHeadings[i] = customSawn[i];
    }
    for (std::size_t i = 0; i < gluLam.size(); ++i) {
        e.gluLamWidths[i] = gluLam[i];
        e.customGluLamWidths[i] = customGluLam[i];
    }
    for (std::size_t i = 0; i < grades.size(); ++i) {
        e.gradeLabels[i] = grades[i];
    }
    e.options = options;
    return e;
}

EntryTexts readEntryTexts(app::Program& program, bool customValues)
{
    wood::Form3& f3 = program.form3;
    EntryTexts t;
    t.breadth = f3.Text1.text();
    t.depth = f3.Text2.text();
    t.species = f3.Text3.text();
    platform::Label* sawn[] = {&f3.Label5, &f3.Label6,  &f3.Label7,  &f3.Label8,
                               &f3.Label9, &f3.Label10, &f3.Label27, &f3.Label28};
    for (std::size_t i = 0; i < 8; ++i) {
        t.sawn[i] = sawn[i]->caption();
    }
    platform::Label* widths[] = {&f3.Label13, &f3.Label14, &f3.Label15, &f3.Label16, &f3.Label17};
    for (std::size_t i = 0; i < 5; ++i) {
        t.gluLam[i] = widths[i]->caption();
    }
    platform::Label* grades[] = {&f3.Label1, &f3.Label2, &f3.Label3, &f3.Label4, &f3.Label11, &f3.Label12};
    for (std::size_t i = 0; i < 6; ++i) {
        t.grades[i] = grades[i]->caption();
    }
    if (customValues) {
        scl::Form2& f2 = program.form2;
        platform::Label* customSawn[] = {&f2.Label22, &f2.Label23, &f2.Label24, &f2.Label25,
                                         &f2.Label26, &f2.Label7,  &f2.Label21, &f2.Label28};
        for (std::size_t i = 0; i < 8; ++i) {
            t.customSawn[i] = customSawn[i]->caption();
        }
        for (int i = 0; i < 5; ++i) {
            t.customGluLam[static_cast<std::size_t>(i)] = f2.LabG[i].caption();
        }
    }
    return t;
}

} // namespace wood
