#pragma once

#include <span>
#include <string>

#include "Wave.h"

class AssetFolder;

// One wave file the game plays: an effect made by the synthesiser, or a phrase the
// shopkeeper says.
struct SoundRecipe {
  const char* name;     // the file is "sound\" + name + ".wav"
  const char* phrase;   // spoken words, or nullptr for an effect
  const char* english;  // the same words in English ("sound\en\" + name + ".wav")
  Wave (*make)();       // the effect, or the melody standing in for the phrase
};

std::span<const SoundRecipe> AllSounds();
std::string SoundPath(const SoundRecipe& sound);
// Where the English game finds the phrase; an effect has one file for both.
std::string EnglishSoundPath(const SoundRecipe& sound);

// Spoken by espeak-ng when it is installed, in Russian and in English; the melody
// otherwise (and no English file).
void WriteSounds(AssetFolder& folder);
