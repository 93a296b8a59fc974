#pragma once

#include <span>
#include <string>

#include "Wave.h"

class AssetFolder;

// One wave file the game plays: an effect made by the synthesiser, or a phrase the
// shopkeeper says.
struct SoundRecipe {
  const char* name;    // the file is "sound\" + name + ".wav"
  const char* phrase;  // spoken words, or nullptr for an effect
  Wave (*make)();      // the effect, or the melody standing in for the phrase
};

std::span<const SoundRecipe> AllSounds();
std::string SoundPath(const SoundRecipe& sound);

// Spoken by espeak-ng when it is installed; the melody otherwise.
void WriteSounds(AssetFolder& folder);
