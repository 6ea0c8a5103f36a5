#pragma once
// The base of every window of the display: its layout file, the hit test that
// makes the caption band drag the window, and the "windowinit" hook.

#include <string>

#include "ui/Window.h"

namespace form {

enum class HitArea { kClient, kCaption, kLeft, kRight, kTop, kTopLeft, kTopRight, kBottom, kBottomLeft, kBottomRight };

class CDuiDialog : public ui::Window {
 public:
  CDuiDialog(std::string className, std::string layoutFile)
      : ui::Window(std::move(className), std::move(layoutFile)) {}

  // The point in client coordinates: a sizing area within the layout's size-box
  // margins (unless maximised), the caption over the caption band unless an
  // input control lies there, else the client area.
  HitArea NcHitTest(int x, int y) const;

 protected:
  void Notify(const ui::Notification& notification) override;
  virtual void OnWindowInit() {}
};

}  // namespace form
