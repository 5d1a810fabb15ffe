// sound-trace [--s16] FILE: names the game's sounds found in a recording of
// its sound output, one channel at kSampleRate: native floats (SDL's disk
// driver), or with --s16 16-bit little-endian PCM (the Windows game's waveOut
// through ALSA's file plugin under Wine), matched within the rounding to 16
// bits. Each sound is recognised by its first samples, taken out of the
// recording whole, and listed as "SAMPLE NAME", SAMPLE being where it starts;
// " cut" follows when the recording ends before the sound does.
// Sounds of one frame start on the same sample: they are recognised
// together, and listed in the order of vorbexia::Sound.
// Exit 1, after "SAMPLE unknown", at the first sample that no sound explains.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "sound/synthesis.h"

namespace {

using vorbexia::Samples;

// How far a sample may be from silence, or from the sounds' sum, and still
// match.
struct Precision {
  double silence;
  double tolerance;
};
constexpr Precision kFloats{1e-6, 1e-5};
constexpr double kPcmStep = 1.0 / 32767;  // one step of 16-bit PCM
constexpr Precision kPcm16{kPcmStep, 2 * kPcmStep};
constexpr size_t kLead = 8;     // samples a sound may start before its first non-zero one
constexpr size_t kCompare = 64;  // samples compared

// True when the sounds of the set (bit s: sound s) start together at `at`.
bool StartAt(const std::vector<double>& rest, size_t at, const vorbexia::SoundBank& bank,
             unsigned set, double tolerance) {
  if (at + kCompare > rest.size()) return false;
  for (size_t k = 0; k < kCompare; ++k) {
    double sum = 0.0;
    for (int s = 0; s < vorbexia::kSoundCount; ++s) {
      if (set & (1u << s)) sum += bank.sounds[s][k];
    }
    if (std::fabs(rest[at + k] - sum) > tolerance) return false;
  }
  return true;
}

// Takes the set's sounds out of the recording from `start` on and lists them.
void TakeOut(std::vector<double>& rest, size_t start, const vorbexia::SoundBank& bank,
             unsigned set) {
  for (int s = 0; s < vorbexia::kSoundCount; ++s) {
    if (!(set & (1u << s))) continue;
    const Samples& sound = bank.sounds[s];
    const size_t end = std::min(rest.size(), start + sound.size());
    for (size_t k = start; k < end; ++k) rest[k] -= sound[k - start];
    std::printf("%zu %s%s\n", start, vorbexia::SoundName(static_cast<vorbexia::Sound>(s)),
                end < start + sound.size() ? " cut" : "");
  }
}

// The sets of sounds, the smaller first.
std::vector<unsigned> SoundSets() {
  std::vector<unsigned> sets;
  for (unsigned set = 1; set < (1u << vorbexia::kSoundCount); ++set) sets.push_back(set);
  std::stable_sort(sets.begin(), sets.end(), [](unsigned a, unsigned b) {
    return __builtin_popcount(a) < __builtin_popcount(b);
  });
  return sets;
}

// The recording's samples, each of type T, times `scale`.
template <typename T>
std::vector<double> ReadSamples(const char* path, double scale) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
  std::vector<double> samples(bytes.size() / sizeof(T));
  for (size_t i = 0; i < samples.size(); ++i) {
    T sample;
    std::copy_n(&bytes[i * sizeof(T)], sizeof(T), reinterpret_cast<char*>(&sample));
    samples[i] = sample * scale;
  }
  return samples;
}

}  // namespace

int main(int argc, char** argv) {
  const bool pcm16 = argc == 3 && std::string_view(argv[1]) == "--s16";
  if (argc != 2 && !pcm16) return 2;
  const char* path = argv[argc - 1];
  std::vector<double> rest =
      pcm16 ? ReadSamples<int16_t>(path, kPcmStep) : ReadSamples<float>(path, 1.0);
  const Precision precision = pcm16 ? kPcm16 : kFloats;
  const vorbexia::SoundBank bank = vorbexia::SynthesizeSounds();
  const std::vector<unsigned> sets = SoundSets();
  for (size_t i = 0; i < rest.size(); ++i) {
    if (std::fabs(rest[i]) <= precision.silence) continue;
    bool found = false;
    for (size_t lead = 0; lead <= kLead && lead <= i && !found; ++lead) {
      for (size_t n = 0; n < sets.size() && !found; ++n) {
        if (!StartAt(rest, i - lead, bank, sets[n], precision.tolerance)) continue;
        TakeOut(rest, i - lead, bank, sets[n]);
        found = true;
      }
    }
    if (!found) {
      std::printf("%zu unknown\n", i);
      return 1;
    }
  }
  return 0;
}
