#include "shell/HelpWindow.h"

#include <QHideEvent>
#include <QPushButton>
#include <QTextBrowser>

#include "replay/ReplayFolder.h"
#include "shell/Game.h"
#include "shell/HelpText.h"

HelpWindow::HelpWindow(Game& game) : Screen(game, "HelpWindow", 640, 520) {
  SetCaption(tr("Справка"));
  setWindowModality(Qt::ApplicationModal);
  HelpBrowser = new QTextBrowser(this);
  HelpBrowser->setObjectName("HelpBrowser");
  HelpBrowser->setGeometry(10, 10, 620, 460);
  HelpBrowser->setAccessibleName(tr("Справка"));
  CloseButton =
      MakeButton("CloseButton", tr("Закрыть"), tr("Закрыть справку"), QRect(530, 480, 100, 30));
  SetCancelButton(CloseButton);
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
  SetTabOrder({HelpBrowser, CloseButton});
}

void HelpWindow::FormShow() {
  // The text is written on first showing, so that start-up does not pay for it.
  if (HelpBrowser->document()->isEmpty())
    HelpBrowser->setHtml(
        HelpText(QString::fromStdString(RecordingsFolder(game_.folder.Saves()).string())));
  if (!pausing_) {
    pausing_ = true;
    game_.SetTimersPaused(true);
  }
}

void HelpWindow::hideEvent(QHideEvent* event) {
  Screen::hideEvent(event);
  if (event->spontaneous() || !pausing_) return;
  pausing_ = false;
  game_.SetTimersPaused(false);
}
