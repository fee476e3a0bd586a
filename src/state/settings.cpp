#include "state/settings.h"

#include <string>

#include "platform/memory.h"
#include "platform/process.h"
#include "state/app_state.h"
#include "state/settings_names.h"
#include "state/settings_store.h"

namespace velmora::settings {
namespace {

// How far the load got: only a finished load may be written back.
enum class LoadStage { kNotRun, kReading, kFinished, kCutShort };
LoadStage load_stage = LoadStage::kNotRun;
bool written = false;  // the one write of a process has been claimed

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

}  // namespace

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

void LoadProgramValues() {
  load_stage = LoadStage::kReading;
  if (std::u16string path = platform::ModuleFileName(); !path.empty()) {
    WriteStringValue(kProgramPath, path.c_str());
  }
  ReadProgramValues();
}

void FinishLoadingProgramValues() {
  if (load_stage == LoadStage::kReading) load_stage = LoadStage::kFinished;
}

bool ClaimStateWrite() {
  const bool write = !written && load_stage == LoadStage::kFinished;
  written = true;
  return write;
}

void NoteLoadAllocationFailure() {
  if (load_stage == LoadStage::kReading) load_stage = LoadStage::kCutShort;
}

void WriteProgramValues(std::optional<std::uint16_t> topRow) {
  const FontSettings& font = appState.fontSettings;
  if (appState.searchPattern[0] != 0) WriteByteStringValue(kSearchString, appState.searchPattern);
  if (font.faceName[0] != 0) WriteStringValue(kFontName, font.faceName);
  if (font.size != 0) WriteDwordValue(kFontSize, static_cast<std::uint32_t>(font.size));
  if (font.letterBase != 0) {
    WriteDwordValue(kFontAsciiBase, static_cast<std::uint32_t>(font.letterBase));
  }
  if (topRow) WriteDwordValue(kLastPosition, *topRow);
  WriteDwordValue(kFlags, appState.appFlags);
  if (appState.currentArticle != 0) WriteDwordValue(kLesson, appState.currentArticle);
}

void ResetSettingsLifecycle() {
  load_stage = LoadStage::kNotRun;
  written = false;
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

}  // namespace velmora::settings
