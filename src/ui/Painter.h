#pragma once
// The native side of windows. The model (windows and controls) is the truth;
// a painter mirrors it: GTK on a display, nothing at all when headless.

#include <memory>
#include <string>

#include "ui/Geometry.h"

namespace ui {

class Window;

class NativeWindow {
 public:
  virtual ~NativeWindow() = default;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetGeometry(const Rect& screenRect) = 0;
  virtual void SetMinimized(bool minimized) = 0;
  // Mirrors the window's control tree: positions, visibility, texts, images.
  virtual void Sync() = 0;
  // Where child views (browser panes) are placed; nullptr when headless.
  virtual void* ChildContainer() = 0;
};

class Painter {
 public:
  virtual ~Painter() = default;
  virtual std::unique_ptr<NativeWindow> CreateNative(Window& window, Window* owner) = 0;
  // The primary screen's size.
  virtual Size ScreenSize() = 0;
  virtual bool Headless() const = 0;
};

// The painter every window uses; headless until the program picks another.
Painter& CurrentPainter();
void SetPainter(std::unique_ptr<Painter> painter);

// Draws nothing; the screen is VIREO_SCREEN=WxH, or 1920x1080.
std::unique_ptr<Painter> MakeHeadlessPainter();

}  // namespace ui
