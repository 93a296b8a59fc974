#include <QDir>
#include <QGuiApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) return 2;
  QDir root(QString::fromLocal8Bit(argv[1]));
  return root.mkpath("image") && root.mkpath("sound") ? 0 : 1;
}
