#pragma once

#include "Wave.h"

enum class Timbre { Sine, Square, Saw, Triangle, Bell };

// A small additive synthesiser: sounds are laid onto one buffer and then normalised.
class Synth {
 public:
  explicit Synth(double seconds);

  // A note gliding from fromHz to toHz; decay is how many times per second the level
  // falls by e (0 holds it).
  void Tone(double start, double length, double fromHz, double toHz, Timbre timbre, double volume,
            double decay = 0.0);
  // Filtered noise; brightness 0..1 moves the filter from dull to hissing and may glide.
  void Noise(double start, double length, double volume, double fromBrightness, double toBrightness,
             double decay = 0.0);
  // Normalised to just below full scale, with the ends faded so nothing clicks.
  Wave Finish();

 private:
  float& SampleAt(int index) { return wave_.samples[index]; }
  int Index(double seconds) const;

  Wave wave_;
  unsigned noiseState_ = 22222u;
};

// Scales the loudest sample to just below full scale and fades both ends.
void Normalise(Wave& wave);
