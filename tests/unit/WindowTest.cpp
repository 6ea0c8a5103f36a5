#include <gtest/gtest.h>

#include <thread>

#include "TestWindow.h"
#include "ui/Controls.h"
#include "ui/MainLoop.h"

namespace {

using form::HitArea;
using testing_support::TestWindow;

class WindowTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_window.Create(nullptr, "test", 0, 0)); }
  TestWindow m_window;
};

TEST_F(WindowTest, BuildsTheTreeAndFindsControlsByName) {
  EXPECT_EQ(m_window.Root()->Name(), "root");
  EXPECT_EQ(m_window.FindControl("title")->Text(), "标题");
  EXPECT_EQ(m_window.FindControl("btn_close")->ClassName(), "Button");
  EXPECT_EQ(m_window.FindControl("pane_left")->ClassName(), "CefWebKit");
  auto* combo = m_window.Find<ui::Combo>("cbo_building");
  ASSERT_NE(combo, nullptr);
  ASSERT_EQ(combo->Count(), 2);
  EXPECT_EQ(combo->Item(1)->UserData(), "4");
  EXPECT_EQ(m_window.FindControl("nothing"), nullptr);
  EXPECT_EQ(m_window.notifications.front(), "windowinit:");
}

TEST_F(WindowTest, AttributesDriveTheComputedLayout) {
  // 1600x900 window, inset 10 and child padding 5.
  EXPECT_EQ(m_window.FindControl("caption_bar")->GetPos(), (ui::Rect{10, 10, 1590, 50}));
  EXPECT_EQ(m_window.FindControl("btn_close")->GetPos(), (ui::Rect{1550, 10, 1590, 50}));
  EXPECT_EQ(m_window.FindControl("pages")->GetPos(), (ui::Rect{10, 55, 1590, 890}));
  EXPECT_EQ(m_window.FindControl("icon")->GetPos().Width(), 64);

  // The cell of a page that is not shown is laid out all the same, and follows its parent.
  EXPECT_EQ(m_window.FindControl("cell")->GetPos().Width(), 1580);
  EXPECT_EQ(m_window.FindControl("pane_left")->GetPos().Width(), 790);
  m_window.FindControl("pane_left")->SetFixedWidth(1053);
  m_window.UpdateLayout();
  EXPECT_EQ(m_window.FindControl("pane_right")->GetPos(), (ui::Rect{1063, 55, 1590, 890}));

  m_window.FindControl("root")->SetAttribute("inset", "0,0,0,72");
  m_window.FindControl("caption_bar")->SetAttribute("height", "60");
  m_window.ResizeClient(1000, 600);
  EXPECT_EQ(m_window.FindControl("caption_bar")->GetPos(), (ui::Rect{0, 0, 1000, 60}));
  EXPECT_EQ(m_window.FindControl("pages")->GetPos(), (ui::Rect{0, 65, 1000, 528}));

  m_window.FindControl("icon")->SetAttribute("bkimage", "1080/天气/雨.png");
  EXPECT_EQ(m_window.FindControl("icon")->BkImage(), "1080/天气/雨.png");
}

TEST_F(WindowTest, NotificationsCarryTheSendersName) {
  m_window.notifications.clear();
  m_window.Find<ui::Button>("btn_close")->Activate();
  m_window.Find<ui::Option>("opt_mute")->Selected(true);
  m_window.Find<ui::Combo>("cbo_building")->SelectItem(1);
  m_window.Find<ui::TabLayout>("pages")->SelectItem(1);
  m_window.FindControl("btn_close")->SetEnabled(false);
  m_window.Find<ui::Button>("btn_close")->Activate();  // a disabled button stays quiet
  EXPECT_EQ(m_window.notifications, (std::vector<std::string>{"click:btn_close", "selectchanged:opt_mute",
                                                              "itemselect:cbo_building", "tabselect:pages"}));
  EXPECT_TRUE(m_window.Find<ui::Option>("opt_mute")->IsSelected());
  EXPECT_EQ(m_window.Find<ui::Combo>("cbo_building")->Text(), "体育馆");
  EXPECT_FALSE(m_window.FindControl("page0")->IsShown());
  EXPECT_TRUE(m_window.FindControl("pane_left")->IsShown());
}

TEST_F(WindowTest, TimersFireOnTheMainThread) {
  m_window.messages.clear();
  m_window.SetTimer(7, 10);
  ui::PostToMainThread([] {});
  const auto fired = [&] {
    for (const auto& message : m_window.messages)
      if (message.id == ui::MessageId::kTimer && message.wParam == 7) return true;
    return false;
  };
  // The window's message handler runs wherever the timer fires; the loop only runs here.
  ui::RunMainThreadUntil(fired);
  EXPECT_TRUE(fired());
  m_window.KillTimer(7);
}

TEST_F(WindowTest, AModalRunReturnsItsCloseResult) {
  std::thread([this] { ui::PostToMainThread([this] { m_window.Close(2); }); }).join();
  EXPECT_EQ(m_window.ShowModal(), 2);
  EXPECT_FALSE(m_window.IsWindow());
  EXPECT_TRUE(m_window.finalMessage);
}

TEST_F(WindowTest, HitTestFindsSizingEdgesCaptionAndClient) {
  const struct {
    int x, y;
    HitArea area;
  } cases[] = {
      {1, 1, HitArea::kTopLeft},      {800, 2, HitArea::kTop},         {1598, 1, HitArea::kTopRight},
      {2, 400, HitArea::kLeft},       {1598, 400, HitArea::kRight},    {1, 898, HitArea::kBottomLeft},
      {800, 898, HitArea::kBottom},   {1598, 898, HitArea::kBottomRight},
      {300, 20, HitArea::kCaption},   // the title label in the caption band
      {1570, 20, HitArea::kClient},   // the close button in the caption band
      {300, 400, HitArea::kClient},
  };
  for (const auto& c : cases) EXPECT_EQ(m_window.NcHitTest(c.x, c.y), c.area) << c.x << "," << c.y;
}

}  // namespace
