#include "shell/SaveGame.h"

#include "core/SystemLocale.h"
#include "shell/Game.h"
#include "state/SaveFiles.h"

std::optional<std::string> WriteCharacter(Game& game, std::span<const MemberInfo> order) {
  const GameState& state = game.state;
  if (!NickNamesFiles(state.Nick)) return "ник «" + state.Nick + "» не годится для имени файла";
  return WriteSavedGame(game.folder, SaveFilesOf(state.Nick),
                        SavedValues(state, order, SystemDecimalPoint()), game.backpack.Lines(),
                        game.bonusList.Lines(), game.files);
}

void SaveGame(Game& game) {
  game.sound.Play("sound\\Сохранить.wav");
  if (const auto failure = WriteCharacter(game, SavedMembers())) {
    game.Refuse("Ошибка",
                "Игра не сохранена: " + *failure + ". Прежнее сохранение осталось без изменений.");
    return;
  }
  game.Inform("Игра сохранена.");
}
