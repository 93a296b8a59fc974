#include "core/QtSoundPlayer.h"

#include <QApplication>
#include <QUrl>
#include <filesystem>

QtSoundPlayer::~QtSoundPlayer() = default;

std::filesystem::path QtSoundPlayer::FileOf(const std::string& gamePath) const {
  constexpr std::string_view kSoundFolder = "sound\\";
  std::error_code error;
  if (!speechFolder_.empty() && gamePath.starts_with(kSoundFolder)) {
    const auto spoken = folder_.Resolve(speechFolder_ + gamePath.substr(kSoundFolder.size()));
    if (std::filesystem::is_regular_file(spoken, error)) return spoken;
  }
  return folder_.Resolve(gamePath);
}

QSoundEffect* QtSoundPlayer::Load(const std::string& gamePath) {
  auto& slot = effects_[gamePath];
  if (!slot) {
    const auto file = FileOf(gamePath);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return nullptr;
    slot = std::make_unique<QSoundEffect>();
    slot->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
  }
  return slot.get();
}

void QtSoundPlayer::PlayFile(const std::string& gamePath) {
  QSoundEffect* effect = Load(gamePath);
  if (!effect) {
    effects_.erase(gamePath);
    QApplication::beep();
    return;
  }
  if (playing_ && playing_ != effect) playing_->stop();
  effect->play();
  playing_ = effect;
}
