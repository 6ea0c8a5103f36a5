#pragma once
// The control classes a layout file may name, besides custom ones made by a window's factory hook.

#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class Label : public Control {
 public:
  explicit Label(std::string className = "Label") : Control(std::move(className)) {}
};

class Button : public Control {
 public:
  explicit Button(std::string className = "Button") : Control(std::move(className)) {}
  // A press: raises "click" when enabled, then selects the page its "switchtab" names.
  void Activate();
};

class Option : public Button {
 public:
  Option() : Button("Option") {}
  void SetAttribute(const std::string& name, const std::string& value) override;
  bool IsSelected() const { return m_selected; }
  // Raises "selectchanged" whether or not the state changes, as a press does.
  void Selected(bool selected);

 private:
  bool m_selected = false;
};

class Edit : public Control {
 public:
  explicit Edit(std::string className = "Edit") : Control(std::move(className)) {}
};

class Slider : public Control {
 public:
  Slider() : Control("Slider") {}
  void SetAttribute(const std::string& name, const std::string& value) override;
  int Value() const { return m_value; }
  void SetValue(int value);

 private:
  int m_value = 0;
};

// A combo box's entry: its text and a user data text.
class ListLabelElement : public Control {
 public:
  ListLabelElement() : Control("ListLabelElement") {}
  const std::string& UserData() const { return m_userData; }
  void SetUserData(std::string data) { m_userData = std::move(data); }

 private:
  std::string m_userData;
};

class Combo : public Control {
 public:
  Combo() : Control("Combo") {}
  int Count() const { return static_cast<int>(m_children.size()); }
  ListLabelElement* Item(int index) const;
  void AddItem(const std::string& text, const std::string& userData);
  void RemoveAll();
  int CurSel() const { return m_selected; }
  // Raises "itemselect" when the index names an item.
  bool SelectItem(int index);

 private:
  int m_selected = -1;
};

class Container : public Control {
 public:
  explicit Container(std::string className = "Container") : Control(std::move(className)) {}
  void SetAttribute(const std::string& name, const std::string& value) override;
  void SetPos(const Rect& rect) override;
  const Rect& Inset() const { return m_inset; }

 protected:
  // The area inside the inset.
  Rect Inner(const Rect& rect) const;
  static Rect Place(const Control& child, const Rect& area);
  int ChildPadding() const { return m_childPadding; }

 private:
  Rect m_inset;
  int m_childPadding = 0;
};

// Children one after another along an axis.
class BoxLayout : public Container {
 public:
  BoxLayout(std::string className, bool vertical) : Container(std::move(className)), m_vertical(vertical) {}
  void SetPos(const Rect& rect) override;

 private:
  bool m_vertical;
};

class VerticalLayout : public BoxLayout {
 public:
  VerticalLayout() : BoxLayout("VerticalLayout", true) {}
};

class HorizontalLayout : public BoxLayout {
 public:
  HorizontalLayout() : BoxLayout("HorizontalLayout", false) {}
};

class TabLayout : public Container {
 public:
  TabLayout() : Container("TabLayout") {}
  void SetAttribute(const std::string& name, const std::string& value) override;
  bool ShowsChild(const Control* child) const override;
  int CurSel() const { return m_selected; }
  // Raises "tabselect" when the index names a page.
  bool SelectItem(int index);

 private:
  int m_selected = 0;
};

}  // namespace ui
