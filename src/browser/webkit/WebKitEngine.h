#pragma once

#include <memory>

#include "browser/WebEngine.h"

namespace browser {

// Real panes: WebKitGTK views in the window's GtkFixed. Every view after the
// first is related to the first, so all panes share one web process. Needs gtk_init first.
std::unique_ptr<WebEngine> MakeWebKitEngine();

// Under a display without a GPU (Xvfb, a plain VM) WebKit draws nothing unless
// told to leave compositing and DMA-BUF alone; call before the first view.
void PrepareWebKitEnvironment();

}  // namespace browser
