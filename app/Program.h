// The application object: the program's shared state and its forms, created once per start, so that
// a test can start a fresh program in-process.
#pragma once

#include "app/Form1.h"
#include "app/Form12.h"
#include "app/Form13.h"
#include "app/Form15.h"
#include "app/Form25.h"
#include "app/SharedState.h"
#include "app/UrlLinkForm.h"
#include "beam/BeamState.h"
#include "beam/Form4.h"
#include "columns/ColumnState.h"
#include "columns/Form10.h"
#include "columns/Form18.h"
#include "columns/Form20.h"
#include "columns/Form19.h"
#include "columns/Form23.h"
#include "columns/Form28.h"
#include "files/RecordFile.h"
#include "columns/StudCheck.h"
#include "notch/FormNotchwise.h"
#include "notch/NotchValues.h"
#include "notch/NotchwisePrintForm.h"
#include "notch/StdSizesForm.h"
#include "platform/forms/Runtime.h"
#include "report/Form11.h"
#include "report/Form16.h"
#include "report/Form17.h"
#include "report/Form21.h"
#include "report/Form24.h"
#include "report/Form5.h"
#include "report/Form6.h"
#include "report/Form7.h"
#include "report/Form9.h"
#include "report/MemberTests.h"
#include "report/RecordState.h"
#include "scl/Form2.h"
#include "scl/SCLValueTable.h"
#include "steel/Form22.h"
#include "steel/SteelState.h"
#include "wood/Form3.h"

namespace app
{

class Program
{
  public:
    explicit Program(platform::Runtime& runtime);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Program start: records SessionStart and shows Form1.
    void start();

    platform::Runtime& runtime;

    // Shared values, declared before the forms that read them.
    beam::BeamState beam;
    SharedState state{beam.flags};
    report::RecordState record; // record kinds, notes answer, analysed loads of the data record
    columns::StudState stud;    // results of the last stud wall check
    // The member tests the report's step buttons and fill call; a test may put stand-ins here.
    report::MemberTests memberTests = report::programMemberTests();
    steel::SteelState steel; // shape table, check setup and results of the steel path
    files::RecordBuffers recordFiles; // the user record files' buffers and the shared file dialog
    scl::SCLValues SCLValueTable; // SCL design values of the run, from and for the SCL files

    Form1 form1;
    report::Form7 form7;
    Form13 form13;
    report::Form9 form9{*this};   // load entry diagram
    report::Form16 form16{*this}; // hips and valleys diagram
    beam::Form4 form4{*this};     // progress window of "OK Calculate"
    scl::Form2 form2{*this};      // custom values and SCL
    wood::Form3 form3{*this};     // wood beam selection
    steel::Form22 form22{*this};  // steel beam selection
    report::Form5 form5{*this};   // beam report
    report::Form6 form6{*this};   // beam data record
    Form12 form12{*this};         // manual
    Form15 form15{*this};         // about box
    report::Form21 form21{*this}; // report notes
    Form25 form25{*this};         // calculator

    // The notch check: its shared state outlives its forms.
    notch::NotchValues notchValues;
    notch::FormNotchwise formNotchwise{*this};
    notch::NotchwisePrintForm notchwisePrintForm{*this};
    notch::StdSizesForm stdSizesForm{*this}; // standard member sizes picker
    UrlLinkForm urlLinkForm{*this}; // hyperlink label host; nothing shows it
    // The data record's windows and the column records.
    report::Form11 form11{*this};  // load location diagram
    report::Form17 form17{*this};  // uniformly increasing load picture
    report::Form24 form24{*this};  // printout font
    columns::Form18 form18{*this}; // column criteria
    columns::Form19 form19{*this}; // wood column data record
    columns::Form23 form23{*this}; // steel column data record
    columns::Form28 form28{*this}; // stud wall data record
    columns::ColumnState columnState; // criteria and results of the column path
    columns::Form10 form10{*this};    // steel column selection
    columns::Form20 form20{*this};    // wood column selection
};

} // namespace app
