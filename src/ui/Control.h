#pragma once
// A control of a window's tree, built from a layout file. The model is the
// truth: painters mirror it, and its rectangle is computed the same with or
// without a display.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Geometry.h"

namespace ui {

class Window;

class Control {
 public:
  explicit Control(std::string className = "Control") : m_className(std::move(className)) {}
  virtual ~Control() = default;

  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& ClassName() const { return m_className; }
  const std::string& Name() const { return m_name; }

  // Every attribute from text, as a layout file gives it. Unknown ones are kept as they are.
  virtual void SetAttribute(const std::string& name, const std::string& value);
  std::string Attribute(const std::string& name) const;

  const std::string& Text() const { return m_text; }
  virtual void SetText(const std::string& text);
  std::string BkImage() const { return Attribute("bkimage"); }

  bool IsVisible() const { return m_visible; }
  // Visible itself and inside visible parents (and the selected page of a tab layout).
  bool IsShown() const;
  virtual void SetVisible(bool visible);
  bool IsEnabled() const { return m_enabled; }
  void SetEnabled(bool enabled);

  int FixedWidth() const { return m_fixedWidth; }
  int FixedHeight() const { return m_fixedHeight; }
  void SetFixedWidth(int width);
  void SetFixedHeight(int height);
  const Rect& Padding() const { return m_padding; }
  bool IsFloat() const { return m_float; }
  const Rect& FloatPos() const { return m_floatPos; }

  // The rectangle in window client coordinates, as the layout computed it.
  const Rect& GetPos() const { return m_pos; }
  virtual void SetPos(const Rect& rect);

  // Called once the window and its whole tree exist.
  virtual void DoInit() {}

  Control* Parent() const { return m_parent; }
  Window* GetWindow() const { return m_window; }
  void SetWindow(Window* window);

  // Containers only; a plain control has no children.
  virtual void Add(std::unique_ptr<Control> child);
  const std::vector<std::unique_ptr<Control>>& Children() const { return m_children; }
  Control* FindByName(const std::string& name);
  Control* FindAt(int x, int y);
  // Whether a child shows at all: a tab layout shows its selected page only.
  virtual bool ShowsChild(const Control*) const { return true; }

 protected:
  // Asks the window to compute the layout again and its painter to mirror it.
  void NeedUpdate();

  std::vector<std::unique_ptr<Control>> m_children;

 private:
  std::string m_className;
  std::string m_name;
  std::string m_text;
  std::map<std::string, std::string> m_attributes;
  bool m_visible = true;
  bool m_enabled = true;
  bool m_float = false;
  int m_fixedWidth = 0;
  int m_fixedHeight = 0;
  Rect m_padding;
  Rect m_floatPos;
  Rect m_pos;
  Control* m_parent = nullptr;
  Window* m_window = nullptr;
};

}  // namespace ui
