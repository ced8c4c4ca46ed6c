#include "platform/codecs/JpegSupport.h"

#include <cstring>

namespace codecs::detail {
namespace {

JpegErrorManager& managerOf(j_common_ptr cinfo) {
  return *reinterpret_cast<JpegErrorManager*>(cinfo->err);
}

[[noreturn]] void errorExit(j_common_ptr cinfo) {
  JpegErrorManager& m = managerOf(cinfo);
  (*cinfo->err->format_message)(cinfo, m.message);
  std::longjmp(m.jump, 1);
}

// Warnings (damaged but readable data) are counted by libjpeg itself in
// num_warnings; we keep the first text and print nothing.
void outputMessage(j_common_ptr cinfo) {
  JpegErrorManager& m = managerOf(cinfo);
  if (m.firstWarning[0] == '\0') (*cinfo->err->format_message)(cinfo, m.firstWarning);
}

}  // namespace

jpeg_error_mgr* installErrorManager(JpegErrorManager& manager) {
  jpeg_error_mgr* err = jpeg_std_error(&manager.pub);
  err->error_exit = errorExit;
  err->output_message = outputMessage;
  manager.message[0] = '\0';
  manager.firstWarning[0] = '\0';
  return err;
}

}  // namespace codecs::detail

namespace codecs::detail {

void jpegFail(j_common_ptr cinfo, const char* message) {
  JpegErrorManager& m = *reinterpret_cast<JpegErrorManager*>(cinfo->err);
  std::snprintf(m.message, sizeof m.message, "%s", message);
  std::longjmp(m.jump, 1);
}

}  // namespace codecs::detail
