#pragma once
// Plumbing shared by the JPEG reader and writer: an error manager that never
// ends the process, and a guard around every library call.
//
// libjpeg reports fatal errors through error_exit, which must not return. We
// leave it with longjmp to a setjmp placed directly around the library call
// (jpegCall), so the jump crosses only libjpeg's frames and a lambda with
// trivial locals; the caller then throws a PictureError from ordinary C++.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include <string>

namespace codecs::detail {

struct JpegErrorManager {
  jpeg_error_mgr pub;  // first, so a j_common_ptr's err can be cast back
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  char firstWarning[JMSG_LENGTH_MAX];
};

// Installs the manager on `cinfo` (before jpeg_create_*).
jpeg_error_mgr* installErrorManager(JpegErrorManager& manager);

// Runs `call` (which makes libjpeg calls); false when libjpeg raised a fatal
// error, whose text is then in manager.message. The lambda must hold no
// objects with destructors: a fatal error skips its frame.
template <class Call>
bool jpegCall(JpegErrorManager& manager, Call&& call) {
  if (setjmp(manager.jump)) return false;
  call();
  return true;
}

// Upper bound on the memory libjpeg may take for one picture (coefficient
// buffers of progressive files, quantizer histograms); beyond it the library
// raises a fatal error instead of allocating.
constexpr long kJpegMemoryLimit = 1L << 30;

}  // namespace codecs::detail

namespace codecs::detail {

// Ends the current library call with our own message (used by checks we make
// from inside libjpeg's callbacks).
[[noreturn]] void jpegFail(j_common_ptr cinfo, const char* message);

}  // namespace codecs::detail
