#include "runtime/FormTimer.h"
#include "runtime/FormWindow.h"
#include "runtime/MessageLoop.h"

#include <gtest/gtest.h>

using namespace runtime;

namespace {

// A form whose timer runs onTick once, soon after it is loaded.
std::shared_ptr<FormWindow> FormThatSoon(std::function<void(FormWindow&)> onTick, LoadOptions options = {}) {
    FormTemplate form{.x = 0, .y = 0, .width = 160, .height = 90, .title = "loop",
                      .timers = {{.name = "soon", .interval = 10}}};
    return FormWindow::Load(form,
                            {.timer =
                                 [onTick = std::move(onTick)](FormWindow& f, FormTimer& t) {
                                     t.Interval(0);
                                     onTick(f);
                                 }},
                            options);
}

}  // namespace

TEST(MessageLoop, EndsWithCode0WhenTheLastFormIsClosed) {
    ASSERT_EQ(FormWindow::LiveCount(), 0);
    // What the close button sends.
    const auto close = [](FormWindow& f) { PostMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); };
    auto first = FormThatSoon(close);
    bool firstGoneBeforeLast = false;
    auto last = FormThatSoon([&](FormWindow& f) {
        firstGoneBeforeLast = !first->Alive();
        close(f);
    });
    last->Timer("soon")->Interval(150);

    EXPECT_EQ(MessageLoop::Run(), 0);
    EXPECT_TRUE(firstGoneBeforeLast);
    EXPECT_FALSE(last->Alive());
    EXPECT_EQ(FormWindow::LiveCount(), 0);
}

TEST(MessageLoop, EndDestroysEveryFormAndReturnsItsCode) {
    auto other = FormThatSoon([](FormWindow&) {});
    auto ender = FormThatSoon([](FormWindow&) { MessageLoop::End(7); });
    EXPECT_EQ(MessageLoop::Run(), 7);
    EXPECT_FALSE(other->Alive());
    EXPECT_FALSE(ender->Alive());
    EXPECT_EQ(FormWindow::LiveCount(), 0);
}

TEST(MessageLoop, EndFromInsideAModalFormEndsBothLoops) {
    std::shared_ptr<FormWindow> modal;
    bool loadReturned = false;
    auto owner = FormThatSoon([&](FormWindow& f) {
        modal = FormThatSoon([](FormWindow&) { MessageLoop::End(3); }, {.owner = f.Handle(), .modal = true});
        loadReturned = true;
    });
    EXPECT_EQ(MessageLoop::Run(), 3);
    EXPECT_TRUE(loadReturned);
    EXPECT_FALSE(owner->Alive());
    EXPECT_FALSE(modal->Alive());
}

TEST(MessageLoop, QuitMessageEndsTheLoopWithItsCode) {
    auto form = FormThatSoon([](FormWindow&) { PostQuitMessage(5); });
    EXPECT_EQ(MessageLoop::Run(), 5);
    EXPECT_TRUE(form->Alive());
    form->Destroy();
}

TEST(MessageLoop, ReturnsAtOnceWithoutForms) {
    ASSERT_EQ(FormWindow::LiveCount(), 0);
    EXPECT_EQ(MessageLoop::Run(), 0);
}
