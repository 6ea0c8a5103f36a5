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

// Runs the loop on the main thread until QuitMainLoop; returns its exit code.
int RunMainLoop();
// From any thread. A quit asked before the loop runs ends the next run at once.
void QuitMainLoop(int exitCode);

}  // namespace ui
