#pragma once
// The full-screen enrolment window; its layout follows the screen's width.

#include "form/CDuiDialog.h"

namespace form {

class Dui_RegisterWnd : public CDuiDialog {
 public:
  Dui_RegisterWnd() : CDuiDialog("RegisterWnd", "Dui_RegisterWnd_1080.xml") {}
  std::string LayoutFile() const override;
};

}  // namespace form
