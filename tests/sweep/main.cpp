// Flips every bit of a saved character's three files, one at a time, and prints
// what the login made of each flip.
//
//   mg_flip_sweep [--one-bit-per-byte] [--without-digest] [FOLDER]

#include <unistd.h>

#include <cstdio>
#include <string>

#include "sweep/FlipSweep.h"

int main(int argc, char** argv) {
  FlipSweepOptions options;
  // In memory where there is room: the sweep writes a file for every flip.
  std::error_code error;
  const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
  std::filesystem::path folder = base / ("mg-flip-sweep-" + std::to_string(getpid()));
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--one-bit-per-byte")
      options.everyBit = false;
    else if (arg == "--without-digest")
      options.withoutDigest = true;
    else if (!arg.starts_with("-"))
      folder = arg;
    else {
      std::fprintf(stderr, "usage: %s [--one-bit-per-byte] [--without-digest] [FOLDER]\n", argv[0]);
      return 2;
    }
  }
  const FlipCounts counts = SweepFlips(folder, options);
  std::filesystem::remove_all(folder);
  std::printf(
      "flips: %d\n"
      "loaded exactly as saved: %d\n"
      "backup offered: %d\n"
      "loaded changed without a word: %d\n"
      "refused although backups exist: %d\n"
      "registered anew: %d\n"
      "loaded but cannot be saved: %d\n"
      "offered a backup that differs: %d\n"
      "wrong password shown more than the refusal: %d\n",
      counts.flips, counts.loadedSame, counts.offered, counts.loadedChanged, counts.lockedOut,
      counts.registered, counts.unsavable, counts.badOffer, counts.strangerShown);
  return counts.Faults() == 0 ? 0 : 1;
}
