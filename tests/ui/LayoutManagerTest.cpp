// The layout manager's rule arithmetic on real windows.
#include <wx/frame.h>
#include <wx/panel.h>

#include "UiTestSupport.h"
#include "ui/LayoutManager.h"

namespace glintwick::test {
namespace {

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "layout");
        parent = new wxPanel(frame, wxID_ANY, wxPoint(0, 0), wxSize(400, 300));
        for (int rule = 0; rule < 8; ++rule)
            children[rule] =
                new wxPanel(parent, 100 + rule, wxPoint(20 + rule, 30), wxSize(50, 40));
        layout.Init(parent);
        for (int rule = 0; rule < 8; ++rule)
            EXPECT_TRUE(layout.SetRuleById(100 + rule, rule, rule));
    }
    void TearDown() override { frame->Destroy(); }
    void ResizeParent(int width, int height) {
        parent->SetSize(width, height);
        layout.Resize();
    }

    wxFrame* frame = nullptr;
    wxPanel* parent = nullptr;
    wxPanel* children[8] = {};
    CLayoutManager layout;
};

TEST_F(LayoutTest, GrowingWiderAppliesEachRule) {
    ResizeParent(500, 300);
    auto x = [&](int rule) { return children[rule]->GetRect(); };
    EXPECT_EQ(x(6), wxRect(26, 30, 150, 40)) << "stretch";
    EXPECT_EQ(x(7), wxRect(27, 30, 150, 40)) << "7 is the same as 6";
    EXPECT_EQ(x(5), wxRect(125, 30, 50, 40)) << "follow the far edge";
    EXPECT_EQ(x(3), wxRect(23, 30, 50, 40)) << "fixed";
    EXPECT_EQ(x(0), wxRect(25, 30, 87 - 25, 40)) << "proportional: 20*1.25, 70*1.25 truncated";
    EXPECT_EQ(x(1), wxRect(26, 30, 50, 40)) << "moves proportionally, keeps its size";
    EXPECT_EQ(x(2), wxRect(22, 30, 90 - 22, 40)) << "near kept, far scaled";
    EXPECT_EQ(x(4), wxRect(30, 30, 174 - 30, 40)) << "near scaled, far follows";
}

TEST_F(LayoutTest, GrowingAndShrinkingBackRestoresTheRecordExactly) {
    std::vector<wxRect> before;
    for (auto* child : children) before.push_back(child->GetRect());
    ResizeParent(457, 333);
    ResizeParent(400, 300);
    for (int rule = 0; rule < 8; ++rule) EXPECT_EQ(children[rule]->GetRect(), before[rule]) << rule;
}

TEST_F(LayoutTest, UnrecordedWindowsAndMissingParentsAreLeftAlone) {
    auto* late = new wxPanel(parent, 999, wxPoint(1, 2), wxSize(3, 4));
    EXPECT_FALSE(layout.SetRule(late, 6, 6));
    EXPECT_FALSE(layout.SetRuleById(12345, 6, 6));
    ResizeParent(600, 500);
    EXPECT_EQ(late->GetRect(), wxRect(1, 2, 3, 4));
    CLayoutManager empty;
    empty.Resize();  // before any Init: nothing happens
    empty.Init(nullptr);
    EXPECT_TRUE(empty.Entries().empty());
}

}  // namespace
}  // namespace glintwick::test
