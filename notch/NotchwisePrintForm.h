// NotchwisePrintForm: the page template of the notch printout. It is never shown; its labels are filled
// from the notch form and printed at their positions, with the rules, boxes and the notch picture.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace notch
{

class NotchwisePrintForm final : public platform::Form
{
  public:
    explicit NotchwisePrintForm(app::Program& program);

    // The labels in page order, which is the order they print in.
    platform::Label Label44{*this, "Label44"};
    platform::Label Label47{*this, "Label47"};
    platform::Label Label2{*this, "Label2"};
    platform::Label Label6{*this, "Label6"};
    platform::Label Label9{*this, "Label9"};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label8{*this, "Label8"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label15{*this, "Label15"};
    platform::Label Label16{*this, "Label16"};
    platform::Label Label18{*this, "Label18"};
    platform::Label Label67{*this, "Label67"};
    platform::Label Label5{*this, "Label5"};
    platform::Label Label13{*this, "Label13"};
    platform::Label Label14{*this, "Label14"};
    platform::Label Label11{*this, "Label11"};
    platform::Label Label12{*this, "Label12"};
    platform::Label Label19{*this, "Label19"};
    platform::Label Label20{*this, "Label20"};
    platform::Label Label21{*this, "Label21"};
    platform::Label Label22{*this, "Label22"};
    platform::Label Label23{*this, "Label23"};
    platform::Label Label24{*this, "Label24"};
    platform::Label Label25{*this, "Label25"};
    platform::Label Label26{*this, "Label26"};
    platform::Label CvrTitleLabel{*this, "CvrTitleLabel"};
    platform::Label CvrLabel{*this, "CvrLabel"};
    platform::Label Label45{*this, "Label45"};
    platform::Label Label48{*this, "Label48"};
    platform::Label Label49{*this, "Label49"};
    platform::Label Label50{*this, "Label50"};
    platform::Label Label51{*this, "Label51"};
    platform::Label Label52{*this, "Label52"};
    platform::Label Label53{*this, "Label53"};
    platform::Label Label29{*this, "Label29"};
    platform::Label Label30{*this, "Label30"};
    platform::Label Label32{*this, "Label32"};
    platform::Label Label54{*this, "Label54"};
    platform::Label Label55{*this, "Label55"};
    platform::Label Label56{*this, "Label56"};
    platform::Label Label33{*this, "Label33"};
    platform::Label Label34{*this, "Label34"};
    platform::Label Label35{*this, "Label35"};
    platform::Label Label31{*this, "Label31"};
    platform::Label Label36{*this, "Label36"};
    platform::Label Label37{*this, "Label37"};
    platform::Label Label57{*this, "Label57"};
    platform::Label Label58{*this, "Label58"};
    platform::Label Label59{*this, "Label59"};
    platform::Label Label38{*this, "Label38"};
    platform::Label Label39{*this, "Label39"};
    platform::Label Label40{*this, "Label40"};
    platform::Label Label60{*this, "Label60"};
    platform::Label Label61{*this, "Label61"};
    platform::Label Label62{*this, "Label62"};
    platform::Label Label41{*this, "Label41"};
    platform::Label Label42{*this, "Label42"};
    platform::Label Label43{*this, "Label43"};
    platform::Label Label63{*this, "Label63"};
    platform::Label Label64{*this, "Label64"};
    platform::Label Label65{*this, "Label65"};
    platform::Label Label17{*this, "Label17"};
    platform::Label Label69{*this, "Label69"};
    platform::Label Label70{*this, "Label70"};
    platform::Label Label27{*this, "Label27"};
    platform::Label Label28{*this, "Label28"};
    platform::Label Label68{*this, "Label68"};
    // Fills the labels from the notch form and NotchValues; an empty date box gets today's date.
    void NotchwiseLoad();
    // Prints this form as one page; does not end the document.
    void PrintNotchRecord();

  private:
    void design() override; // NotchwisePrintFormDesign.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason reason);
    void DrawNotchLabel(platform::Label& label);
    void printLabel(platform::Label& label, double left, double top, double width,
                    platform::Alignment alignment, bool bold, bool italic, std::string_view caption);

    app::Program& m_program;
};

} // namespace notch
