// How Form18 looks, and which handler each control raises; no logic here. Client area 11250 x 8415.
#include "app/DesignHelpers.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "columns/Form18.h"
#include "files/CustomPostFile.h"

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

    // --- Criteria entries, one row each ---
    constexpr double LabelLeft = 240;
    constexpr double BoxLeft = 2700;
    constexpr double Top = 1500;
    constexpr double Step = 420;
    label(ReacLabel, nullptr, LabelLeft, Top, 2300, 255, "Reaction");
    numberBox(cReacText, nullptr, BoxLeft, Top - 30, 1100, 7, White);
    label(HTLabel, nullptr, LabelLeft, Top + Step, 2300, 255, "Actual Column height");
    numberBox(cHTtext, nullptr, BoxLeft, Top + Step - 30, 1100, 6, White);
    label(Label2, nullptr, LabelLeft, Top + 2 * Step, 2300, 255, "Unbraced height L1");
    numberBox(cD1text, nullptr, BoxLeft, Top + 2 * Step - 30, 1100, 6, White);
    label(Label3, nullptr, LabelLeft, Top + 3 * Step, 2300, 255, "Unbraced height L2");
    numberBox(cD2text, nullptr, BoxLeft, Top + 3 * Step - 30, 1100, 6, White);
    label(Label10, nullptr, BoxLeft + 1200, Top + 3 * Step, 400, 255, "ft");
    label(Label16, nullptr, LabelLeft, Top + 4 * Step, 2300, 255, "Fc II");
    numberBox(cFcText, nullptr, BoxLeft, Top + 4 * Step - 30, 1100, 6, White);
    label(ELabel, nullptr, LabelLeft, Top + 5 * Step, 2300, 255, "E x 10 6");
    numberBox(cEtext, nullptr, BoxLeft, Top + 5 * Step - 30, 1100, 3, White);
    label(DurLabel, nullptr, LabelLeft, Top + 6 * Step, 2300, 255, "Cd  Duration of load");
    numberBox(cDurText, nullptr, BoxLeft, Top + 6 * Step - 30, 1100, 4, White);
    cDurText.setText("1.00");
    button3D(DurAdjbutton, nullptr, BoxLeft + 1200, Top + 6 * Step - 30, 500, 315, "<>");
    label(ModeLabel, nullptr, LabelLeft, Top + 7 * Step, 2300, 255, "Ke  Buckling Mode");
    numberBox(cModeText, nullptr, BoxLeft, Top + 7 * Step - 30, 1100, 4, White);
    cModeText.setText("1.00");
    button3D(Modeadjbutton, nullptr, BoxLeft + 1200, Top + 7 * Step - 30, 500, 315, "<>");

    // The custom post values file, beside the Fc box whose values it keeps.
    button3D(SavePostbutton, nullptr, BoxLeft + 1200, Top + 4 * Step - 30, 420, 315, "Save");
    button3D(Loadpostbutton, nullptr, BoxLeft + 1650, Top + 4 * Step - 30, 420, 315, "Load");

    // The reaction import, beside the reaction box it fills; its frame stands below the entries.
    button3D(ImportButton, nullptr, BoxLeft + 1200, Top - 30, 800, 315, "Import");
    frame3D(ImportReaction, nullptr, LabelLeft, Top + 9 * Step + 60, 4300, 1500,
            "Import from current beam data record...");
    ImportReaction.setVisible(false);
    option3D(OptionR1, &ImportReaction, 150, 330, 900, 300, "R1");
    OptionR1.setValue(true);
    option3D(OptionR2, &ImportReaction, 1150, 330, 900, 300, "R2");
    check3D(DblReaction, &ImportReaction, 150, 720, 2600, 300, "Double the Reaction");
    button3D(CmdImportOK, &ImportReaction, 2900, 300, 1200, 420, "OK");
    button3D(CmdImportCancel, &ImportReaction, 2900, 840, 1200, 420, "Cancel");

    check3D(ResetKf, nullptr, LabelLeft, Top + 8 * Step + 60, 2000, 300, "D1 Fully Braced");
    ResetKf.setThreeD(false);
    ResetKf.setVisible(false);
    label(ResetLabel, nullptr, LabelLeft + 2100, Top + 8 * Step + 60, 4200, 420,
          "Face is fully sheathed parallel to nails or bolts: Kf set to 1.0");
    ResetLabel.setVisible(false);
    tipButton(SheathHelpNote, nullptr, LabelLeft + 6400, Top + 8 * Step + 90, "Sheathing");
    SheathHelpNote.setVisible(false);

    // --- Value group and column type ---
    frame3D(ValueTypeFrame, nullptr, 4800, 1500, 3000, 1500, "Column Values");
    option3D(TimberButton, &ValueTypeFrame, 150, 300, 2700, 300, "Post and Timber");
    option3D(StringerButton, &ValueTypeFrame, 150, 660, 2700, 300, "Beam and Stringer");
    option3D(FramingButton, &ValueTypeFrame, 150, 1020, 2700, 300, "Dimension Lumber");
    frame3D(ColTypeFrame, nullptr, 8000, 1500, 3000, 1860, "ColumnType");
    option3D(CSolidButton, &ColTypeFrame, 150, 300, 2700, 300, "Solid Sawn 6x+");
    option3D(cSolid4xbutton, &ColTypeFrame, 150, 660, 2700, 300, "Solid Sawn 2x or 4x");
    option3D(CNailedButton, &ColTypeFrame, 150, 1020, 2700, 300, "Nailed Built-up 2xs");
    option3D(CBoltedButton, &ColTypeFrame, 150, 1380, 2700, 300, "Bolted Built-up 2xs");

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
        place(bolt(i), nullptr, 8880 + 300 * (i % 4), 4700 + 600 * (i / 4), 120, 120);
        bolt(i).setShape(platform::ShapeKind::Oval);
        bolt(i).setVisible(false);
    }

    button3D(CmdOK, nullptr, 4800, 7500, 2400, 480, " OK Calculate");
    button3D(Command1, nullptr, 7400, 7500, 1600, 480, " Add Notes");
    Command1.setToolTipText("Add notes to the prinout.");

    // Quick tips beside what they explain; those of the two frames go with them in steel mode.
    tipButton(Command3D1, nullptr, BoxLeft + 1200, Top + 5 * Step - 10, "Fc and E");
    tipButton(Command3D2, nullptr, LabelLeft + 2000, Top + Step, "Actual column height");
    tipButton(Command3D13, nullptr, LabelLeft + 2000, Top + 2 * Step, "Unbraced heights");
    tipButton(Command3D3, nullptr, 8000 + 1500, 3480 + 330, "Wet use");
    tipButton(Command3D4, nullptr, LabelLeft + 2000, Top + 7 * Step + 300, "Buckling mode");
    tipButton(Command3D5, nullptr, LabelLeft + 2000, Top + 6 * Step + 300, "Duration of load");
    tipButton(Command3D6, &ValueTypeFrame, 2700, 330, "Post and Timber");
    tipButton(Command3D7, &ValueTypeFrame, 2700, 690, "Beam and Stringer");
    tipButton(Command3D8, &ValueTypeFrame, 2700, 1050, "Dimension Lumber");
    tipButton(Command3D9, &ColTypeFrame, 2700, 330, "Solid Sawn 6x+");
    tipButton(Command3D10, &ColTypeFrame, 2700, 690, "Solid Sawn 2x or 4x");
    tipButton(Command3D11, &ColTypeFrame, 2700, 1050, "Nailed Built-up 2xs");
    tipButton(Command3D12, &ColTypeFrame, 2700, 1410, "Bolted Built-up 2xs");

    // --- Menus ---
    menu(MnuFile, nullptr, "&File");
    menu(MnuNewCol, &MnuFile, "&New Column", "Ctrl+N");
    menuSeparator(MnuSep1, MnuFile);
    menu(MnuLoadWdCol, &MnuFile, "Load Wood Column...", "Ctrl+W");
    menu(MnuLdStlCol, &MnuFile, "Load Steel Column...", "Ctrl+S");
    menuSeparator(MnuSep2, MnuFile);
    menu(MnuExit, &MnuFile, "E&xit Columns");
    menu(MnuBack, nullptr, "Standard Columns");
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
