// Program start, and the forms and shared values the program owns.
#include "app/Program.h"

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
#include "columns/Form19.h"
#include "columns/Form20.h"
#include "columns/Form23.h"
#include "columns/Form28.h"
#include "columns/StudCheck.h"
#include "files/RecordFile.h"
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

// One block, so that the members are created in this order and go in the reverse one: a form
// registers with the runtime as it is created, and the order of registration is the order of the
// runtime's form list. While they are created the forms read nothing of the program but its
// runtime, which Program binds before it builds this block.
struct Program::Parts
{
    explicit Parts(Program& owner) : program(owner) {}

    Program& program;

    beam::BeamState beam;
    SharedState state{beam.flags};
    report::RecordState record;
    columns::StudState stud;
    report::MemberTests memberTests = report::programMemberTests();
    steel::SteelState steel;
    files::RecordBuffers recordFiles;
    scl::SCLValues SCLValueTable;

    Form1 form1{program};
    report::Form7 form7{program};
    Form13 form13{program};
    report::Form9 form9{program};
    report::Form16 form16{program};
    beam::Form4 form4{program};
    scl::Form2 form2{program};
    wood::Form3 form3{program};
    steel::Form22 form22{program};
    report::Form5 form5{program};
    report::Form6 form6{program};
    Form12 form12{program};
    Form15 form15{program};
    report::Form21 form21{program};
    Form25 form25{program};

    notch::NotchValues notchValues;
    notch::FormNotchwise formNotchwise{program};
    notch::NotchwisePrintForm notchwisePrintForm{program};
    notch::StdSizesForm stdSizesForm{program};
    UrlLinkForm urlLinkForm{program};
    report::Form11 form11{program};
    report::Form17 form17{program};
    report::Form24 form24{program};
    columns::Form18 form18{program};
    columns::Form19 form19{program};
    columns::Form23 form23{program};
    columns::Form28 form28{program};
    columns::ColumnState columnState;
    columns::Form10 form10{program};
    columns::Form20 form20{program};
};

Program::Program(platform::Runtime& programRuntime)
    : runtime(programRuntime), m_parts(std::make_unique<Parts>(*this)), beam(m_parts->beam),
      state(m_parts->state), record(m_parts->record), stud(m_parts->stud), memberTests(m_parts->memberTests),
      steel(m_parts->steel), recordFiles(m_parts->recordFiles), SCLValueTable(m_parts->SCLValueTable),
      form1(m_parts->form1), form1Window(m_parts->form1), form7(m_parts->form7), form13(m_parts->form13),
      form9(m_parts->form9), form16(m_parts->form16), form4(m_parts->form4), form2(m_parts->form2),
      form3(m_parts->form3), form22(m_parts->form22), form5(m_parts->form5), form6(m_parts->form6),
      form12(m_parts->form12), form15(m_parts->form15), form21(m_parts->form21), form25(m_parts->form25),
      notchValues(m_parts->notchValues), formNotchwise(m_parts->formNotchwise),
      notchwisePrintForm(m_parts->notchwisePrintForm), stdSizesForm(m_parts->stdSizesForm),
      urlLinkForm(m_parts->urlLinkForm), form11(m_parts->form11), form17(m_parts->form17),
      form24(m_parts->form24), form18(m_parts->form18), form19(m_parts->form19), form23(m_parts->form23),
      form28(m_parts->form28), columnState(m_parts->columnState), form10(m_parts->form10),
      form20(m_parts->form20)
{}

Program::~Program() = default;

void Program::start()
{
    state.SessionStart = runtime.clock().now().secondsOfDay();
    form1.show();
}

} // namespace app
