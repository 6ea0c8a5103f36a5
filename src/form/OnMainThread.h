#pragma once
// Window operations may be called from the network thread; they run on the
// main thread, in call order, and the caller waits for them.

#include <functional>

#include "ui/MainLoop.h"

namespace form {

inline void OnMain(const std::function<void()>& operation) { ui::SendToMainThread(operation); }

}  // namespace form
