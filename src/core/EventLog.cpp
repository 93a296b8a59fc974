#include "core/EventLog.h"

#include <cstdio>

void StdoutLog::Line(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::vector<std::string> VectorLog::Take() {
  std::vector<std::string> taken;
  taken.swap(lines);
  return taken;
}
