#pragma once

#include <QLabel>
#include <string>

class GameFolder;

// A picture stretched to its frame that remembers the path the game last asked it
// to load ("image\p0.bmp"), whether or not the file exists, and can be clicked.
// One that takes the focus acts like a button on Space and Enter and shows a
// frame while focused; a screen reader hears what it is and what its hint says.
class PictureBox : public QLabel {
  Q_OBJECT

 public:
  PictureBox(const GameFolder& folder, const QString& name, QWidget* parent);

  // Loads the picture named by the game's path; "" shows nothing.
  void Load(const std::string& gamePath);
  const std::string& Picture() const { return picture_; }
  // What a click does, also for the script mode.
  void Click() { emit clicked(); }

  // Takes the focus by Tab and by click (`tabStop`) or only when given it.
  void SetFocusable(bool tabStop = true);
  // What the picture is ("Шлем", "Место 4"); its accessible name is that and
  // the hint: "Шлем: Шлем слепоты".
  void SetAccessibleLabel(const QString& what);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void UpdateAccessibleName();

  QString what_;
  const GameFolder& folder_;
  std::string picture_;
};
