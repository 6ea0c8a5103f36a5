#pragma once
// Carries out the pages' calls on the main thread, in the order of the name table.

#include "browser/ScriptMessage.h"

namespace browser {

// What the pages' calls do to the display; the content frame provides it.
class ScriptActions {
 public:
  virtual ~ScriptActions() = default;
  virtual void StopAudio() = 0;
  virtual void SetContentInset(int full) = 0;
  virtual void ReportFileState(int index, int state) = 0;
};

// The actions every pane's calls reach; none until the content frame exists.
void SetScriptActions(ScriptActions* actions);

class CProcessMessageHandler {
 public:
  void OnProcessMessage(const ScriptMessage& message);
};

}  // namespace browser
