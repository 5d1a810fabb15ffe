#include "sound/synthesis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vorbexia {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAttack = 0.004;  // seconds of fade-in: no click at the start
constexpr double kRelease = 0.01;  // seconds of fade-out before the end

// The same white noise in every run: a 32-bit xorshift generator.
struct Noise {
  uint32_t state;
  double Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state / 2147483648.0 - 1.0;
  }
};

// A fade-in, an exponential decay with time constant `decay` (seconds) and a
// fade-out to 0 at the end of `length` seconds.
double Envelope(double t, double length, double decay) {
  double gain = std::exp(-t / decay);
  if (t < kAttack) gain *= t / kAttack;
  if (t > length - kRelease) gain *= std::fmax(0.0, (length - t) / kRelease);
  return gain;
}

// Calls voice(t) at every sample time t (seconds) for `length` seconds and scales the
// result so that its loudest sample is `peak`.
template <typename Voice>
Samples Render(double length, float peak, Voice voice) {
  const int count = static_cast<int>(length * kSampleRate);
  Samples samples(static_cast<size_t>(count));
  double loudest = 0.0;
  std::vector<double> raw(samples.size());
  for (int i = 0; i < count; ++i) {
    raw[i] = voice(static_cast<double>(i) / kSampleRate);
    loudest = std::fmax(loudest, std::fabs(raw[i]));
  }
  for (int i = 0; i < count; ++i) {
    samples[i] = static_cast<float>(loudest > 0 ? raw[i] * peak / loudest : 0.0);
  }
  samples.back() = 0.0f;
  return samples;
}

// A sine whose frequency glides from `from` to `to` Hz over `length`
// seconds; returns the phase (radians) at t.
double GlidePhase(double t, double from, double to, double length) {
  const double k = std::log(to / from) / length;  // exponential glide
  return 2 * kPi * from * (std::exp(k * t) - 1.0) / k;
}

// A bright zap falling from 1200 to 300 Hz, with a softer octave above.
Samples Shot() {
  constexpr double kLength = 0.2;
  return Render(kLength, 0.22f, [](double t) {
    const double phase = GlidePhase(t, 1200.0, 300.0, kLength);
    return (std::sin(phase) + 0.3 * std::sin(2 * phase)) *
           Envelope(t, kLength, 0.06);
  });
}

// A dull thud: low-passed noise over a 110 Hz body.
Samples WallHit() {
  constexpr double kLength = 0.15;
  Noise noise{0x2545F491u};
  double smooth = 0.0;
  return Render(kLength, 0.22f, [&](double t) {
    smooth += 0.15 * (noise.Next() - smooth);
    return (smooth * 3.0 + std::sin(2 * kPi * 110.0 * t)) * Envelope(t, kLength, 0.03);
  });
}

// A metallic clang: three partials that are no harmonics of each other.
Samples RobotHit() {
  constexpr double kLength = 0.35;
  return Render(kLength, kSoundPeak, [](double t) {
    return (std::sin(2 * kPi * 520.0 * t) + 0.7 * std::sin(2 * kPi * 1310.0 * t) +
            0.4 * std::sin(2 * kPi * 2070.0 * t)) *
           Envelope(t, kLength, 0.09);
  });
}

// A falling groan from 260 to 55 Hz with a crash of noise as it lands.
Samples RobotFall() {
  constexpr double kLength = 0.7;
  Noise noise{0x9E3779B9u};
  double smooth = 0.0;
  return Render(kLength, kSoundPeak, [&](double t) {
    smooth += 0.08 * (noise.Next() - smooth);
    const double groan = std::sin(GlidePhase(t, 260.0, 55.0, kLength)) *
                         Envelope(t, kLength, 0.35);
    const double crash = t < 0.45 ? 0.0 : smooth * 4.0 * Envelope(t - 0.45, 0.25, 0.08);
    return groan + crash;
  });
}

// A rising C major arpeggio, the last note held: about a second.
Samples Victory() {
  constexpr double kNotes[] = {523.25, 659.25, 783.99, 1046.5};  // Hz
  constexpr double kNote = 0.14;                                 // seconds
  constexpr double kLength = 3 * kNote + 0.6;
  return Render(kLength, 0.25f, [&](double t) {
    const int note = std::min(3, static_cast<int>(t / kNote));
    const double start = note * kNote;
    const double length = note == 3 ? kLength - start : kNote;
    const double local = t - start;
    const double f = kNotes[note];
    return (std::sin(2 * kPi * f * local) + 0.25 * std::sin(6 * kPi * f * local)) *
           Envelope(local, length, note == 3 ? 0.3 : 0.2);
  });
}

// A soft, low step: 75 Hz and a little muffled noise.
Samples Footstep() {
  constexpr double kLength = 0.08;
  Noise noise{0x1234567u};
  double smooth = 0.0;
  return Render(kLength, 0.08f, [&](double t) {
    smooth += 0.05 * (noise.Next() - smooth);
    return (std::sin(2 * kPi * 75.0 * t) + smooth * 4.0) * Envelope(t, kLength, 0.025);
  });
}

}  // namespace

const char* SoundName(Sound sound) {
  static constexpr const char* kNames[kSoundCount] = {
      "shot", "wall-hit", "robot-hit", "robot-fall", "victory", "footstep"};
  return kNames[static_cast<int>(sound)];
}

SoundBank SynthesizeSounds() {
  SoundBank bank;
  bank.sounds = {Shot(), WallHit(), RobotHit(), RobotFall(), Victory(), Footstep()};
  return bank;
}

}  // namespace vorbexia
