#pragma once

#include <memory>

#include "ui/Painter.h"

namespace ui {

// Each window a GtkWindow holding a GtkFixed, each control a widget placed at
// its computed rectangle. Needs gtk_init first.
std::unique_ptr<Painter> MakeGtkPainter();

}  // namespace ui
