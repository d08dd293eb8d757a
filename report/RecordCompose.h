// The sections of the beam data record, each composed from the criteria form, the report form and
// the shared results into Form6's labels. The activation runs them in the record's order; a run-time
// failure in any of them ends the composition (Form6.cpp).
#pragma once

#include <string>
#include <string_view>

namespace app
{
class Program;
class Form1;
struct SharedState;
} // namespace app

namespace beam
{
struct BeamState;
}

namespace platform
{
class TextBox;
}

namespace report
{

class Form6;
struct RecordState;

struct RecordContext
{
    app::Program& program;
    Form6& form;
    app::Form1& form1;
    beam::BeamState& beam;
    app::SharedState& state;
    RecordState& record;

    explicit RecordContext(app::Program& program);

    void set(std::string_view label, std::string_view caption);
    void show(std::string_view label, bool visible);
    std::string caption(std::string_view label);
    bool steel() const;
    bool overhang();
};

// A number box read as the program reads loads: its leading number, empty reads 0.
double boxNumber(const std::string& text);

// A deflection as the x of L/x: "L / 360", "L / >1000", "L / < -1000" ("L / < 1000" for a failing
// live-load check).
std::string ratioText(float ratio, bool failingLiveLoad = false);
// A quotient as a whole percentage, "107%"; error 11 on a zero divisor.
std::string percentText(double numerator, double denominator);

// Header, selection and conditions lines; the lateral support labels; the report heading labels.
void ComposeHeaderLines(RecordContext& c);
void ComposeLateralSupport(RecordContext& c);
void ComposeHeadingLabels(RecordContext& c);
// The attributes grid with the adjusted shear value, and the data box's live-load reactions, live-load
// deflection rows and overhang deflection rows in between.
void ComposeAttributes(RecordContext& c);
// The two bending values; then the rest of the values and adjustments.
void ComposeBendingValues(RecordContext& c);
void ComposeValues(RecordContext& c);
// The rest of the data box, the foot line and the bearing and camber row.
void ComposeDataBlock(RecordContext& c);
void ComposeLoads(RecordContext& c);

} // namespace report
