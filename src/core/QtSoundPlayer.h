#pragma once

#include <QObject>
#include <QSoundEffect>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "core/GameFolder.h"
#include "core/Sound.h"

// Real sound: one QSoundEffect per file, loaded on first use and kept; a new
// sound cuts off the one still playing; a missing file gives the system beep.
// With a speech folder ("sound\en\") a phrase spoken there is played instead of
// the Russian one of the same name.
class QtSoundPlayer : public SoundPlayer {
 public:
  explicit QtSoundPlayer(const GameFolder& folder, std::string speechFolder = "")
      : folder_(folder), speechFolder_(std::move(speechFolder)) {}
  ~QtSoundPlayer() override;

  void PlayFile(const std::string& gamePath) override;

 private:
  QSoundEffect* Load(const std::string& gamePath);
  std::filesystem::path FileOf(const std::string& gamePath) const;

  const GameFolder& folder_;
  std::string speechFolder_;
  std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* playing_ = nullptr;
};
