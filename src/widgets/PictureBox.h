#pragma once

#include <QLabel>
#include <string>

class GameFolder;

// A picture stretched to its frame that remembers the path the game last asked it
// to load ("image\p0.bmp"), whether or not the file exists, and can be clicked.
class PictureBox : public QLabel {
  Q_OBJECT

 public:
  PictureBox(const GameFolder& folder, const QString& name, QWidget* parent);

  // Loads the picture named by the game's path; "" shows nothing.
  void Load(const std::string& gamePath);
  const std::string& Picture() const { return picture_; }
  // What a click does, also for the script mode.
  void Click() { emit clicked(); }

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const GameFolder& folder_;
  std::string picture_;
};
