// The splash window: shown once, closed by its timer or by the first press, which it swallows.
#include "UiTestSupport.h"
#include "resources/Art.h"
#include "ui/SplashWnd.h"

namespace glintwick::test {
namespace {

class SplashTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        CSplashWnd::EnableSplash(true);
        CSplashWnd::ShowSplash(frame, SplashBitmap());
    }
    void TearDown() override {
        CSplashWnd::HideSplash();
        CSplashWnd::EnableSplash(false);
        FrameTest::TearDown();
    }
    // Sends an event to a window the way the event loop delivers it; true if it got through.
    template <typename Event>
    bool Deliver(wxWindow* target, const wxEventTypeTag<Event>& type) {
        bool reached = false;
        auto mark = [&](Event& event) {
            reached = true;
            event.Skip();
        };
        target->Bind(type, mark);
        Event event(type);
        event.SetEventObject(target);
        target->GetEventHandler()->ProcessEvent(event);
        target->Unbind(type, mark);
        return reached;
    }
};

TEST_F(SplashTest, ShowsThePictureCentredOnceAndASecondShowChangesNothing) {
    CSplashWnd* splash = CSplashWnd::Current();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->IsShown());
    EXPECT_EQ(splash->GetClientSize(), wxSize(381, 282));
    CSplashWnd::ShowSplash(frame, SplashBitmap());
    EXPECT_EQ(CSplashWnd::Current(), splash);
}

TEST_F(SplashTest, FirstClickClosesItAndIsSwallowedTheNextGetsThrough) {
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(Deliver(view->AddNewButton(), wxEVT_MOTION)) << "moving the mouse passes";
    EXPECT_TRUE(Deliver(view->AddNewButton(), wxEVT_LEFT_UP)) << "a release passes";
    EXPECT_NE(CSplashWnd::Current(), nullptr);
    EXPECT_FALSE(Deliver(view->EffectsList(), wxEVT_LEFT_DOWN));
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(Deliver(view->EffectsList(), wxEVT_LEFT_DOWN));
}

TEST_F(SplashTest, AKeyPressClosesItAndIsSwallowed) {
    EXPECT_FALSE(Deliver(view->CountEdit(), wxEVT_KEY_DOWN));
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(Deliver(view->CountEdit(), wxEVT_KEY_DOWN));
}

TEST_F(SplashTest, ClosesByItselfAfterOneSecond) {
    const auto start = wxGetLocalTimeMillis();
    while (CSplashWnd::Current() && wxGetLocalTimeMillis() - start < 3000) Flush();
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_GE(wxGetLocalTimeMillis() - start, 900);
}

TEST_F(SplashTest, MissingPictureMeansNoSplash) {
    CSplashWnd::HideSplash();
    CSplashWnd::ShowSplash(frame, wxNullBitmap);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
}

}  // namespace
}  // namespace glintwick::test
