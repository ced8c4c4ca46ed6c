#pragma once
// Lets pending window messages run. Long loops on the user-interface thread
// call this on every pass so the windows stay alive and a stop button can
// set the flag the loop tests.
namespace ui {

void processMessages();

}  // namespace ui
