#pragma once

#include <QListWidget>
#include <string>
#include <vector>

// A list box whose click handler runs when the player chooses a line (mouse or
// keys), not when the game changes the chosen line itself.
class ListBox : public QListWidget {
  Q_OBJECT

 public:
  ListBox(const QString& name, QWidget* parent);

  // Chooses line `row` (-1: none) and runs the click handler, as a player would.
  void Choose(int row);

  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);
  void AddLine(const std::string& line);
  std::string Line(int row) const;

 signals:
  void Click();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};
