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

void BoxLayout::SetPos(const Rect& rect) {
  Control::SetPos(rect);
  const Rect area = Inner(rect);
  const auto flow = InFlow(m_children);
  // Along the axis: fixed sizes first, the rest shared by the flexible children.
  const auto length = [this](const Control& child) { return m_vertical ? child.FixedHeight() : child.FixedWidth(); };
  const auto before = [this](const Rect& pad) { return m_vertical ? pad.top : pad.left; };
  const auto after = [this](const Rect& pad) { return m_vertical ? pad.bottom : pad.right; };
  int fixed = 0, flexible = 0;
  for (Control* child : flow) {
    fixed += before(child->Padding()) + after(child->Padding());
    if (length(*child) > 0) fixed += length(*child);
    else ++flexible;
  }
  if (!flow.empty()) fixed += ChildPadding() * static_cast<int>(flow.size() - 1);
  const int available = m_vertical ? area.Height() : area.Width();
  const int share = flexible > 0 ? std::max(0, available - fixed) / flexible : 0;
  int at = m_vertical ? area.top : area.left;
  for (Control* child : flow) {
    const Rect& pad = child->Padding();
    const int start = at + before(pad);
    const int end = start + (length(*child) > 0 ? length(*child) : share);
    Rect placed = m_vertical ? Rect{area.left + pad.left, start, area.right - pad.right, end}
                             : Rect{start, area.top + pad.top, end, area.bottom - pad.bottom};
    // Across the axis a fixed size anchors at the start.
    if (m_vertical && child->FixedWidth() > 0) placed.right = placed.left + child->FixedWidth();
    if (!m_vertical && child->FixedHeight() > 0) placed.bottom = placed.top + child->FixedHeight();
    child->SetPos(placed);
    at = end + after(pad) + ChildPadding();
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
