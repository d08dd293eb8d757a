// How Form18 looks, and which handler each control raises; no logic here. Client area 11250 x 8415.
#include "app/DesignHelpers.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "columns/Form18.h"
#include "files/CustomPostFile.h"
#include "report/Form21.h"

namespace columns
{

using namespace app::design;

void Form18::design()
{
    setCaption(" Korvanta Column Criteria Form 1  NDS 2018");
    setClientSize(11250, 8415);
    setBorderStyle(platform::BorderStyle::Fixed);

    // --- Header ---
    label(ProjLabel, nullptr, 240, 180, 1800, 255, "Project Title");
    textBox(ColumnProj, nullptr, 2100, 150, 4635, 35, White);
    label(DescLabel, nullptr, 240, 540, 1800, 255, "Description/Location");
    textBox(ColumnDescription, nullptr, 2100, 510, 4635, 30, White);
    label(IDLabel, nullptr, 240, 900, 1800, 255, "Column Identification");
    textBox(columnID, nullptr, 2100, 870, 4635, 25, White);

    // --- Material ---
    label(MaterialLabel, nullptr, 7200, 180, 900, 255, "Material:");
    option3D(WoodButton, nullptr, 8160, 150, 1000, 300, "Wood");
    WoodButton.setValue(true);
    option3D(SteelButton, nullptr, 9240, 150, 1000, 300, "Steel");

    // --- Criteria entries, one row each, in the "Column Criteria" frame ---
    frame3D(Frame3D1, nullptr, 120, 1260, 4560, 3960, "Column Criteria");
    constexpr double LabelLeft = 120;
    constexpr double BoxLeft = 2340;
    constexpr double SideLeft = 3420; // units, cycle buttons and the post values file right of the boxes
    constexpr double Top = 360;
    constexpr double Step = 420;
    auto row = [&](platform::Label& caption, std::string_view text, platform::TextBox& box, int index,
                   int maxLength) {
        const double top = Top + index * Step;
        label(caption, &Frame3D1, LabelLeft, top, 1950, 255, text);
        numberBox(box, &Frame3D1, BoxLeft, top - 30, 1000, maxLength, White);
    };
    auto unit = [&](platform::Label& l, int index, std::string_view text) {
        label(l, &Frame3D1, SideLeft, Top + index * Step, 400, 255, text);
    };
    row(ReacLabel, "Reaction", cReacText, 0, 7);
    unit(ReacUnit, 0, "lbs");
    row(HTLabel, "Actual Column height", cHTtext, 1, 6);
    unit(HTUnit, 1, "ft");
    row(Label2, "Unbraced height L1", cD1text, 2, 6);
    unit(D1Unit, 2, "ft");
    row(Label3, "Unbraced height L2", cD2text, 3, 6);
    unit(Label10, 3, "ft");
    row(Label16, "Fc II", cFcText, 4, 6);
    row(ELabel, "E x 10", cEtext, 5, 3);
    ELabel.setWidth(540);
    label(ERaised, &Frame3D1, LabelLeft + 540, Top + 5 * Step - 60, 150, 195, "6"); // millions of psi
    ERaised.setFont(platform::FontSpec{"MS Sans Serif", 6.75, false});
    row(DurLabel, "Cd  Duration of load", cDurText, 6, 4);
    cDurText.setText("1.00");
    button3D(DurAdjbutton, &Frame3D1, SideLeft, Top + 6 * Step - 30, 500, 285, "<>");
    row(ModeLabel, "Ke  Buckling Mode", cModeText, 7, 4);
    cModeText.setText("1.00");
    button3D(Modeadjbutton, &Frame3D1, SideLeft, Top + 7 * Step - 30, 500, 285, "<>");

    // The custom post values file, beside the Fc box whose values it keeps; the reaction import beside
    // the reaction box it fills.
    button3D(SavePostbutton, &Frame3D1, SideLeft, Top + 4 * Step - 30, 480, 285, "Save");
    button3D(Loadpostbutton, &Frame3D1, SideLeft + 520, Top + 4 * Step - 30, 480, 285, "Load");
    button3D(ImportButton, &Frame3D1, SideLeft + 420, Top - 30, 620, 285, "Import");

    // Below the frame: the built-up columns' sheathing box and the import's own frame.
    check3D(ResetKf, nullptr, 240, 5340, 2000, 300, "D1 Fully Braced");
    ResetKf.setThreeD(false);
    ResetKf.setVisible(false);
    label(ResetLabel, nullptr, 2340, 5340, 4200, 420,
          "Face is fully sheathed parallel to nails or bolts: Kf set to 1.0");
    ResetLabel.setVisible(false);
    tipButton(SheathHelpNote, nullptr, 6600, 5370, "Sheathing");
    SheathHelpNote.setVisible(false);
    frame3D(ImportReaction, nullptr, 120, 5880, 4560, 1500, "Import from current beam data record...");
    ImportReaction.setVisible(false);
    option3D(OptionR1, &ImportReaction, 150, 330, 900, 300, "R1");
    OptionR1.setValue(true);
    option3D(OptionR2, &ImportReaction, 1150, 330, 900, 300, "R2");
    check3D(DblReaction, &ImportReaction, 150, 720, 2600, 300, "Double the Reaction");
    button3D(CmdImportOK, &ImportReaction, 3150, 300, 1200, 420, "OK");
    button3D(CmdImportCancel, &ImportReaction, 3150, 840, 1200, 420, "Cancel");

    // --- Value group and column type ---
    frame3D(ValueTypeFrame, nullptr, 4800, 1500, 3000, 1500, "Column Values");
    option3D(TimberButton, &ValueTypeFrame, 150, 300, 2450, 300, "Post and Timber");
    option3D(StringerButton, &ValueTypeFrame, 150, 660, 2450, 300, "Beam and Stringer");
    option3D(FramingButton, &ValueTypeFrame, 150, 1020, 2450, 300, "Dimension Lumber");
    frame3D(ColTypeFrame, nullptr, 8000, 1500, 3000, 1860, "ColumnType");
    option3D(CSolidButton, &ColTypeFrame, 150, 300, 2450, 300, "Solid Sawn 6x+");
    option3D(cSolid4xbutton, &ColTypeFrame, 150, 660, 2450, 300, "Solid Sawn 2x or 4x");
    option3D(CNailedButton, &ColTypeFrame, 150, 1020, 2450, 300, "Nailed Built-up 2xs");
    option3D(CBoltedButton, &ColTypeFrame, 150, 1380, 2450, 300, "Bolted Built-up 2xs");

    label(CusColLabel, nullptr, 4800, 3120, 3000, 255, "Enter species, grade, and base values");
    place(Panel3D2, nullptr, 4800, 3420, 3000, 480);
    place(ColSpeciesCombo, &Panel3D2, 60, 60, 2880, 315);
    ColSpeciesCombo.setStyle(platform::ComboStyle::DropDownCombo);
    check3D(cWetButton, nullptr, 8000, 3480, 1500, 300, " Cm  Wet Use ");
    check3D(ColIncised, nullptr, 9600, 3480, 1500, 300, " Ci  Incised");

    label(SteelInfoTitle, nullptr, 4800, 1500, 6200, 255, "Steel Columns");
    SteelInfoTitle.setFontBold(true);
    SteelInfoTitle.setVisible(false);
    label(SteelInfoLabel, nullptr, 4800, 1800, 6200, 1800, "");
    SteelInfoLabel.setVisible(false);

    // Column picture: lamination lines and fastener marks of a built-up column.
    for (int i = 0; i <= 2; ++i) {
        Line19(i).setPoints(9000 + 300 * i, 4400, 9000 + 300 * i, 7000);
        Line19(i).setVisible(false);
    }
    for (int i = 0; i <= 7; ++i) {
        place(bolt(i), nullptr, 9090 + 300 * (i / 4), 4700 + 600 * (i % 4), 120,
              120); // two rows down the plies
        bolt(i).setShape(platform::ShapeKind::Oval);
        bolt(i).setVisible(false);
    }

    button3D(CmdOK, nullptr, 4800, 7500, 2400, 480, " OK Calculate");
    button3D(Command1, nullptr, 7400, 7500, 1600, 480, " Add Notes");
    Command1.setToolTipText("Add notes to the prinout.");

    // Quick tips beside what they explain; those of the two frames go with them in steel mode.
    tipButton(Command3D1, &Frame3D1, SideLeft, Top + 5 * Step + 30, "Fc and E");
    tipButton(Command3D2, &Frame3D1, LabelLeft + 1980, Top + Step + 30, "Actual column height");
    tipButton(Command3D13, &Frame3D1, LabelLeft + 1980, Top + 2 * Step + 30, "Unbraced heights");
    tipButton(Command3D3, nullptr, 8000 + 1500, 3480 + 330, "Wet use");
    tipButton(Command3D4, &Frame3D1, LabelLeft + 1980, Top + 7 * Step + 30, "Buckling mode");
    tipButton(Command3D5, &Frame3D1, LabelLeft + 1980, Top + 6 * Step + 30, "Duration of load");
    tipButton(Command3D6, &ValueTypeFrame, 2660, 330, "Post and Timber");
    tipButton(Command3D7, &ValueTypeFrame, 2660, 690, "Beam and Stringer");
    tipButton(Command3D8, &ValueTypeFrame, 2660, 1050, "Dimension Lumber");
    tipButton(Command3D9, &ColTypeFrame, 2660, 330, "Solid Sawn 6x+");
    tipButton(Command3D10, &ColTypeFrame, 2660, 690, "Solid Sawn 2x or 4x");
    tipButton(Command3D11, &ColTypeFrame, 2660, 1050, "Nailed Built-up 2xs");
    tipButton(Command3D12, &ColTypeFrame, 2660, 1410, "Bolted Built-up 2xs");

    // --- Menus ---
    menu(MnuFile, nullptr, "&File");
    menu(MnuNewCol, &MnuFile, "&New Column", "Ctrl+N");
    menuSeparator(MnuSep1, MnuFile);
    menu(MnuLoadWdCol, &MnuFile, "Load Wood Column...", "Ctrl+W");
    menu(MnuLdStlCol, &MnuFile, "Load Steel Column...", "Ctrl+S");
    menuSeparator(MnuSep2, MnuFile);
    menu(MnuExit, &MnuFile, "E&xit Columns");
    menu(MnuBack, nullptr, "Standard Columns");
    MnuBack.setEnabled(false); // it has no command: greyed rather than a live entry that does nothing
    menu(MnuHelp, nullptr, "&Help");
    menu(mnucolexit, nullptr, "E&xit Columns");

    // --- Events ---
    for (platform::TextBox* box :
         {&cReacText, &cHTtext, &cD1text, &cD2text, &cFcText, &cEtext, &cDurText, &cModeText}) {
        box->change([this, box] { entry_Change(*box); });
        box->gotFocus([this] { app::SelectFieldText(m_program); });
    }
    for (platform::TextBox* box : {&ColumnProj, &ColumnDescription, &columnID}) {
        box->gotFocus([this] { app::SelectFieldText(m_program); });
    }
    cReacText.keyPress([this](std::int16_t& key) { cReacText_KeyPress(key); });
    cHTtext.lostFocus([this] { cHTtext_LostFocus(); });
    DurAdjbutton.click([this] { DurAdjbutton_Click(); });
    Modeadjbutton.click([this] { Modeadjbutton_Click(); });
    ResetKf.click([this] { ResetKf_Click(); });
    CmdOK.click([this] { CmdOK_Click(); });
    ImportButton.click([this] { ImportButton_Click(); });
    CmdImportOK.click([this] { CmdImportOK_Click(); });
    CmdImportCancel.click([this] { ImportReaction.setVisible(false); });
    SavePostbutton.click([this] { files::SaveCustomPostValues(m_program); });
    Loadpostbutton.click([this] { files::LoadCustomPostValues(m_program); });
    WoodButton.click([this] { WoodButton_Click(); });
    SteelButton.click([this] { SteelButton_Click(); });
    TimberButton.click([this] { TimberButton_Click(); });
    StringerButton.click([this] { StringerButton_Click(); });
    FramingButton.click([this] { FramingButton_Click(); });
    CSolidButton.click([this] { solidType_Click(); });
    cSolid4xbutton.click([this] { solidType_Click(); });
    CNailedButton.click([this] { builtUpType_Click(); });
    CBoltedButton.click([this] { builtUpType_Click(); });
    ColSpeciesCombo.click([this] { ColSpeciesCombo_Click(); });
    platform::CommandButton* tips[] = {&Command3D1,  &Command3D2,  &Command3D13, &Command3D3,    &Command3D4,
                                       &Command3D5,  &Command3D6,  &Command3D7,  &Command3D8,    &Command3D9,
                                       &Command3D10, &Command3D11, &Command3D12, &SheathHelpNote};
    for (int note = 1; note <= 14; ++note) {
        tips[note - 1]->click([this, note] { showNote(note); });
    }
    Command1.click([this] { m_program.form21.show(); });
    MnuNewCol.click([this] { MnuNewCol_Click(); });
    MnuLoadWdCol.click([this] { MnuLoadWdCol_Click(); });
    MnuLdStlCol.click([this] { MnuLdStlCol_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
    mnucolexit.click([this] { MnuExit_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
    designStudFrame();
    wireStudFrame();
}

} // namespace columns
