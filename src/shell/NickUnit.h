#pragma once

#include <string>

#include "shell/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class NameValueList;
struct LoadedGame;
struct SaveFileNames;

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
  bool PassesKnownNickTests(const NameValueList& saved);
  // Settles, opens and loads or registers the nick's files; true once in the game.
  bool OpenCharacter(const SaveFileNames& names);
  bool LoadKnownNick(const SaveFileNames& names, const NameValueList& saved);
  // The main file cannot be loaded: offers the newest intact backup instead.
  bool OfferBackup(const SaveFileNames& names, const std::string& problem);
  bool EnterLoaded(LoadedGame loaded);
  bool RegisterNick();
  void StartWorld();
  void EnterGame();

  // Clearing the nick box changes it again; that nested change is ignored.
  bool filtering_ = false;
};
