#include <gtest/gtest.h>

#include "ui/MainLoop.h"

int main(int argc, char** argv) {
  ui::BindMainThread();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
