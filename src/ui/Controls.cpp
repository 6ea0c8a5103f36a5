#include "ui/Controls.h"

#include <algorithm>
#include <cstdlib>

#include "ui/Window.h"

namespace ui {
namespace {

void Raise(Control& control, const char* type) {
  if (Window* window = control.GetWindow()) window->SendNotify(type, &control);
}

// Children that take space in a box: visible, not floating.
std::vector<Control*> InFlow(const std::vector<std::unique_ptr<Control>>& children) {
  std::vector<Control*> flow;
  for (const auto& child : children)
    if (child->IsVisible() && !child->IsFloat()) flow.push_back(child.get());
  return flow;
}

void PlaceFloating(const std::vector<std::unique_ptr<Control>>& children, const Rect& parent) {
  for (const auto& child : children) {
    if (!child->IsFloat()) continue;
    const Rect& pos = child->FloatPos();
    child->SetPos({parent.left + pos.left, parent.top + pos.top, parent.left + pos.right, parent.top + pos.bottom});
  }
}

}  // namespace

void Button::Activate() {
  if (!IsEnabled()) return;
  Raise(*this, "click");
  // "switchtab" binds a button to a page of a tab layout: "<tab layout name>:<index>".
  const std::string target = Attribute("switchtab");
  const auto colon = target.find(':');
  if (colon == std::string::npos || !GetWindow()) return;
  if (auto* tab = GetWindow()->Find<TabLayout>(target.substr(0, colon)))
    tab->SelectItem(std::atoi(target.c_str() + colon + 1));
}

void Option::SetAttribute(const std::string& name, const std::string& value) {
  if (name == "selected") m_selected = value == "true";
  Button::SetAttribute(name, value);
}

void Option::Selected(bool selected) {
  m_selected = selected;
  NeedUpdate();
  Raise(*this, "selectchanged");
}

void Slider::SetAttribute(const std::string& name, const std::string& value) {
  if (name == "value") m_value = std::atoi(value.c_str());
  Control::SetAttribute(name, value);
}

void Slider::SetValue(int value) {
  m_value = value;
  NeedUpdate();
}

ListLabelElement* Combo::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return static_cast<ListLabelElement*>(m_children[static_cast<size_t>(index)].get());
}

void Combo::AddItem(const std::string& text, const std::string& userData) {
  auto item = std::make_unique<ListLabelElement>();
  item->SetText(text);
  item->SetUserData(userData);
  Add(std::move(item));
}

void Combo::RemoveAll() {
  m_children.clear();
  m_selected = -1;
  NeedUpdate();
}

bool Combo::SelectItem(int index) {
  if (index < 0 || index >= Count()) return false;
  m_selected = index;
  SetText(Item(index)->Text());
  Raise(*this, "itemselect");
  return true;
}

void Container::SetAttribute(const std::string& name, const std::string& value) {
  if (name == "inset") m_inset = ParseRect(value);
  else if (name == "childpadding") m_childPadding = std::atoi(value.c_str());
  Control::SetAttribute(name, value);
}

Rect Container::Inner(const Rect& rect) const {
  return {rect.left + m_inset.left, rect.top + m_inset.top, rect.right - m_inset.right,
          rect.bottom - m_inset.bottom};
}

Rect Container::Place(const Control& child, const Rect& area) {
  const Rect& pad = child.Padding();
  Rect placed{area.left + pad.left, area.top + pad.top, area.right - pad.right, area.bottom - pad.bottom};
  if (child.FixedWidth() > 0) placed.right = placed.left + child.FixedWidth();
  if (child.FixedHeight() > 0) placed.bottom = placed.top + child.FixedHeight();
  return placed;
}

void Container::SetPos(const Rect& rect) {
  Control::SetPos(rect);
  const Rect area = Inner(rect);
  for (Control* child : InFlow(m_children)) child->SetPos(Place(*child, area));
  PlaceFloating(m_children, rect);
}

void VerticalLayout::SetPos(const Rect& rect) {
  Control::SetPos(rect);
  const Rect area = Inner(rect);
  const auto flow = InFlow(m_children);
  int fixed = 0, flexible = 0;
  for (Control* child : flow) {
    fixed += child->Padding().top + child->Padding().bottom;
    if (child->FixedHeight() > 0) fixed += child->FixedHeight();
    else ++flexible;
  }
  if (!flow.empty()) fixed += ChildPadding() * static_cast<int>(flow.size() - 1);
  const int share = flexible > 0 ? std::max(0, area.Height() - fixed) / flexible : 0;
  int y = area.top;
  for (Control* child : flow) {
    const int height = child->FixedHeight() > 0 ? child->FixedHeight() : share;
    const Rect& pad = child->Padding();
    Rect placed{area.left + pad.left, y + pad.top, area.right - pad.right, y + pad.top + height};
    if (child->FixedWidth() > 0) placed.right = placed.left + child->FixedWidth();
    child->SetPos(placed);
    y = placed.bottom + pad.bottom + ChildPadding();
  }
  PlaceFloating(m_children, rect);
}

void HorizontalLayout::SetPos(const Rect& rect) {
  Control::SetPos(rect);
  const Rect area = Inner(rect);
  const auto flow = InFlow(m_children);
  int fixed = 0, flexible = 0;
  for (Control* child : flow) {
    fixed += child->Padding().left + child->Padding().right;
    if (child->FixedWidth() > 0) fixed += child->FixedWidth();
    else ++flexible;
  }
  if (!flow.empty()) fixed += ChildPadding() * static_cast<int>(flow.size() - 1);
  const int share = flexible > 0 ? std::max(0, area.Width() - fixed) / flexible : 0;
  int x = area.left;
  for (Control* child : flow) {
    const int width = child->FixedWidth() > 0 ? child->FixedWidth() : share;
    const Rect& pad = child->Padding();
    Rect placed{x + pad.left, area.top + pad.top, x + pad.left + width, area.bottom - pad.bottom};
    if (child->FixedHeight() > 0) placed.bottom = placed.top + child->FixedHeight();
    child->SetPos(placed);
    x = placed.right + pad.right + ChildPadding();
  }
  PlaceFloating(m_children, rect);
}

void TabLayout::SetAttribute(const std::string& name, const std::string& value) {
  if (name == "selectedid") m_selected = std::atoi(value.c_str());
  Container::SetAttribute(name, value);
}

bool TabLayout::ShowsChild(const Control* child) const {
  return m_selected >= 0 && static_cast<size_t>(m_selected) < m_children.size() &&
         m_children[static_cast<size_t>(m_selected)].get() == child;
}

bool TabLayout::SelectItem(int index) {
  if (index < 0 || static_cast<size_t>(index) >= m_children.size()) return false;
  m_selected = index;
  NeedUpdate();
  Raise(*this, "tabselect");
  return true;
}

}  // namespace ui
