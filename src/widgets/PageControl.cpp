#include "widgets/PageControl.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyleOption>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

constexpr int kTabPadding = 8;  // on either side of a caption

}  // namespace

PageTab::PageTab(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
  setText(caption);
  setCheckable(true);
  setAutoExclusive(true);
  setCursor(Qt::PointingHandCursor);
}

QSize PageTab::sizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  return {metrics.horizontalAdvance(text()) + 2 * kTabPadding, metrics.height() + 8};
}

void PageTab::paintEvent(QPaintEvent*) {
  QStyleOptionTab option;
  option.initFrom(this);
  option.shape = QTabBar::RoundedNorth;
  option.position = QStyleOptionTab::Middle;
  if (isChecked()) option.state |= QStyle::State_Selected;
  QPainter painter(this);
  // The style draws the tab; the caption is centred here, since the style's
  // own label margins are wider than a row of sixteen tabs allows.
  style()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(rect(), Qt::AlignCenter, text());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

void PageTab::keyPressEvent(QKeyEvent* event) {
  auto* tabs = qobject_cast<PageControl*>(parentWidget());
  const int key = event->key();
  if (tabs && (key == Qt::Key_Left || key == Qt::Key_Right)) {
    tabs->StepTab(key == Qt::Key_Left ? -1 : 1);
    return;
  }
  // Up and Down would move among the tabs by their places; the rows make that odd.
  if (key == Qt::Key_Up || key == Qt::Key_Down) return;
  QAbstractButton::keyPressEvent(event);
}

PageControl::PageControl(QWidget* parent) : QWidget(parent), stack_(new QStackedWidget(this)) {}

int PageControl::addTab(QWidget* sheet, const QString& caption) {
  const int index = stack_->addWidget(sheet);
  auto* tab = new PageTab(caption, this);
  // The sheet "ShlemTabSheet" has the tab "ShlemTab".
  QString name = sheet->objectName();
  if (name.endsWith("TabSheet")) {
    name.chop(5);
  } else if (!name.isEmpty()) {
    name += "Tab";
  }
  tab->setObjectName(name);
  connect(tab, &QAbstractButton::clicked, this, [this, sheet] { Choose(sheet); });
  tabs_.push_back(tab);
  if (index == 0) tab->setChecked(true);
  // Every tab can take the focus until a tab is made current, so that a Tab order
  // can be set through them all first.
  tab->setFocusPolicy(Qt::TabFocus);
  LayOutTabs();
  return index;
}

int PageControl::count() const { return stack_->count(); }

QWidget* PageControl::widget(int index) const { return stack_->widget(index); }

int PageControl::indexOf(const QWidget* sheet) const {
  return stack_->indexOf(const_cast<QWidget*>(sheet));
}

QString PageControl::tabText(int index) const {
  return index >= 0 && index < count() ? tabs_[index]->text() : QString();
}

int PageControl::currentIndex() const { return stack_->currentIndex(); }

QWidget* PageControl::currentWidget() const { return stack_->currentWidget(); }

void PageControl::setCurrentIndex(int index) {
  if (index < 0 || index >= count()) return;
  stack_->setCurrentIndex(index);
  tabs_[index]->setChecked(true);
  for (int i = 0; i < count(); ++i)
    tabs_[i]->setFocusPolicy(i == index ? Qt::TabFocus : Qt::NoFocus);
}

void PageControl::StepTab(int delta) {
  if (count() == 0) return;
  const int next = ((currentIndex() + delta) % count() + count()) % count();
  Choose(widget(next));
  tabs_[currentIndex()]->setFocus(Qt::TabFocusReason);
}

void PageControl::Choose(QWidget* sheet) {
  if (chooser_) return chooser_(sheet);
  setCurrentWidget(sheet);
}

void PageControl::setCurrentWidget(QWidget* sheet) { setCurrentIndex(indexOf(sheet)); }

void PageControl::resizeEvent(QResizeEvent*) { LayOutTabs(); }

// Fills rows from the top, each as far as the width allows.
std::vector<std::vector<QAbstractButton*>> PageControl::TabRows() const {
  std::vector<std::vector<QAbstractButton*>> rows;
  int used = 0;
  for (QAbstractButton* tab : tabs_) {
    const int tabWidth = tab->sizeHint().width();
    if (rows.empty() || used + tabWidth > width()) {
      rows.emplace_back();
      used = 0;
    }
    rows.back().push_back(tab);
    used += tabWidth;
  }
  return rows;
}

// Widens the tabs of a row to fill it, as a multi-line tab control does.
void PageControl::PlaceRow(const std::vector<QAbstractButton*>& row, int top, int height) {
  int natural = 0;
  for (const QAbstractButton* tab : row) natural += tab->sizeHint().width();
  const int spare = width() - natural;
  const int count = static_cast<int>(row.size());
  int left = 0;
  for (int i = 0; i < count; ++i) {
    const int share = spare * (i + 1) / count - spare * i / count;
    const int tabWidth = row[i]->sizeHint().width() + share;
    row[i]->setGeometry(left, top, tabWidth, height);
    left += tabWidth;
  }
}

void PageControl::LayOutTabs() {
  const auto rows = TabRows();
  rows_ = static_cast<int>(rows.size());
  const int rowHeight = tabs_.empty() ? 0 : tabs_.front()->sizeHint().height();
  for (int r = 0; r < rows_; ++r) PlaceRow(rows[r], r * rowHeight, rowHeight);
  const int top = rows_ * rowHeight;
  stack_->setGeometry(2, top + 2, width() - 4, height() - top - 4);
}

void PageControl::paintEvent(QPaintEvent*) {
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.rect = QRect(0, stack_->y() - 2, width(), height() - stack_->y() + 2);
  frame.shape = QTabBar::RoundedNorth;
  QPainter painter(this);
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}
