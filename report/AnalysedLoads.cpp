// The criteria form's load boxes as texts, for the data record's loads block.
#include "app/Form1.h"
#include "report/RecordState.h"

namespace report
{

AnalysedLoads loadBoxTexts(app::Form1& f)
{
    AnalysedLoads l;
    l.UNIF = f.UNIF.text();
    l.LUNIF = f.LUNIF.text();
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<std::size_t>(i);
        l.PT[k] = f.PT(i).text();
        l.LPT[k] = f.LPT(i).text();
        l.DIS[k] = f.DIS(i).text();
    }
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        l.PAR[k] = f.PAR(i).text();
        l.LPAR[k] = f.LPAR(i).text();
        l.BEGP[k] = f.BEGP(i).text();
        l.ENDP[k] = f.ENDP(i).text();
    }
    l.IncUnifTL = f.IncUnifTL.text();
    l.IncUnifLL = f.IncUnifLL.text();
    return l;
}

} // namespace report
