#pragma once

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class Game;

// The class of a handler `void (C::*)()`.
template <typename Handler>
struct MemberClassOf;
template <typename C>
struct MemberClassOf<void (C::*)()> {
  using Type = C;
};
template <typename Handler>
using MemberClass = typename MemberClassOf<Handler>::Type;
class QLabel;
class QPushButton;
class QCheckBox;
class PictureBox;
class ListBox;
class ItemList;
class QKeyEvent;

// One of the game's seven windows (TForm1 … TForm7): fixed size, minimise and
// close buttons only, centred on first showing. Showing runs FormShow, the close
// box runs FormClose, and the screen sees every key before its controls.
class Screen : public QWidget {
  Q_OBJECT

 public:
  Screen(Game& game, const QString& className, int clientWidth, int clientHeight);

  // A key pressed while the screen has the focus, seen before its focused
  // control: F1 opens the help, then FormKeyDown, then FormKeyPress with the
  // character the key types. True when the screen swallowed it.
  bool PreviewKey(const QKeyEvent& event);

  // A character key: 27 Esc, 13 Enter, or the character's code. True when the
  // screen swallowed it. By default Esc presses the cancel button and Enter the
  // default button, where the screen has them; without a default button, Enter
  // on a focused button or check box acts like a click.
  virtual bool FormKeyPress(int code);

  void SetCaption(const std::string& caption);
  void SetCaption(const QString& caption) { SetCaption(caption.toStdString()); }

  // Installs the one filter that lets every screen see its keys first.
  static void InstallKeyPreview();

 protected:
  virtual void FormShow() {}
  // A key that types no character (arrows, Ctrl+Tab). True when swallowed.
  virtual bool FormKeyDown(const QKeyEvent& event);
  // The close box; the default lets the window close.
  virtual void FormClose(QCloseEvent* event);

  // Controls are created by name, as the game names them.
  QLabel* MakeLabel(const QString& name, const QString& text, int left, int top);
  QPushButton* MakeButton(const QString& name, const QString& caption, const QString& hint,
                          const QRect& frame);
  QCheckBox* MakeCheckBox(const QString& name, const QString& caption, const QRect& frame);
  PictureBox* MakePicture(const QString& name, const QRect& frame);
  // A list box of its own lines, or one showing `shown`.
  ListBox* MakeListBox(const QString& name, const QRect& frame, ItemList* shown = nullptr);

  // The close box of the shop, inventory and character screen: the exit
  // confirmation; "Нет" plays the leaving sound, shows the menu and lets the
  // window close.
  void ConfirmCloseToMenu(QCloseEvent* event, const std::function<void()>& leaveSound);
  // Hides this screen, plays the leaving sound and shows the menu ("Вернуться").
  void LeaveToMenu(const std::function<void()>& leaveSound);

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

  // "У вас: 2087.5 руб." (the system's decimal separator) centred on the label's
  // frame; a sum too wide for the frame grows both ways, uncut.
  void ShowMoney(QLabel* label, const QRect& frame);

  // The Tab order: each control after the one before it. The first is the one
  // that has the focus when the screen is shown.
  void SetTabOrder(const std::vector<QWidget*>& controls);
  // The same, the controls then more by their names.
  void SetTabOrder(std::vector<QWidget*> controls, std::initializer_list<const char*> thenNamed);
  // Accessible names by control name, for controls whose caption says too little
  // (a list box, an edit box): {"SubjectListBox", "Вещи в рюкзаке"}.
  void SetAccessibleNames(std::initializer_list<std::pair<const char*, QString>> names);
  // The first control of the Tab order that can take the focus now.
  QWidget* FirstControl() const;

  // Where the focus goes when the focused control is disabled or hidden under it,
  // instead of its neighbour in the Tab order (the screen itself: no control).
  void SetSafeFocus(QWidget* control) { safeFocus_ = control; }

  // Connects a control's signal to its handler through the game's input gate: the
  // mouse, the keys, the script mode and a replay all work the control as one input.
  template <typename Control, typename Signal, typename Handler>
  void OnInput(Control* control, Signal signal, Handler handler) {
    connect(control, signal, this,
            [this, control, handler] { RunInput(*control, [this, &handler] { Call(handler); }); });
  }
  void RunInput(const QWidget& control, const std::function<void()>& handler);
  // A handler: a member of the screen's own class, or any callable.
  template <typename Handler>
  void Call(const Handler& handler) {
    if constexpr (std::is_member_function_pointer_v<Handler>) {
      (static_cast<MemberClass<Handler>*>(this)->*handler)();
    } else {
      handler();
    }
  }
  // The help is no input of the game: opening and closing it changes nothing.
  virtual bool TakesInput() const { return true; }

  void SetCancelButton(QPushButton* button) { cancelButton_ = button; }
  void SetDefaultButton(QPushButton* button);

  Game& game_;

 private:
  QPushButton* cancelButton_ = nullptr;
  QPushButton* defaultButton_ = nullptr;
  QWidget* safeFocus_ = nullptr;
  bool centred_ = false;
};
