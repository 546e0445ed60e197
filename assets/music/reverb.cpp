#include "reverb.h"

#include <array>

namespace cw::music {
namespace {

// Delay lengths in samples at 44.1 kHz; mutually prime-ish so the echoes do not stack.
constexpr std::array<int, 8> kCombLengths = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<int, 4> kAllpassLengths = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;

class Comb {
 public:
  Comb(int length, double feedback, double damping) : buffer_(length, 0.0f), feedback_(feedback), damping_(damping) {}
  float Process(float in) {
    const float out = buffer_[index_];
    store_ = out * (1.0 - damping_) + store_ * damping_;
    buffer_[index_] = static_cast<float>(in + store_ * feedback_);
    if (++index_ == buffer_.size()) index_ = 0;
    return out;
  }

 private:
  std::vector<float> buffer_;
  std::size_t index_ = 0;
  double feedback_;
  double damping_;
  double store_ = 0.0;
};

class Allpass {
 public:
  explicit Allpass(int length) : buffer_(length, 0.0f) {}
  float Process(float in) {
    const float delayed = buffer_[index_];
    buffer_[index_] = in + delayed * 0.5f;
    if (++index_ == buffer_.size()) index_ = 0;
    return delayed - in;
  }

 private:
  std::vector<float> buffer_;
  std::size_t index_ = 0;
};

std::vector<float> Tank(const std::vector<float>& in, ReverbSettings settings, int spread) {
  const double feedback = 0.7 + 0.28 * settings.roomSize;
  const double damping = settings.damping * 0.4;
  std::vector<Comb> combs;
  for (int length : kCombLengths) combs.emplace_back(length + spread, feedback, damping);
  std::vector<Allpass> allpasses;
  for (int length : kAllpassLengths) allpasses.emplace_back(length + spread);
  std::vector<float> out(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    const float x = in[i] * 0.015f;
    float sum = 0.0f;
    for (Comb& comb : combs) sum += comb.Process(x);
    for (Allpass& allpass : allpasses) sum = allpass.Process(sum);
    out[i] = sum;
  }
  return out;
}

}  // namespace

StereoBuffer ApplyReverb(const StereoBuffer& send, ReverbSettings settings) {
  std::vector<float> mono(send.Frames());
  for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (send.left[i] + send.right[i]);
  StereoBuffer wet;
  wet.left = Tank(mono, settings, 0);
  wet.right = Tank(mono, settings, kStereoSpread);
  return wet;
}

}  // namespace cw::music
