#pragma once
// Large pixel buffers are touched page by page the first time they are
// written; with 4 KiB pages a 4000 x 4000 bitmap costs some 16,000 page
// faults, which take longer than the drawing itself. Asking the system for
// huge pages on such buffers (before the first write) removes most of them.
#include <cstddef>

namespace gdi {

// Advises the system to back the 2 MiB-aligned interior of the buffer with
// huge pages. Does nothing for small buffers or where the advice is unknown.
void adviseHugePages(void* buffer, std::size_t bytes);

}  // namespace gdi
