#pragma once
// A window of the test layout that records what reaches it.

#include <string>
#include <vector>

#include "browser/BrowserPane.h"
#include "form/CDuiDialog.h"
#include "ui/Window.h"

namespace testing_support {

class TestWindow : public form::CDuiDialog {
 public:
  TestWindow() : form::CDuiDialog("TestWindow", "test_window.xml") {
    ui::SetResourceFolder(std::string(VIREO_TEST_LAYOUTS) + "/");
  }

  std::vector<std::string> notifications;  // "type:sender"
  std::vector<ui::WindowMessage> messages;
  bool finalMessage = false;

 protected:
  void Notify(const ui::Notification& notification) override {
    notifications.push_back(notification.type + ":" + notification.sender);
  }
  bool HandleMessage(const ui::WindowMessage& message) override {
    messages.push_back(message);
    return true;
  }
  std::unique_ptr<ui::Control> CreateControl(const std::string& className) override {
    if (className == "CefWebKit") return std::make_unique<browser::CCefBrowserUI>();
    return nullptr;
  }
  void OnFinalMessage() override { finalMessage = true; }
};

}  // namespace testing_support
