#pragma once

#include <filesystem>
#include <string>

// Flips bits of a saved character's three files, one at a time, and logs in after
// each with the right password and with a wrong one. The character has backups,
// both lists hold items, and every value differs from a new character's.
struct FlipCounts {
  int flips = 0;
  // With the right password: what a player wants.
  int loadedSame = 0;  // exactly the saved character
  int offered = 0;     // the backup offer, the backup being the saved character
  // What must never happen.
  int loadedChanged = 0;  // another character than the saved one, without a word
  int lockedOut = 0;      // refused although whole backups exist
  int registered = 0;     // a new character over the backups
  int unsavable = 0;      // loaded, but a later save would fail
  int badOffer = 0;       // offered a backup that is not the saved character
  int strangerShown = 0;  // a wrong password got anything but the refusal

  int Faults() const {
    return loadedChanged + lockedOut + registered + unsavable + badOffer + strangerShown;
  }
};

struct FlipSweepOptions {
  bool everyBit = true;        // all eight bits of each byte, else bit (byte mod 8)
  bool withoutDigest = false;  // the save as older builds left it
};

// Works in `folder`, which it empties first.
FlipCounts SweepFlips(const std::filesystem::path& folder, const FlipSweepOptions& options);
