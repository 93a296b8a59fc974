#pragma once

#include <QObject>
#include <QSoundEffect>
#include <map>
#include <memory>
#include <string>

#include "core/GameFolder.h"
#include "core/Sound.h"

// Real sound: one QSoundEffect per file, loaded on first use and kept; a new
// sound cuts off the one still playing; a missing file gives the system beep.
class QtSoundPlayer : public SoundPlayer {
 public:
  explicit QtSoundPlayer(const GameFolder& folder) : folder_(folder) {}
  ~QtSoundPlayer() override;

  void PlayFile(const std::string& gamePath) override;

 private:
  QSoundEffect* Load(const std::string& gamePath);

  const GameFolder& folder_;
  std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* playing_ = nullptr;
};
