#pragma once
// Failures the window tests inject where the program cannot be made to fail on
// its own (memory and drawing resources running out). Empty in the program.
#include <functional>

namespace app::faults {

// Runs just before initpages copies the picture into its companions; a test
// makes it throw to see the "Not enough Resources" path.
std::function<void()>& beforeCompanionCopies();

}  // namespace app::faults
