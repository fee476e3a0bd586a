#include "platform/headless/headless.h"
#include "platform/headless/headless_screens.h"
#include "platform/headless/internal.h"

namespace velmora::platform::headless {

void ResetAll() {
  ResetHeapFaults();
  ResetMessageBoxes();
  ResetMessageLoop();
  ResetWindows();
  ResetSurfaces();
  ResetTopLevel();
  ResetGeometry();
  ResetDialogs();
  ResetMenus();
  ResetShell();
  ResetInstance();
  ResetUiTemplates();
  ResetFontFamilies();
  ResetClipboard();
  ResetScreens();
  RestoreResources();
  SetModuleFileName(u"/opt/velmora/bin/velmora");
}

}  // namespace velmora::platform::headless
