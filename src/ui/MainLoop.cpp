#include "ui/MainLoop.h"

#include <glib.h>
#include <glog/logging.h>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace ui {
namespace {

struct LoopState {
  std::mutex lock;
  std::thread::id mainThread;
  std::deque<std::function<void()>> tasks;
  bool drainScheduled = false;
  GMainLoop* loop = nullptr;
  bool quitRequested = false;
  bool loopEnded = false;
  int exitCode = 0;
};

LoopState& State() {
  static LoopState state;
  return state;
}

void RunTask(const std::function<void()>& task) {
  try {
    task();
  } catch (const std::exception& e) {
    LOG(ERROR) << "主线程任务异常:" << e.what();
  } catch (...) {
    LOG(ERROR) << "主线程任务未知异常";
  }
}

// One idle callback drains everything queued so far; a task posted while it
// runs schedules the next drain, so the order of posting is kept.
gboolean DrainTasks(gpointer) {
  std::deque<std::function<void()>> batch;
  {
    std::lock_guard<std::mutex> guard(State().lock);
    batch.swap(State().tasks);
    State().drainScheduled = false;
  }
  for (const auto& task : batch) RunTask(task);
  return G_SOURCE_REMOVE;
}

}  // namespace

void BindMainThread() {
  std::lock_guard<std::mutex> guard(State().lock);
  State().mainThread = std::this_thread::get_id();
}

bool OnMainThread() {
  std::lock_guard<std::mutex> guard(State().lock);
  return State().mainThread == std::this_thread::get_id();
}

void PostToMainThread(std::function<void()> task) {
  std::lock_guard<std::mutex> guard(State().lock);
  State().tasks.push_back(std::move(task));
  if (!State().drainScheduled) {
    State().drainScheduled = true;
    g_idle_add_full(G_PRIORITY_DEFAULT, &DrainTasks, nullptr, nullptr);
  }
}

bool SendToMainThread(const std::function<void()>& task) {
  if (OnMainThread()) {
    RunTask(task);
    return true;
  }
  struct Completion {
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
  };
  auto completion = std::make_shared<Completion>();
  PostToMainThread([task, completion] {
    RunTask(task);
    std::lock_guard<std::mutex> guard(completion->lock);
    completion->finished = true;
    completion->done.notify_all();
  });
  std::unique_lock<std::mutex> guard(completion->lock);
  while (!completion->done.wait_for(guard, std::chrono::milliseconds(100), [&] { return completion->finished; })) {
    std::lock_guard<std::mutex> stateGuard(State().lock);
    if (State().loopEnded) {
      LOG(ERROR) << "主线程消息循环已结束，丢弃跨线程调用";
      return false;
    }
  }
  return true;
}

void RunMainThreadUntil(const std::function<bool()>& done) {
  CHECK(OnMainThread()) << "only the main thread runs main-thread work";
  while (!done()) {
    if (!g_main_context_iteration(nullptr, FALSE)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

int RunMainLoop() {
  CHECK(OnMainThread()) << "the main loop runs on the main thread only";
  GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
  {
    std::lock_guard<std::mutex> guard(State().lock);
    if (State().quitRequested) {
      State().quitRequested = false;
      g_main_loop_unref(loop);
      return State().exitCode;
    }
    State().loop = loop;
    State().loopEnded = false;
  }
  g_main_loop_run(loop);
  std::lock_guard<std::mutex> guard(State().lock);
  State().loop = nullptr;
  State().loopEnded = true;
  State().quitRequested = false;
  g_main_loop_unref(loop);
  return State().exitCode;
}

void QuitMainLoop(int exitCode) {
  std::lock_guard<std::mutex> guard(State().lock);
  State().exitCode = exitCode;
  if (State().loop) g_main_loop_quit(State().loop);
  else State().quitRequested = true;
}

}  // namespace ui
