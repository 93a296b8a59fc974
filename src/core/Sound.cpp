#include "core/Sound.h"

#include "core/EventLog.h"

void RecordingSoundPlayer::PlayFile(const std::string& gamePath) { log_.Line("sound " + gamePath); }

void Sound::Play(const std::string& gamePath) {
  if (On()) player_.PlayFile(gamePath);
}

void Sound::PlayRegardless(const std::string& gamePath) { player_.PlayFile(gamePath); }
