#pragma once
// What the display windows need of the application object.

#include <string>

#include "core/Records.h"

namespace ui {
class Window;
}

namespace form {

class ContentFrameHost {
 public:
  virtual ~ContentFrameHost() = default;
  virtual bool IsMuted() const = 0;
  // "FullScreen" of the settings: 0 places the information bar under the frame.
  virtual int FullScreenSetting() const = 0;
  virtual std::string GetSiteAddr() = 0;
  // From any thread.
  virtual void SendBoardcastStatuToServer(const core::StatusReport& report) = 0;
  // When the alarm ends: live video, the next job or the clock, as things now stand.
  virtual void RestartJob() = 0;
  virtual ui::Window* TopBarWindow() = 0;
  virtual ui::Window* RegisterWindow() = 0;
};

}  // namespace form
