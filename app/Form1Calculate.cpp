// Form1's "OK Calculate": the criteria as they stand go to the load analysis, which checks them,
// analyses the loads and hands the beam to the selection form of its material.
#include "app/BeamCriteriaSnapshot.h"
#include "app/Form1.h"
#include "app/OkCalculateForms.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "beam/OkCalculate.h"

namespace app
{

void Form1::CmdOK_Click()
{
    beam::BeamCriteria criteria = readBeamCriteria(m_program);
    OkCalculateForms forms{m_program};
    beam::OkCalculate(criteria, m_program.beam, forms);
}

} // namespace app
