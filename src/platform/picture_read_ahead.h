#pragma once
// Pictures decoded on a second thread while the program starts, so the first frame need not wait for them.
#include <functional>
#include <future>
#include <map>
#include <optional>
#include <string>

#include "platform/file_stamp.h"
#include "platform/surface.h"

namespace cw {

// `Picture` is a Surface or an IndexedSurface (a mask).
template <class Picture = Surface>
class PictureReadAhead {
 public:
  using Decoder = std::function<std::optional<Picture>(const std::string& path)>;

  // Starts decoding `path` on its own thread; `decode` must be safe to call from there.
  void Start(const std::string& path, Decoder decode) {
    Pending p;
    auto stamp = StampOf(path);
    if (!stamp) return;  // decoded the ordinary way, which reports the problem
    p.stamp = *stamp;
    p.result = std::async(std::launch::async, std::move(decode), path);
    pending_[path] = std::move(p);
  }
  // The result read ahead for `path`, handed out once; none when nothing was started for it or the file
  // has changed since.
  std::optional<std::optional<Picture>> Take(const std::string& path) {
    auto it = pending_.find(path);
    if (it == pending_.end()) return std::nullopt;
    Pending p = std::move(it->second);
    pending_.erase(it);
    std::optional<Picture> picture = p.result.get();
    if (StampOf(path) != p.stamp) return std::nullopt;
    return picture;
  }

 private:
  struct Pending {
    std::future<std::optional<Picture>> result;
    FileStamp stamp;
  };
  std::map<std::string, Pending> pending_;
};

}  // namespace cw
