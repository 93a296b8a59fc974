#include "shell/SaveGame.h"

#include <QString>
#include <algorithm>

#include "core/SystemLocale.h"
#include "core/Translate.h"
#include "shell/Game.h"
#include "state/SaveFiles.h"

namespace {

// How the save folder spells a nick it holds files of: exactly, else in another
// letter case; none when it holds none.
std::optional<std::string> SavedSpelling(const GameFolder& folder, FileOps& files,
                                         const std::string& nick) {
  const std::vector<std::string> saved = SavedNicks(folder, files);
  if (std::ranges::find(saved, nick) != saved.end()) return nick;
  const QString wanted = QString::fromStdString(nick);
  const auto sameLetters = std::ranges::find_if(saved, [&](const std::string& name) {
    return QString::fromStdString(name).compare(wanted, Qt::CaseInsensitive) == 0;
  });
  if (sameLetters == saved.end()) return std::nullopt;
  return *sameLetters;
}

}  // namespace

void ChooseSaveFolder(Game& game, const std::string& nick) {
  const GameOptions& options = game.options;
  game.folder = GameFolder(options.root, options.saves, options.unwritableSaves);
  if (options.unwritableSaves.empty() || SavedSpelling(game.folder, game.files, nick)) return;
  const GameFolder earlier = game.folder.InUnwritableSaves();
  if (SavedSpelling(earlier, game.files, nick)) game.folder = earlier;
}

SaveFileNames SaveFilesFor(Game& game, const std::string& nick) {
  return SaveFilesOf(SavedSpelling(game.folder, game.files, nick).value_or(nick));
}

bool HoldNick(Game& game, const SaveFileNames& names) {
  game.files.MakeFolder(game.folder.Resolve("save"));
  return game.nickLock.Take(game.folder.Resolve(names.lock));
}

std::string NickInPlay(const std::string& nick) {
  return mg::Fill(mg::translate("SaveGame",
                                "Ник «%1» уже в игре: его ведёт другая запущенная копия игры. "
                                "Закройте её или войдите под другим ником."),
                  {nick});
}

std::optional<std::string> WriteCharacter(Game& game, std::span<const MemberInfo> order) {
  const GameState& state = game.state;
  if (!NickNamesFiles(state.Nick))
    return mg::Fill(mg::translate("SaveGame", "ник «%1» не годится для имени файла"), {state.Nick});
  const SaveFileNames names = SaveFilesFor(game, state.Nick);
  // Only the script mode's set can change the nick after the login took its lock.
  if (!HoldNick(game, names))
    return mg::Fill(mg::translate("SaveGame", "ник «%1» ведёт другая запущенная копия игры"),
                    {state.Nick});
  return WriteSavedGame(game.folder, names, SavedValues(state, order, SystemDecimalPoint()),
                        game.backpack.Lines(), game.bonusList.Lines(), game.files);
}

void SaveGame(Game& game) {
  game.sound.Play("sound\\Сохранить.wav");
  if (const auto failure = WriteCharacter(game, SavedMembers())) {
    game.Refuse(
        mg::translate("Caption", "Ошибка"),
        mg::Fill(mg::translate("SaveGame",
                               "Игра не сохранена: %1. Прежнее сохранение осталось без изменений."),
                 {*failure}));
    return;
  }
  game.MarkSaved();
  game.Inform(mg::translate("SaveGame", "Игра сохранена."));
}
