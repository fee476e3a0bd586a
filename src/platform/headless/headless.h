// Test controls of the headless platform: scripted answers, recorded calls
// and injected faults. Only tests include this header.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "platform/window_handle.h"

namespace velmora::platform::headless {

// --- Heap -------------------------------------------------------------------
// The next `allowed` allocations succeed, every one after them fails, until
// ResetHeapFaults. Returns to normal with ResetHeapFaults.
void FailHeapAfter(int allowed);
void ResetHeapFaults();
// Live blocks (allocated, not yet released): tests check for leaks with it.
long LiveHeapBlocks();

// --- Message boxes ----------------------------------------------------------
struct MessageBoxCall {
  WindowHandle owner;
  std::u16string text;
  std::u16string caption;  // as shown (the default caption filled in)
  std::uint32_t style;
};
const std::vector<MessageBoxCall>& MessageBoxCalls();
// Answers for the next boxes, in order; a box without a scripted answer
// returns kIdOk (or kIdYes... for a question: the first button of its style).
void ScriptMessageBoxAnswers(std::vector<int> answers);

// --- Message loop -----------------------------------------------------------
// The exit code of the last PostQuitMessage, if one was posted.
std::optional<int> PostedQuit();

// --- Process ----------------------------------------------------------------
void SetModuleFileName(std::u16string path);

// --- Resources --------------------------------------------------------------
// Replaces the compiled-in resources with `entries` (a test book) until
// RestoreResources; the entries must outlive their use.
void InstallResources(std::span<const ResourceEntry> entries);
void RestoreResources();

// --- Drawing surfaces -------------------------------------------------------
// Metrics, fixed so that tests compute pixels by hand: a font's cell height is
// its requested height (its magnitude when negative; kHeadlessDefaultHeight
// when 0), every code unit advances cell height / 2 pixels (integer
// division), and the widest advance is the same. A new surface draws black
// text on an opaque white background with the default font (cell height
// kHeadlessDefaultHeight, weight 400); its pen is black, its brush white.
inline constexpr std::int32_t kHeadlessDefaultHeight = 16;

// A surface of its own, not tied to a window. Destroy it with
// DestroyTestSurface.
Surface* CreateTestSurface(std::int32_t width, std::int32_t height);
void DestroyTestSurface(Surface* surface);

enum class DrawKind { kTextInBox, kTextClipped, kFill, kRectangle, kBitmap };

// One drawing call as the surface saw it, with the state that applied.
struct DrawCall {
  DrawKind kind;
  std::u16string text;  // text calls: the units drawn
  Rect box;             // text box, clip rectangle, filled or outlined
                        // rectangle, or the bitmap's destination
  std::int32_t x = 0;   // clipped text: the point given
  std::int32_t y = 0;
  Colour textColour = kColourBlack;
  Colour backgroundColour = kColourWhite;
  BackgroundMode backgroundMode = BackgroundMode::kOpaque;
  std::int32_t fontHeight = 0;  // cell height of the selected font
  std::int32_t fontWeight = 0;
  bool fontUnderline = false;
  Colour brushColour = kColourWhite;  // fill: the brush given; rectangle: the
                                      // selected brush
  Colour penColour = kColourBlack;    // rectangle: the selected pen
  std::uint16_t bitmapId = 0;         // bitmap: its resource number
};

// Every drawing call on `surface` since it was made or last cleared.
const std::vector<DrawCall>& DrawCalls(Surface* surface);
// Forgets the drawing calls and zeroes the measuring counters of `surface`.
void ClearDrawCalls(Surface* surface);
// FitText and TextExtent calls on `surface` since it was made or cleared.
long FitTextCalls(Surface* surface);
long TextExtentCalls(Surface* surface);

// --- Windows ----------------------------------------------------------------
// A window with the client rectangle `client` and a surface of its size,
// which GetWindowSurface returns. Destroy it with DestroyTestWindow.
WindowHandle CreateTestWindow(const Rect& client);
void DestroyTestWindow(WindowHandle window);
// The window's vertical scroll bar as last set; nothing before the first set.
std::optional<ScrollBarState> ScrollBarOf(WindowHandle window);
// How many times the window's scroll bar was set.
long ScrollBarSets(WindowHandle window);

// Everything above back to its start state. Surfaces and windows stay (their
// makers destroy them); their recorded calls, counters and scroll-bar records
// are cleared.
void ResetAll();

}  // namespace velmora::platform::headless
