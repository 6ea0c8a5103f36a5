#include "form/Dui_MessageBox.h"

#include <glog/logging.h>

#include "form/OnMainThread.h"

namespace form {

Dui_MessageBox::Dui_MessageBox(std::string message, std::string secondText, int iconKind)
    : CDuiDialog("Dui_MessageBox", "Dui_MessageBox.xml"),
      m_message(std::move(message)),
      m_secondText(std::move(secondText)),
      m_iconKind(iconKind) {}

void Dui_MessageBox::InitWindow() {
  FindControl("lbl_tip_text")->SetText(m_message);
  FindControl("lbl_asis_text")->SetText(m_secondText);
  if (m_iconKind == 0) FindControl("lbl_tip_pic")->SetAttribute("bkimage", "1080/退出登录提示/图标（大）---操作确认.png");
  else if (m_iconKind == 1) FindControl("lbl_tip_pic")->SetAttribute("bkimage", "1080/退出登录提示/图标（大）---操作提示.png");
}

void Dui_MessageBox::Notify(const ui::Notification& notification) {
  CDuiDialog::Notify(notification);
  if (notification.type != "click") return;
  if (notification.sender == "btn_ok") Close(1);
  else if (notification.sender == "btn_close") Close(2);
}

int Dui_MessageBox::Show(ui::Window* owner, const std::string& message, const std::string& secondText,
                         int iconKind) {
  int result = 1;
  OnMain([&] {
    Dui_MessageBox box(message, secondText, iconKind);
    if (!box.Create(owner, "提示", 0, 0)) return;
    if (ui::CurrentPainter().Headless()) {
      LOG(INFO) << "提示:" << message << " " << secondText;
      box.Close(1);
      return;
    }
    box.CenterWindow();
    result = box.ShowModal();
  });
  return result;
}

}  // namespace form
