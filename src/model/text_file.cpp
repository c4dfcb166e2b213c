#include "model/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quorel {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Closes the descriptor on every way out.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

void TextWriter::Line(std::string_view text) {
  text_ += text;
  text_ += "\r\n";
}

LoadedText LoadTextFile(const std::string& path, std::uintmax_t max_bytes) {
  LoadedText loaded;
  auto failed = [&loaded](LoadOutcome outcome) {
    loaded.outcome = outcome;
    if (outcome == LoadOutcome::kFailed) loaded.error = std::strerror(errno ? errno : EIO);
    loaded.text.clear();
    return loaded;
  };
  // Opened without waiting, so that a FIFO with no writer does not hang the
  // open; its kind is then judged on the open file itself.
  Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (file.fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return failed(LoadOutcome::kMissing);
    if (errno == EISDIR || errno == ENXIO) return failed(LoadOutcome::kNotARegularFile);
    return failed(LoadOutcome::kFailed);
  }
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) return failed(LoadOutcome::kFailed);
  if (!S_ISREG(info.st_mode)) return failed(LoadOutcome::kNotARegularFile);
  if (static_cast<std::uintmax_t>(info.st_size) > max_bytes) return failed(LoadOutcome::kTooLarge);
  // A file that grows while it is read is read no further than the limit.
  loaded.text.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t size = 0;
  for (;;) {
    if (size == loaded.text.size()) {
      if (size > max_bytes) return failed(LoadOutcome::kTooLarge);
      loaded.text.resize(size * 2 + 4096);
    }
    ssize_t got = ::read(file.fd, loaded.text.data() + size, loaded.text.size() - size);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return failed(LoadOutcome::kFailed);
    if (got == 0) break;
    size += static_cast<std::size_t>(got);
  }
  if (size > max_bytes) return failed(LoadOutcome::kTooLarge);
  loaded.text.resize(size);
  if (loaded.text.starts_with(kUtf8ByteOrderMark)) loaded.text.erase(0, kUtf8ByteOrderMark.size());
  loaded.outcome = LoadOutcome::kLoaded;
  return loaded;
}

TextReader::TextReader(const std::string& path) {
  LoadedText loaded = LoadTextFile(path, kMaxTextFileBytes);
  open_ = loaded.outcome == LoadOutcome::kLoaded;
  text_ = std::move(loaded.text);
}

TextReader TextReader::OfText(std::string text) {
  TextReader reader;
  reader.text_ = std::move(text);
  reader.open_ = true;
  return reader;
}

void TextReader::SkipLineEnd(int c) {
  if (c == '\r' && Peek() == '\n') Get();
}

std::string TextReader::ReadLine() {
  const std::size_t start = pos_;
  // The line ends at the first CR or LF: the first LF, unless a CR comes
  // before it.  Both are searched for in bulk rather than byte by byte.
  std::size_t end = text_.find('\n', start);
  if (end == std::string::npos) end = text_.size();
  const void* cr = std::memchr(text_.data() + start, '\r', end - start);
  if (cr != nullptr) end = static_cast<std::size_t>(static_cast<const char*>(cr) - text_.data());
  if (end >= text_.size()) {
    pos_ = text_.size();
    return text_.substr(std::min(start, text_.size()));
  }
  pos_ = end + 1;
  SkipLineEnd(static_cast<unsigned char>(text_[end]));
  return text_.substr(start, end - start);
}

std::string TextReader::ReadItem(bool* ok) {
  if (ok) *ok = !AtEnd();
  std::string item;
  // Leading blanks are skipped; an empty line gives an empty item.
  while (Peek() == ' ' || Peek() == '\t') Get();
  if (Peek() == kEnd) {
    if (ok) *ok = false;
    return item;
  }
  if (Peek() == '"') {
    Get();
    for (int c = Get(); c != kEnd && c != '"'; c = Get()) item += static_cast<char>(c);
    // Drop everything up to and including the separator.
    for (int c = Peek(); c != kEnd; c = Peek()) {
      Get();
      if (c == ',' || c == '\n') break;
      if (c == '\r') {
        SkipLineEnd(c);
        break;
      }
    }
    return item;
  }
  for (int c = Get(); c != kEnd; c = Get()) {
    if (c == ',' || c == '\n') break;
    if (c == '\r') {
      SkipLineEnd(c);
      break;
    }
    item += static_cast<char>(c);
  }
  while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.pop_back();
  return item;
}

}  // namespace quorel
