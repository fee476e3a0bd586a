// The settings store as a file: encodings read, atomic replacement, values
// of other copies kept, damaged files kept aside.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/common/registry_format.h"
#include "platform/registry.h"
#include "tests/support/test_environment.h"

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kProgram = "Software\\Quorvane\\Velmora";
constexpr std::string_view kDevice = "software\\Quorvane";

Bytes Dword(std::uint32_t n) {
  return {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
          static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
}

Bytes Sz(std::u16string_view text) {
  Bytes out;
  for (char16_t unit : text) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  out.insert(out.end(), {0, 0});
  return out;
}

Bytes ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& path, std::string_view text) {
  WriteBytes(path, Bytes(text.begin(), text.end()));
}

// Names of the files in the store's folder that start with its file name.
std::vector<std::string> FilesBeside(const fs::path& path) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(path.parent_path())) {
    std::string name = entry.path().filename().string();
    if (name.starts_with(path.filename().string())) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<Bytes> Read(std::string_view key, std::string_view name) {
  std::optional<RegistryValue> value = RegistryRead(key, name);
  if (!value) return std::nullopt;
  return value->data;
}

// Sets an environment variable for one test and puts it back afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value == nullptr) {
      ::unsetenv(name);
    } else {
      ::setenv(name, value, 1);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(RegistryFile, EveryTypeReadsBackAsWritten) {
  struct Case {
    std::string_view key;
    std::string_view name;
    std::uint32_t type;
    Bytes data;
  } cases[] = {
      {kProgram, "FontName", kRegSz, Sz(u"David \u05D3")},
      {kProgram, "Flags", kRegDword, Dword(0xD1140040)},
      {kProgram, "Bookmarks", kRegBinary, {5, 0, 9, 0, 0, 0}},
      {kProgram, "Empty", kRegBinary, {}},
      {kProgram, "Program Path", kRegSz, Sz(u"/opt/velmora/bin/velmora")},
      {kProgram, "Other", 7, {0x61, 0, 0, 0, 0, 0}},
      {kDevice, "FullScreen", kRegDword, Dword(1)},
  };
  for (const Case& c : cases) ASSERT_TRUE(RegistryWrite(c.key, c.name, c.type, c.data));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::optional<RegistryValue> value = RegistryRead(c.key, c.name);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(value->data, c.data);
  }
  EXPECT_TRUE(RegistryKeyExists(kProgram));
  EXPECT_TRUE(RegistryKeyExists(kDevice));
  EXPECT_FALSE(RegistryKeyExists("Software\\Other"));
  EXPECT_FALSE(RegistryRead(kProgram, "Missing"));
  Bytes file = ReadBytes(test::RegistryFile());
  EXPECT_TRUE(std::string(file.begin(), file.end()).starts_with(kRegistryHeader5))
      << "written as UTF-8 without byte-order mark";
}

TEST(RegistryFile, NothingStoredReadsAsAbsent) {
  EXPECT_FALSE(RegistryKeyExists(kProgram));
  EXPECT_FALSE(RegistryRead(kProgram, "Flags"));
  EXPECT_FALSE(fs::exists(test::RegistryFile())) << "reading creates nothing";
}

TEST(RegistryFile, ReadsTheEncodingsRegistryEditorsWriteAndRewritesThemAsUtf8) {
  std::u16string utf16 =
      u"Windows Registry Editor Version 5.00\r\n\r\n"
      u"[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\r\n"
      u"\"FontName\"=\"\u05D3\u05D5\u05D3\"\r\n"
      u"\"Flags\"=dword:00000800\r\n";
  Bytes utf16Bytes = {0xFF, 0xFE};
  for (char16_t unit : utf16) {
    utf16Bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    utf16Bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  std::string regedit4 =
      "REGEDIT4\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\r\n"
      "\"FontName\"=\"Caf\xE9\"\r\n"
      "\"Flags\"=dword:00000800\r\n";
  struct Case {
    const char* what;
    Bytes file;
    Bytes fontName;
  } cases[] = {
      {"UTF-16LE with byte-order mark", utf16Bytes, Sz(u"\u05D3\u05D5\u05D3")},
      {"REGEDIT4 8-bit", Bytes(regedit4.begin(), regedit4.end()), Sz(u"Caf\u00E9")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(test::RegistryFile(), c.file);
    EXPECT_EQ(Read(kProgram, "FontName"), c.fontName);
    EXPECT_EQ(Read(kProgram, "Flags"), Dword(0x800));
    ASSERT_TRUE(RegistryWrite(kProgram, "Lesson", kRegDword, Dword(3)));
    EXPECT_EQ(Read(kProgram, "FontName"), c.fontName);
    Bytes rewritten = ReadBytes(test::RegistryFile());
    EXPECT_TRUE(std::string(rewritten.begin(), rewritten.end()).starts_with(kRegistryHeader5));
  }
}

TEST(RegistryFile, KeyPathsAndValueNamesMatchWithoutCase) {
  ASSERT_TRUE(RegistryWrite("Software\\Quorvane", "FullScreen", kRegDword, Dword(1)));
  EXPECT_TRUE(RegistryKeyExists("software\\quorvane"));
  EXPECT_EQ(Read("SOFTWARE\\Quorvane", "fullscreen"), Dword(1));
  ASSERT_TRUE(RegistryWrite("software\\Quorvane", "FULLSCREEN", kRegDword, Dword(2)));
  Bytes file = ReadBytes(test::RegistryFile());
  std::optional<RegistryModel> model = ParseRegistryFile(file).model;
  ASSERT_TRUE(model);
  ASSERT_EQ(model->keys.size(), 1u);
  EXPECT_EQ(model->keys[0].path, "HKEY_CURRENT_USER\\Software\\Quorvane");
  ASSERT_EQ(model->keys[0].values.size(), 1u);
  EXPECT_EQ(model->keys[0].values[0].name, "FullScreen");
  EXPECT_EQ(model->keys[0].values[0].value.data, Dword(2));
}

TEST(RegistryFile, AValueWrittenByAnotherCopyMeanwhileIsKept) {
  ASSERT_TRUE(RegistryWrite(kProgram, "Lesson", kRegDword, Dword(5)));
  // Another copy of the program rewrites the file between our accesses.
  WriteText(test::RegistryFile(),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\n"
            "\"Lesson\"=dword:00000005\n"
            "\"FontName\"=\"Tahoma\"\n");
  ASSERT_TRUE(RegistryWrite(kProgram, "Flags", kRegDword, Dword(0x40)));
  EXPECT_EQ(Read(kProgram, "FontName"), Sz(u"Tahoma"));
  EXPECT_EQ(Read(kProgram, "Lesson"), Dword(5));
  EXPECT_EQ(Read(kProgram, "Flags"), Dword(0x40));
}

TEST(RegistryFile, TwoCopiesWritingAtOnceLoseNoValue) {
  constexpr int kValuesEach = 40;
  auto writeAll = [](char copy) {
    bool ok = true;
    for (int i = 0; i < kValuesEach; ++i) {
      std::string name = copy + std::to_string(i);
      ok = RegistryWrite(kProgram, name, kRegDword, Dword(static_cast<std::uint32_t>(i))) && ok;
    }
    return ok;
  };
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(writeAll('a') ? 0 : 1);
  EXPECT_TRUE(writeAll('b'));
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  for (char copy : {'a', 'b'}) {
    for (int i = 0; i < kValuesEach; ++i) {
      std::string name = copy + std::to_string(i);
      EXPECT_EQ(Read(kProgram, name), Dword(static_cast<std::uint32_t>(i))) << name;
    }
  }
}

TEST(RegistryFile, ADamagedFileGivesDefaultsAndIsKeptAsideBeforeTheFirstWrite) {
  const fs::path path = test::RegistryFile();
  const std::string aside0 = path.string() + ".damaged";
  const std::string aside1 = path.string() + ".damaged.1";
  fs::remove(aside0);
  fs::remove(aside1);
  const std::string damaged[] = {
      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Quorvane\\Velmora]\n"
      "\"Flags\"=dword:zz\n",
      "not a settings file at all",
  };
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    WriteText(path, damaged[round]);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(RegistryRead(kProgram, "Flags"));
    EXPECT_FALSE(RegistryKeyExists(kProgram));
    std::string readMessage = testing::internal::GetCapturedStderr();
    if (round == 0) {
      EXPECT_NE(readMessage.find(path.string()), std::string::npos) << readMessage;
      EXPECT_NE(readMessage.find("line 4"), std::string::npos) << readMessage;
    }

    testing::internal::CaptureStderr();
    ASSERT_TRUE(RegistryWrite(kProgram, "Lesson", kRegDword, Dword(7)));
    std::string writeMessage = testing::internal::GetCapturedStderr();
    const std::string& aside = round == 0 ? aside0 : aside1;
    EXPECT_NE(writeMessage.find(path.string()), std::string::npos) << writeMessage;
    EXPECT_NE(writeMessage.find(aside), std::string::npos) << writeMessage;

    Bytes kept = ReadBytes(aside);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), damaged[round]);
    EXPECT_EQ(Read(kProgram, "Lesson"), Dword(7));
    EXPECT_FALSE(RegistryRead(kProgram, "Flags"));
  }
  Bytes first = ReadBytes(aside0);
  EXPECT_EQ(std::string(first.begin(), first.end()), damaged[0]) << "never overwritten";
}

TEST(RegistryFile, AWriteReplacesTheFileWholeAndLeavesNoTemporaryFile) {
  const fs::path path = test::RegistryFile();
  ASSERT_TRUE(RegistryWrite(kProgram, "Lesson", kRegDword, Dword(5)));
  Bytes before = ReadBytes(path);
  int old = ::open(path.c_str(), O_RDONLY);
  ASSERT_GE(old, 0);

  ASSERT_TRUE(RegistryWrite(kProgram, "Flags", kRegDword, Dword(0x40)));

  // A reader that opened the file before the write still sees the old file
  // whole: the new one was put in its place, not written into it.
  Bytes seen(before.size() + 64);
  ssize_t n = ::pread(old, seen.data(), seen.size(), 0);
  ::close(old);
  seen.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
  EXPECT_EQ(seen, before);
  EXPECT_EQ(FilesBeside(path), std::vector<std::string>{path.filename().string()});
}

TEST(RegistryFile, WritingTheValueAlreadyStoredLeavesTheFileAlone) {
  const fs::path path = test::RegistryFile();
  ASSERT_TRUE(RegistryWrite(kProgram, "Lesson", kRegDword, Dword(5)));
  struct stat first {};
  ASSERT_EQ(::stat(path.c_str(), &first), 0);

  ASSERT_TRUE(RegistryWrite(kProgram, "lesson", kRegDword, Dword(5)));
  struct stat second {};
  ASSERT_EQ(::stat(path.c_str(), &second), 0);
  EXPECT_EQ(second.st_ino, first.st_ino) << "an unchanged value must not replace the file";

  // Another type or other bytes are a change.
  ASSERT_TRUE(RegistryWrite(kProgram, "Lesson", kRegBinary, Dword(5)));
  ASSERT_EQ(::stat(path.c_str(), &second), 0);
  EXPECT_NE(second.st_ino, first.st_ino);
  EXPECT_EQ(RegistryRead(kProgram, "Lesson")->type, kRegBinary);
}

TEST(RegistryFile, TheDefaultPathIsUnderTheConfigFolder) {
  const fs::path root = test::RegistryFile().string() + ".home";
  ScopedEnv noOverride("VELMORA_REGISTRY", nullptr);
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", (root / "xdg").c_str());
    ASSERT_TRUE(RegistryWrite(kProgram, "Lesson", kRegDword, Dword(1)));
    EXPECT_TRUE(fs::exists(root / "xdg/Quorvane/velmora.reg"));
  }
  for (const char* xdg : {static_cast<const char*>(nullptr), "relative/ignored"}) {
    SCOPED_TRACE(xdg == nullptr ? "unset" : xdg);
    ScopedEnv noXdg("XDG_CONFIG_HOME", xdg);
    ScopedEnv home("HOME", (root / "home").c_str());
    ASSERT_TRUE(RegistryWrite(kProgram, "Lesson", kRegDword, Dword(2)));
    EXPECT_EQ(Read(kProgram, "Lesson"), Dword(2));
    EXPECT_TRUE(fs::exists(root / "home/.config/Quorvane/velmora.reg"));
  }
  fs::remove_all(root);
}

TEST(RegistryFile, AWriteThatCannotSucceedSaysSoAndChangesNothing) {
  const fs::path path = test::RegistryFile();
  ASSERT_TRUE(RegistryWrite(kProgram, "Lesson", kRegDword, Dword(5)));
  Bytes before = ReadBytes(path);
  EXPECT_FALSE(RegistryWrite(kProgram, "Bad\nName", kRegDword, Dword(1)));
  EXPECT_FALSE(RegistryWrite("Bad\\\nKey", "Lesson", kRegDword, Dword(1)));
  EXPECT_EQ(ReadBytes(path), before);

  // The folder cannot be made: a file stands where it should be.
  ScopedEnv blocked("VELMORA_REGISTRY", (path.string() + "/sub/velmora.reg").c_str());
  EXPECT_FALSE(RegistryWrite(kProgram, "Lesson", kRegDword, Dword(1)));
  EXPECT_FALSE(RegistryRead(kProgram, "Lesson"));
  EXPECT_EQ(ReadBytes(path), before);
}

TEST(RegistryFile, ALinkedFileStaysALink) {
  const fs::path path = test::RegistryFile();
  const fs::path target = path.string() + ".target";
  fs::create_symlink(target.filename(), path);
  ASSERT_TRUE(RegistryWrite(kProgram, "Lesson", kRegDword, Dword(5)));
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(Read(kProgram, "Lesson"), Dword(5));
  EXPECT_TRUE(fs::exists(target));
  fs::remove(target);
}

}  // namespace
}  // namespace velmora::platform
