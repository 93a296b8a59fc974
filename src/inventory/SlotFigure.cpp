#include "inventory/SlotFigure.h"

#include <QCoreApplication>
#include <QRect>
#include <cstring>

#include "items/ItemCatalogue.h"
#include "widgets/PictureBox.h"

namespace {

struct FigureFrame {
  const char* name;     // the slot's member name, or "Avatar"
  const char* caption;  // what a screen reader calls it
  QRect frame;
};

// The figure's frames, as the inventory's layout gives them.
// clang-format off
const FigureFrame kFigureFrames[] = {
    {"Shlem",     QT_TRANSLATE_NOOP("Slot", "Шлем"),            QRect(8, 51, 62, 65)},
    {"Amulet",    QT_TRANSLATE_NOOP("Slot", "Амулет"),          QRect(8, 117, 62, 35)},
    {"Oruzhie",   QT_TRANSLATE_NOOP("Slot", "Оружие"),          QRect(8, 153, 62, 91)},
    {"Poyas",     QT_TRANSLATE_NOOP("Slot", "Пояс"),            QRect(8, 245, 62, 30)},
    {"SodPoyas1", QT_TRANSLATE_NOOP("Slot", "Пояс, карман 1"),  QRect(8, 276, 20, 20)},
    {"SodPoyas2", QT_TRANSLATE_NOOP("Slot", "Пояс, карман 2"),  QRect(29, 276, 20, 20)},
    {"SodPoyas3", QT_TRANSLATE_NOOP("Slot", "Пояс, карман 3"),  QRect(50, 276, 20, 20)},
    {"Sapogi",    QT_TRANSLATE_NOOP("Slot", "Сапоги"),          QRect(8, 297, 62, 63)},
    {"Avatar",    QT_TRANSLATE_NOOP("Slot", "Образ"),           QRect(73, 61, 116, 256)},
    {"Karman",    QT_TRANSLATE_NOOP("Slot", "Карман"),          QRect(191, 51, 20, 20)},
    {"SodKarman", QT_TRANSLATE_NOOP("Slot", "Свиток в кармане"), QRect(212, 51, 41, 20)},
    {"Naruchi",   QT_TRANSLATE_NOOP("Slot", "Наручи"),          QRect(191, 72, 62, 40)},
    {"Perchi",    QT_TRANSLATE_NOOP("Slot", "Перчатки"),        QRect(191, 113, 62, 40)},
    {"Shit",      QT_TRANSLATE_NOOP("Slot", "Щит"),             QRect(191, 154, 62, 91)},
    {"Kolco1",    QT_TRANSLATE_NOOP("Slot", "Кольцо 1"),        QRect(191, 246, 31, 31)},
    {"Kolco2",    QT_TRANSLATE_NOOP("Slot", "Кольцо 2"),        QRect(222, 246, 31, 31)},
    {"Bronya",    QT_TRANSLATE_NOOP("Slot", "Броня"),           QRect(191, 278, 62, 83)},
    {"Kolch",     QT_TRANSLATE_NOOP("Slot", "Кольчуга"),        QRect(191, 362, 62, 83)},
};
// clang-format on

int SlotIndex(const char* name) {
  for (int i = 0; i < kEquipSlotCount; ++i) {
    if (std::strcmp(kEquipSlots[i].name, name) == 0) return i;
  }
  return -1;
}

bool IsChainMail(const EquipSlotInfo& slot) { return std::strcmp(slot.name, "Kolch") == 0; }

// Scales from the helmet frame's corner; both edges are rounded, so frames
// that touch keep touching and none overlap.
QRect Placed(const QRect& frame, const FigurePlacement& placement) {
  const QPoint corner = kFigureFrames[0].frame.topLeft();
  const auto at = [&](QPoint point) {
    const QPointF offset = QPointF(point - corner) * placement.scale;
    return placement.origin + offset.toPoint();
  };
  return QRect(at(frame.topLeft()), at(frame.bottomRight() + QPoint(1, 1)) - QPoint(1, 1));
}

}  // namespace

PictureBox* SlotFigure::Slot(const char* name) const {
  const int index = SlotIndex(name);
  return index < 0 ? nullptr : pictures[index];
}

std::vector<QWidget*> SlotFigure::SetFocusable() const {
  std::vector<QWidget*> order;
  for (PictureBox* picture : pictures) {
    picture->SetFocusable();
    order.push_back(picture);
  }
  return order;
}

SlotFigure MakeSlotFigure(QWidget* parent, const GameFolder& folder,
                          const FigurePlacement& placement) {
  SlotFigure figure;
  for (const FigureFrame& frame : kFigureFrames) {
    if (!placement.withChainMail && std::strcmp(frame.name, "Kolch") == 0) continue;
    auto* picture = new PictureBox(folder, placement.prefix + frame.name + "Image", parent);
    picture->setGeometry(Placed(frame.frame, placement));
    const QString caption = QCoreApplication::translate("Slot", frame.caption);
    picture->SetAccessibleLabel(placement.whose.isEmpty() ? caption : placement.whose.arg(caption));
    const int index = SlotIndex(frame.name);
    (index < 0 ? figure.avatar : figure.pictures[index]) = picture;
  }
  return figure;
}

void ShowSlotPictures(const GameState& state, const SlotFigure& figure) {
  for (int i = 0; i < kEquipSlotCount; ++i) {
    const EquipSlotInfo& slot = kEquipSlots[i];
    if (!IsChainMail(slot)) {
      figure.pictures[i]->Load(state.*slot.picture);
      continue;
    }
    // The chain mail has no empty picture: its frame shows only while one is worn.
    const bool worn = state.*slot.hint != kEmptySlot;
    if (worn) figure.pictures[i]->Load(state.*slot.picture);
    figure.pictures[i]->setVisible(worn);
  }
}

void ShowSlotHints(const GameState& state, const SlotFigure& figure,
                   std::string_view keepChainMailOn) {
  for (int i = 0; i < kEquipSlotCount; ++i) {
    const std::string& hint = state.*kEquipSlots[i].hint;
    if (IsChainMail(kEquipSlots[i]) && (hint.empty() || hint == keepChainMailOn)) continue;
    figure.pictures[i]->setToolTip(QString::fromStdString(DisplayName(hint)));
  }
}
