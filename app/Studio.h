#pragma once
// The studio as a library: the executable's main and the window tests start
// the very same windows through this entry.

namespace app {

// Creates the application objects and windows and runs the event loop.
int runStudio(int argc, char** argv);

}  // namespace app
