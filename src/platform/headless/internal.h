// Start-state resets of the headless services, gathered by ResetAll, and the
// template lookups that the dialog and menu parts share.
#pragma once

#include <cstdint>
#include <span>

#include "platform/dialog.h"
#include "platform/menu.h"

namespace velmora::platform::headless {

void ResetMessageBoxes();
void ResetMessageLoop();
// Clear the records of every live surface and window.
void ResetSurfaces();
// Free every window but test windows, whose records are cleared.
void ResetWindows();
void ResetTopLevel();
void ResetGeometry();
void ResetDialogs();
void ResetMenus();
void ResetShell();
void ResetInstance();
void ResetUiTemplates();
void ResetFontFamilies();
void ResetClipboard();

// Installed test templates first, then the program's own; nullptr or empty
// when missing.
const DialogTemplate* FindDialog(std::uint16_t id);
const MenuTemplate* FindMenu(std::uint16_t id);
const MenuBarTemplate* FindMenuBar(std::uint16_t id);
std::span<const Accelerator> FindAccelerators(std::uint16_t id);

}  // namespace velmora::platform::headless
