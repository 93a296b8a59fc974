#include "widgets/PageControl.h"

#include <QPainter>
#include <QStackedWidget>
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
  setFocusPolicy(Qt::TabFocus);
}

QSize PageTab::sizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  return {metrics.horizontalAdvance(text()) + 2 * kTabPadding, metrics.height() + 8};
}

void PageTab::paintEvent(QPaintEvent*) {
  QStyleOptionTab option;
  option.initFrom(this);
  option.text = text();
  option.shape = QTabBar::RoundedNorth;
  option.position = QStyleOptionTab::Middle;
  if (isChecked()) option.state |= QStyle::State_Selected;
  QPainter painter(this);
  // The style draws the tab; the caption is centred here, since the style's
  // own label margins are wider than a row of sixteen tabs allows.
  style()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
  painter.drawText(rect(), Qt::AlignCenter, text());
}

PageControl::PageControl(QWidget* parent) : QWidget(parent), stack_(new QStackedWidget(this)) {}

int PageControl::addTab(QWidget* sheet, const QString& caption) {
  const int index = stack_->addWidget(sheet);
  auto* tab = new PageTab(caption, this);
  connect(tab, &QAbstractButton::clicked, this, [this, sheet] { setCurrentWidget(sheet); });
  tabs_.push_back(tab);
  if (index == 0) tab->setChecked(true);
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
}

void PageControl::setCurrentWidget(QWidget* sheet) { setCurrentIndex(indexOf(sheet)); }

void PageControl::resizeEvent(QResizeEvent*) { LayOutTabs(); }

// Fills rows from the top, each as far as the width allows, then widens the
// tabs of every row to fill it, as a multi-line tab control does.
void PageControl::LayOutTabs() {
  std::vector<std::vector<QAbstractButton*>> rows(1);
  int used = 0;
  for (QAbstractButton* tab : tabs_) {
    const int width = tab->sizeHint().width();
    if (used > 0 && used + width > this->width()) {
      rows.emplace_back();
      used = 0;
    }
    rows.back().push_back(tab);
    used += width;
  }
  rows_ = tabs_.empty() ? 0 : static_cast<int>(rows.size());
  const int rowHeight = tabs_.empty() ? 0 : tabs_.front()->sizeHint().height();
  for (int r = 0; r < rows_; ++r) {
    int natural = 0;
    for (QAbstractButton* tab : rows[r]) natural += tab->sizeHint().width();
    const int spare = width() - natural;
    int left = 0;
    for (std::size_t i = 0; i < rows[r].size(); ++i) {
      QAbstractButton* tab = rows[r][i];
      const int share = spare * static_cast<int>(i + 1) / static_cast<int>(rows[r].size()) -
                        spare * static_cast<int>(i) / static_cast<int>(rows[r].size());
      const int tabWidth = tab->sizeHint().width() + share;
      tab->setGeometry(left, r * rowHeight, tabWidth, rowHeight);
      left += tabWidth;
    }
  }
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
