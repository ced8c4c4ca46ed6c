#pragma once
// The data folder of the test program (tests/<layer>/data), which CTest
// names in QM_TEST_DATA; "data" when run by hand without it.
#include <cstdlib>
#include <string>

namespace testing_support {

inline std::string testDataDir() {
  if (const char* env = std::getenv("QM_TEST_DATA")) return env;
  return "data";
}

}  // namespace testing_support
