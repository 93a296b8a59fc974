#pragma once

#include <string>

#include "shell/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
struct LoadedGame;
struct SaveFileNames;
struct SaveOpening;

// The login screen: the program's main window.
class TForm4 : public Screen {
  Q_OBJECT

 public:
  explicit TForm4(Game& game);

  bool FormKeyPress(int code) override;

  QLabel* Label1;
  QLineEdit* Edit1;
  QLabel* Label2;
  QLineEdit* Edit2;
  QPushButton* Button;

  void Edit1Change();
  void Edit2Change();
  void ButtonClick();

 protected:
  void FormClose(QCloseEvent* event) override;

 private:
  void NickFilter();
  // Settles, opens and loads or registers the nick's files; true once in the game.
  bool OpenCharacter(const SaveFileNames& names);
  // Why the files are not simply loaded, in words; the saved Version or Nick the
  // words name is copied into GameState, as the login's tests do.
  QString TakeFault(const SaveOpening& opening);
  // The files are damaged: offers the newest whole backup instead.
  bool OfferBackup(SaveOpening& opening);
  bool EnterLoaded(LoadedGame loaded);
  bool RegisterNick();
  void StartWorld();
  void EnterGame();

  // Clearing the nick box changes it again; that nested change is ignored.
  bool filtering_ = false;
};
