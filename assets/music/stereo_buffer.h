#pragma once
// Two channels of float samples, full scale = 1.0.
#include <cstddef>
#include <vector>

namespace cw::music {

struct StereoBuffer {
  std::vector<float> left;
  std::vector<float> right;

  StereoBuffer() = default;
  explicit StereoBuffer(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
  std::size_t Frames() const { return left.size(); }
};

}  // namespace cw::music
