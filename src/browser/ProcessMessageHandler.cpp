#include "browser/ProcessMessageHandler.h"

#include <glog/logging.h>

#include <atomic>

#include "ui/MainLoop.h"

namespace browser {
namespace {

std::atomic<ScriptActions*> g_actions{nullptr};

}  // namespace

void SetScriptActions(ScriptActions* actions) { g_actions = actions; }

void CProcessMessageHandler::OnProcessMessage(const ScriptMessage& message) {
  CHECK(ui::OnMainThread()) << "script calls are carried out on the main thread";
  ScriptActions* actions = g_actions;
  const std::string& name = message.name;
  if (name == "StopAudioEvent") {
    if (actions) actions->StopAudio();
  } else if (name == "StopMovieEvent" || name == "SendpdfInfo" || name == "FinishPdfDisplay") {
    // The pages may call them; the terminal has nothing to do for them.
  } else if (name == "WriteLog") {
    LOG(INFO) << message.TextArg(0) << ":" << message.IntArg(1);
  } else if (name == "ResustContentArea") {
    if (actions) actions->SetContentInset(message.IntArg(0));
  } else if (name == "FileStateNotify") {
    if (actions) actions->ReportFileState(message.IntArg(0), message.IntArg(1));
  }
}

}  // namespace browser
