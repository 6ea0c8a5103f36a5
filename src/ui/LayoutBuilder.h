#pragma once
// Builds a window's control tree from an XML layout file:
//   <Window size="1920,1080" caption="0,0,0,40" sizebox="4,4,4,4">
//     <VerticalLayout bkcolor="#FF0A2540"> <Label name="title" text="..."/> ... </VerticalLayout>
//   </Window>
// Every attribute of an element is given to its control as text.

#include <functional>
#include <memory>
#include <string>

#include "ui/Control.h"

namespace ui {

struct WindowLayout {
  std::unique_ptr<Control> root;
  Size size;
  Rect caption;  // the caption band: top, and the height in its bottom number
  Rect sizeBox;  // sizing margins
};

// Makes a control for a class name the framework does not know; nullptr for none.
using ControlFactory = std::function<std::unique_ptr<Control>(const std::string& className)>;

// The layout, or nullptr root when the file is missing or not a layout (the reason is logged).
WindowLayout BuildLayout(const std::string& path, const ControlFactory& factory);

}  // namespace ui
