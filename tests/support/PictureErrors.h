#pragma once
// The kind of picture error a call throws, for tests of bad input.
#include <gtest/gtest.h>

#include <functional>

#include "platform/codecs/PictureError.h"

namespace testing_support {

// The kind of the codecs::PictureError `f` throws; a test failure (and Io)
// when it throws none.
inline codecs::ErrorKind kindOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const codecs::PictureError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "no PictureError";
  return codecs::ErrorKind::Io;
}

}  // namespace testing_support
