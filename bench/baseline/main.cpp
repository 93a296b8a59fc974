// The yardstick for the game's start-up, memory and idle cost: a bare Qt Widgets
// program with seven windows of about forty widgets each and no game in it.
//
//   mg_baseline --paint DIR     show the first window, draw it to DIR/baseline.png, end
//   mg_baseline --idle SECONDS  show the first window and idle with a one-second timer

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<QWidget> MakeWindow(int index) {
  auto window = std::make_unique<QWidget>();
  window->setFixedSize(811, 481);
  window->setWindowTitle(QString("Window %1").arg(index));
  for (int i = 0; i < 20; ++i) {
    auto* label = new QLabel(QString("Label %1: %2").arg(i).arg(i * 7), window.get());
    label->move(10, 10 + i * 20);
  }
  for (int i = 0; i < 10; ++i) {
    auto* button = new QPushButton(QString("Button %1").arg(i), window.get());
    button->setGeometry(200, 10 + i * 35, 100, 30);
    button->setToolTip("hint");
  }
  for (int i = 0; i < 5; ++i) new QCheckBox(QString("Box %1").arg(i), window.get());
  auto* list = new QListWidget(window.get());
  list->setGeometry(320, 10, 200, 200);
  list->addItems({"one", "two", "three"});
  for (int i = 0; i < 4; ++i) new QLineEdit(window.get());
  return window;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) return 2;
  const QString mode = argv[1];
  std::vector<std::unique_ptr<QWidget>> windows;
  for (int i = 1; i <= 7; ++i) windows.push_back(MakeWindow(i));
  windows.front()->show();
  if (mode == "--paint") {
    return windows.front()->grab().save(QString(argv[2]) + "/baseline.png") ? 0 : 1;
  }
  QTimer clock;
  clock.start(1000);
  QTimer::singleShot(QString(argv[2]).toInt() * 1000, &app, &QApplication::quit);
  return app.exec();
}
