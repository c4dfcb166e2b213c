#include "model/safe_write.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace quorel {
namespace fs = std::filesystem;

namespace {

// The name of the temporary file being written, for the signal-time
// clean-up.  A signal handler can reach nothing but static storage, so this
// one buffer is the exception to the rule that state lives in the Session;
// it is written only while no signal handler can run a second write.
std::array<char, PATH_MAX> pending_temporary{};

void RememberTemporary(const std::string& name) {
  if (name.size() >= pending_temporary.size()) return;
  std::memcpy(pending_temporary.data(), name.c_str(), name.size() + 1);
}

void ForgetTemporary() {
  pending_temporary[0] = '\0';
}

// Follows symbolic links to the file that is to be replaced; a dangling
// link gives the name it points to, which is then created.
fs::path ResolveTarget(const fs::path& path) {
  constexpr int kMaxLinkHops = 40;  // the kernel's own limit
  fs::path target = path;
  std::error_code error;
  for (int hop = 0; hop < kMaxLinkHops && fs::is_symlink(fs::symlink_status(target, error));
       ++hop) {
    fs::path next = fs::read_symlink(target, error);
    if (error) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

// The template for mkstemp: a hidden name beside the target, cut short
// when the target's own name leaves no room for the suffix.
std::string TemporaryTemplate(const fs::path& target) {
  constexpr std::size_t kMaxName = NAME_MAX;
  constexpr std::string_view kSuffix = ".tmp.XXXXXX";
  std::string name = target.filename().string();
  std::size_t room = kMaxName - kSuffix.size() - 1;  // 1 for the leading dot
  if (name.size() > room) name.resize(room);
  fs::path folder = target.parent_path();
  return (folder / ("." + name + std::string(kSuffix))).string();
}

mode_t NewFileMode() {
  // umask can only be read by setting it; the program writes from one
  // thread, so setting it back at once is safe.
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view contents) {
  const char* next = contents.data();
  std::size_t left = contents.size();
  while (left > 0) {
    ssize_t written = ::write(fd, next, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    next += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

WriteOutcome WriteFileSafely(const std::string& path, std::string_view contents) {
  if (path.empty()) return WriteOutcome::kFailed;
  fs::path target = ResolveTarget(path);

  mode_t mode = NewFileMode();
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode)) return WriteOutcome::kNotARegularFile;
    mode = existing.st_mode & 07777;
  }

  std::string temporary = TemporaryTemplate(target);
  int fd = ::mkstemp(temporary.data());
  if (fd < 0) return WriteOutcome::kFailed;
  RememberTemporary(temporary);

  bool ok = WriteAll(fd, contents) && ::fchmod(fd, mode) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  ForgetTemporary();
  return ok ? WriteOutcome::kWritten : WriteOutcome::kFailed;
}

std::string WriteFailedMessage(const std::string& what, const std::string& path,
                               WriteOutcome outcome) {
  if (outcome == WriteOutcome::kNotARegularFile)
    return what + " " + path +
           " could not be written: that name belongs to a folder or a device, not to a file.  "
           "Nothing was changed.  ErrMsgW1";
  return what + " " + path +
         " could not be written.  The folder may not exist or may be read-only, or the disk may "
         "be full.  Any earlier file of that name was left unchanged.  ErrMsgW1";
}

void RemovePendingTemporaryFile() noexcept {
  if (pending_temporary[0] != '\0') ::unlink(pending_temporary.data());
}

}  // namespace quorel
