#include "shell/Screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "core/EventLog.h"
#include "core/Format.h"
#include "core/SystemLocale.h"
#include "core/Translate.h"
#include "shell/Game.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"

namespace {

// The character a key types; Esc and Enter by their codes; none with Ctrl or Alt held.
int KeyCode(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Escape) return 27;
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return 13;
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return -1;
  const QString text = event.text();
  return text.isEmpty() ? -1 : static_cast<int>(text.at(0).unicode());
}

}  // namespace

Screen::Screen(Game& game, const QString& className, int clientWidth, int clientHeight)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      game_(game) {
  setObjectName(className);
  setFixedSize(clientWidth, clientHeight);
}

bool Screen::PreviewKey(const QKeyEvent& event) {
  if (event.key() == Qt::Key_F1 && event.modifiers() == Qt::NoModifier) {
    game_.ShowHelp();
    return true;
  }
  if (FormKeyDown(event)) return true;
  const int code = KeyCode(event);
  return code >= 0 && FormKeyPress(code);
}

bool Screen::FormKeyDown(const QKeyEvent&) { return false; }

bool Screen::FormKeyPress(int code) {
  QPushButton* button = code == 27 ? cancelButton_ : code == 13 ? defaultButton_ : nullptr;
  if (button) {
    button->click();
    return true;
  }
  // Enter on a focused button or check box, where no default button takes it.
  auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
  if (code != 13 || !focused) return false;
  focused->click();
  return true;
}

void Screen::SetTabOrder(const std::vector<QWidget*>& controls) {
  QWidget* before = nullptr;
  for (QWidget* control : controls) {
    if (before) setTabOrder(before, control);
    before = control;
  }
}

void Screen::SetTabOrder(std::vector<QWidget*> controls,
                         std::initializer_list<const char*> thenNamed) {
  for (const char* name : thenNamed) {
    if (auto* widget = findChild<QWidget*>(name)) controls.push_back(widget);
  }
  SetTabOrder(controls);
}

void Screen::SetAccessibleNames(std::initializer_list<std::pair<const char*, QString>> names) {
  for (const auto& [control, name] : names) {
    if (auto* widget = findChild<QWidget*>(control)) widget->setAccessibleName(name);
  }
}

QWidget* Screen::FirstControl() const {
  for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) return w;
  }
  return nullptr;
}

// Qt hands the focus of a control that is disabled or hidden to the next one in
// the Tab order, where a second press of the same key could sell, give up or spend
// a point. Screens with such neighbours name a harmless place for it.
bool Screen::focusNextPrevChild(bool next) {
  QWidget* focused = focusWidget();
  const bool lost = focused && (!focused->isEnabled() || !focused->isVisibleTo(this));
  if (!lost || !safeFocus_) return QWidget::focusNextPrevChild(next);
  if (safeFocus_ != this && safeFocus_->isEnabled() && safeFocus_->isVisibleTo(this))
    safeFocus_->setFocus(Qt::OtherFocusReason);
  else
    focused->clearFocus();
  return true;
}

void Screen::SetDefaultButton(QPushButton* button) {
  defaultButton_ = button;
  button->setDefault(true);
}

void Screen::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void Screen::FormClose(QCloseEvent* event) { event->accept(); }

void Screen::ShowMoney(QLabel* label, const QRect& frame) {
  label->setText(
      tr("У вас: %1 руб.", nullptr, mg::PluralCountOf(game_.state.Money))
          .arg(QString::fromStdString(FormatFloat(game_.state.Money, SystemDecimalPoint()))));
  label->setAlignment(Qt::AlignCenter);
  const QSize wanted = label->sizeHint();
  const int width = std::max(frame.width(), wanted.width());
  label->setGeometry(frame.center().x() - width / 2, frame.top(), width,
                     std::max(frame.height(), wanted.height()));
}

QLabel* Screen::MakeLabel(const QString& name, const QString& text, int left, int top) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QPushButton* Screen::MakeButton(const QString& name, const QString& caption, const QString& hint,
                                const QRect& frame) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setToolTip(hint);
  // A caption of signs ("+", "->") says nothing read aloud; the hint does.
  if (!std::ranges::any_of(caption, [](QChar c) { return c.isLetter(); }))
    button->setAccessibleName(hint);
  button->setGeometry(frame);
  button->setAutoDefault(false);
  return button;
}

QCheckBox* Screen::MakeCheckBox(const QString& name, const QString& caption, const QRect& frame) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(name);
  box->setGeometry(frame);
  return box;
}

PictureBox* Screen::MakePicture(const QString& name, const QRect& frame) {
  auto* picture = new PictureBox(game_.folder, name, this);
  picture->setGeometry(frame);
  return picture;
}

ListBox* Screen::MakeListBox(const QString& name, const QRect& frame, ItemList* shown) {
  auto* list = new ListBox(name, this, shown);
  list->setGeometry(frame);
  return list;
}

void Screen::ConfirmCloseToMenu(QCloseEvent* event, const std::function<void()>& leaveSound) {
  if (game_.dialogs.ConfirmExit()) {
    event->ignore();
    game_.Quit();
    return;
  }
  leaveSound();
  game_.form3->show();
  event->accept();
}

void Screen::LeaveToMenu(const std::function<void()>& leaveSound) {
  hide();
  leaveSound();
  game_.form3->show();
}

namespace {

// Key presses reach the screen before the focused control.
class KeyPreview : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    auto* screen = qobject_cast<Screen*>(widget->window());
    if (!screen) return false;
    // The event travels up from the focused control; look at it once, first.
    QWidget* first = screen->focusWidget() ? screen->focusWidget() : screen;
    if (widget != first) return false;
    return screen->PreviewKey(*static_cast<QKeyEvent*>(event));
  }
};

}  // namespace

void Screen::InstallKeyPreview() {
  static KeyPreview* preview = nullptr;
  if (!preview) {
    preview = new KeyPreview(qApp);
    qApp->installEventFilter(preview);
  }
}

void Screen::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  if (!centred_) {
    centred_ = true;
    if (const QScreen* screen = this->screen()) {
      move(screen->availableGeometry().center() - rect().center());
    }
  }
  game_.log.Line("show " + objectName().toStdString());
  FormShow();
  // Every screen opens on the first control of its Tab order.
  if (QWidget* first = FirstControl()) first->setFocus(Qt::TabFocusReason);
}

void Screen::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  game_.log.Line("hide " + objectName().toStdString());
}

void Screen::closeEvent(QCloseEvent* event) { FormClose(event); }
