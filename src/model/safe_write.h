// The one way every file of the program is written: into a temporary file
// of a unique name beside the target, then renamed over it, so that a
// reader of the target sees either the old file or the whole new one, never
// a part, and two writers of the same name never mix their bytes.
#pragma once

#include <string>
#include <string_view>

namespace quorel {

enum class WriteOutcome {
  kWritten,
  // The target exists and is not a regular file (a folder, a device, a
  // FIFO, a socket): it is left alone.
  kNotARegularFile,
  // The folder is missing or read-only, the disk is full, or the rename
  // failed; any earlier file of that name is unchanged.
  kFailed,
};

// Writes `contents` to `path`.  A symbolic link is followed: the file it
// points to is replaced and the link stays.  An existing target keeps its
// permission bits; a new one gets the usual mode for new files.  The
// temporary file is removed on every failure path.
WriteOutcome WriteFileSafely(const std::string& path, std::string_view contents);

// The message for a write that did not succeed: `what` names the file
// ("The solution file"), followed by its name and the reason.
std::string WriteFailedMessage(const std::string& what, const std::string& path,
                               WriteOutcome outcome);

// Removes the temporary file of a write in progress, if any.  Safe to call
// from a signal handler (it only calls unlink), so that an interrupted
// program leaves nothing behind.
void RemovePendingTemporaryFile() noexcept;

}  // namespace quorel
