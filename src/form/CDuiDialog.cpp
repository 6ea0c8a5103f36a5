#include "form/CDuiDialog.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace form {
namespace {

bool IsInputClass(std::string className) {
  std::transform(className.begin(), className.end(), className.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  className += "ui";
  static const std::array<const char*, 5> kInputs = {"buttonui", "optionui", "sliderui", "editui", "richeditui"};
  return std::find(kInputs.begin(), kInputs.end(), className) != kInputs.end();
}

}  // namespace

HitArea CDuiDialog::NcHitTest(int x, int y) const {
  const ui::Rect client = ClientRect();
  const ui::Rect& box = Layout().sizeBox;
  if (!IsMaximized()) {
    if (y < client.top + box.top) {
      if (x < client.left + box.left) return HitArea::kTopLeft;
      if (x > client.right - box.right) return HitArea::kTopRight;
      return HitArea::kTop;
    }
    if (y > client.bottom - box.bottom) {
      if (x < client.left + box.left) return HitArea::kBottomLeft;
      if (x > client.right - box.right) return HitArea::kBottomRight;
      return HitArea::kBottom;
    }
    if (x < client.left + box.left) return HitArea::kLeft;
    if (x > client.right - box.right) return HitArea::kRight;
  }
  const ui::Rect& caption = Layout().caption;
  const ui::Rect band{client.left + caption.left, client.top + caption.top, client.right - caption.right,
                      caption.bottom};
  if (band.Contains(x, y) && Root()) {
    const ui::Control* under = Root()->FindAt(x, y);
    if (under && !IsInputClass(under->ClassName())) return HitArea::kCaption;
  }
  return HitArea::kClient;
}

void CDuiDialog::Notify(const ui::Notification& notification) {
  if (notification.type == "windowinit") OnWindowInit();
}

}  // namespace form
