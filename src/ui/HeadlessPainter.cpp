#include <cstdlib>

#include "ui/Painter.h"

namespace ui {
namespace {

class HeadlessWindow : public NativeWindow {
 public:
  void SetVisible(bool) override {}
  void SetGeometry(const Rect&) override {}
  void SetMinimized(bool) override {}
  void Sync() override {}
  void* ChildContainer() override { return nullptr; }
};

class HeadlessPainter : public Painter {
 public:
  std::unique_ptr<NativeWindow> CreateNative(Window&, Window*) override { return std::make_unique<HeadlessWindow>(); }
  Size ScreenSize() override {
    const char* configured = std::getenv("VIREO_SCREEN");
    if (configured) {
      const std::string text(configured);
      const auto x = text.find('x');
      if (x != std::string::npos) {
        const Size size{std::atoi(text.substr(0, x).c_str()), std::atoi(text.substr(x + 1).c_str())};
        if (size.cx > 0 && size.cy > 0) return size;
      }
    }
    return Size{1920, 1080};
  }
  bool Headless() const override { return true; }
};

std::unique_ptr<Painter>& Current() {
  static std::unique_ptr<Painter> painter = MakeHeadlessPainter();
  return painter;
}

}  // namespace

std::unique_ptr<Painter> MakeHeadlessPainter() { return std::make_unique<HeadlessPainter>(); }

Painter& CurrentPainter() { return *Current(); }

void SetPainter(std::unique_ptr<Painter> painter) { Current() = std::move(painter); }

}  // namespace ui
