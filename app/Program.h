// The application object: the program's shared state and its forms, created once per start, so that
// a test can start a fresh program in-process. The forms and shared values are only declared here: a
// source includes the header of each one it uses, so that a change to one form rebuilds its users.
#pragma once

#include <memory>

namespace platform
{
class Form;
class Runtime;
} // namespace platform

namespace app
{
struct SharedState;
class Form1;
class Form12;
class Form13;
class Form15;
class Form25;
class UrlLinkForm;
} // namespace app

namespace beam
{
struct BeamState;
class Form4;
} // namespace beam

namespace columns
{
struct ColumnState;
struct StudState;
class Form10;
class Form18;
class Form19;
class Form20;
class Form23;
class Form28;
} // namespace columns

namespace files
{
struct RecordBuffers;
}

namespace notch
{
struct NotchValues;
class FormNotchwise;
class NotchwisePrintForm;
class StdSizesForm;
} // namespace notch

namespace report
{
struct MemberTests;
struct RecordState;
class Form5;
class Form6;
class Form7;
class Form9;
class Form11;
class Form16;
class Form17;
class Form21;
class Form24;
} // namespace report

namespace scl
{
struct SCLValues;
class Form2;
} // namespace scl

namespace steel
{
struct SteelState;
class Form22;
} // namespace steel

namespace wood
{
class Form3;
}

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

  private:
    // The shared values and the forms themselves, held by value in the order of the references below,
    // which is the order they are created in; they go in the reverse order. Defined in Program.cpp.
    struct Parts;
    std::unique_ptr<Parts> m_parts;

  public:
    // Shared values, declared before the forms that read them.
    beam::BeamState& beam;
    SharedState& state;
    report::RecordState& record; // record kinds, notes answer, analysed loads of the data record
    columns::StudState& stud;    // results of the last stud wall check
    // The member tests the report's step buttons and fill call; a test may put stand-ins here.
    report::MemberTests& memberTests;
    steel::SteelState& steel;          // shape table, check setup and results of the steel path
    files::RecordBuffers& recordFiles; // the user record files' buffers and the shared file dialog
    scl::SCLValues& SCLValueTable;     // SCL design values of the run, from and for the SCL files

    Form1& form1;
    // Form1 as a plain window, for the forms that only show or hide it on the way back to the criteria:
    // they need none of its controls, so they need not include its header.
    platform::Form& form1Window;
    report::Form7& form7;
    Form13& form13;
    report::Form9& form9;   // load entry diagram
    report::Form16& form16; // hips and valleys diagram
    beam::Form4& form4;     // progress window of "OK Calculate"
    scl::Form2& form2;      // custom values and SCL
    wood::Form3& form3;     // wood beam selection
    steel::Form22& form22;  // steel beam selection
    report::Form5& form5;   // beam report
    report::Form6& form6;   // beam data record
    Form12& form12;         // manual
    Form15& form15;         // about box
    report::Form21& form21; // report notes
    Form25& form25;         // calculator

    // The notch check: its shared state outlives its forms.
    notch::NotchValues& notchValues;
    notch::FormNotchwise& formNotchwise;
    notch::NotchwisePrintForm& notchwisePrintForm;
    notch::StdSizesForm& stdSizesForm; // standard member sizes picker
    UrlLinkForm& urlLinkForm;          // hyperlink label host; nothing shows it
    // The data record's windows and the column records.
    report::Form11& form11;            // load location diagram
    report::Form17& form17;            // uniformly increasing load picture
    report::Form24& form24;            // printout font
    columns::Form18& form18;           // column criteria
    columns::Form19& form19;           // wood column data record
    columns::Form23& form23;           // steel column data record
    columns::Form28& form28;           // stud wall data record
    columns::ColumnState& columnState; // criteria and results of the column path
    columns::Form10& form10;           // steel column selection
    columns::Form20& form20;           // wood column selection
};

} // namespace app
