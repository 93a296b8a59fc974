#pragma once

#include <ostream>
#include <string>

#include "replay/InputGate.h"

class Game;

// Writes a session down as it is played (the format in Recording.h): the header,
// then every input the gate lets through, with what it learnt, the save files the
// login is about to read, and the state's digest every few inputs. Each input is on
// the disk before its handler runs, so a recording of a session that crashed ends
// with the input that crashed it.
class Recorder : public InputObserver {
 public:
  static constexpr int kDigestEvery = 20;

  Recorder(Game& game, std::ostream& out, int digestEvery = kDigestEvery);
  ~Recorder() override;
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // The header, once the game has started (its seed is drawn then); from now on the
  // gate's inputs are written.
  void Start(const std::string& version, int hour);
  // The end line with the final state; nothing more is written.
  void Finish();
  int Inputs() const { return inputs_; }

  void Began(const std::string& line) override;
  void Note(const std::string& line) override;
  void Ended() override;

 private:
  void Write(const std::string& text);

  Game& game_;
  std::ostream& out_;
  int digestEvery_;
  int inputs_ = 0;
  bool recording_ = false;
};
