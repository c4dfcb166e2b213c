// A private folder for files the program makes for its own use while it runs
// (the data file of a problem imported from a CSV table).  The folder and its
// files go when the object goes.
#pragma once

#include <string>

namespace quorel {

class ScratchFolder {
 public:
  ScratchFolder() = default;
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder with a trailing "/", made under the system's temporary
  // folder (readable by this user only) when it does not exist yet; "" when
  // it cannot be made.
  const std::string& Create();
  // The folder once made, else "".
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace quorel
