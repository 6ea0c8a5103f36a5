#include "ui/Geometry.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace ui {
namespace {

std::vector<int> Numbers(const std::string& text, size_t count) {
  std::vector<int> numbers(count, 0);
  std::stringstream stream(text);
  std::string part;
  for (size_t i = 0; i < count && std::getline(stream, part, ','); ++i) numbers[i] = std::atoi(part.c_str());
  return numbers;
}

}  // namespace

Rect ParseRect(const std::string& text) {
  const auto n = Numbers(text, 4);
  return Rect{n[0], n[1], n[2], n[3]};
}

Size ParseSize(const std::string& text) {
  const auto n = Numbers(text, 2);
  return Size{n[0], n[1]};
}

}  // namespace ui
