// The dialog templates: About (103), Choose Font (105), Search (115) and
// Choose Section (118).
#include <array>

#include "platform/dialog.h"
#include "resources/about_texts.h"
#include "resources/control_ids.h"
#include "resources/ids.h"
#include "resources/messages.h"
#include "resources/ui_resources.h"

namespace velmora::resources {
namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;
using platform::kControlBorder;
using platform::kControlGroup;
using platform::kControlTabStop;
using platform::kControlVScroll;
using platform::kDialogStyleStandard;
using platform::kNoControlId;

constexpr std::u16string_view kDialogFontName = u"System";
constexpr std::int16_t kDialogFontPoints = 8;

// --- About ----------------------------------------------------------------------

constexpr std::array<ControlTemplate, 5> kAboutControls{{
    {ControlKind::kStaticText, kNoControlId, 7, 7, 81, 8, platform::kControlNoPrefix, kProgramTitle,
     0},
    {ControlKind::kStaticBitmap, kNoControlId, 88, 7, 47, 20, 0, u"", kBitmapAbout},
    {ControlKind::kStaticText, kNoControlId, 7, 24, 45, 8, 0, kVersionLine, 0},
    {ControlKind::kStaticText, kNoControlId, 7, 41, 80, 8, 0, kAboutNote, 0},
    {ControlKind::kOwnerDrawButton, kIdcLinkButton, 7, 58, 100, 8, kControlTabStop, kHomePage, 0},
}};

constexpr DialogTemplate kAboutDialog{kDialogStyleStandard,
                                      platform::WS_EX_CAPTIONOKBTN,
                                      130,
                                      85,
                                      kCaptionVelmora,
                                      kDialogFontName,
                                      kDialogFontPoints,
                                      kAboutControls};

// --- Choose Font ----------------------------------------------------------------

constexpr std::uint32_t kListStyle =
    platform::kListNotify | kControlVScroll | kControlBorder | kControlGroup | kControlTabStop;

constexpr std::array<ControlTemplate, 5> kFontControls{{
    {ControlKind::kListBox, kIdcFaceList, 7, 7, 107, 94, kListStyle | platform::kListSorted, u"",
     0},
    {ControlKind::kListBox, kIdcSizeList, 120, 44, 25, 56, kListStyle, u"", 0},
    {ControlKind::kEdit, kIdcPreview, 7, 106, 138, 50,
     platform::kEditMultiLine | platform::kEditRightAlign | kControlBorder | kControlTabStop, u"",
     0},
    {ControlKind::kRadioButton, kIdcBase224, 116, 19, 29, 10, 0, u"224", 0},
    {ControlKind::kRadioButton, kIdcBase1488, 116, 31, 29, 10, 0, u"5D0", 0},
}};

constexpr DialogTemplate kFontDialog{kDialogStyleStandard,
                                     platform::WS_EX_CAPTIONOKBTN,
                                     152,
                                     167,
                                     u"Choose Font",
                                     kDialogFontName,
                                     kDialogFontPoints,
                                     kFontControls};

// --- Search -----------------------------------------------------------------------

// The box types as the keyboard picture does (the dialog inserts every
// character itself) and shows its units left to right as they are held.
constexpr std::array<ControlTemplate, 3> kSearchControls{{
    {ControlKind::kStaticText, kNoControlId, 7, 7, 112, 8,
     platform::kStaticCentre | platform::kControlNoPrefix, u"Search", 0},
    {ControlKind::kEdit, kIdcSearchText, 7, 21, 112, 43,
     platform::kEditRightAlign | platform::kEditAutoHScroll | platform::kEditTypedByDialog |
         kControlBorder | kControlTabStop,
     u"", 0},
    {ControlKind::kStaticBitmap, kNoControlId, 7, 71, 154, 95, 0, u"", kBitmapKeyboard},
}};

constexpr DialogTemplate kSearchDialog{kDialogStyleStandard,
                                       platform::WS_EX_CAPTIONOKBTN,
                                       126,
                                       131,
                                       kCaptionVelmora,
                                       kDialogFontName,
                                       kDialogFontPoints,
                                       kSearchControls};

// --- Choose Section ---------------------------------------------------------------

// No controls: the dialog draws its list itself; the shell adds the Done
// button.
constexpr DialogTemplate kChooseSectionDialog{
    kDialogStyleStandard, 0, 160, 160, u"Choose Section", kDialogFontName, kDialogFontPoints, {}};

}  // namespace

}  // namespace velmora::resources

// The lookups that platform/resources.h declares.
namespace velmora::platform {

using namespace resources;

const platform::DialogTemplate* FindDialogTemplate(std::uint16_t id) {
  switch (id) {
    case kDialogAbout:
      return &kAboutDialog;
    case kDialogFont:
      return &kFontDialog;
    case kDialogSearch:
      return &kSearchDialog;
    case kDialogChooseArticle:
      return &kChooseSectionDialog;
    default:
      return nullptr;
  }
}

}  // namespace velmora::platform
