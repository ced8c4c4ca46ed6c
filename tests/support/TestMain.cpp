// Test entry: the program's own application class for the whole program
// (text rendering and widgets need one; an exception escaping a handler
// reaches the error report as in the program), on the offscreen platform
// unless one is chosen already.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ui/Application.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ui::Application app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
