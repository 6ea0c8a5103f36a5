#include "ui/Window.h"

#include <glog/logging.h>

#include <vector>

#include "ui/MainLoop.h"

namespace ui {
namespace {

std::vector<MessageFilter>& Filters() {
  static std::vector<MessageFilter> filters;
  return filters;
}

std::string& Resources() {
  static std::string folder;
  return folder;
}

struct TimerTarget {
  Window* window;
  int id;
};

}  // namespace

void AddMessageFilter(MessageFilter filter) { Filters().push_back(std::move(filter)); }
void SetResourceFolder(const std::string& folder) { Resources() = folder; }
const std::string& ResourceFolder() { return Resources(); }

Window::Window(std::string className, std::string layoutFile)
    : m_className(std::move(className)), m_layoutFile(std::move(layoutFile)) {}

Window::~Window() {
  *m_alive = false;
  for (const auto& timer : m_timers) g_source_remove(timer.second);
}

bool Window::Create(Window* owner, const std::string& title, uint32_t style, uint32_t, Rect rect) {
  CHECK(OnMainThread()) << "windows are created on the main thread";
  m_layout = BuildLayout(ResourceFolder() + LayoutFile(),
                         [this](const std::string& className) { return CreateControl(className); });
  if (!m_layout.root) return false;
  m_title = title;
  m_style = style;
  m_rect = rect.Width() > 0 && rect.Height() > 0 ? rect : Rect{0, 0, m_layout.size.cx, m_layout.size.cy};
  m_layout.root->SetWindow(this);
  m_native = CurrentPainter().CreateNative(*this, owner);
  m_native->SetGeometry(m_rect);
  UpdateLayout();
  InitWindow();
  // Controls join their window (browser panes create their views) once the whole tree exists, in tree order.
  std::function<void(Control&)> initialise = [&initialise](Control& control) {
    control.DoInit();
    for (const auto& child : control.Children()) initialise(*child);
  };
  initialise(*m_layout.root);
  SendNotify("windowinit", nullptr);
  return true;
}

void Window::ShowWindow(bool show) {
  if (!m_native) return;
  m_shown = show;
  if (show) m_minimized = false;
  m_native->SetVisible(show);
  Dispatch({MessageId::kShowWindow, show ? 1 : 0, 0});
  Invalidate();
}

void Window::MoveWindow(const Rect& screenRect) {
  if (!m_native) return;
  const bool resized = screenRect.Width() != m_rect.Width() || screenRect.Height() != m_rect.Height();
  m_rect = screenRect;
  m_native->SetGeometry(m_rect);
  if (resized) UpdateLayout();
  Dispatch({MessageId::kMove, 0, 0});
}

void Window::ResizeClient(int width, int height) {
  MoveWindow({m_rect.left, m_rect.top, m_rect.left + width, m_rect.top + height});
}

void Window::CenterWindow() {
  const Size screen = CurrentPainter().ScreenSize();
  const int left = (screen.cx - m_rect.Width()) / 2;
  const int top = (screen.cy - m_rect.Height()) / 2;
  MoveWindow({left, top, left + m_rect.Width(), top + m_rect.Height()});
}

void Window::Minimize() {
  if (!m_native) return;
  m_minimized = true;
  m_native->SetMinimized(true);
}

void Window::Restore() {
  if (!m_native) return;
  m_minimized = false;
  m_native->SetMinimized(false);
}

void Window::Close(int result) {
  if (!m_native) return;
  m_result = result;
  if (m_modalLoop) {
    g_main_loop_quit(m_modalLoop);  // ShowModal finishes the close
    return;
  }
  DestroyNative();
  OnFinalMessage();
}

int Window::ShowModal() {
  CHECK(OnMainThread()) << "modal runs belong to the main thread";
  GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
  m_modalLoop = loop;
  ShowWindow(true);
  g_main_loop_run(loop);
  g_main_loop_unref(loop);
  m_modalLoop = nullptr;
  const int result = m_result;
  DestroyNative();
  OnFinalMessage();
  return result;
}

void Window::DestroyNative() {
  for (const auto& timer : m_timers) g_source_remove(timer.second);
  m_timers.clear();
  m_shown = false;
  m_native.reset();
}

gboolean Window::OnTimer(gpointer data) {
  const auto* target = static_cast<TimerTarget*>(data);
  target->window->Dispatch({MessageId::kTimer, target->id, 0});
  return G_SOURCE_CONTINUE;
}

void Window::SetTimer(int id, int milliseconds) {
  KillTimer(id);
  auto* target = new TimerTarget{this, id};
  m_timers[id] = g_timeout_add_full(G_PRIORITY_DEFAULT, static_cast<guint>(milliseconds), &Window::OnTimer, target,
                                    [](gpointer data) { delete static_cast<TimerTarget*>(data); });
}

void Window::KillTimer(int id) {
  const auto timer = m_timers.find(id);
  if (timer == m_timers.end()) return;
  g_source_remove(timer->second);
  m_timers.erase(timer);
}

Control* Window::FindControl(const std::string& name) const {
  return m_layout.root ? m_layout.root->FindByName(name) : nullptr;
}

void Window::UpdateLayout() {
  m_updateScheduled = false;
  if (!m_layout.root) return;
  m_layout.root->SetPos(ClientRect());
  if (m_native) m_native->Sync();
}

void Window::Invalidate() {
  if (m_updateScheduled || !m_native) return;
  m_updateScheduled = true;
  PostToMainThread([this, alive = std::weak_ptr<bool>(m_alive)] {
    if (alive.lock()) UpdateLayout();
  });
}

void Window::SendNotify(const std::string& type, Control* sender) {
  Notify({type, sender ? sender->Name() : std::string(), sender});
}

bool Window::Dispatch(const WindowMessage& message) {
  for (const auto& filter : Filters())
    if (filter(*this, message)) return true;
  return HandleMessage(message);
}

}  // namespace ui
