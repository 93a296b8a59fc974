#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>

// Sees the inputs of a session as the game's handlers take them.
class InputObserver {
 public:
  virtual ~InputObserver() = default;
  // An input whose handler starts while no other runs, in the script mode's words
  // ("click TForm3.Image5", "select TForm5.SubjectListBox 2", "tick").
  virtual void Began(const std::string& line) = 0;
  // What the running input learnt that its line does not say ("answer yes").
  virtual void Note(const std::string& line) = 0;
  virtual void Ended() = 0;
};

// The one door every input of the game goes through: the handlers of controls, the
// close boxes and the timers' steps. A handler started while another runs is part of
// that one input. An observer (the recorder) sees each input; a replay closes the
// door to everything but its own inputs, so the viewer's mouse and the real timers
// change nothing.
class InputGate {
 public:
  using Describe = std::function<std::string()>;

  // Runs `handler` as the input `describe()` names.
  void Run(const Describe& describe, const std::function<void()>& handler);

  // What a timer calls for one step: `handler` run through the gate as the input
  // `line`. A replay runs the same step by that line (RunTimed).
  std::function<void()> Timed(const std::string& line, std::function<void()> handler);
  // False when no timer step has that line.
  bool RunTimed(const std::string& line);

  // The outcome of a test whose input is not recorded (the password's): noted for
  // the recording; in a replay the recorded outcome, queued by QueueSecret, wins.
  bool Secret(const std::string& name, bool outcome);
  void QueueSecret(bool outcome) { secrets_.push_back(outcome); }
  std::size_t SecretsLeft() const { return secrets_.size(); }

  // Notes an answer or another fact of the running input for the observer.
  void Note(const std::string& line);

  void SetObserver(InputObserver* observer) { observer_ = observer; }
  // Closed, only inputs run inside Admit pass.
  void SetClosed(bool closed) { closed_ = closed; }
  void Admit(const std::function<void()>& inputs);
  bool Running() const { return depth_ > 0; }

 private:
  InputObserver* observer_ = nullptr;
  int depth_ = 0;
  bool closed_ = false;
  bool admitting_ = false;
  std::deque<bool> secrets_;
  std::map<std::string, std::function<void()>> timed_;
};
