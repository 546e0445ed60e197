#pragma once
// Pictures decoded on a second thread while the program starts, so the first frame need not wait for them.
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <optional>
#include <string>

#include "platform/surface.h"

namespace cw {

class PictureReadAhead {
 public:
  using Decoder = std::function<std::optional<Surface>(const std::string& path)>;

  // Starts decoding `path` on its own thread; `decode` must be safe to call from there.
  void Start(const std::string& path, Decoder decode);
  // The result read ahead for `path`, handed out once; none when nothing was started for it or the file
  // has changed since.
  std::optional<std::optional<Surface>> Take(const std::string& path);

 private:
  struct Pending {
    std::future<std::optional<Surface>> result;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written;
  };
  std::map<std::string, Pending> pending_;
};

}  // namespace cw
