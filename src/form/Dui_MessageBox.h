#pragma once
// The modal message to the operator. Nobody can click a headless terminal: there
// the box logs its texts and closes itself with result 1.

#include <string>

#include "form/CDuiDialog.h"

namespace form {

class Dui_MessageBox : public CDuiDialog {
 public:
  Dui_MessageBox(std::string message, std::string secondText, int iconKind);

  // From any thread: shows the box over `owner` and waits until it is closed; 1 (ok) or 2 (close).
  static int Show(ui::Window* owner, const std::string& message, const std::string& secondText = "",
                  int iconKind = 0);

 protected:
  void InitWindow() override;
  void Notify(const ui::Notification& notification) override;

 private:
  std::string m_message;
  std::string m_secondText;
  int m_iconKind;
};

}  // namespace form
