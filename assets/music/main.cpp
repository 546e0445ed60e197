// Renders the game's music and writes "<out_dir>/music.mp3" and "<out_dir>/music2.mp3".
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "master.h"
#include "mp3_writer.h"
#include "render.h"
#include "themes.h"

namespace {

constexpr int kSampleRate = 44100;
constexpr int kBitRate = 160;

void Produce(const cw::music::Song& song, const std::filesystem::path& path) {
  const auto start = std::chrono::steady_clock::now();
  cw::music::StereoBuffer loop = cw::music::RenderLoop(song, kSampleRate);
  cw::music::Master(loop, song.loudnessDb);
  cw::music::WriteMp3(path.string(), loop, kSampleRate, kBitRate);
  const cw::music::Levels levels = cw::music::Measure(loop);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("music_gen: %s  %.2f s of music, peak %.1f dBFS, RMS %.1f dBFS, made in %.2f s\n",
              path.filename().string().c_str(), static_cast<double>(loop.Frames()) / kSampleRate,
              20.0 * std::log10(levels.peak), 20.0 * std::log10(levels.rms), seconds);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: music_gen <out_dir>\n");
    return 2;
  }
  try {
    const std::filesystem::path out(argv[1]);
    std::filesystem::create_directories(out);
    Produce(cw::music::PlayTheme(), out / "music.mp3");
    Produce(cw::music::MenuTheme(), out / "music2.mp3");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "music_gen: %s\n", error.what());
    return 1;
  }
  return 0;
}
