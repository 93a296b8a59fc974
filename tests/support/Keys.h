#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// A real key press and release on a window, each delivered to the control that
// has the focus at that moment, as the keyboard sends them.
inline void PressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = QString()) {
  for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key, modifiers, text);
    QWidget* focused = window->focusWidget();
    QApplication::sendEvent(focused ? focused : window, &event);
  }
}

// A key that types a character: "1", "q", " ".
inline void TypeKey(QWidget* window, QChar character) {
  PressKey(window, character.toUpper().unicode(), Qt::NoModifier, QString(character));
}
