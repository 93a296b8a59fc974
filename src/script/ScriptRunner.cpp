#include "script/ScriptRunner.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <vector>

#include "core/Format.h"
#include "fight/MGUnit.h"
#include "script/Controls.h"
#include "script/KeyNames.h"
#include "shell/Game.h"
#include "shell/Screen.h"
#include "widgets/ListBox.h"
#include "world/StartUnit.h"

namespace {

// Splits "WORD REST" at the first blank; REST keeps its inner blanks.
std::pair<std::string, std::string> SplitFirst(const std::string& text) {
  const auto blank = text.find(' ');
  if (blank == std::string::npos) return {text, ""};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

// A screen's own Caption, Visible and Focus (the focused control's name).
ScriptValue ScreenProperty(const Screen& screen, const std::string& property) {
  if (property == "Caption") return screen.windowTitle().toStdString();
  if (property == "Visible") return !screen.isHidden();
  const QWidget* focused = screen.focusWidget();
  return focused ? focused->objectName().toStdString() : std::string();
}

int ParseCount(const std::string& text, int low, int high) {
  const auto value = ParseInt(text);
  if (!value || *value < low || *value > high) throw ScriptError("bad value: " + text);
  return *value;
}

}  // namespace

ScriptRunner::ScriptRunner(Game& game, std::filesystem::path snapDir)
    : game_(game), snapDir_(std::move(snapDir)) {}

int ScriptRunner::Run(std::istream& input, std::ostream& errors) {
  std::string line;
  int number = 0;
  while (!game_.Quitting() && std::getline(input, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    try {
      Execute(line);
    } catch (const ScriptError& error) {
      errors << "script error: " << number << ": " << error.what() << std::endl;
      return 2;
    } catch (const std::exception& error) {
      // What a handler throws is shown, as the toolkit would, and the game goes on.
      game_.dialogs.Error(error.what());
    }
    // The inventory's and the character screen's label timers fire between commands.
    if (!game_.Quitting()) game_.RefreshLabels();
  }
  return 0;
}

void ScriptRunner::Execute(const std::string& line) {
  const auto [command, args] = SplitFirst(line);
  if (command == "draws") return Draws(args);
  if (command == "answer") return Answer(args);
  if (command == "type") return Type(args, false);
  if (command == "paste") return Type(args, true);
  if (command == "click") return Click(args);
  if (command == "select") return Select(args);
  if (command == "key") return Key(args);
  if (command == "close") return Close(args);
  if (command == "tick") return Tick(args);
  if (command == "autostep") return AutoStep(args);
  if (command == "wait") return Wait(args);
  if (command == "get") return Get(args);
  if (command == "set") return Set(args);
  if (command == "snap") return Snap(args);
  if (command == "echo") return game_.log.Line("echo " + args);
  throw ScriptError("unknown command: " + command);
}

Screen* ScriptRunner::FormNamed(const std::string& name) const {
  Screen* screen = game_.FindScreen(name);
  if (!screen) throw ScriptError("unknown screen: " + name);
  return screen;
}

QWidget* ScriptRunner::ControlNamed(const std::string& formDotControl) const {
  const auto dot = formDotControl.find('.');
  if (dot == std::string::npos) throw ScriptError("unknown control: " + formDotControl);
  Screen* screen = FormNamed(formDotControl.substr(0, dot));
  const QString name = QString::fromStdString(formDotControl.substr(dot + 1));
  auto* control = screen->findChild<QWidget*>(name);
  if (!control) throw ScriptError("unknown control: " + formDotControl);
  return control;
}

void ScriptRunner::Draws(const std::string& args) {
  std::vector<int> draws;
  std::string rest = args;
  while (!rest.empty()) {
    auto [word, tail] = SplitFirst(rest);
    rest = tail;
    if (word.empty()) continue;
    draws.push_back(ParseCount(word, 0, 2147483647));
  }
  // Forced draws and set members are inputs too: a recording must hold them.
  game_.input.Run([&] { return "draws " + args; },
                  [&] {
                    for (const int draw : draws) game_.random.Force(draw);
                  });
}

void ScriptRunner::Answer(const std::string& args) {
  if (args != "yes" && args != "no") throw ScriptError("bad value: " + args);
  if (RecordingDialogs* dialogs = game_.recordingDialogs()) dialogs->QueueAnswer(args == "yes");
}

bool ScriptRunner::InterruptsAutoFight() const {
  return game_.form1 && game_.form1->InterruptAutoFight();
}

void ScriptRunner::Type(const std::string& args, bool paste) {
  const auto [name, text] = SplitFirst(args);
  QWidget* control = ControlNamed(name);
  if (auto* spin = qobject_cast<QSpinBox*>(control)) return TypeNumber(*spin, text);
  auto* edit = qobject_cast<QLineEdit*>(control);
  if (!edit) throw ScriptError("not an edit box: " + name);
  if (!controls::OwnEnabled(edit) || !controls::OwnVisible(edit)) return;
  if (InterruptsAutoFight()) return;
  const QString typed = QString::fromStdString(text);
  if (paste) {
    edit->setText(typed.left(edit->maxLength()));
    return;
  }
  for (const QChar ch : typed) {
    if (edit->text().size() >= edit->maxLength()) break;
    edit->setText(edit->text() + ch);
  }
}

void ScriptRunner::TypeNumber(QSpinBox& spin, const std::string& text) {
  const auto value = ParseInt(text);
  if (!value || *value < spin.minimum() || *value > spin.maximum())
    throw ScriptError("bad value: " + text);
  if (!controls::OwnEnabled(&spin) || !controls::OwnVisible(&spin)) return;
  if (InterruptsAutoFight()) return;
  spin.setValue(*value);
}

void ScriptRunner::Click(const std::string& args) {
  QWidget* control = ControlNamed(args);
  if (!controls::OwnEnabled(control) || !controls::OwnVisible(control)) return;
  if (InterruptsAutoFight()) return;
  if (!controls::Click(control)) throw ScriptError("cannot be clicked: " + args);
}

void ScriptRunner::Select(const std::string& args) {
  const auto [name, row] = SplitFirst(args);
  auto* list = qobject_cast<ListBox*>(ControlNamed(name));
  if (!list) throw ScriptError("not a list box: " + name);
  const int index = ParseCount(row, -1, list->count() - 1);
  if (!controls::OwnEnabled(list) || !controls::OwnVisible(list)) return;
  if (InterruptsAutoFight()) return;
  list->Choose(index);
}

void ScriptRunner::Key(const std::string& args) {
  const auto [form, code] = SplitFirst(args);
  Screen* screen = FormNamed(form);
  const std::optional<KeyStroke> stroke = ParseKeyStroke(code);
  if (!stroke) throw ScriptError("bad value: " + code);
  // Press and release, each to the control that has the focus at that moment, as
  // the keyboard sends them; a button's Space acts on its release.
  for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    if (game_.Quitting()) return;
    QKeyEvent event(type, stroke->key, stroke->modifiers, stroke->text);
    QWidget* focused = screen->focusWidget();
    QApplication::sendEvent(focused ? focused : screen, &event);
  }
}

void ScriptRunner::Close(const std::string& args) { FormNamed(args)->close(); }

void ScriptRunner::Tick(const std::string& args) {
  const int count = args.empty() ? 1 : ParseCount(args, 0, 100000000);
  // The world clock stands still while the help is open.
  for (int i = 0; i < count && !game_.Quitting() && !game_.TimersPaused(); ++i)
    game_.input.RunTimed("tick");
}

void ScriptRunner::AutoStep(const std::string& args) {
  const int count = args.empty() ? 1 : ParseCount(args, 0, 100000000);
  // The auto-fight's timer: each firing is one step, none once it has stopped.
  for (int i = 0; i < count && !game_.Quitting() && game_.form1->AutoFighting(); ++i)
    game_.input.RunTimed("step TForm1.AutoFightStep");
}

void ScriptRunner::Wait(const std::string& args) {
  const auto seconds = ParseFloat(args);
  if (!seconds || *seconds < 0 || *seconds > 86400) throw ScriptError("bad value: " + args);
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(*seconds * 1000), &loop, &QEventLoop::quit);
  loop.exec();
}

void ScriptRunner::Get(const std::string& name) {
  std::optional<ScriptValue> value = game_.bindings.Get(name);
  if (!value) {
    const auto dot = name.find('.');
    const std::string head = name.substr(0, dot);
    const std::string tail = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (head == "Application" && tail == "Title") {
      value = game_.Title();
    } else if (tail == "Caption" || tail == "Visible" || tail == "Focus") {
      value = ScreenProperty(*FormNamed(head), tail);
    } else {
      const auto propertyDot = name.rfind('.');
      if (propertyDot == std::string::npos || propertyDot == dot)
        throw ScriptError("unknown name: " + name);
      QWidget* control = ControlNamed(name.substr(0, propertyDot));
      value = controls::Property(control, name.substr(propertyDot + 1));
      if (!value) throw ScriptError("unknown name: " + name);
    }
  }
  game_.log.Line(name + " = " + JsonValue(*value));
}

void ScriptRunner::Set(const std::string& args) {
  // Plain names, not a structured binding: clang 14 cannot capture one in a lambda.
  const auto parts = SplitFirst(args);
  const std::string& name = parts.first;
  const std::string& text = parts.second;
  if (!game_.bindings.Has(name)) throw ScriptError("unknown member: " + name);
  const auto value = ParseJsonScalar(text);
  if (!value) throw ScriptError("bad value: " + text);
  bool set = false;
  game_.input.Run([&] { return "set " + args; }, [&] { set = game_.bindings.Set(name, *value); });
  if (!set) throw ScriptError("bad value: " + text);
}

void ScriptRunner::Snap(const std::string& name) {
  if (name.empty()) throw ScriptError("snap needs a name");
  std::error_code error;
  std::filesystem::create_directories(snapDir_, error);
  for (const char* form :
       {"TForm1", "TForm2", "TForm3", "TForm4", "TForm5", "TForm6", "TForm7", "HelpWindow"}) {
    Screen* screen = game_.FindScreen(form);
    if (!screen || screen->isHidden()) continue;
    // Active and in keyboard use, so that the picture shows where the focus is.
    QApplication::setActiveWindow(screen);
    screen->setAttribute(Qt::WA_KeyboardFocusChange);
    const auto file = snapDir_ / (name + "-" + form + ".png");
    screen->grab().save(QString::fromStdString(file.string()));
  }
}
