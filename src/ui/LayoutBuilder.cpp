#include "ui/LayoutBuilder.h"

#include <glog/logging.h>
#include <tinyxml2.h>

#include "ui/Controls.h"

namespace ui {
namespace {

std::unique_ptr<Control> MakeControl(const std::string& className, const ControlFactory& factory) {
  if (className == "Control") return std::make_unique<Control>();
  if (className == "Label" || className == "Text") return std::make_unique<Label>(className);
  if (className == "Button") return std::make_unique<Button>();
  if (className == "Option") return std::make_unique<Option>();
  if (className == "Edit" || className == "RichEdit") return std::make_unique<Edit>(className);
  if (className == "Slider") return std::make_unique<Slider>();
  if (className == "Combo") return std::make_unique<Combo>();
  if (className == "ListLabelElement") return std::make_unique<ListLabelElement>();
  if (className == "Container") return std::make_unique<Container>();
  if (className == "VerticalLayout") return std::make_unique<VerticalLayout>();
  if (className == "HorizontalLayout") return std::make_unique<HorizontalLayout>();
  if (className == "TabLayout") return std::make_unique<TabLayout>();
  return factory ? factory(className) : nullptr;
}

std::unique_ptr<Control> BuildControl(const tinyxml2::XMLElement& element, const ControlFactory& factory,
                                      const std::string& path) {
  auto control = MakeControl(element.Name(), factory);
  if (!control) {
    LOG(ERROR) << "布局文件" << path << "中有未知控件类:" << element.Name();
    return nullptr;
  }
  for (const auto* attribute = element.FirstAttribute(); attribute; attribute = attribute->Next()) {
    if (std::string(attribute->Name()) == "userdata") {
      if (auto* item = dynamic_cast<ListLabelElement*>(control.get())) item->SetUserData(attribute->Value());
    }
    control->SetAttribute(attribute->Name(), attribute->Value());
  }
  for (const auto* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
    if (auto built = BuildControl(*child, factory, path)) control->Add(std::move(built));
  return control;
}

}  // namespace

WindowLayout BuildLayout(const std::string& path, const ControlFactory& factory) {
  WindowLayout layout;
  tinyxml2::XMLDocument document;
  if (document.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) {
    LOG(ERROR) << "无法读取布局文件:" << path << " " << document.ErrorStr();
    return layout;
  }
  const tinyxml2::XMLElement* window = document.FirstChildElement("Window");
  const tinyxml2::XMLElement* first = window ? window->FirstChildElement() : nullptr;
  if (!first) {
    LOG(ERROR) << "布局文件没有窗口内容:" << path;
    return layout;
  }
  if (const char* size = window->Attribute("size")) layout.size = ParseSize(size);
  if (const char* caption = window->Attribute("caption")) layout.caption = ParseRect(caption);
  if (const char* sizeBox = window->Attribute("sizebox")) layout.sizeBox = ParseRect(sizeBox);
  layout.root = BuildControl(*first, factory, path);
  return layout;
}

}  // namespace ui
