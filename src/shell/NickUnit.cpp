#include "shell/NickUnit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "character/PersUnit.h"
#include "core/Cp1251.h"
#include "core/Format.h"
#include "core/SystemLocale.h"
#include "core/Translate.h"
#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "shell/Game.h"
#include "shell/SaveGame.h"
#include "shop/BuyUnit.h"
#include "state/SaveFiles.h"
#include "state/SaveOpening.h"
#include "world/StartUnit.h"

namespace {

constexpr int kMinimumLength = 3;

// A nick names the save files and a password is saved in them: both may hold only
// what the save files can.
bool TextFitsSaveFile(const QString& text) {
  const bool halfCharacter = std::ranges::any_of(text, [](QChar c) { return c.isSurrogate(); });
  return !halfCharacter && FitsSaveFile(text.toStdString());
}

// A nick of spaces alone would name save files that look like none at all.
bool OnlySpaces(const std::string& text) {
  return std::ranges::all_of(text, [](char c) { return c == ' '; });
}

bool HoldsCharacterNotInFileNames(const QString& text) {
  return std::ranges::any_of(kNotInFileNames, [&](char c) { return text.contains(QChar(c)); });
}

}  // namespace

TForm4::TForm4(Game& game) : Screen(game, "TForm4", 290, 140) {
  SetCaption(tr("Вход"));
  Label1 = MakeLabel("Label1", tr("Ваш ник:"), 16, 22);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(120, 18, 150, 24);
  Edit1->setMaxLength(10);
  Label2 = MakeLabel("Label2", tr("Ваш пароль:"), 16, 58);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  Edit2->setGeometry(120, 54, 150, 24);
  Edit2->setMaxLength(15);
  Edit2->setEchoMode(QLineEdit::Password);
  Edit2->setStyleSheet("lineedit-password-character: 42");
  Button = MakeButton("Button", tr("Войти"), tr("Войти в игру под введённым ником"),
                      QRect(95, 94, 100, 30));
  SetDefaultButton(Button);
  SetTabOrder({Edit1, Edit2, Button});
  SetAccessibleNames({{"Edit1", tr("Ник")}, {"Edit2", tr("Пароль")}});
  // Every change, typed, pasted or set, runs the filters.
  OnInput(Edit1, &QLineEdit::textChanged, &TForm4::Edit1Change);
  OnInput(Edit2, &QLineEdit::textChanged, &TForm4::Edit2Change);
  OnInput(Button, &QPushButton::clicked, &TForm4::ButtonClick);
}

bool TForm4::FormKeyPress(int code) {
  if (code == 27) {
    game_.Quit();
    return true;
  }
  return Screen::FormKeyPress(code);
}

void TForm4::Edit1Change() { NickFilter(); }

void TForm4::NickFilter() {
  if (filtering_) return;
  filtering_ = true;
  const QString nick = Edit1->text();
  if (HoldsCharacterNotInFileNames(nick) || !TextFitsSaveFile(nick)) Edit1->clear();
  filtering_ = false;
}

void TForm4::Edit2Change() {
  // Clearing gives an empty text, which fits: the nested change does nothing.
  if (!TextFitsSaveFile(Edit2->text())) Edit2->clear();
}

void TForm4::ButtonClick() {
  if (Edit1->text().isEmpty() || Edit2->text().isEmpty()) {
    game_.Refuse(tr("Ошибка"), tr("Нужно ввести ник и пароль."));
    return;
  }
  GameState& state = game_.state;
  state.Nick = Edit1->text().toStdString();
  state.Password = Edit2->text().toStdString();
  if (CharacterCount(state.Nick) < kMinimumLength ||
      CharacterCount(state.Password) < kMinimumLength) {
    game_.Refuse(tr("Ошибка"), tr("Ник и пароль должны состоять минимум из трёх символов."));
    return;
  }
  if (OnlySpaces(state.Nick)) {
    game_.Refuse(tr("Ошибка"), tr("Ник не может состоять из одних пробелов."));
    return;
  }
  ChooseSaveFolder(game_, state.Nick);
  const SaveFileNames names = SaveFilesFor(game_, state.Nick);
  // Nothing is read before the lock is held: another game may be saving.
  if (!HoldNick(game_, names)) {
    game_.Refuse(tr("Ошибка"), NickInPlay(state.Nick));
    return;
  }
  if (OpenCharacter(names)) {
    EnterGame();
  } else {
    game_.nickLock.Release();
  }
}

bool TForm4::OpenCharacter(const SaveFileNames& names) {
  if (const auto problem = RecoverInterruptedSave(game_.folder, names, game_.files)) {
    game_.Refuse(tr("Ошибка"),
                 tr("Сохранение не загружено: %1.").arg(QString::fromStdString(*problem)));
    return false;
  }
  // A recording keeps the password test's outcomes, never the password typed.
  SaveOpening opening = OpenSave(game_.folder, names, game_.state, game_.files, [this](bool same) {
    return game_.input.Secret("password", same);
  });
  switch (opening.kind) {
    case SaveOpening::Kind::Register:
      return RegisterNick();
    case SaveOpening::Kind::WrongPassword:
      game_.Refuse(tr("Ошибка"), tr("Неверный ник или пароль."));
      return false;
    case SaveOpening::Kind::Refuse:
      game_.Refuse(tr("Ошибка"), TakeFault(opening));
      return false;
    case SaveOpening::Kind::Load:
      // Damage with no backup to offer: the files as they stand, and the damage said.
      if (opening.fault != SaveOpening::Fault::None) {
        game_.Refuse(tr("Ошибка"), TakeFault(opening) + " " +
                                       tr("Резервной копии нет: персонаж загружен как есть."));
      }
      return EnterLoaded(std::move(*opening.game));
    case SaveOpening::Kind::Offer:
      return OfferBackup(opening);
  }
  return false;
}

QString TForm4::TakeFault(const SaveOpening& opening) {
  switch (opening.fault) {
    case SaveOpening::Fault::Version:
      game_.state.Version = opening.savedVersion;
      return tr("Файл сохранения этого ника не подходит по версии к игре.");
    case SaveOpening::Fault::Renamed:
      game_.state.Nick = opening.savedNick;
      return tr(
          "Файл сохранения переименован, а он должен иметь имя ника, под которым сохранялись в "
          "него.");
    default:
      return QString::fromStdString(opening.problem);
  }
}

bool TForm4::OfferBackup(SaveOpening& opening) {
  const GameState& saved = opening.backup->game.state;
  const QString question =
      TakeFault(opening) + " " +
      tr("Загрузить последнюю целую резервную копию (уровень %1, %2 руб.)?", nullptr,
         mg::PluralCountOf(saved.Money))
          .arg(saved.AttLevel)
          .arg(QString::fromStdString(FormatFloat(saved.Money, SystemDecimalPoint())));
  // The copy becomes current with the next save. Declining loads the files as they
  // stand where they can be read: the player may have changed them on purpose.
  if (game_.dialogs.Ask(tr("Ошибка").toStdString(), question.toStdString()))
    return EnterLoaded(std::move(opening.backup->game));
  return opening.game && EnterLoaded(std::move(*opening.game));
}

bool TForm4::EnterLoaded(LoadedGame loaded) {
  GameState& state = game_.state;
  state = loaded.state;
  if (state.Sound == 1) game_.sound.Play("sound\\Войти.wav");
  // The box's handler writes Sound from the box, so box and switch agree.
  game_.form3->SoundCheckBox->setChecked(state.Sound == 1);
  game_.backpack.ReplaceAll(std::move(loaded.backpack));
  game_.bonusList.ReplaceAll(std::move(loaded.bonus));
  game_.MarkSaved();
  StartWorld();
  game_.Inform(tr("Вы зашли под ранее зарегистрированным ником."));
  if (!MayWriteIn(game_.folder.Saves())) {
    game_.Refuse(tr("Ошибка"), tr("В папку сохранений %1 нельзя писать: сохранить игру не удастся, "
                                  "пока она закрыта для записи.")
                                   .arg(QString::fromStdString(game_.folder.Saves().string())));
  }
  return true;
}

bool TForm4::RegisterNick() {
  game_.sound.PlayRegardless("sound\\Войти.wav");
  if (const auto failure = WriteCharacter(game_, RegistrationMembers())) {
    game_.Refuse(tr("Ошибка"),
                 tr("Ник не зарегистрирован: %1.").arg(QString::fromStdString(*failure)));
    return false;
  }
  game_.MarkSaved();
  StartWorld();
  game_.Inform(tr("Ваш ник зарегистрирован."));
  return true;
}

void TForm4::StartWorld() {
  game_.form3->EncounterCountdown = game_.random.RandomInt(15) + 15;
  game_.form3->RefreshMap();
}

void TForm4::EnterGame() {
  hide();
  const std::string& nick = game_.state.Nick;
  game_.SetTitle(nick + " - Morrowgate");
  game_.form3->SetCaption(nick + tr(" - Меню").toStdString());
  game_.form7->SetCaption(nick + tr(" - Персонаж").toStdString());
  game_.form5->SetCaption(nick + tr(" - Инвентарь").toStdString());
  game_.form2->SetCaption(nick + tr(" - Магазин").toStdString());
  game_.form1->SetCaption(nick + tr(" - Бой").toStdString());
  game_.form3->show();
}

void TForm4::FormClose(QCloseEvent* event) {
  // The main window: closing it ends the program.
  event->ignore();
  game_.Quit();
}
