// The program's bitmaps and icon, drawn as character art: the About picture,
// the tool-button strip, the search keyboard, the three index glyphs and the
// program icon.
#include <array>

#include "platform/resources.h"
#include "resources/dib_art.h"
#include "resources/ids.h"
#include "resources/keyboard_art.h"
#include "resources/ui_resources.h"

namespace velmora::resources {
namespace {

using platform::ResourceEntry;
using platform::ResourceType;

// --- Monochrome: the About picture and the index glyphs ----------------------

constexpr Palette<2> kMonochrome{{{'#', platform::kColourBlack}, {'.', platform::kColourWhite}}};

// An open scroll: a roll at each end, lines of right-aligned text between.
constexpr std::size_t kAboutWidth = 29;
constexpr std::size_t kAboutHeight = 21;
constexpr Art<kAboutHeight> kAboutArt{
    ".###.....................###.", "#...#...................#...#",
    "#...#####################...#", "#.#.#...................#.#.#",
    "#.#.#..####.#####.#####.#.#.#", "#.#.#...................#.#.#",
    "#.#.#...######.###.####.#.#.#", "#.#.#...................#.#.#",
    "#.#.#..###.######.#####.#.#.#", "#.#.#...................#.#.#",
    "#.#.#.....####.###.####.#.#.#", "#.#.#...................#.#.#",
    "#.#.#..#####.####.#####.#.#.#", "#.#.#...................#.#.#",
    "#.#.#...###.#####.#####.#.#.#", "#.#.#...................#.#.#",
    "#.#.#.........####.####.#.#.#", "#.#.#...................#.#.#",
    "#...#####################...#", "#...#...................#...#",
    ".###.....................###.",
};
static_assert(ArtFits<kAboutWidth>(kMonochrome, kAboutArt));

constexpr std::size_t kGlyphSide = 9;

// A framed square with a plus: a collapsed section.
constexpr Art<kGlyphSide> kCollapsedArt{
    "#########", "#.......#", "#...#...#", "#...#...#", "#.#####.#",
    "#...#...#", "#...#...#", "#.......#", "#########",
};

// The same square with a minus: an expanded section.
constexpr Art<kGlyphSide> kExpandedArt{
    "#########", "#.......#", "#.......#", "#.......#", "#.#####.#",
    "#.......#", "#.......#", "#.......#", "#########",
};

// A page with a folded corner and lines of text: an article.
constexpr Art<kGlyphSide> kArticleArt{
    "######...", "#....##..", "#.##.#.#.", "#....####", "#.#####.#",
    "#.......#", "#.#####.#", "#.......#", "#########",
};
static_assert(ArtFits<kGlyphSide>(kMonochrome, kCollapsedArt));
static_assert(ArtFits<kGlyphSide>(kMonochrome, kExpandedArt));
static_assert(ArtFits<kGlyphSide>(kMonochrome, kArticleArt));
static_assert([] {
  for (const auto& letter : keyboard::kLetters) {
    if (!ArtFits<keyboard::kGlyphWidth>(kMonochrome, letter)) return false;
  }
  return true;
}());

// --- The tool-button strip -------------------------------------------------

constexpr Palette<9> kToolbarPalette{{
    {'.', kImageBackgroundColour},
    {'#', platform::kColourBlack},
    {'w', platform::kColourWhite},
    {'c', 0x00FFFF00},  // cyan
    {'r', 0x000000E0},  // red
    {'g', 0x0000A000},  // green
    {'b', 0x00E00000},  // blue
    {'d', 0x00606060},  // dark grey
    {'l', 0x00A0A0A0},  // light grey
}};

constexpr std::size_t kButtonSide = kToolbarImageSize;

constexpr Art<kButtonSide> kArrowLeftArt{
    "................", "................", ".......#........", "......##........",
    ".....#c#........", "....#cc########.", "...#cccccccccc#.", "..#ccccccccccc#.",
    "..#ccccccccccc#.", "...#cccccccccc#.", "....#cc########.", ".....#c#........",
    "......##........", ".......#........", "................", "................",
};

// Red section lines with green entry lines under them.
constexpr Art<kButtonSide> kListArt{
    "................", ".rr.rrrrrrrrrr..", ".rr.rrrrrrrrrr..", "................",
    "....gg.ggggggg..", "....gg.ggggggg..", "................", "....gg.ggggggggg",
    "....gg.ggggggggg", "................", ".rr.rrrrrrrrrr..", ".rr.rrrrrrrrrr..",
    "................", "....gg.gggggg...", "....gg.gggggg...", "................",
};

// The letter alef.
constexpr Art<kButtonSide> kLetterArt{
    "................", "................", "..bb.......bbb..", "..bbb.....bbbbb.",
    "..bbbb....bbbbb.", "...bbbb....bbb..", "....bbbb...bb...", ".....bbbb.bb....",
    ".....bbbbbb.....", "....bbbbbbb.....", "...bbb..bbbb....", "...bbb...bbbb...",
    "..bbbb....bbbb..", ".bbbbb.....bbbb.", "................", "................",
};

constexpr Art<kButtonSide> kBinocularsArt{
    "................", "................", "..###......###..", "..#l#......#l#..",
    ".#####....#####.", ".#ddd#....#ddd#.", ".#ddd######ddd#.", ".#ddd#dddd#ddd#.",
    "#ddddd####ddddd#", "#ddddd#..#ddddd#", "#dwwdd#..#dwwdd#", "#dwwdd#..#dwwdd#",
    "#ddddd#..#ddddd#", "#######..#######", "................", "................",
};

// Smaller binoculars under an arrow turning round: search again.
constexpr Art<kButtonSide> kBinocularsAgainArt{
    ".....bbbbbb.....", "...bbbbbbbbbb...", "..bbb......bbb..", ".bbb......bbbbbb",
    ".bb........bbbb.", ".bb.........bb..", "................", "..###......###..",
    ".#ddd#....#ddd#.", ".#ddd######ddd#.", "#ddddd#dd#ddddd#", "#ddddd####ddddd#",
    "#dwwdd#..#dwwdd#", "#dwwdd#..#dwwdd#", "#ddddd#..#ddddd#", "#######..#######",
};
static_assert(ArtFits<kButtonSide>(kToolbarPalette, kArrowLeftArt));
static_assert(ArtFits<kButtonSide>(kToolbarPalette, kListArt));
static_assert(ArtFits<kButtonSide>(kToolbarPalette, kLetterArt));
static_assert(ArtFits<kButtonSide>(kToolbarPalette, kBinocularsArt));
static_assert(ArtFits<kButtonSide>(kToolbarPalette, kBinocularsAgainArt));

// One image of the strip, possibly mirrored left to right.
struct StripImage {
  const Art<kButtonSide>* art;
  bool mirrored;
};

// The six images side by side, in button order; the right arrow is the left
// one mirrored.
constexpr std::array<StripImage, kToolbarImageCount> kStrip{{
    {&kArrowLeftArt, false},
    {&kListArt, false},
    {&kArrowLeftArt, true},
    {&kLetterArt, false},
    {&kBinocularsArt, false},
    {&kBinocularsAgainArt, false},
}};

struct StripPixels {
  constexpr char operator()(std::size_t x, std::size_t y) const {
    const StripImage& image = kStrip[x / kButtonSide];
    const std::size_t column = x % kButtonSide;
    return (*image.art)[y][image.mirrored ? kButtonSide - 1 - column : column];
  }
};

// --- The program icon ---------------------------------------------------------

constexpr Palette<8> kIconPalette{{
    {'.', kImageBackgroundColour},
    {'#', 0x00102040},  // dark brown outline
    {'N', 0x001A3A6B},  // brown handles
    {'t', 0x0060A0C8},  // tan: the shaded edge of a roll
    {'y', 0x00A0DCF0},  // parchment roll
    {'w', 0x00E0F8FF},  // parchment sheet
    {'d', 0x00303030},  // text
    {'r', 0x001010B0},  // the red title line
}};

constexpr std::size_t kIconSide = 32;

// An open scroll on two rolls, as on the About picture, in colour.
constexpr Art<kIconSide> kIconArt{
    "...NN......................NN...", "..NNNN....................NNNN..",
    "...NN......................NN...", ".######..................######.",
    ".#tyyt#..................#tyyt#.", ".#tyyt####################tyyt#.",
    ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.", ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.",
    ".#tyyt#wwwwwwrrrrwrrrrrww#tyyt#.", ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.",
    ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.", ".#tyyt#wwddwddddddwddddww#tyyt#.",
    ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.", ".#tyyt#wwdddddwdddwddddww#tyyt#.",
    ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.", ".#tyyt#wwwwwddddwddddddww#tyyt#.",
    ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.", ".#tyyt#wwdddwddddwdddddww#tyyt#.",
    ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.", ".#tyyt#wwddddddwdddddddww#tyyt#.",
    ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.", ".#tyyt#wwdddwdddddwddddww#tyyt#.",
    ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.", ".#tyyt#wwwwwwwwdddwddddww#tyyt#.",
    ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.", ".#tyyt#wwwwwwwwwwwwwwwwww#tyyt#.",
    ".#tyyt####################tyyt#.", ".#tyyt#..................#tyyt#.",
    ".######..................######.", "...NN......................NN...",
    "..NNNN....................NNNN..", "...NN......................NN...",
};
static_assert(ArtFits<kIconSide>(kIconPalette, kIconArt));

// --- Stored forms ---------------------------------------------------------------

constexpr auto kAboutBitmap =
    MakeDib<kAboutWidth, kAboutHeight, 1>(kMonochrome, ArtPixels<kAboutHeight>{kAboutArt});
constexpr auto kToolbarBitmap =
    MakeDib<kButtonSide * kToolbarImageCount, kButtonSide, 4>(kToolbarPalette, StripPixels{});
constexpr auto kKeyboardBitmap =
    MakeDib<keyboard::kWidth, keyboard::kHeight, 1>(kMonochrome, keyboard::Pixels{});
constexpr auto kCollapsedBitmap =
    MakeDib<kGlyphSide, kGlyphSide, 1>(kMonochrome, ArtPixels<kGlyphSide>{kCollapsedArt});
constexpr auto kExpandedBitmap =
    MakeDib<kGlyphSide, kGlyphSide, 1>(kMonochrome, ArtPixels<kGlyphSide>{kExpandedArt});
constexpr auto kArticleBitmap =
    MakeDib<kGlyphSide, kGlyphSide, 1>(kMonochrome, ArtPixels<kGlyphSide>{kArticleArt});
constexpr auto kIcon =
    MakeDib<kIconSide, kIconSide, 4>(kIconPalette, ArtPixels<kIconSide>{kIconArt});

template <std::size_t N>
constexpr ResourceEntry Entry(ResourceType type, std::uint16_t id,
                              const std::array<std::uint8_t, N>& bytes) {
  return {type, id, bytes.data(), static_cast<std::uint32_t>(N)};
}

constexpr std::array<ResourceEntry, 7> kImages{{
    Entry(ResourceType::kIcon, kIconProgram, kIcon),
    Entry(ResourceType::kBitmap, kBitmapAbout, kAboutBitmap),
    Entry(ResourceType::kBitmap, kBitmapToolbar, kToolbarBitmap),
    Entry(ResourceType::kBitmap, kBitmapKeyboard, kKeyboardBitmap),
    Entry(ResourceType::kBitmap, kBitmapGlyphCollapsed, kCollapsedBitmap),
    Entry(ResourceType::kBitmap, kBitmapGlyphExpanded, kExpandedBitmap),
    Entry(ResourceType::kBitmap, kBitmapGlyphArticle, kArticleBitmap),
}};

}  // namespace

std::span<const ResourceEntry> ImageResources() { return kImages; }

}  // namespace velmora::resources
