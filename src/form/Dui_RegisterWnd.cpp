#include "form/Dui_RegisterWnd.h"

namespace form {

std::string Dui_RegisterWnd::LayoutFile() const {
  return ui::CurrentPainter().ScreenSize().cx > 1600 ? "Dui_RegisterWnd_1080.xml" : "Dui_RegisterWnd_756.xml";
}

}  // namespace form
