#pragma once
// The information bar along the bottom of the display: the device's name, the
// server's clock and date, the weather.

#include "core/Records.h"
#include "dal/ManagementApi.h"
#include "form/CDuiDialog.h"

namespace form {

class Dui_TopBar : public CDuiDialog {
 public:
  Dui_TopBar(ui::Window& owner, dal::ManagementApi& api, dal::SiteAddressSource& site);
  ~Dui_TopBar() override;

  // From any thread.
  void SetClientName(const core::DeviceInfo& device);
  // From any thread: the request runs on the caller's thread, the labels change on the main thread.
  void UpdateWeather();
  void UpdateClock();

  static constexpr int kClockTimer = 1;
  static constexpr int kWeatherTimer = 2;

 protected:
  void InitWindow() override;
  bool HandleMessage(const ui::WindowMessage& message) override;

 private:
  ui::Window& m_owner;
  dal::ManagementApi& m_api;
  dal::SiteAddressSource& m_site;
};

}  // namespace form
