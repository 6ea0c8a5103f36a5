#include "core/GlobalApp.h"
#include "shell/TerminalStartup.h"
#include "ui/MainLoop.h"

namespace {

// Before the entry point, in every process started from this program file:
// the application object (working folders, settings), then the main thread's
// binding. Static destruction at a normal end removes the day's temporary folder.
struct StaticStart {
  StaticStart() {
    core::GlobalApp::Instance();
    ui::BindMainThread();
  }
} g_staticStart;

}  // namespace

int main(int argc, char** argv) { return shell::RunTerminal(argc, argv); }
