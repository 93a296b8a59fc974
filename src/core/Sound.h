#pragma once

#include <string>

class EventLog;

// Plays one wave file named by the game's relative path ("sound\Бой.wav").
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void PlayFile(const std::string& gamePath) = 0;
};

// Script mode and tests: a sound that starts is a line "sound PATH".
class RecordingSoundPlayer : public SoundPlayer {
 public:
  explicit RecordingSoundPlayer(EventLog& log) : log_(log) {}
  void PlayFile(const std::string& gamePath) override;

 private:
  EventLog& log_;
};

// The game's sound rule: sounds play only while the sound switch is 1.
class Sound {
 public:
  Sound(const int& soundSwitch, SoundPlayer& player) : switch_(soundSwitch), player_(player) {}

  bool On() const { return switch_ == 1; }
  void Play(const std::string& gamePath);
  // The registration sound plays whatever the switch holds.
  void PlayRegardless(const std::string& gamePath);

 private:
  const int& switch_;
  SoundPlayer& player_;
};
