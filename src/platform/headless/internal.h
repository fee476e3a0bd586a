// Start-state resets of the headless services, gathered by ResetAll.
#pragma once

namespace velmora::platform::headless {

void ResetMessageBoxes();
void ResetMessageLoop();
// Clear the records of every live surface and window.
void ResetSurfaces();
void ResetWindows();

}  // namespace velmora::platform::headless
