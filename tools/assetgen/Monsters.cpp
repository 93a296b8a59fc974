#include "Monsters.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Figures.h"
#include "Slots.h"
#include "fight/Roster.h"

namespace {

void Outlined(QPainter& p, const QColor& fill, double width = 1.0) {
  p.setPen(QPen(fill.darker(250), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
}

void Rat(QPainter& p) {
  PaintBackdrop(p, QColor(90, 80, 76));
  const QColor fur(118, 104, 96);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(214, 150, 150), 3.5, Qt::SolidLine, Qt::RoundCap));
  QPainterPath tail;
  tail.moveTo(86, 226);
  tail.cubicTo(120, 240, 112, 180, 96, 170);
  p.drawPath(tail);
  Outlined(p, fur);
  p.drawEllipse(QPointF(66, 198), 32, 42);
  p.drawEllipse(QPointF(44, 152), 22, 17);
  p.drawPolygon(QPolygonF({QPointF(30, 144), QPointF(8, 166), QPointF(34, 164)}));
  Outlined(p, QColor(226, 160, 160));
  p.drawEllipse(QPointF(54, 134), 9, 10);
  p.drawEllipse(QPointF(9, 165), 3, 3);
  for (double x : {46.0, 74.0}) p.drawEllipse(QPointF(x, 238), 8, 4);
  p.drawEllipse(QPointF(38, 190), 6, 5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(220, 30, 30));
  p.drawEllipse(QPointF(36, 150), 2.8, 2.8);
  p.setPen(QPen(QColor(40, 34, 30), 0.6));
  for (int i = -1; i <= 1; ++i) p.drawLine(QPointF(14, 164), QPointF(-2, 160 + i * 6));
  p.setPen(QPen(QColor(250, 250, 240), 1.2));
  p.drawLine(QPointF(12, 168), QPointF(13, 173));
}

void Boar(QPainter& p) {
  PaintBackdrop(p, QColor(110, 150, 90));
  const QColor hide(96, 70, 54);
  Outlined(p, hide.darker(120));
  for (double x : {34.0, 48.0, 82.0, 96.0}) p.drawRect(QRectF(x - 5, 210, 10, 32));
  Outlined(p, hide);
  p.drawEllipse(QPointF(66, 200), 44, 28);
  QPainterPath head;
  head.moveTo(38, 178);
  head.lineTo(6, 198);
  head.lineTo(6, 214);
  head.lineTo(40, 226);
  head.closeSubpath();
  p.drawPath(head);
  Outlined(p, QColor(200, 150, 140));
  p.drawEllipse(QPointF(6, 206), 4, 8);
  p.setPen(QPen(QColor(40, 28, 20), 2.0, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 10; ++i)
    p.drawLine(QPointF(40 + i * 6, 174 - (i % 2) * 2), QPointF(44 + i * 6, 164 + (i % 3) * 2));
  Outlined(p, QColor(244, 236, 214), 0.6);
  p.drawPolygon(QPolygonF({QPointF(14, 214), QPointF(6, 194), QPointF(20, 212)}));
  Outlined(p, hide.darker(130));
  p.drawPolygon(QPolygonF({QPointF(38, 180), QPointF(44, 164), QPointF(48, 182)}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 10, 10));
  p.drawEllipse(QPointF(26, 194), 2.4, 2.4);
}

void Spider(QPainter& p) {
  PaintBackdrop(p, QColor(60, 70, 60));
  p.setPen(QPen(QColor(230, 230, 240, 150), 0.6));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 9; ++i) {
    const double a = std::numbers::pi * i / 8;
    p.drawLine(QPointF(58, 0), QPointF(58 + 120 * std::cos(a), 120 * std::sin(a)));
  }
  for (int r = 20; r < 110; r += 18)
    p.drawArc(QRectF(58 - r, -r, 2 * r, 2 * r), 180 * 16, 180 * 16);
  p.drawLine(QPointF(58, 0), QPointF(58, 120));
  const QColor shell(34, 30, 36);
  p.setPen(QPen(shell.lighter(180), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (int side : {-1, 1}) {
    for (int i = 0; i < 4; ++i) {
      const double y = 124 + i * 9;
      QPolygonF leg({QPointF(58 + side * 8, y), QPointF(58 + side * (30 + i * 3), y - 26 + i * 10),
                     QPointF(58 + side * (48 + i * 2), y + 24 + i * 8)});
      p.drawPolyline(leg);
    }
  }
  Outlined(p, shell);
  p.drawEllipse(QPointF(58, 162), 24, 30);
  p.drawEllipse(QPointF(58, 126), 13, 12);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(210, 30, 30));
  p.drawPolygon(QPolygonF({QPointF(50, 150), QPointF(66, 150), QPointF(58, 162), QPointF(66, 174),
                           QPointF(50, 174), QPointF(58, 162)}));
  for (double x : {52.0, 56.0, 60.0, 64.0})
    p.drawEllipse(QPointF(x, 124 + (x == 52.0 || x == 64.0 ? 2 : 0)), 1.6, 1.6);
}

void Ghost(QPainter& p) {
  PaintBackdrop(p, QColor(40, 50, 90));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 240, 210));
  p.drawEllipse(QPointF(92, 30), 12, 12);
  QRadialGradient glow(QPointF(58, 130), 70);
  glow.setColorAt(0, QColor(180, 220, 255, 120));
  glow.setColorAt(1, QColor(180, 220, 255, 0));
  p.setBrush(glow);
  p.drawEllipse(QPointF(58, 130), 70, 90);
  QPainterPath body;
  body.moveTo(30, 110);
  body.cubicTo(30, 40, 86, 40, 86, 110);
  body.lineTo(110, 140);
  body.lineTo(88, 138);
  body.lineTo(92, 220);
  for (int i = 0; i < 4; ++i)
    body.quadTo(82 - i * 14, 200 + (i % 2) * 30, 74 - i * 14, 226 - (i % 2) * 16);
  body.lineTo(24, 138);
  body.lineTo(6, 140);
  body.closeSubpath();
  p.setPen(QPen(QColor(150, 190, 230), 1.2));
  p.setBrush(QColor(220, 236, 255, 210));
  p.drawPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 30, 60));
  p.drawEllipse(QPointF(48, 92), 6, 9);
  p.drawEllipse(QPointF(68, 92), 6, 9);
  p.drawEllipse(QPointF(58, 118), 7, 10);
}

void Dragon(QPainter& p) {
  PaintBackdrop(p, QColor(200, 120, 70));
  const QColor scales(170, 40, 30), belly(230, 190, 100);
  for (int side : {-1, 1}) {
    QPainterPath wing;
    wing.moveTo(58 + side * 10, 110);
    wing.lineTo(58 + side * 56, 30);
    wing.lineTo(58 + side * 50, 80);
    wing.lineTo(58 + side * 58, 90);
    wing.lineTo(58 + side * 44, 130);
    wing.lineTo(58 + side * 52, 140);
    wing.lineTo(58 + side * 20, 160);
    wing.closeSubpath();
    Outlined(p, scales.darker(140));
    p.drawPath(wing);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(scales.darker(150), 10, Qt::SolidLine, Qt::RoundCap));
  QPainterPath tail;
  tail.moveTo(70, 220);
  tail.cubicTo(110, 240, 112, 200, 96, 190);
  p.drawPath(tail);
  Outlined(p, scales);
  p.drawEllipse(QPointF(58, 180), 28, 50);
  QPainterPath neck;
  neck.moveTo(46, 140);
  neck.cubicTo(40, 100, 44, 80, 54, 60);
  neck.lineTo(68, 64);
  neck.cubicTo(62, 84, 64, 110, 72, 140);
  p.drawPath(neck);
  Outlined(p, belly);
  p.drawEllipse(QPointF(58, 186), 16, 38);
  Outlined(p, scales);
  p.drawEllipse(QPointF(60, 54), 16, 12);
  p.drawPolygon(QPolygonF({QPointF(64, 48), QPointF(92, 58), QPointF(66, 64)}));
  Outlined(p, QColor(236, 226, 200), 0.6);
  p.drawPolygon(QPolygonF({QPointF(52, 46), QPointF(40, 26), QPointF(58, 44)}));
  p.drawPolygon(QPolygonF({QPointF(62, 44), QPointF(64, 24), QPointF(68, 46)}));
  for (double x : {44.0, 72.0})
    p.drawPolygon(
        QPolygonF({QPointF(x - 6, 240), QPointF(x, 246), QPointF(x + 6, 240), QPointF(x, 226)}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 220, 40));
  p.drawEllipse(QPointF(62, 50), 2.6, 2.0);
  p.setBrush(QColor(255, 140, 20, 200));
  p.drawPolygon(QPolygonF({QPointF(92, 58), QPointF(116, 48), QPointF(108, 60), QPointF(116, 72)}));
}

FigureLook Skeleton() {
  FigureLook look;
  look.bones = true;
  look.hairStyle = Hair::Bald;
  look.armour = QColor(60, 56, 50);
  look.cloth = QColor(50, 46, 42);
  look.trim = QColor(110, 80, 50);
  look.sky = QColor(110, 110, 130);
  return look;
}

FigureLook Zombie() {
  FigureLook look;
  look.skin = QColor(140, 170, 120);
  look.hair = QColor(90, 90, 80);
  look.hairStyle = Hair::Wild;
  look.armour = QColor(96, 84, 64);
  look.cloth = QColor(70, 64, 52);
  look.trim = QColor(80, 60, 40);
  look.eyes = QColor(240, 230, 60);
  look.glow = true;
  look.sky = QColor(120, 150, 100);
  return look;
}

FigureLook Goblin() {
  FigureLook look;
  look.skin = QColor(110, 160, 60);
  look.hairStyle = Hair::Bald;
  look.pointedEars = true;
  look.height = 0.74;
  look.armour = QColor(122, 138, 58);
  look.cloth = QColor(90, 70, 40);
  look.trim = QColor(182, 214, 64);
  look.eyes = QColor(230, 200, 20);
  look.sky = QColor(140, 170, 120);
  return look;
}

FigureLook Orc() {
  FigureLook look;
  look.skin = QColor(84, 116, 62);
  look.hair = QColor(20, 20, 20);
  look.hairStyle = Hair::Wild;
  look.tusks = true;
  look.bulk = 1.2;
  look.armour = QColor(92, 82, 72);
  look.cloth = QColor(60, 46, 36);
  look.trim = QColor(170, 50, 36);
  look.headgear = Headgear::Helmet;
  look.sky = QColor(170, 120, 90);
  return look;
}

FigureLook Troll() {
  FigureLook look;
  look.skin = QColor(112, 132, 140);
  look.hair = QColor(80, 110, 60);
  look.hairStyle = Hair::Wild;
  look.tusks = true;
  look.bulk = 1.45;
  look.armour = QColor(112, 132, 140);
  look.cloth = QColor(90, 70, 50);
  look.trim = QColor(100, 80, 50);
  look.sky = QColor(120, 130, 150);
  return look;
}

FigureLook Ogre() {
  FigureLook look;
  look.skin = QColor(196, 156, 112);
  look.hair = QColor(70, 50, 30);
  look.hairStyle = Hair::Bald;
  look.beard = 1;
  look.bulk = 1.55;
  look.armour = QColor(130, 90, 56);
  look.cloth = QColor(100, 76, 50);
  look.trim = QColor(60, 40, 30);
  look.sky = QColor(160, 150, 120);
  return look;
}

// Knights and champions share one build; their colours and headgear tell them apart.
FigureLook Champion(QColor armour, QColor trim, QColor sky, Headgear headgear) {
  FigureLook look;
  look.skin = QColor(220, 180, 150);
  look.hairStyle = Hair::Short;
  look.hair = QColor(60, 40, 30);
  look.armour = armour;
  look.cloth = armour.darker(160);
  look.trim = trim;
  look.sky = sky;
  look.headgear = headgear;
  look.bulk = 1.1;
  return look;
}

FigureLook Gatekeeper() {
  auto look = Champion(QColor(110, 142, 160), QColor(46, 196, 182), QColor(120, 130, 140),
                       Headgear::Helmet);
  return look;
}

FigureLook ForestWatcher() {
  auto look =
      Champion(QColor(78, 122, 58), QColor(160, 206, 100), QColor(90, 150, 90), Headgear::Hood);
  look.cloak = QColor(50, 90, 40);
  return look;
}

FigureLook AngelOfFate() {
  auto look =
      Champion(QColor(150, 120, 200), QColor(244, 196, 255), QColor(200, 190, 240), Headgear::None);
  look.slender = true;
  look.bulk = 1.0;
  look.wings = true;
  look.halo = true;
  look.hairStyle = Hair::Long;
  look.hair = QColor(236, 206, 120);
  return look;
}

FigureLook IceOne() {
  auto look = Champion(QColor(190, 230, 250), QColor(250, 255, 255), QColor(150, 200, 230),
                       Headgear::Crown);
  look.skin = QColor(170, 214, 240);
  look.hairStyle = Hair::Long;
  look.hair = QColor(236, 246, 255);
  look.eyes = QColor(40, 200, 255);
  look.glow = true;
  return look;
}

FigureLook Balance(bool light) {
  auto look = light ? Champion(QColor(230, 230, 230), QColor(30, 30, 30), QColor(220, 220, 220),
                               Headgear::Helmet)
                    : Champion(QColor(40, 40, 40), QColor(230, 230, 230), QColor(40, 40, 50),
                               Headgear::Helmet);
  return look;
}

FigureLook Destroyer() {
  auto look =
      Champion(QColor(110, 32, 32), QColor(255, 70, 30), QColor(200, 80, 40), Headgear::None);
  look.skin = QColor(180, 50, 40);
  look.hairStyle = Hair::Bald;
  look.horns = true;
  look.bulk = 1.25;
  look.eyes = QColor(255, 180, 0);
  look.glow = true;
  return look;
}

FigureLook DarkGuard() {
  auto look =
      Champion(QColor(100, 80, 50), QColor(212, 162, 74), QColor(90, 70, 80), Headgear::Helmet);
  look.cloak = QColor(40, 30, 40);
  return look;
}

FigureLook WarriorOfLight() {
  auto look =
      Champion(QColor(240, 236, 216), QColor(255, 214, 0), QColor(250, 230, 160), Headgear::Helmet);
  look.cloak = QColor(250, 246, 230);
  return look;
}

FigureLook WarriorOfDarkness() {
  auto look =
      Champion(QColor(44, 36, 56), QColor(140, 60, 255), QColor(50, 40, 70), Headgear::HornedHelm);
  look.cloak = QColor(24, 20, 30);
  look.eyes = QColor(180, 80, 255);
  look.glow = true;
  return look;
}

FigureLook MastersFriend() {
  auto look =
      Champion(QColor(150, 42, 32), QColor(240, 196, 64), QColor(180, 70, 50), Headgear::Helmet);
  look.cloak = QColor(100, 20, 20);
  return look;
}

FigureLook Master() {
  auto look =
      Champion(QColor(90, 40, 120), QColor(155, 17, 30), QColor(60, 30, 80), Headgear::Crown);
  look.cloak = QColor(60, 20, 80);
  look.hairStyle = Hair::Long;
  look.hair = QColor(230, 230, 235);
  look.beard = 2;
  look.eyes = QColor(255, 60, 60);
  look.glow = true;
  return look;
}

void PaintGate(QPainter& p) {
  p.setPen(QPen(QColor(70, 66, 62), 1));
  p.setBrush(QColor(130, 124, 116));
  p.drawRect(QRectF(6, 40, 104, 150));
  p.setBrush(QColor(30, 26, 24));
  QPainterPath arch;
  arch.moveTo(24, 190);
  arch.lineTo(24, 90);
  arch.cubicTo(24, 50, 92, 50, 92, 90);
  arch.lineTo(92, 190);
  p.drawPath(arch);
  p.setPen(QPen(QColor(90, 84, 78), 0.6));
  for (int y = 50; y < 190; y += 12) p.drawLine(QPointF(6, y), QPointF(24, y));
}

void GatekeeperAtTheGate(QPainter& p) {
  const FigureLook look = Gatekeeper();
  PaintBackdrop(p, look.sky);
  PaintGate(p);
  PaintFigure(p, look);
}

// Light on the left half, darkness on the right.
void HalfAndHalf(QPainter& p) {
  for (bool light : {true, false}) {
    const FigureLook look = Balance(light);
    p.save();
    p.setClipRect(light ? QRectF(0, 0, 58, 256) : QRectF(58, 0, 58, 256));
    PaintBackdrop(p, look.sky);
    PaintFigure(p, look);
    p.restore();
  }
}

// A monster is a scene of its own (beasts, the gate, the halves) or a standing figure.
struct Portrait {
  void (*scene)(QPainter&);
  FigureLook (*figure)();
};
// By kind, 1..22.
const Portrait kPortraits[kMonsterKindCount] = {
    {Rat, nullptr},
    {Boar, nullptr},
    {Spider, nullptr},
    {Ghost, nullptr},
    {nullptr, Skeleton},
    {nullptr, Zombie},
    {nullptr, Goblin},
    {nullptr, Orc},
    {nullptr, Troll},
    {nullptr, Ogre},
    {Dragon, nullptr},
    {GatekeeperAtTheGate, nullptr},
    {nullptr, ForestWatcher},
    {nullptr, AngelOfFate},
    {nullptr, IceOne},
    {HalfAndHalf, nullptr},
    {nullptr, Destroyer},
    {nullptr, DarkGuard},
    {nullptr, WarriorOfLight},
    {nullptr, WarriorOfDarkness},
    {nullptr, MastersFriend},
    {nullptr, Master},
};

// Gear no shop or loot sells ("s9 Оружие") is drawn in its wearer's colours.
ItemLook GearLook(int kind) {
  ItemLook look;
  look.tier = 4;
  look.seed = static_cast<std::uint32_t>(kind);
  look.metal = QColor(120, 110, 98);
  look.accent = QColor(200, 180, 120);
  if (const auto figure = kPortraits[kind - 1].figure) {
    const FigureLook wearer = figure();
    look.metal = wearer.armour;
    look.accent = wearer.trim;
  }
  return look;
}

}  // namespace

QImage DrawMonster(int kind) {
  Canvas canvas(kAvatarFrame, Qt::black);
  const Portrait& portrait = kPortraits[kind - 1];
  if (portrait.scene) {
    portrait.scene(canvas.painter());
  } else {
    const FigureLook look = portrait.figure();
    PaintBackdrop(canvas.painter(), look.sky);
    PaintFigure(canvas.painter(), look);
  }
  return canvas.Take();
}

void WriteMonsterPictures(AssetFolder& folder) {
  for (int kind = 1; kind <= kMonsterKindCount; ++kind) {
    for (const auto& picture : OpponentPictures(kind)) {
      // Empty slots and catalogue items are drawn already.
      if (picture.path.empty() || folder.Has(picture.path)) continue;
      const std::string_view slot = picture.slot;
      folder.SavePicture(picture.path,
                         slot == "Avatar"
                             ? DrawMonster(kind)
                             : DrawItem(SlotFrameOf(slot), ShapeOfSlot(slot), GearLook(kind)));
    }
  }
}
