#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr float kPeak = 0.89f;  // about -1 dBFS
constexpr double kEdgeFade = 0.006;

double Shape(Timbre timbre, double phase) {
  const double t = phase - std::floor(phase);
  switch (timbre) {
    case Timbre::Sine:
      return std::sin(kTwoPi * t);
    case Timbre::Square:  // softened so it does not buzz
      return std::tanh(4.0 * std::sin(kTwoPi * t)) * 0.7;
    case Timbre::Saw:
      return (2.0 * t - 1.0) * 0.6;
    case Timbre::Triangle:
      return 1.0 - 4.0 * std::abs(t - 0.5);
    case Timbre::Bell:  // inharmonic partials give the metallic ring
      return 0.6 * std::sin(kTwoPi * t) + 0.3 * std::sin(kTwoPi * t * 2.76) +
             0.15 * std::sin(kTwoPi * t * 5.4);
  }
  return 0.0;
}

// Short linear attack and release around an exponential decay.
double Envelope(double t, double length, double decay) {
  constexpr double kAttack = 0.004;
  const double release = std::min(0.03, length / 4);
  double level = std::exp(-decay * t);
  if (t < kAttack) level *= t / kAttack;
  if (t > length - release) level *= std::max(0.0, (length - t) / release);
  return level;
}

}  // namespace

Synth::Synth(double seconds) { wave_.samples.assign(Index(seconds), 0.0f); }

int Synth::Index(double seconds) const { return static_cast<int>(seconds * wave_.sampleRate); }

void Synth::Tone(double start, double length, double fromHz, double toHz, Timbre timbre,
                 double volume, double decay) {
  const int first = Index(start);
  const int count = std::min(Index(length), static_cast<int>(wave_.samples.size()) - first);
  double phase = 0.0;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / wave_.sampleRate;
    const double hz = fromHz * std::pow(toHz / fromHz, t / length);
    phase += hz / wave_.sampleRate;
    SampleAt(first + i) +=
        static_cast<float>(volume * Envelope(t, length, decay) * Shape(timbre, phase));
  }
}

void Synth::Noise(double start, double length, double volume, double fromBrightness,
                  double toBrightness, double decay) {
  const int first = Index(start);
  const int count = std::min(Index(length), static_cast<int>(wave_.samples.size()) - first);
  double low = 0.0, band = 0.0;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / wave_.sampleRate;
    noiseState_ = noiseState_ * 1664525u + 1013904223u;
    const double white = static_cast<double>(noiseState_ >> 8) / (1u << 24) * 2.0 - 1.0;
    // A state-variable band-pass whose centre follows the brightness.
    const double brightness = fromBrightness + (toBrightness - fromBrightness) * t / length;
    const double f = 0.02 + 0.9 * brightness * brightness;
    low += f * band;
    const double high = white - low - 0.5 * band;
    band += f * high;
    SampleAt(first + i) += static_cast<float>(volume * Envelope(t, length, decay) * band);
  }
}

Wave Synth::Finish() {
  Normalise(wave_);
  return wave_;
}

void Normalise(Wave& wave) {
  float peak = 0.0f;
  for (float s : wave.samples) peak = std::max(peak, std::abs(s));
  const float gain = peak > 0.0f ? kPeak / peak : 1.0f;
  const int fade = std::min(static_cast<int>(kEdgeFade * wave.sampleRate),
                            static_cast<int>(wave.samples.size()) / 2);
  const int n = static_cast<int>(wave.samples.size());
  for (int i = 0; i < n; ++i) {
    float edge = 1.0f;
    if (i < fade) edge = static_cast<float>(i) / fade;
    if (n - 1 - i < fade) edge = static_cast<float>(n - 1 - i) / fade;
    wave.samples[i] *= gain * edge;
  }
}
