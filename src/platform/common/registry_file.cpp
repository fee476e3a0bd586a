// The settings store as one text file (see registry_format.h), shared by the
// platform backends. Every access reads the file again; every write reads,
// changes one value and replaces the file atomically, under a lock on its
// folder, so that two copies of the program never lose each other's values.
// A file that cannot be read or parsed is never overwritten: the first write
// moves it aside and says so on standard error.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/common/registry_format.h"
#include "platform/registry.h"

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPathVariable = "VELMORA_REGISTRY";
constexpr const char* kConfigHomeVariable = "XDG_CONFIG_HOME";
constexpr const char* kHomeVariable = "HOME";
constexpr const char* kConfigFolder = ".config";
constexpr const char* kVendorFolder = "Quorvane";
constexpr const char* kFileName = "velmora.reg";
constexpr const char* kDamagedSuffix = ".damaged";
constexpr const char* kTempSuffix = ".tmp.";
constexpr int kMaxTempAttempts = 100;
constexpr int kMaxDamagedCopies = 1000;
constexpr int kMaxLinks = 40;
// A new file gets the usual permissions less the umask, like any file.
constexpr mode_t kNewFileMode = 0666;

// Damaged files already reported by this process.
std::set<std::string> reported_files;

// $VELMORA_REGISTRY, else $XDG_CONFIG_HOME/Quorvane/velmora.reg with the
// usual fallback to ~/.config. Read at every access. Empty when no home
// folder can be found.
fs::path StorePath() {
  if (const char* path = std::getenv(kPathVariable); path != nullptr && *path != '\0') {
    return path;
  }
  fs::path config;
  if (const char* xdg = std::getenv(kConfigHomeVariable);
      xdg != nullptr && fs::path(xdg).is_absolute()) {
    config = xdg;
  } else if (const char* home = std::getenv(kHomeVariable); home != nullptr && *home != '\0') {
    config = fs::path(home) / kConfigFolder;
  } else if (const passwd* user = ::getpwuid(::getuid());
             user != nullptr && user->pw_dir != nullptr) {
    config = fs::path(user->pw_dir) / kConfigFolder;
  } else {
    return {};
  }
  return config / kVendorFolder / kFileName;
}

struct StoreFile {
  RegistryParseResult parsed;  // model empty when the file is damaged
  std::optional<mode_t> mode;  // the permissions of a readable file
};

StoreFile LoadStore(const fs::path& path) {
  StoreFile file;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
    file.parsed.model.emplace();
    return file;
  }
  std::vector<std::uint8_t> bytes;
  struct stat info {};
  if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    file.parsed.error = fd < 0 ? std::strerror(errno) : "not a regular file";
  } else {
    file.mode = info.st_mode & 07777;
    std::uint8_t chunk[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, chunk, sizeof chunk)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    if (n < 0) {
      file.parsed.error = std::strerror(errno);
    } else {
      file.parsed = ParseRegistryFile(bytes);
    }
  }
  if (fd >= 0) ::close(fd);
  return file;
}

std::string Describe(const RegistryParseResult& parsed) {
  if (parsed.errorLine == 0) return parsed.error;
  return "line " + std::to_string(parsed.errorLine) + ": " + parsed.error;
}

// The model of the file for reading; a damaged file reads as empty, and is
// reported once per process.
RegistryModel ReadModel() {
  fs::path path = StorePath();
  if (path.empty()) return {};
  StoreFile file = LoadStore(path);
  if (file.parsed.model) return std::move(*file.parsed.model);
  if (reported_files.insert(path.string()).second) {
    std::fprintf(stderr,
                 "velmora: the settings file %s is damaged (%s); using the default settings\n",
                 path.c_str(), Describe(file.parsed).c_str());
  }
  return {};
}

// A linked settings file stays a link: the file it points at is replaced.
fs::path FollowLinks(fs::path path, std::error_code& error) {
  for (int i = 0; i < kMaxLinks; ++i) {
    std::error_code absent;  // a missing file is no link, and no error
    if (!fs::is_symlink(fs::symlink_status(path, absent))) break;
    fs::path target = fs::read_symlink(path, error);
    if (error) return {};
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

std::string FullKeyPath(std::string_view keyPath) {
  std::string full(kCurrentUserRoot);
  full += '\\';
  full += keyPath;
  return full;
}

// Holds an exclusive lock on a folder while it lives; without one (a folder
// that cannot be opened or locked) the write goes on unlocked.
class FolderLock {
 public:
  explicit FolderLock(const fs::path& folder)
      : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ >= 0) ::flock(fd_, LOCK_EX);
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_;
};

// Renames a damaged file to the first free "<name>.damaged[.N]"; the name
// it got, or nothing when it could not be moved.
std::optional<std::string> SetAside(const fs::path& path, const RegistryParseResult& parsed) {
  for (int i = 0; i < kMaxDamagedCopies; ++i) {
    std::string aside = path.string() + kDamagedSuffix;
    if (i > 0) aside.append(".").append(std::to_string(i));
    struct stat info {};
    if (::lstat(aside.c_str(), &info) == 0 || errno != ENOENT) continue;
    if (::rename(path.c_str(), aside.c_str()) != 0) break;
    std::fprintf(stderr,
                 "velmora: the settings file %s was damaged (%s); it is kept as %s and a new "
                 "one is started\n",
                 path.c_str(), Describe(parsed).c_str(), aside.c_str());
    reported_files.insert(path.string());
    return aside;
  }
  std::fprintf(stderr,
               "velmora: the settings file %s is damaged and could not be moved aside; "
               "settings are not saved\n",
               path.c_str());
  return std::nullopt;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes `text` to a temporary file beside `path`, makes it durable and
// renames it over `path`; on failure `path` is untouched and no temporary
// file is left.
bool ReplaceFile(const fs::path& path, const fs::path& folder, const std::string& text,
                 std::optional<mode_t> mode) {
  std::string temp;
  int fd = -1;
  for (int i = 0; i < kMaxTempAttempts && fd < 0; ++i) {
    temp = path.string() + kTempSuffix + std::to_string(::getpid()) + "." + std::to_string(i);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  bool ok = WriteAll(fd, text) && (!mode || ::fchmod(fd, *mode) == 0) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok && ::rename(temp.c_str(), path.c_str()) == 0) {
    int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
      ::fsync(folderFd);
      ::close(folderFd);
    }
    return true;
  }
  ::unlink(temp.c_str());
  return false;
}

}  // namespace

std::string RegistryFilePath() { return StorePath().string(); }

bool RegistryKeyExists(std::string_view keyPath) {
  RegistryModel model = ReadModel();
  return FindRegistryKey(model, FullKeyPath(keyPath)) != nullptr;
}

std::optional<RegistryValue> RegistryRead(std::string_view keyPath, std::string_view name) {
  RegistryModel model = ReadModel();
  RegistryKey* key = FindRegistryKey(model, FullKeyPath(keyPath));
  if (key == nullptr) return std::nullopt;
  RegistryEntry* entry = FindRegistryEntry(*key, name);
  if (entry == nullptr) return std::nullopt;
  return std::move(entry->value);
}

namespace {

bool HoldsValue(RegistryModel& model, std::string_view fullPath, std::string_view name,
                std::uint32_t type, std::span<const std::uint8_t> data) {
  RegistryKey* key = FindRegistryKey(model, fullPath);
  const RegistryEntry* entry = key != nullptr ? FindRegistryEntry(*key, name) : nullptr;
  return entry != nullptr && entry->value.type == type &&
         std::equal(entry->value.data.begin(), entry->value.data.end(), data.begin(), data.end());
}

}  // namespace

bool RegistryWrite(std::string_view keyPath, std::string_view name, std::uint32_t type,
                   std::span<const std::uint8_t> data) {
  if (!IsStorableRegistryName(keyPath) || !IsStorableRegistryName(name)) return false;
  fs::path path = StorePath();
  if (path.empty()) return false;
  std::error_code error;
  path = FollowLinks(path, error);
  if (error) return false;
  fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  fs::create_directories(folder, error);
  if (error) return false;

  FolderLock lock(folder);
  StoreFile file = LoadStore(path);
  if (file.parsed.model && HoldsValue(*file.parsed.model, FullKeyPath(keyPath), name, type, data)) {
    return true;  // nothing to change: no rewrite, no wait for the disk
  }
  if (!file.parsed.model) {
    if (!SetAside(path, file.parsed)) return false;
    file.parsed.model.emplace();
  }
  SetRegistryValue(*file.parsed.model, FullKeyPath(keyPath), name,
                   RegistryValue{type, std::vector<std::uint8_t>(data.begin(), data.end())});
  return ReplaceFile(path, folder, SerializeRegistryFile(*file.parsed.model), file.mode);
}

std::optional<std::string> KeepDamagedRegistryAside() {
  fs::path path = StorePath();
  if (path.empty()) return std::nullopt;
  std::error_code error;
  path = FollowLinks(path, error);
  if (error) return std::nullopt;
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  FolderLock lock(folder);
  StoreFile file = LoadStore(path);
  if (file.parsed.model) return std::nullopt;
  return SetAside(path, file.parsed);
}

}  // namespace velmora::platform
