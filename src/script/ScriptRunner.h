#pragma once

#include <filesystem>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

class Game;
class Screen;
class QWidget;
class QSpinBox;

// A line the script mode cannot run: unknown command or name, bad value, a `set`
// of a control.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The script mode: plays the game from text commands, one per line.
class ScriptRunner {
 public:
  ScriptRunner(Game& game, std::filesystem::path snapDir);

  // Runs commands until the input or the game ends. Returns the exit status:
  // 0, or 2 after a script error (reported as one line on `errors`).
  int Run(std::istream& input, std::ostream& errors);
  // One command line; throws ScriptError.
  void Execute(const std::string& line);

 private:
  Screen* FormNamed(const std::string& name) const;
  QWidget* ControlNamed(const std::string& formDotControl) const;

  void Draws(const std::string& args);
  void Answer(const std::string& args);
  void Type(const std::string& args, bool paste);
  // A spin box takes the whole number at once, by `type` or `paste`.
  void TypeNumber(QSpinBox& spin, const std::string& text);
  void Click(const std::string& args);
  void Select(const std::string& args);
  void Key(const std::string& args);
  void Close(const std::string& args);
  void Tick(const std::string& args);
  void AutoStep(const std::string& args);
  // A click, choice or typing while the auto-fight runs only stops it: true then.
  bool InterruptsAutoFight() const;
  void Wait(const std::string& args);
  void Get(const std::string& name);
  void Set(const std::string& args);
  void Snap(const std::string& name);

  Game& game_;
  std::filesystem::path snapDir_;
};
