#include "browser/BrowserPane.h"

#include <gtest/gtest.h>

#include <thread>

#include "LogCapture.h"
#include "RecordingActions.h"
#include "TestWindow.h"
#include "browser/FakeEngine.h"
#include "ui/Controls.h"
#include "ui/MainLoop.h"

namespace {

using browser::CCefBrowserUI;
using browser::FakeEngine;
using browser::FakeWebView;
using testing_support::LogCapture;
using testing_support::RecordingActions;
using testing_support::TestWindow;


class BrowserPaneTest : public testing::Test {
 protected:
  void SetUp() override {
    auto engine = std::make_unique<FakeEngine>();
    m_engine = engine.get();
    browser::SetEngine(std::move(engine));
    m_window = std::make_unique<TestWindow>();
    ASSERT_TRUE(m_window->Create(nullptr, "panes", 0, 0));
    m_left = m_window->Find<CCefBrowserUI>("pane_left");
    ASSERT_EQ(m_engine->Views().size(), 2u);
    m_leftView = m_engine->Views()[0];
  }
  void TearDown() override { browser::SetScriptActions(nullptr); }

  // Runs the main thread's work until the pane has its browser and nothing is left to do.
  void Settle() {
    ui::RunMainThreadUntil([&] { return m_left->HasBrowser(); });
    bool drained = false;
    ui::PostToMainThread([&] { drained = true; });
    ui::RunMainThreadUntil([&] { return drained; });
  }

  std::vector<std::string> PageCalls() const {
    std::vector<std::string> calls;
    for (const auto& call : m_leftView->Calls())
      if (call != "load about:blank") calls.push_back(call);
    return calls;
  }

  FakeEngine* m_engine = nullptr;
  std::unique_ptr<TestWindow> m_window;
  CCefBrowserUI* m_left = nullptr;
  FakeWebView* m_leftView = nullptr;
};

TEST_F(BrowserPaneTest, CallsBeforeTheBrowserExistsTakeEffectInOrderAfterTheFirstLoad) {
  LogCapture log;
  EXPECT_FALSE(m_left->HasBrowser());
  m_left->LoadURL("http://127.0.0.1/editor/clock.html");
  m_left->ExecuteJavaScript("pauseBgsound();");
  m_left->LoadURL("about:blank");
  EXPECT_EQ(m_leftView->Calls(), std::vector<std::string>{"load about:blank"});
  Settle();
  EXPECT_EQ(m_leftView->Calls(), (std::vector<std::string>{"load about:blank", "load http://127.0.0.1/editor/clock.html",
                                                          "script pauseBgsound();", "load about:blank"}));
  EXPECT_EQ(log.Count("[pane_left] 加载:http://127.0.0.1/editor/clock.html"), 1);
  EXPECT_EQ(log.Count("[pane_left] 执行脚本:pauseBgsound();"), 1);

  // Those loads end too: the browser stays, nothing is replayed.
  const size_t before = m_leftView->Calls().size();
  Settle();
  m_left->SetBrowser();
  EXPECT_EQ(m_leftView->Calls().size(), before);
}

TEST_F(BrowserPaneTest, CallsFromAnotherThreadKeepTheirOrderWithMainThreadCalls) {
  Settle();
  std::thread network([this] {
    for (int i = 0; i < 50; ++i) m_left->LoadURL("http://net/" + std::to_string(i));
  });
  network.join();
  m_left->ExecuteJavaScript("resume()");  // made after all of them
  Settle();
  const auto calls = PageCalls();
  ASSERT_EQ(calls.size(), 51u);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(calls[static_cast<size_t>(i)], "load http://net/" + std::to_string(i));
  EXPECT_EQ(calls.back(), "script resume()");
}

TEST_F(BrowserPaneTest, ThePaneFollowsItsControlAndItsPage) {
  Settle();
  m_window->Find<ui::TabLayout>("pages")->SelectItem(1);
  m_window->FindControl("pane_left")->SetFixedWidth(1053);
  m_window->UpdateLayout();
  Settle();
  EXPECT_TRUE(m_leftView->Visible());
  EXPECT_EQ(m_leftView->PlacedAt(), (ui::Rect{10, 55, 1063, 890}));
  m_window->Find<ui::TabLayout>("pages")->SelectItem(0);
  m_window->UpdateLayout();
  Settle();
  EXPECT_FALSE(m_leftView->Visible());
}

TEST_F(BrowserPaneTest, PageCallsReachTheActionsAndStopWithThePane) {
  RecordingActions actions;
  browser::SetScriptActions(&actions);
  LogCapture log;
  Settle();
  using browser::ScriptMessage;
  const ScriptMessage messages[] = {
      {"StopAudioEvent", {}},
      {"StopMovieEvent", {}},
      {"SendpdfInfo", {3, 4}},
      {"FinishPdfDisplay", {}},
      {"WriteLog", {std::string("页面已加载"), 7}},
      {"WriteLog", {12, 3}},
      {"ResustContentArea", {1}},
      {"ResustContentArea", {std::string("1")}},
      {"ResustContentArea", {}},
      {"FileStateNotify", {2, 1}},
      {"NoSuchFunction", {1}},
  };
  for (const auto& message : messages) m_leftView->ReceiveScriptMessage(message);
  Settle();
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"StopAudio", "SetContentInset 1", "SetContentInset 0",
                                                     "SetContentInset 0", "ReportFileState 2 1"}));
  EXPECT_EQ(log.Count("页面已加载:7"), 1);
  EXPECT_EQ(log.CountAt(google::GLOG_INFO, ":3"), 1);

  // A call that arrives after the pane is gone is dropped.
  actions.calls.clear();
  FakeWebView* view = m_leftView;
  auto message = messages[0];
  std::function<void()> lateCall = [view, message] { view->ReceiveScriptMessage(message); };
  lateCall();  // queued for the main thread...
  m_window.reset();  // ...and the pane goes first
  bool drained = false;
  ui::PostToMainThread([&] { drained = true; });
  ui::RunMainThreadUntil([&] { return drained; });
  EXPECT_TRUE(actions.calls.empty());
}

TEST(ScriptMessage, ReadsThePagesConvertedArguments) {
  browser::ScriptMessage message;
  ASSERT_TRUE(browser::ParseScriptMessage(
      R"({"name":"WriteLog","args":[{"t":"s","v":"文本"},{"t":"i","v":1},{"t":"d","v":1.5},{"t":"b","v":true},{"t":"x"}]})",
      message));
  EXPECT_EQ(message.name, "WriteLog");
  ASSERT_EQ(message.args.size(), 5u);
  EXPECT_EQ(message.TextArg(0), "文本");
  EXPECT_EQ(message.IntArg(1), 1);
  EXPECT_EQ(std::get<double>(message.args[2]), 1.5);
  EXPECT_EQ(std::get<bool>(message.args[3]), true);
  EXPECT_EQ(message.TextArg(4), "");
  EXPECT_EQ(message.IntArg(0), 0);   // text read as a number
  EXPECT_EQ(message.IntArg(2), 0);   // a fraction is not an integer
  EXPECT_EQ(message.TextArg(1), "");
  EXPECT_EQ(message.IntArg(9), 0);   // missing
  for (const char* bad : {"", "[]", R"({"name":1,"args":[]})", R"({"name":"x"})"})
    EXPECT_FALSE(browser::ParseScriptMessage(bad, message)) << bad;
}

}  // namespace
