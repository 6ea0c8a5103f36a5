#include "shell/QuitSignals.h"

#include <glib-unix.h>
#include <glog/logging.h>

#include <csignal>

#include "ui/MainLoop.h"

namespace shell {
namespace {

gboolean OnStopSignal(gpointer signalNumber) {
  LOG(INFO) << "收到退出信号" << GPOINTER_TO_INT(signalNumber) << "，程序正常退出";
  ui::QuitMainLoop(0);
  return G_SOURCE_CONTINUE;
}

}  // namespace

void QuitOnStopSignals() {
  for (const int signalNumber : {SIGTERM, SIGINT})
    g_unix_signal_add(signalNumber, &OnStopSignal, GINT_TO_POINTER(signalNumber));
}

}  // namespace shell
