// StdSizesForm's load, list choices, Insert and Cancel.
#include "notch/StdSizesForm.h"

#include "app/Program.h"
#include "notch/FormNotchwise.h"
#include "notch/NotchTables.h"

namespace notch
{

namespace
{
constexpr int NarrowBreadths = 3; // 2x, 3x and 4x lose 3/4 in. of depth from 8 in. to 16 in.

template <std::size_t N> void fill(platform::ComboBox& list, const std::array<SizeEntry, N>& entries)
{
    list.clear();
    for (const SizeEntry& entry : entries) {
        list.addItem(entry.entry);
    }
}

template <std::size_t N> std::string net(const std::array<SizeEntry, N>& entries, int index)
{
    if (index < 0 || index >= static_cast<int>(N)) {
        return {};
    }
    return std::string(entries[static_cast<std::size_t>(index)].net);
}
} // namespace

StdSizesForm::StdSizesForm(app::Program& program) : Form(program.runtime, "StdSizesForm"), m_program(program)
{}

void StdSizesForm::Form_Load()
{
    switch (m_program.formNotchwise.MemberListBox.listIndex()) {
    case 0:
        SSFrame.setVisible(true);
        GLBFrame.setVisible(false);
        fill(BreadthSSList, StandardSizeLists::SawnBreadths);
        BreadthSSList.setListIndex(0);
        DepthSSList.clear();
        for (const SawnDepthEntry& entry : StandardSizeLists::SawnDepths) {
            DepthSSList.addItem(entry.entry);
        }
        DepthSSList.setListIndex(3);
        break;
    case 2:
        SSFrame.setVisible(false);
        GLBFrame.setVisible(true);
        WesternGLBOption.setValue(true);
        fillGluLamLists();
        BreadthGLBList.setListIndex(1);
        DepthGLBList.setListIndex(2);
        break;
    default:
        break;
    }
}

void StdSizesForm::BreadthSSList_Click()
{
    NetBreadthLabel.setCaption(net(StandardSizeLists::SawnBreadths, BreadthSSList.listIndex()));
    // A new breadth asks for the depth again: its net depth depends on the breadth.
    NetDepthLabel.setCaption("");
    DepthSSList.setListIndex(-1);
}

void StdSizesForm::DepthSSList_Click()
{
    const int index = DepthSSList.listIndex();
    if (index < 0) {
        return;
    }
    const SawnDepthEntry& entry = StandardSizeLists::SawnDepths[static_cast<std::size_t>(index)];
    const int breadth = BreadthSSList.listIndex();
    NetDepthLabel.setCaption(breadth >= 0 && breadth < NarrowBreadths ? entry.netNarrow : entry.netWide);
}

void StdSizesForm::BreadthGLBList_Click()
{
    const int index = BreadthGLBList.listIndex();
    NetGLBBreadth.setCaption(WesternGLBOption.value() ? net(StandardSizeLists::WesternBreadths, index)
                                                      : net(StandardSizeLists::SouthernBreadths, index));
}

void StdSizesForm::DepthGLBList_Click()
{
    const int index = DepthGLBList.listIndex();
    NetGLBDepth.setCaption(WesternGLBOption.value() ? net(StandardSizeLists::WesternDepths, index)
                                                    : net(StandardSizeLists::SouthernDepths, index));
}

void StdSizesForm::fillGluLamLists()
{
    NetGLBBreadth.setCaption("");
    NetGLBDepth.setCaption("");
    if (WesternGLBOption.value()) {
        fill(BreadthGLBList, StandardSizeLists::WesternBreadths);
        fill(DepthGLBList, StandardSizeLists::WesternDepths);
    } else {
        fill(BreadthGLBList, StandardSizeLists::SouthernBreadths);
        fill(DepthGLBList, StandardSizeLists::SouthernDepths);
    }
}

void StdSizesForm::WesternGLBOption_Click()
{
    fillGluLamLists();
}

void StdSizesForm::SoPineGLBOption_Click()
{
    fillGluLamLists();
}

// Each box gets the focus before its text, so that its change handling sees it as the active control.
// No trap: a box that cannot take the focus (a round member chosen meanwhile) ends the Insert with the
// runtime's error message, and nothing is written.
void StdSizesForm::insertSizes(const std::string& breadth, const std::string& depth)
{
    FormNotchwise& f = m_program.formNotchwise;
    f.breadthtextbox.setFocus();
    f.breadthtextbox.setText(breadth);
    f.depthtextbox.setFocus();
    f.depthtextbox.setText(depth);
    hide();
    unload();
}

void StdSizesForm::Command1_Click()
{
    insertSizes(NetBreadthLabel.caption(), NetDepthLabel.caption());
}

void StdSizesForm::Command2_Click()
{
    hide();
    unload();
}

void StdSizesForm::Command3_Click()
{
    insertSizes(NetGLBBreadth.caption(), NetGLBDepth.caption());
}

void StdSizesForm::Command4_Click()
{
    Command2_Click();
}

} // namespace notch
