#pragma once

#include <optional>
#include <string>
#include <vector>

#include "replay/InputGate.h"
#include "replay/Recording.h"
#include "script/ScriptRunner.h"

class Game;

// Plays a recording's inputs again on a started game, one at a time, through the
// same handlers, and compares what each did with what the recording says: the
// input's own line, what it learnt, and the state's digests. While it lives the
// game's gate is closed to every other input.
class Replayer : public InputObserver {
 public:
  Replayer(Game& game, const Recording& recording);
  ~Replayer() override;
  Replayer(const Replayer&) = delete;
  Replayer& operator=(const Replayer&) = delete;

  bool Done() const { return next_ >= recording_.inputs.size() || finished_; }
  // The next input; what differs from the recording after it, if anything. The end
  // is compared after the last input.
  std::optional<std::string> Step();
  // Every input, until the first difference.
  std::optional<std::string> RunAll();
  // The number of the input Step ran last, from 1.
  std::size_t Position() const { return next_; }
  const RecordedInput* Next() const;

  // "replay: N events, same end" or "replay: differs at event K: WHAT".
  std::string Verdict(const std::optional<std::string>& difference) const;

  void Began(const std::string& line) override { began_.push_back(line); }
  void Note(const std::string& line) override { notes_.push_back(line); }
  void Ended() override {}

 private:
  void Prepare(const RecordedInput& input);
  std::optional<std::string> Run(const RecordedInput& input);
  std::optional<std::string> Compare(const RecordedInput& input);
  std::optional<std::string> CompareEnd();

  Game& game_;
  const Recording& recording_;
  ScriptRunner runner_;
  std::size_t next_ = 0;
  std::size_t lastSame_ = 0;  // the last input whose digest matched
  bool finished_ = false;
  std::vector<std::string> began_;
  std::vector<std::string> notes_;
};
