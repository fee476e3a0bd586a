// The drawing surface: fonts by cell height, metrics, fitting and extents,
// opaque single-line text, colours, fills, outlines and bitmaps. Coordinates
// are logical pixels; right and bottom edges are exclusive. Everything drawn
// shows at once, also outside painting.
#pragma once

#include <cstdint>

namespace velmora::platform {

struct Surface;
struct Font;
struct Pen;
struct Brush;
struct Bitmap;

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour kColourBlack = 0x00000000;
inline constexpr Colour kColourWhite = 0x00FFFFFF;
inline constexpr Colour kColourBlue = 0x00FF0000;
inline constexpr Colour kColourRed = 0x000000FF;
inline constexpr Colour kColourYellow = 0x0000FFFF;

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

inline constexpr std::int32_t kWeightNormal = 400;
inline constexpr std::int32_t kWeightBold = 700;
inline constexpr std::int32_t kWeightExtraBold = 800;

// Units of a face name, its terminator included.
inline constexpr int kFaceNameCapacity = 32;

// What a font is made from; every other attribute is the platform's default.
struct FontDescription {
  std::int32_t height = 0;  // requested cell height in pixels; 0: default
  std::int32_t weight = kWeightNormal;
  bool underline = false;
  char16_t faceName[kFaceNameCapacity] = {};  // empty: the platform's default face
};

struct TextMetrics {
  std::int32_t height = 0;        // cell height of a row of text
  std::int32_t maxCharWidth = 0;  // widest advance of the font
};

// --- Fonts ------------------------------------------------------------------
// A new font, or nullptr when it cannot be made. Release with DeleteFont.
Font* CreateFont(const FontDescription& description);
void DeleteFont(Font* font);
// Selects `font` (nullptr: the surface's default font) and returns the font
// that was selected before.
Font* SelectFont(Surface* surface, Font* font);
TextMetrics GetTextMetrics(Surface* surface);
// The description a font was made from.
FontDescription DescribeFont(Font* font);

// --- Measuring (selected font) ----------------------------------------------
// How many leading units of `text[0..count)` fit within `maxWidth` pixels.
// Stops measuring as soon as the width is reached, so the cost follows the
// part that fits, not `count`.
std::int32_t FitText(Surface* surface, const char16_t* text, std::int32_t count,
                     std::int32_t maxWidth);
// Width and height of `text[0..count)` drawn on one line.
Size TextExtent(Surface* surface, const char16_t* text, std::int32_t count);

// --- Text -------------------------------------------------------------------
// Draws `text[0..count)` on one line, centred horizontally and vertically in
// `box`, exactly in the order of its units (no bidirectional reordering), no
// prefix processing, cells filled with the background colour when the
// background mode is opaque.
void DrawTextInBox(Surface* surface, const char16_t* text, std::int32_t count, const Rect& box);
// Draws `text[0..count)` with its top left at (x, y), clipped to `clip`.
void DrawTextClipped(Surface* surface, std::int32_t x, std::int32_t y, const Rect& clip,
                     const char16_t* text, std::int32_t count);

// --- Colours ----------------------------------------------------------------
enum class BackgroundMode { kTransparent = 1, kOpaque = 2 };
Colour GetTextColour(Surface* surface);
// Each setter returns the value set before. A new surface draws black text
// on an opaque white background.
Colour SetTextColour(Surface* surface, Colour colour);
Colour SetBackgroundColour(Surface* surface, Colour colour);
BackgroundMode SetBackgroundMode(Surface* surface, BackgroundMode mode);

// --- Brushes, pens, shapes --------------------------------------------------
enum class StockBrush { kWhite = 0, kBlack = 4 };
// Stock brushes belong to the platform: never delete them.
Brush* GetStockBrush(StockBrush which);
Brush* CreateSolidBrush(Colour colour);
void DeleteBrush(Brush* brush);
// A solid pen one pixel wide, or nullptr.
Pen* CreatePen(Colour colour);
void DeletePen(Pen* pen);
Brush* SelectBrush(Surface* surface, Brush* brush);
Pen* SelectPen(Surface* surface, Pen* pen);
// Fills `rect` with `brush`.
void FillRect(Surface* surface, const Rect& rect, Brush* brush);
// Outlines `rect` with the selected pen and fills its inside with the
// selected brush.
void DrawRectangle(Surface* surface, const Rect& rect);

// --- Bitmaps ----------------------------------------------------------------
// Bitmap resource `id`, or nullptr when the program has none.
Bitmap* LoadBitmap(std::uint16_t id);
void DeleteBitmap(Bitmap* bitmap);
Size BitmapSize(Bitmap* bitmap);
// Copies the `size` pixels at the bitmap's origin to (x, y), stretched to
// `size` if the bitmap is smaller.
void DrawBitmap(Surface* surface, Bitmap* bitmap, std::int32_t x, std::int32_t y, Size size);

// --- Font families ------------------------------------------------------------
// Character sets a family can report.
inline constexpr std::uint8_t kAnsiCharset = 0;
inline constexpr std::uint8_t kHebrewCharset = 177;

struct FontFamily {
  char16_t faceName[kFaceNameCapacity] = {};  // as the platform names it, zero-terminated
  std::uint8_t characterSet = kAnsiCharset;   // kHebrewCharset when it has Hebrew
};

// Calls `visit` once per installed font family, in the platform's order,
// until it returns 0.
using FontFamilyVisitor = int (*)(const FontFamily& family, void* context);
void EnumerateFontFamilies(Surface* surface, FontFamilyVisitor visit, void* context);

// --- Device -----------------------------------------------------------------
// Vertical pixels per logical inch.
std::int32_t PixelsPerInchY(Surface* surface);

}  // namespace velmora::platform
