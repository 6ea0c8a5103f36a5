// Display tests: real GTK windows and WebKitGTK panes, run under Xvfb.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include "browser/WebEngine.h"
#include "browser/webkit/WebKitEngine.h"
#include "ui/MainLoop.h"
#include "ui/Painter.h"
#include "ui/gtk/GtkPainter.h"

int main(int argc, char** argv) {
  ui::BindMainThread();
  testing::InitGoogleTest(&argc, argv);
  browser::PrepareWebKitEnvironment();
  if (!gtk_init_check(&argc, &argv)) {
    fprintf(stderr, "no display: run these tests under xvfb-run\n");
    return 1;
  }
  ui::SetPainter(ui::MakeGtkPainter());
  browser::SetEngine(browser::MakeWebKitEngine());
  return RUN_ALL_TESTS();
}
