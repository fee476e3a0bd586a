#include "shell/settings.h"

#include <string>

#include "platform/memory.h"
#include "platform/message_box.h"
#include "platform/message_loop.h"
#include "platform/process.h"
#include "resources/messages.h"
#include "shell/app_state.h"
#include "shell/settings_names.h"
#include "shell/settings_store.h"

namespace velmora::settings {
namespace {

constexpr int kQuitExitCode = 0;
constexpr std::uint16_t kFirstArticle = 1;

StateShares shares;

// How far LoadSettings got: only a finished load may be written back.
enum class LoadStage { kNotRun, kReading, kFinished, kCutShort };
LoadStage load_stage = LoadStage::kNotRun;
bool saved = false;   // SaveSettingsAndQuit has run in this process
bool saving = false;  // SaveSettingsAndQuit is under way

// Copies a stored face name: up to its first zero unit, the end of the data
// or 31 units, and always terminates it.
void CopyFaceName(const platform::HeapBuffer& data) {
  char16_t* face = appState.fontSettings.faceName;
  std::uint32_t units = data.size / 2;
  std::uint32_t n = 0;
  for (; n < units && n < kFaceNameCapacity - 1; ++n) {
    char16_t unit = static_cast<char16_t>(data.get()[2 * n] | (data.get()[2 * n + 1] << 8));
    if (unit == 0) break;
    face[n] = unit;
  }
  face[n] = 0;
}

void WriteState() {
  const FontSettings& font = appState.fontSettings;
  if (appState.searchPattern[0] != 0) WriteByteStringValue(kSearchString, appState.searchPattern);
  if (font.faceName[0] != 0) WriteStringValue(kFontName, font.faceName);
  if (font.size != 0) WriteDwordValue(kFontSize, static_cast<std::uint32_t>(font.size));
  if (font.letterBase != 0) {
    WriteDwordValue(kFontAsciiBase, static_cast<std::uint32_t>(font.letterBase));
  }
  if (appState.articleView != nullptr && shares.articleViewTopRow != nullptr) {
    WriteDwordValue(kLastPosition, shares.articleViewTopRow());
  }
  WriteDwordValue(kFlags, appState.appFlags);
  if (appState.currentArticle != 0) WriteDwordValue(kLesson, appState.currentArticle);
}

}  // namespace

void InstallStateShares(const StateShares& installed) { shares = installed; }

void ReadDeviceOptions() {
  deviceOptions.ignoreActivate = ReadDwordValue(DeviceOptionsKey, kIgnoreActivate, 0);
  deviceOptions.fullScreen = ReadDwordValue(DeviceOptionsKey, kFullScreen, 0);
  deviceOptions.allowSipInHebrewSearch =
      ReadDwordValue(DeviceOptionsKey, kAllowSipInHebrewSearch, kDefaultAllowSipInHebrewSearch);
  appState.menuBarOnBottom = ReadDwordValue(DeviceOptionsKey, kMenuBarOnBottom, 0);
  appState.surroundingGutter = ReadDwordValue(DeviceOptionsKey, kSurroundingGutter, 0);
}

void ReadProgramValues() {
  if (platform::HeapBuffer name = ReadStringValue(kFontName);
      name && name.size >= 2 && (name.get()[0] | name.get()[1]) != 0) {
    CopyFaceName(name);
  }
  ReadByteStringValue(kSearchString, appState.searchPattern, kSearchPatternCapacity);
  FontSettings& font = appState.fontSettings;
  font.size = ReadDwordValue(ProgramKey, kFontSize, 0);
  font.letterBase = ReadDwordValue(ProgramKey, kFontAsciiBase, kDefaultFontAsciiBase);
  appState.lastPosition = static_cast<std::uint16_t>(ReadDwordValue(ProgramKey, kLastPosition, 0));
  appState.appFlags = static_cast<AppFlags>(
      ReadDwordValue(ProgramKey, kFlags, static_cast<std::int32_t>(kDefaultAppFlags)));
  appState.currentArticle = static_cast<std::uint16_t>(ReadDwordValue(ProgramKey, kLesson, 0));
}

void LoadSettings() {
  load_stage = LoadStage::kReading;
  if (std::u16string path = platform::ModuleFileName(); !path.empty()) {
    WriteStringValue(kProgramPath, path.c_str());
  }
  ReadProgramValues();
  if (shares.loadGlyphs != nullptr) shares.loadGlyphs();
  if (shares.loadBookmarks != nullptr) shares.loadBookmarks();
  if (load_stage == LoadStage::kReading) load_stage = LoadStage::kFinished;
}

void SaveSettingsAndQuit() {
  if (saving) return;
  saving = true;
  bool write = !saved && load_stage == LoadStage::kFinished;
  saved = true;
  if (shares.deleteGlyphs != nullptr) shares.deleteGlyphs();
  if (write) WriteState();
  if (appState.articleView != nullptr && shares.destroyArticleView != nullptr) {
    shares.destroyArticleView();
  }
  if (write && shares.saveAndFreeBookmarks != nullptr) shares.saveAndFreeBookmarks();
  platform::PostQuitMessage(kQuitExitCode);
  saving = false;
}

void ResetSettingsLifecycle() {
  load_stage = LoadStage::kNotRun;
  saved = false;
  saving = false;
}

void SetCurrentArticle(std::uint16_t article) {
  if (article == 0) {
    if (appState.currentArticle != 0) return;
    appState.currentArticle = kFirstArticle;
  } else {
    if (article == appState.currentArticle) return;
    appState.currentArticle = article;
  }
  appState.lastPosition = 0;
}

void* AllocOrAbort(std::size_t bytes) {
  if (void* block = platform::HeapAllocate(bytes)) return block;
  if (load_stage == LoadStage::kReading) load_stage = LoadStage::kCutShort;
  platform::ShowMessageBox(nullptr, resources::kMsgNotEnoughMemory, resources::kCaptionError,
                           platform::kMbIconHand);
  SaveSettingsAndQuit();
  return nullptr;
}

}  // namespace velmora::settings
