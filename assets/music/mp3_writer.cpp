#include "mp3_writer.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

#include <lame/lame.h>

namespace cw::music {
namespace {

struct LameCloser {
  void operator()(lame_global_flags* flags) const { lame_close(flags); }
};
using LamePtr = std::unique_ptr<lame_global_flags, LameCloser>;

LamePtr OpenEncoder(int sampleRate, int kbps) {
  LamePtr lame(lame_init());
  if (!lame) throw std::runtime_error("lame_init failed");
  lame_set_in_samplerate(lame.get(), sampleRate);
  lame_set_out_samplerate(lame.get(), sampleRate);
  lame_set_num_channels(lame.get(), 2);
  lame_set_mode(lame.get(), JOINT_STEREO);
  lame_set_VBR(lame.get(), vbr_off);
  lame_set_brate(lame.get(), kbps);
  lame_set_quality(lame.get(), 3);
  // The Info frame is where the delay and padding go; ID3 would only add bytes.
  lame_set_bWriteVbrTag(lame.get(), 1);
  lame_set_write_id3tag_automatic(lame.get(), 0);
  if (lame_init_params(lame.get()) < 0) throw std::runtime_error("lame_init_params failed");
  return lame;
}

}  // namespace

void WriteMp3(const std::string& path, const StereoBuffer& pcm, int sampleRate, int kbps) {
  LamePtr lame = OpenEncoder(sampleRate, kbps);
  constexpr std::size_t kChunk = 8192;
  std::vector<unsigned char> chunk(kChunk * 5 / 4 + 7200);
  std::vector<unsigned char> mp3;
  for (std::size_t start = 0; start < pcm.Frames(); start += kChunk) {
    const std::size_t frames = std::min(kChunk, pcm.Frames() - start);
    const int bytes =
        lame_encode_buffer_ieee_float(lame.get(), &pcm.left[start], &pcm.right[start], static_cast<int>(frames),
                                      chunk.data(), static_cast<int>(chunk.size()));
    if (bytes < 0) throw std::runtime_error("lame_encode_buffer_ieee_float failed");
    mp3.insert(mp3.end(), chunk.begin(), chunk.begin() + bytes);
  }
  const int tail = lame_encode_flush(lame.get(), chunk.data(), static_cast<int>(chunk.size()));
  if (tail < 0) throw std::runtime_error("lame_encode_flush failed");
  mp3.insert(mp3.end(), chunk.begin(), chunk.begin() + tail);

  // The stream opens with a placeholder frame of the same size; the final tag replaces it.
  std::vector<unsigned char> tag(4096);
  const std::size_t tagBytes = lame_get_lametag_frame(lame.get(), tag.data(), tag.size());
  if (tagBytes == 0 || tagBytes > tag.size() || tagBytes > mp3.size()) throw std::runtime_error("no LAME tag frame");
  std::copy(tag.begin(), tag.begin() + static_cast<std::ptrdiff_t>(tagBytes), mp3.begin());

  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(mp3.data()), static_cast<std::streamsize>(mp3.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace cw::music
