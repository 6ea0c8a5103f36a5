#include "ui/Control.h"

#include <cstdlib>

#include "ui/Window.h"

namespace ui {

void Control::SetAttribute(const std::string& name, const std::string& value) {
  m_attributes[name] = value;
  if (name == "name") m_name = value;
  else if (name == "text") SetText(value);
  else if (name == "visible") SetVisible(value == "true");
  else if (name == "enabled") SetEnabled(value == "true");
  else if (name == "width") SetFixedWidth(std::atoi(value.c_str()));
  else if (name == "height") SetFixedHeight(std::atoi(value.c_str()));
  else if (name == "padding") m_padding = ParseRect(value);
  else if (name == "float") m_float = value == "true";
  else if (name == "pos") m_floatPos = ParseRect(value);
  NeedUpdate();
}

std::string Control::Attribute(const std::string& name) const {
  const auto found = m_attributes.find(name);
  return found == m_attributes.end() ? std::string() : found->second;
}

void Control::SetText(const std::string& text) {
  m_text = text;
  m_attributes["text"] = text;
  NeedUpdate();
}

bool Control::IsShown() const {
  for (const Control* control = this; control; control = control->m_parent) {
    if (!control->m_visible) return false;
    if (control->m_parent && !control->m_parent->ShowsChild(control)) return false;
  }
  return true;
}

void Control::SetVisible(bool visible) {
  m_visible = visible;
  NeedUpdate();
}

void Control::SetEnabled(bool enabled) {
  m_enabled = enabled;
  NeedUpdate();
}

void Control::SetFixedWidth(int width) {
  m_fixedWidth = width;
  NeedUpdate();
}

void Control::SetFixedHeight(int height) {
  m_fixedHeight = height;
  NeedUpdate();
}

void Control::SetPos(const Rect& rect) { m_pos = rect; }

void Control::SetWindow(Window* window) {
  m_window = window;
  for (auto& child : m_children) child->SetWindow(window);
}

void Control::Add(std::unique_ptr<Control> child) {
  child->m_parent = this;
  child->SetWindow(m_window);
  m_children.push_back(std::move(child));
  NeedUpdate();
}

Control* Control::FindByName(const std::string& name) {
  if (m_name == name) return this;
  for (auto& child : m_children)
    if (Control* found = child->FindByName(name)) return found;
  return nullptr;
}

Control* Control::FindAt(int x, int y) {
  if (!IsShown() || !m_pos.Contains(x, y)) return nullptr;
  // The last child drawn is on top.
  for (auto child = m_children.rbegin(); child != m_children.rend(); ++child)
    if (Control* found = (*child)->FindAt(x, y)) return found;
  return this;
}

void Control::NeedUpdate() {
  if (m_window) m_window->Invalidate();
}

}  // namespace ui
