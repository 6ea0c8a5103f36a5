#include "form/Dui_TopBar.h"

#include <glog/logging.h>

#include "form/OnMainThread.h"
#include "form/TopBarTexts.h"

namespace form {
namespace {

constexpr int kClockInterval = 1000;
constexpr int kWeatherInterval = 600000;
constexpr int kBarHeight = 72;

}  // namespace

Dui_TopBar::Dui_TopBar(ui::Window& owner, dal::ManagementApi& api, dal::SiteAddressSource& site)
    : CDuiDialog("DuiTopBar", "Dui_TopBar_1080.xml"), m_owner(owner), m_api(api), m_site(site) {}

Dui_TopBar::~Dui_TopBar() { LOG(INFO) << "关闭顶部工具栏"; }

void Dui_TopBar::InitWindow() { UpdateClock(); }

void Dui_TopBar::SetClientName(const core::DeviceInfo& device) {
  OnMain([&] { FindControl("contentframe_1080_lbl_client_name")->SetText(device.DeviceName); });
}

void Dui_TopBar::UpdateClock() {
  // The first answer only tells whether the server answers; the second is shown.
  if (!m_api.GetServerTime().empty()) {
    if (const auto texts = ClockTextsFor(m_api.GetServerTime())) {
      FindControl("contentframe_1080_lbl_time_min")->SetText(texts->time);
      FindControl("contentframe_1080_lbl_time_day")->SetText(texts->day);
    }
  }
  SetTimer(kClockTimer, kClockInterval);
}

void Dui_TopBar::UpdateWeather() {
  dal::WeatherInfo weather;
  const bool requested = !m_site.GetSiteAddr().empty();
  if (requested) {
    try {
      m_api.GetWeather(weather);
    } catch (const std::exception& e) {
      LOG(ERROR) << "GetWeather异常:" << e.what();
    }
  }
  OnMain([&] {
    if (requested) {
      FindControl("contentframe_1080_ctrl_weather_icon")->SetAttribute("bkimage", WeatherIconFor(weather.Condition));
      FindControl("contentframe_1080_lbl_weather_text")->SetText(WeatherText(weather));
    }
    SetTimer(kWeatherTimer, kWeatherInterval);
  });
}

bool Dui_TopBar::HandleMessage(const ui::WindowMessage& message) {
  if (message.id == ui::MessageId::kShowWindow) {
    if (message.wParam) {
      const ui::Rect& owner = m_owner.GetWindowRect();
      MoveWindow({owner.left, owner.bottom - kBarHeight, owner.right, owner.bottom});
    }
    return true;
  }
  if (message.id == ui::MessageId::kTimer) {
    if (message.wParam == kClockTimer) UpdateClock();
    else if (message.wParam == kWeatherTimer) UpdateWeather();
    return true;
  }
  return false;
}

}  // namespace form
