#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <functional>
#include <vector>

class QStackedWidget;

// Tab sheets with their tabs in as many rows as the captions need, so that every
// tab stays in view; the sheets fill the rest of the frame. Once a tab has been
// made current, the tabs are one stop of the Tab order, at the current tab; Left
// and Right step from tab to tab.
class PageControl : public QWidget {
  Q_OBJECT

 public:
  explicit PageControl(QWidget* parent);

  // Adds `sheet` (now owned here) with a tab; returns its index.
  int addTab(QWidget* sheet, const QString& caption);
  int count() const;
  QWidget* widget(int index) const;
  int indexOf(const QWidget* sheet) const;
  QString tabText(int index) const;
  int currentIndex() const;
  QWidget* currentWidget() const;
  void setCurrentIndex(int index);
  void setCurrentWidget(QWidget* sheet);
  int rowCount() const { return rows_; }
  // The tab `delta` places on, round the end; it becomes current and takes the focus.
  void StepTab(int delta);
  // A player's choice of a sheet (a click on its tab, the keys): it runs `chooser`
  // where one is set, which makes the sheet current.
  void Choose(QWidget* sheet);
  void SetChooser(std::function<void(QWidget* sheet)> chooser) { chooser_ = std::move(chooser); }
  QAbstractButton* tab(int index) const { return tabs_[index]; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void LayOutTabs();
  std::vector<std::vector<QAbstractButton*>> TabRows() const;
  void PlaceRow(const std::vector<QAbstractButton*>& row, int top, int height);

  QStackedWidget* stack_;
  std::vector<QAbstractButton*> tabs_;
  std::function<void(QWidget*)> chooser_;
  int rows_ = 0;
};

// One tab of a PageControl, drawn by the style like a tab bar's tab.
class PageTab : public QAbstractButton {
  Q_OBJECT

 public:
  PageTab(const QString& caption, QWidget* parent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};
