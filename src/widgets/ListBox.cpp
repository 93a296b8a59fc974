#include "widgets/ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

ListBox::ListBox(const QString& name, QWidget* parent) : QListWidget(parent) {
  setObjectName(name);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListBox::Choose(int row) {
  setCurrentRow(row < count() ? row : -1);
  emit Click();
}

std::vector<std::string> ListBox::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(count());
  for (int i = 0; i < count(); ++i) lines.push_back(item(i)->text().toStdString());
  return lines;
}

void ListBox::SetLines(const std::vector<std::string>& lines) {
  clear();
  for (const auto& line : lines) addItem(QString::fromStdString(line));
}

void ListBox::AddLine(const std::string& line) { addItem(QString::fromStdString(line)); }

std::string ListBox::Line(int row) const {
  const QListWidgetItem* it = item(row);
  return it ? it->text().toStdString() : std::string();
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint())) emit Click();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  QListWidget::keyPressEvent(event);
  if (currentRow() != before) emit Click();
}
