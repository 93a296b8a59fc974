#pragma once

#include <string>
#include <vector>

// Where the game reports what the player sees pop up or hears: the script mode
// prints each line, tests collect them, the real game drops them.
class EventLog {
 public:
  virtual ~EventLog() = default;
  virtual void Line(const std::string& line) = 0;
};

class NullLog : public EventLog {
 public:
  void Line(const std::string&) override {}
};

class StdoutLog : public EventLog {
 public:
  void Line(const std::string& line) override;
};

class VectorLog : public EventLog {
 public:
  void Line(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> Take();

  std::vector<std::string> lines;
};
