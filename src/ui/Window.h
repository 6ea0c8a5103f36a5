#pragma once
// A window built from a layout file in the resource folder: named controls,
// notifications with the sender's name, window messages, timers and modal runs.
// Every operation belongs to the main thread.

#include <glib.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/Control.h"
#include "ui/LayoutBuilder.h"
#include "ui/Painter.h"

namespace ui {

struct Notification {
  std::string type;    // "windowinit", "click", "selectchanged", "tabselect", "itemselect"
  std::string sender;  // the control's name; empty for the window itself
  Control* control = nullptr;
};

enum class MessageId { kMove, kShowWindow, kTimer, kGetMinMaxInfo, kTrayCallback };

struct WindowMessage {
  MessageId id;
  int64_t wParam = 0;  // kShowWindow: 1 shown, 0 hidden; kTimer: the timer id
  int64_t lParam = 0;
};

// Sees every window message before its window; true consumes it.
using MessageFilter = std::function<bool(class Window&, const WindowMessage&)>;
void AddMessageFilter(MessageFilter filter);

// Where layout files and their images are looked up ("<program folder>/skin/").
void SetResourceFolder(const std::string& folder);
const std::string& ResourceFolder();

class Window {
 public:
  Window(std::string className, std::string layoutFile);
  virtual ~Window();

  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& ClassName() const { return m_className; }
  // Asked each time the window is created, so a window may choose by screen size.
  virtual std::string LayoutFile() const { return m_layoutFile; }
  void SetLayoutFile(std::string file) { m_layoutFile = std::move(file); }

  // Builds the control tree and the native window, hidden. An empty rectangle
  // takes the layout's size at the origin. False when the layout cannot be built.
  bool Create(Window* owner, const std::string& title, uint32_t style, uint32_t exStyle, Rect rect = {});
  bool IsWindow() const { return m_native != nullptr; }
  const std::string& Title() const { return m_title; }
  uint32_t Style() const { return m_style; }

  void ShowWindow(bool show = true);
  bool IsShown() const { return m_shown; }
  void MoveWindow(const Rect& screenRect);
  void ResizeClient(int width, int height);
  const Rect& GetWindowRect() const { return m_rect; }
  Rect ClientRect() const { return {0, 0, m_rect.Width(), m_rect.Height()}; }
  void CenterWindow();
  void Minimize();
  void Restore();
  bool IsMinimized() const { return m_minimized; }
  bool IsMaximized() const { return m_maximized; }

  // Destroys the native window with a result (a modal run returns it), then
  // calls OnFinalMessage, which may delete the object.
  void Close(int result = 0);
  // Shows the window and runs the main thread's work until Close; returns its result.
  int ShowModal();

  void SetTimer(int id, int milliseconds);
  void KillTimer(int id);

  Control* FindControl(const std::string& name) const;
  template <typename T>
  T* Find(const std::string& name) const {
    return dynamic_cast<T*>(FindControl(name));
  }
  Control* Root() const { return m_layout.root.get(); }
  const WindowLayout& Layout() const { return m_layout; }

  // Computes every control's rectangle now; changes otherwise take effect on the next turn of the loop.
  void UpdateLayout();
  void Invalidate();

  void SendNotify(const std::string& type, Control* sender);
  // A window message from the painter or the program: filters first, then HandleMessage.
  bool Dispatch(const WindowMessage& message);

  NativeWindow* Native() const { return m_native.get(); }

 protected:
  virtual void Notify(const Notification&) {}
  // True when the message was handled.
  virtual bool HandleMessage(const WindowMessage&) { return false; }
  // The layout's custom classes ("CefWebKit").
  virtual std::unique_ptr<Control> CreateControl(const std::string&) { return nullptr; }
  // Once the window and its layout exist, before "windowinit".
  virtual void InitWindow() {}
  // After the native window is gone; may delete this object.
  virtual void OnFinalMessage() {}

 private:
  static gboolean OnTimer(gpointer data);
  void DestroyNative();

  std::string m_className;
  std::string m_layoutFile;
  std::string m_title;
  uint32_t m_style = 0;
  WindowLayout m_layout;
  std::unique_ptr<NativeWindow> m_native;
  Rect m_rect;
  bool m_shown = false;
  bool m_minimized = false;
  bool m_maximized = false;
  bool m_updateScheduled = false;
  GMainLoop* m_modalLoop = nullptr;
  int m_result = 0;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
  std::map<int, guint> m_timers;
};

}  // namespace ui
