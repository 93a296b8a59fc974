#include "replay/InputGate.h"

namespace {

// Leaves the gate's running input however its handler ends.
class Depth {
 public:
  Depth(int& depth, InputObserver* observer) : depth_(depth), observer_(observer) { ++depth_; }
  ~Depth() {
    --depth_;
    if (observer_) observer_->Ended();
  }
  Depth(const Depth&) = delete;
  Depth& operator=(const Depth&) = delete;

 private:
  int& depth_;
  InputObserver* observer_;
};

}  // namespace

void InputGate::Run(const Describe& describe, const std::function<void()>& handler) {
  if (depth_ > 0) return handler();
  if (closed_ && !admitting_) return;
  InputObserver* observer = observer_;
  if (observer) observer->Began(describe());
  const Depth depth(depth_, observer);
  handler();
}

std::function<void()> InputGate::Timed(const std::string& line, std::function<void()> handler) {
  timed_[line] = handler;
  return [this, line, handler = std::move(handler)] { Run([&line] { return line; }, handler); };
}

bool InputGate::RunTimed(const std::string& line) {
  const auto found = timed_.find(line);
  if (found == timed_.end()) return false;
  Run([&line] { return line; }, found->second);
  return true;
}

bool InputGate::Secret(const std::string& name, bool outcome) {
  if (!secrets_.empty()) {
    outcome = secrets_.front();
    secrets_.pop_front();
  }
  Note(name + (outcome ? " yes" : " no"));
  return outcome;
}

void InputGate::Note(const std::string& line) {
  if (observer_ && depth_ > 0) observer_->Note(line);
}

void InputGate::Admit(const std::function<void()>& inputs) {
  const bool before = admitting_;
  admitting_ = true;
  try {
    inputs();
  } catch (...) {
    admitting_ = before;
    throw;
  }
  admitting_ = before;
}
