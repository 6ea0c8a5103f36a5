#pragma once
// The main thread's GLib loop and the bridge that carries work to it from any thread.

#include <functional>

namespace ui {

// Makes the calling thread the main thread. Called once, during static
// initialisation of the program (or at the start of a test), before any other
// thread exists.
void BindMainThread();
bool OnMainThread();

// Queues a task for the main thread; tasks run in the order they were posted.
void PostToMainThread(std::function<void()> task);

// Runs `task` on the main thread and waits for it: at once on the main thread,
// else in posting order. False when it was dropped because the main loop has
// ended (logged), so a sender never waits for a loop that will not run again.
bool SendToMainThread(const std::function<void()>& task);

// On the main thread: runs main-thread work until `done` holds, so a wait for
// another thread cannot deadlock with that thread's sends to the main thread.
void RunMainThreadUntil(const std::function<bool()>& done);

// Runs the loop on the main thread until QuitMainLoop; returns its exit code.
int RunMainLoop();
// From any thread. A quit asked before the loop runs ends the next run at once.
void QuitMainLoop(int exitCode);

}  // namespace ui
