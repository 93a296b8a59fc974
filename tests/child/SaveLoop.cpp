// A game that does nothing but save, for the tests that kill it at random moments:
// step n has n roubles, n % 5 + 1 backpack lines and one bonus line, all naming
// n, so a mix of two saves is plain to see. After each save that reports success
// it writes n and a line break to its standard output. It holds the nick's lock
// as a running game does.
//
//   mg_save_loop ROOT NICK FIRST

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "child/SaveLoopStep.h"
#include "state/NickLock.h"
#include "state/SaveFiles.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const GameFolder folder{std::filesystem::path(argv[1])};
  const SaveFileNames names = SaveFilesOf(argv[2]);
  NickLock lock;
  std::filesystem::create_directories(folder.Resolve("save"));
  if (!lock.Take(folder.Resolve(names.lock))) return 3;
  for (long n = std::atol(argv[3]);; ++n) {
    if (WriteSavedGame(folder, names, SaveLoopStep(argv[2], n))) return 1;
    const std::string line = std::to_string(n) + "\n";
    if (write(STDOUT_FILENO, line.data(), line.size()) < 0) return 1;
  }
}
