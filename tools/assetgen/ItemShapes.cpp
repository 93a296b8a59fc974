#include "ItemShapes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <numbers>

#include "Canvas.h"

namespace {

const QColor kOutlineOfEmpty(120, 108, 96);
const QColor kDark(22, 18, 16);
const QColor kWood(120, 78, 44);
const QColor kLeather(104, 66, 40);
const QColor kSteel(214, 220, 228);
const QColor kParchment(226, 206, 160);

// Draws in the unit square of the item's rectangle: (0,0) top left, (1,1) bottom right.
class Shaper {
 public:
  Shaper(QPainter& painter, const QRectF& rect, const ItemLook& look)
      : p_(painter), toRect_(rect.width(), 0, 0, rect.height(), rect.x(), rect.y()), look_(look) {}

  const ItemLook& look() const { return look_; }
  bool Bit(int n) const { return (look_.seed >> n) & 1u; }

  // A body part: shaded fill and dark edge, or a muted dashed edge for an empty slot.
  void Fill(const QPainterPath& unit, const QColor& base) {
    const QPainterPath path = toRect_.map(unit);
    if (look_.empty) {
      p_.setBrush(Qt::NoBrush);
      p_.setPen(QPen(kOutlineOfEmpty, 1.0, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
      p_.drawPath(path);
      return;
    }
    const QRectF box = path.boundingRect();
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0.0, base.lighter(150));
    shade.setColorAt(0.5, base);
    shade.setColorAt(1.0, base.darker(170));
    p_.setBrush(shade);
    p_.setPen(QPen(base.darker(280), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.drawPath(path);
  }
  // Detail that an empty slot leaves out.
  void Detail(const QPainterPath& unit, const QColor& color) {
    if (!look_.empty) Fill(unit, color);
  }
  void Stroke(double x1, double y1, double x2, double y2, const QColor& color, double width) {
    if (look_.empty) return;
    p_.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    p_.drawLine(toRect_.map(QPointF(x1, y1)), toRect_.map(QPointF(x2, y2)));
  }

  static QPainterPath Box(double x, double y, double w, double h, double round = 0.0) {
    QPainterPath path;
    if (round > 0) {
      path.addRoundedRect(QRectF(x, y, w, h), round, round, Qt::RelativeSize);
    } else {
      path.addRect(QRectF(x, y, w, h));
    }
    return path;
  }
  static QPainterPath Oval(double cx, double cy, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
  }

 private:
  QPainter& p_;
  QTransform toRect_;
  const ItemLook& look_;
};

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                          static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                          static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t));
}

// A jewel set into the object; finer items carry one.
void Jewel(Shaper& s, double cx, double cy, double rx, double ry) {
  if (s.look().tier < 1) return;
  s.Detail(Shaper::Oval(cx, cy, rx, ry), s.look().accent);
}

void Helmet(Shaper& s) {
  const auto& look = s.look();
  if (look.tier >= 3 && s.Bit(0)) {  // horns
    QPainterPath left;
    left.moveTo(0.2, 0.42);
    left.cubicTo(0.02, 0.35, 0.02, 0.15, 0.08, 0.04);
    left.cubicTo(0.12, 0.2, 0.2, 0.28, 0.3, 0.3);
    left.closeSubpath();
    s.Detail(left, Mix(look.accent, QColor(240, 230, 210), 0.5));
    s.Detail(QTransform(-1, 0, 0, 1, 1, 0).map(left), Mix(look.accent, QColor(240, 230, 210), 0.5));
  }
  if (look.tier >= 2 && !s.Bit(0)) {  // plume
    QPainterPath plume;
    plume.moveTo(0.5, 0.16);
    plume.cubicTo(0.55, 0.0, 0.85, -0.02, 0.95, 0.12);
    plume.cubicTo(0.8, 0.08, 0.65, 0.12, 0.58, 0.2);
    plume.closeSubpath();
    s.Detail(plume, look.accent);
  }
  QPainterPath dome;
  dome.moveTo(0.12, 0.66);
  dome.cubicTo(0.12, 0.06, 0.88, 0.06, 0.88, 0.66);
  dome.lineTo(0.86, 0.95);
  dome.lineTo(0.64, 0.95);
  dome.lineTo(0.62, 0.66);
  dome.lineTo(0.38, 0.66);
  dome.lineTo(0.36, 0.95);
  dome.lineTo(0.14, 0.95);
  dome.closeSubpath();
  s.Fill(dome, look.metal);
  s.Detail(Shaper::Box(0.22, 0.5, 0.56, 0.07, 40), kDark);   // eye slit
  s.Detail(Shaper::Box(0.46, 0.5, 0.08, 0.33), look.metal);  // nose guard
  s.Detail(Shaper::Box(0.11, 0.6, 0.78, 0.06),
           look.tier >= 1 ? look.accent : look.metal.darker(130));
  s.Stroke(0.5, 0.14, 0.5, 0.48, look.metal.lighter(160), 0.8);
  Jewel(s, 0.5, 0.36, 0.06, 0.055);
}

void Crown(Shaper& s) {
  const auto& look = s.look();
  s.Fill(Poly({{0.1, 0.85},
               {0.1, 0.3},
               {0.28, 0.55},
               {0.39, 0.18},
               {0.5, 0.5},
               {0.61, 0.18},
               {0.72, 0.55},
               {0.9, 0.3},
               {0.9, 0.85}}),
         look.metal);
  s.Detail(Shaper::Box(0.1, 0.66, 0.8, 0.12), look.metal.darker(120));
  for (double x : {0.25, 0.5, 0.75}) s.Detail(Shaper::Oval(x, 0.72, 0.055, 0.045), look.accent);
  for (double x : {0.1, 0.39, 0.61, 0.9})
    s.Detail(Shaper::Oval(x, x == 0.1 || x == 0.9 ? 0.3 : 0.18, 0.035, 0.03), look.accent);
}

void Amulet(Shaper& s) {
  const auto& look = s.look();
  QPainterPath chain;
  chain.moveTo(0.12, 0.0);
  chain.quadTo(0.5, 0.75, 0.88, 0.0);
  s.Fill(QPainterPathStroker(QPen(Qt::black, 0.035)).createStroke(chain), look.metal);
  if (s.Bit(1)) {
    s.Fill(Poly({{0.5, 0.3}, {0.62, 0.62}, {0.5, 0.98}, {0.38, 0.62}}), look.metal);
    s.Detail(Poly({{0.5, 0.42}, {0.56, 0.62}, {0.5, 0.84}, {0.44, 0.62}}), look.accent);
  } else {
    s.Fill(Shaper::Oval(0.5, 0.63, 0.14, 0.3), look.metal);
    s.Detail(Shaper::Oval(0.5, 0.63, 0.08, 0.17), look.accent);
  }
}

// Handle of a hafted weapon, from top to bottom of the frame.
void Haft(Shaper& s, double top, const QColor& color = kWood) {
  s.Fill(Shaper::Box(0.46, top, 0.08, 0.96 - top, 30), color);
  s.Stroke(0.5, 0.8, 0.5, 0.92, color.darker(160), 1.2);
}

void Sword(Shaper& s) {
  const auto& look = s.look();
  const QColor blade = Mix(kSteel, look.metal, 0.25);
  s.Fill(Poly({{0.455, 0.7}, {0.455, 0.1}, {0.5, 0.02}, {0.545, 0.1}, {0.545, 0.7}}), blade);
  s.Stroke(0.5, 0.1, 0.5, 0.66, blade.darker(130), 0.8);
  s.Fill(Shaper::Box(0.46, 0.73, 0.08, 0.15, 30), kLeather);
  s.Fill(Poly({{0.16, 0.7}, {0.5, 0.67}, {0.84, 0.7}, {0.5, 0.75}}), look.metal);
  s.Fill(Shaper::Oval(0.5, 0.915, 0.07, 0.04), look.metal);
  Jewel(s, 0.5, 0.71, 0.05, 0.025);
}

void Staff(Shaper& s) {
  const auto& look = s.look();
  Haft(s, 0.18, Mix(kWood, look.metal, 0.4));
  QPainterPath prongs;
  prongs.moveTo(0.34, 0.04);
  prongs.quadTo(0.32, 0.2, 0.5, 0.22);
  prongs.quadTo(0.68, 0.2, 0.66, 0.04);
  prongs.quadTo(0.62, 0.17, 0.5, 0.18);
  prongs.quadTo(0.38, 0.17, 0.34, 0.04);
  s.Fill(prongs, look.metal);
  s.Fill(Shaper::Oval(0.5, 0.11, 0.13, 0.075), look.accent);
  s.Detail(Shaper::Oval(0.46, 0.09, 0.04, 0.025), look.accent.lighter(170));
}

void AxeHead(Shaper& s, bool mirrored, double top, double scale) {
  QPainterPath head;
  head.moveTo(0.54, top + 0.04 * scale);
  head.cubicTo(0.7, top + 0.02 * scale, 0.86, top - 0.04 * scale, 0.92, top - 0.06 * scale);
  head.cubicTo(0.98, top + 0.1 * scale, 0.98, top + 0.24 * scale, 0.92, top + 0.36 * scale);
  head.cubicTo(0.84, top + 0.3 * scale, 0.7, top + 0.26 * scale, 0.54, top + 0.24 * scale);
  head.closeSubpath();
  if (mirrored) head = QTransform(-1, 0, 0, 1, 1, 0).map(head);
  s.Fill(head, Mix(kSteel, s.look().metal, 0.45));
}

void Axe(Shaper& s) {
  Haft(s, 0.06);
  AxeHead(s, false, 0.12, 1.0);
  if (s.look().tier >= 3) AxeHead(s, true, 0.12, 1.0);
  s.Fill(Shaper::Box(0.44, 0.14, 0.12, 0.22), s.look().metal);
  Jewel(s, 0.5, 0.25, 0.035, 0.025);
}

void Halberd(Shaper& s) {
  Haft(s, 0.1);
  s.Fill(Poly({{0.44, 0.14}, {0.5, 0.0}, {0.56, 0.14}}), Mix(kSteel, s.look().metal, 0.3));
  AxeHead(s, false, 0.2, 0.7);
  s.Fill(Poly({{0.46, 0.22}, {0.2, 0.28}, {0.46, 0.32}}), s.look().metal);
  Jewel(s, 0.5, 0.27, 0.035, 0.02);
}

void Trident(Shaper& s) {
  const QColor steel = Mix(kSteel, s.look().metal, 0.4);
  Haft(s, 0.3, s.look().metal.darker(140));
  s.Fill(Shaper::Box(0.2, 0.28, 0.6, 0.05, 40), steel);
  for (double x : {0.22, 0.5, 0.78}) {
    s.Fill(
        Poly({{x - 0.035, 0.3}, {x - 0.035, 0.09}, {x, 0.02}, {x + 0.035, 0.09}, {x + 0.035, 0.3}}),
        steel);
  }
  Jewel(s, 0.5, 0.305, 0.04, 0.02);
}

void Hammer(Shaper& s) {
  Haft(s, 0.2);
  s.Fill(Shaper::Box(0.18, 0.06, 0.64, 0.2, 10), s.look().metal);
  s.Detail(Shaper::Box(0.18, 0.13, 0.64, 0.05), s.look().accent);
}

void Mace(Shaper& s) {
  Haft(s, 0.24, s.look().metal.darker(150));
  const QColor head = Mix(kSteel, s.look().metal, 0.5);
  for (int i = 0; i < 8; ++i) {
    const double a = i * std::numbers::pi / 4;
    const double cx = 0.5 + 0.3 * std::cos(a), cy = 0.18 + 0.14 * std::sin(a);
    s.Fill(Poly({{0.5 + 0.18 * std::cos(a - 0.3), 0.18 + 0.09 * std::sin(a - 0.3)},
                 {cx, cy},
                 {0.5 + 0.18 * std::cos(a + 0.3), 0.18 + 0.09 * std::sin(a + 0.3)}}),
           head);
  }
  s.Fill(Shaper::Oval(0.5, 0.18, 0.22, 0.11), head);
  Jewel(s, 0.5, 0.18, 0.06, 0.035);
}

void Flail(Shaper& s) {
  s.Fill(Shaper::Box(0.45, 0.58, 0.1, 0.38, 30), kWood);
  for (int i = 0; i < 5; ++i) {
    const double t = i / 5.0;
    s.Fill(Shaper::Oval(0.5 - 0.12 * t, 0.56 - 0.2 * t, 0.035, 0.022), s.look().metal);
  }
  const QColor head = Mix(kSteel, s.look().metal, 0.5);
  for (int i = 0; i < 6; ++i) {
    const double a = i * std::numbers::pi / 3;
    s.Fill(Poly({{0.36 + 0.13 * std::cos(a - 0.4), 0.24 + 0.08 * std::sin(a - 0.4)},
                 {0.36 + 0.26 * std::cos(a), 0.24 + 0.15 * std::sin(a)},
                 {0.36 + 0.13 * std::cos(a + 0.4), 0.24 + 0.08 * std::sin(a + 0.4)}}),
           head);
  }
  s.Fill(Shaper::Oval(0.36, 0.24, 0.18, 0.1), head);
  Jewel(s, 0.36, 0.24, 0.05, 0.03);
}

void Club(Shaper& s) {
  QPainterPath club;
  club.moveTo(0.45, 0.96);
  club.lineTo(0.42, 0.5);
  club.cubicTo(0.28, 0.3, 0.3, 0.04, 0.5, 0.04);
  club.cubicTo(0.7, 0.04, 0.72, 0.3, 0.58, 0.5);
  club.lineTo(0.55, 0.96);
  club.closeSubpath();
  s.Fill(club, Mix(kWood, s.look().metal, 0.35));
  for (double y : {0.12, 0.22, 0.32}) {
    for (double x : {0.4, 0.6})
      s.Detail(Shaper::Oval(x, y + (x > 0.5 ? 0.05 : 0), 0.035, 0.02), kSteel);
  }
}

void Knife(Shaper& s) {
  const QColor blade = Mix(kSteel, s.look().metal, 0.25);
  s.Fill(Poly({{0.45, 0.6}, {0.45, 0.26}, {0.5, 0.14}, {0.56, 0.26}, {0.555, 0.6}}), blade);
  s.Stroke(0.5, 0.26, 0.5, 0.57, blade.darker(130), 0.7);
  s.Fill(Shaper::Box(0.3, 0.6, 0.4, 0.04, 40), s.look().metal);
  s.Fill(Shaper::Box(0.46, 0.64, 0.08, 0.14, 30), kLeather);
  s.Fill(Shaper::Oval(0.5, 0.8, 0.055, 0.03), s.look().metal);
  Jewel(s, 0.5, 0.62, 0.04, 0.02);
}

void Claws(Shaper& s) {
  const QColor blade = Mix(kSteel, s.look().metal, 0.3);
  for (double x : {0.3, 0.5, 0.7}) {
    QPainterPath claw;
    claw.moveTo(x - 0.05, 0.62);
    claw.cubicTo(x - 0.06, 0.4, x - 0.02, 0.22, x + 0.08, 0.1);
    claw.cubicTo(x + 0.03, 0.3, x + 0.05, 0.45, x + 0.05, 0.62);
    claw.closeSubpath();
    s.Fill(claw, blade);
  }
  s.Fill(Shaper::Box(0.18, 0.6, 0.64, 0.1, 40), s.look().metal);
  s.Fill(Shaper::Box(0.26, 0.7, 0.48, 0.2, 30), kLeather);
  Jewel(s, 0.5, 0.65, 0.05, 0.03);
}

void Belt(Shaper& s) {
  const auto& look = s.look();
  s.Fill(Shaper::Box(0.02, 0.28, 0.96, 0.44, 20), Mix(kLeather, look.metal, 0.3));
  s.Stroke(0.04, 0.36, 0.96, 0.36, kLeather.lighter(140), 0.5);
  s.Stroke(0.04, 0.64, 0.96, 0.64, kLeather.lighter(140), 0.5);
  for (int i = 0; i < look.tier * 2; ++i) {
    const double x = 0.08 + 0.1 * i;
    if (std::abs(x - 0.5) > 0.14 && x < 0.95)
      s.Detail(Shaper::Oval(x, 0.5, 0.018, 0.07), look.metal.lighter(130));
  }
  s.Fill(Shaper::Box(0.38, 0.12, 0.24, 0.76, 20), look.metal);
  s.Detail(Shaper::Box(0.43, 0.28, 0.14, 0.44, 20), kDark);
  s.Detail(Shaper::Box(0.485, 0.2, 0.03, 0.6), look.accent);
}

void Boot(Shaper& s, double dx, const QColor& color) {
  QPainterPath boot;
  boot.moveTo(0.24 + dx, 0.06);
  boot.lineTo(0.58 + dx, 0.06);
  boot.lineTo(0.6 + dx, 0.6);
  boot.cubicTo(0.75 + dx, 0.64, 0.9 + dx, 0.7, 0.9 + dx, 0.86);
  boot.lineTo(0.9 + dx, 0.94);
  boot.lineTo(0.22 + dx, 0.94);
  boot.closeSubpath();
  s.Fill(boot, color);
  s.Detail(Shaper::Box(0.22 + dx, 0.06, 0.38, 0.12, 20), s.look().accent);
  s.Stroke(0.23 + dx, 0.88, 0.88 + dx, 0.88, color.darker(200), 1.0);
}

void Boots(Shaper& s) {
  const QColor body = Mix(kLeather, s.look().metal, 0.45);
  Boot(s, -0.14, body.darker(125));
  Boot(s, 0.04, body);
}

void Bracers(Shaper& s) {
  for (double x : {0.04, 0.53}) {
    s.Fill(Poly({{x, 0.12}, {x + 0.43, 0.2}, {x + 0.43, 0.8}, {x, 0.88}}), s.look().metal);
    for (double y : {0.32, 0.66}) s.Detail(Shaper::Box(x, y, 0.43, 0.07), s.look().accent);
    Jewel(s, x + 0.215, 0.5, 0.05, 0.08);
  }
}

void Glove(Shaper& s, bool mirrored) {
  QPainterPath glove;
  glove.addRoundedRect(QRectF(0.08, 0.4, 0.32, 0.34), 20, 20, Qt::RelativeSize);
  for (int i = 0; i < 4; ++i)
    glove.addRoundedRect(QRectF(0.09 + 0.08 * i, 0.08 + (i % 3 ? 0 : 0.06), 0.07, 0.38), 50, 30,
                         Qt::RelativeSize);
  glove.addRoundedRect(QRectF(0.34, 0.36, 0.14, 0.12), 50, 50, Qt::RelativeSize);
  glove = glove.simplified();
  glove.addRect(QRectF(0.06, 0.72, 0.36, 0.22));
  glove = glove.simplified();
  if (mirrored) glove = QTransform(-1, 0, 0, 1, 1, 0).map(glove);
  s.Fill(glove, Mix(kLeather, s.look().metal, 0.55));
  const double x = mirrored ? 0.58 : 0.06;
  s.Detail(Shaper::Box(x, 0.74, 0.36, 0.06), s.look().accent);
}

void Gloves(Shaper& s) {
  Glove(s, false);
  Glove(s, true);
}

void Shield(Shaper& s) {
  const auto& look = s.look();
  QPainterPath shield;
  shield.moveTo(0.08, 0.1);
  shield.quadTo(0.5, 0.02, 0.92, 0.1);
  shield.lineTo(0.92, 0.5);
  shield.cubicTo(0.92, 0.75, 0.7, 0.88, 0.5, 0.97);
  shield.cubicTo(0.3, 0.88, 0.08, 0.75, 0.08, 0.5);
  shield.closeSubpath();
  s.Fill(shield, look.metal);
  const QPainterPath inner =
      QTransform::fromTranslate(0.5, 0.5).scale(0.8, 0.82).translate(-0.5, -0.5).map(shield);
  s.Detail(inner, look.metal.darker(115));
  if (s.Bit(2)) {
    s.Detail(Shaper::Box(0.44, 0.14, 0.12, 0.72), look.accent);
    s.Detail(Shaper::Box(0.18, 0.36, 0.64, 0.08), look.accent);
  } else {
    s.Detail(Poly({{0.5, 0.2}, {0.74, 0.45}, {0.5, 0.78}, {0.26, 0.45}}), look.accent);
  }
  s.Detail(Shaper::Oval(0.5, 0.44, 0.08, 0.055), look.metal.lighter(130));
}

void Ring(Shaper& s) {
  QPainterPath ring;
  ring.addEllipse(QPointF(0.5, 0.62), 0.36, 0.3);
  ring.addEllipse(QPointF(0.5, 0.64), 0.24, 0.19);
  s.Fill(ring, s.look().metal);
  s.Fill(Poly({{0.34, 0.36}, {0.66, 0.36}, {0.58, 0.24}, {0.42, 0.24}}),
         s.look().metal.darker(120));
  s.Detail(Shaper::Oval(0.5, 0.24, 0.16, 0.14), s.look().accent);
  s.Detail(Shaper::Oval(0.46, 0.2, 0.05, 0.04), s.look().accent.lighter(170));
}

QPainterPath Torso(bool sleeves) {
  QPainterPath body;
  body.moveTo(0.3, 0.05);
  body.lineTo(0.4, 0.09);
  body.quadTo(0.5, 0.16, 0.6, 0.09);
  body.lineTo(0.7, 0.05);
  body.lineTo(0.94, 0.16);
  body.lineTo(sleeves ? 0.98 : 0.92, sleeves ? 0.46 : 0.3);
  body.lineTo(0.8, sleeves ? 0.48 : 0.34);
  body.lineTo(0.78, 0.94);
  body.lineTo(0.22, 0.94);
  body.lineTo(0.2, sleeves ? 0.48 : 0.34);
  body.lineTo(sleeves ? 0.02 : 0.08, sleeves ? 0.46 : 0.3);
  body.lineTo(0.06, 0.16);
  body.closeSubpath();
  return body;
}

void Armour(Shaper& s) {
  const auto& look = s.look();
  s.Fill(Torso(false), look.metal);
  s.Stroke(0.5, 0.18, 0.5, 0.7, look.metal.lighter(150), 1.0);
  s.Detail(Shaper::Oval(0.14, 0.2, 0.13, 0.08), look.metal.darker(115));
  s.Detail(Shaper::Oval(0.86, 0.2, 0.13, 0.08), look.metal.darker(115));
  s.Detail(Shaper::Box(0.22, 0.7, 0.56, 0.07), look.accent);
  for (double y : {0.8, 0.87}) s.Stroke(0.24, y, 0.76, y, look.metal.darker(170), 0.6);
  Jewel(s, 0.5, 0.32, 0.06, 0.035);
}

void Robe(Shaper& s) {
  const auto& look = s.look();
  QPainterPath robe;
  robe.moveTo(0.36, 0.06);
  robe.quadTo(0.5, 0.0, 0.64, 0.06);
  robe.lineTo(0.9, 0.2);
  robe.lineTo(0.96, 0.5);
  robe.lineTo(0.8, 0.5);
  robe.lineTo(0.9, 0.96);
  robe.lineTo(0.1, 0.96);
  robe.lineTo(0.2, 0.5);
  robe.lineTo(0.04, 0.5);
  robe.lineTo(0.1, 0.2);
  robe.closeSubpath();
  s.Fill(robe, Mix(look.metal, look.accent, 0.4));
  s.Detail(Poly({{0.46, 0.1}, {0.54, 0.1}, {0.56, 0.96}, {0.44, 0.96}}), look.accent);
  s.Detail(Shaper::Box(0.2, 0.52, 0.6, 0.05), look.metal);
}

void ChainMail(Shaper& s) {
  const auto& look = s.look();
  const QPainterPath body = Torso(true);
  s.Fill(body, look.metal.darker(130));
  if (look.empty) return;
  // Rows of rings, kept inside the tunic.
  for (double y = 0.1; y < 0.94; y += 0.035) {
    for (double x = 0.04 + (static_cast<int>(y / 0.035) % 2) * 0.03; x < 0.98; x += 0.06) {
      if (body.contains(QPointF(x, y)))
        s.Detail(Shaper::Oval(x, y, 0.025, 0.014), look.metal.lighter(120));
    }
  }
  s.Detail(Shaper::Box(0.22, 0.86, 0.56, 0.06), look.accent);
}

void Potion(Shaper& s) {
  const auto& look = s.look();
  QPainterPath flask;
  flask.addEllipse(QPointF(0.5, 0.64), 0.34, 0.32);
  flask.addRect(QRectF(0.39, 0.12, 0.22, 0.3));
  flask = flask.simplified();
  s.Fill(flask, QColor(190, 215, 225));
  QPainterPath liquid;
  liquid.addEllipse(QPointF(0.5, 0.66), 0.28, 0.26);
  s.Detail(liquid.intersected(Shaper::Box(0, 0.54, 1, 1)), look.accent);
  s.Detail(Shaper::Box(0.37, 0.04, 0.26, 0.12, 30), kWood);
  s.Detail(Shaper::Oval(0.38, 0.6, 0.05, 0.09), QColor(250, 250, 255));
}

void Scroll(Shaper& s) {
  const auto& look = s.look();
  s.Fill(Shaper::Box(0.14, 0.16, 0.72, 0.68), kParchment);
  for (double y : {0.32, 0.44, 0.56, 0.68}) s.Stroke(0.24, y, 0.76, y, kParchment.darker(170), 0.5);
  s.Fill(Shaper::Box(0.04, 0.08, 0.12, 0.84, 50), kParchment.darker(125));
  s.Fill(Shaper::Box(0.84, 0.08, 0.12, 0.84, 50), kParchment.darker(125));
  s.Detail(Shaper::Oval(0.5, 0.5, 0.1, 0.2), look.accent);
}

void Pouch(Shaper& s) {
  QPainterPath bag;
  bag.moveTo(0.36, 0.24);
  bag.cubicTo(0.04, 0.5, 0.06, 0.94, 0.5, 0.94);
  bag.cubicTo(0.94, 0.94, 0.96, 0.5, 0.64, 0.24);
  bag.closeSubpath();
  s.Fill(bag, Mix(kLeather, s.look().metal, 0.3));
  s.Fill(Poly({{0.3, 0.06}, {0.7, 0.06}, {0.62, 0.26}, {0.38, 0.26}}), kLeather.darker(110));
  s.Detail(Shaper::Box(0.3, 0.24, 0.4, 0.06), s.look().accent);
}

void Gem(Shaper& s) {
  const auto& look = s.look();
  s.Fill(Poly({{0.22, 0.3}, {0.38, 0.14}, {0.62, 0.14}, {0.78, 0.3}, {0.5, 0.8}}), look.accent);
  s.Detail(Poly({{0.22, 0.3}, {0.78, 0.3}, {0.5, 0.8}}), look.accent.darker(130));
  s.Detail(Poly({{0.38, 0.14}, {0.5, 0.3}, {0.62, 0.14}}), look.accent.lighter(150));
  // One pip per level under the gem.
  for (int i = 0; i < look.count; ++i) {
    const double x = 0.5 + (i - (look.count - 1) / 2.0) * 0.14;
    s.Detail(Shaper::Oval(x, 0.9, 0.045, 0.045), QColor(240, 220, 120));
  }
}

void Logs(Shaper& s) {
  // A stack: bottom row first, fewer logs each row up.
  const int count = s.look().count;
  int row = 0, placed = 0;
  while (placed < count) {
    const int inRow = std::min(count - placed, row == 0 ? 3 : 3 - row);
    for (int i = 0; i < inRow; ++i) {
      const double x = 0.5 + (i - (inRow - 1) / 2.0) * 0.3;
      const double y = 0.78 - row * 0.27;
      s.Fill(Shaper::Oval(x, y, 0.15, 0.15), kWood);
      s.Detail(Shaper::Oval(x, y, 0.11, 0.11), QColor(214, 170, 112));
      s.Detail(Shaper::Oval(x, y, 0.05, 0.05), QColor(180, 130, 80));
    }
    placed += inRow;
    ++row;
  }
}

}  // namespace

void PaintItemBackground(QPainter& painter, const QRectF& rect, const ItemLook& look) {
  QRadialGradient glow(rect.center(), std::max(rect.width(), rect.height()) * 0.7);
  const QColor base(46, 40, 35);
  glow.setColorAt(0.0,
                  look.empty || look.tier < 3 ? base.lighter(125) : Mix(base, look.accent, 0.35));
  glow.setColorAt(1.0, base.darker(130));
  painter.fillRect(rect, glow);
}

void PaintItem(QPainter& painter, const QRectF& rect, ItemShape shape, const ItemLook& look) {
  // A small margin keeps the object off the frame's edge.
  const double margin = std::min(rect.width(), rect.height()) * 0.06;
  Shaper s(painter, rect.adjusted(margin, margin, -margin, -margin), look);
  switch (shape) {
    case ItemShape::Helmet:
      return Helmet(s);
    case ItemShape::Crown:
      return Crown(s);
    case ItemShape::Amulet:
      return Amulet(s);
    case ItemShape::Sword:
      return Sword(s);
    case ItemShape::Staff:
      return Staff(s);
    case ItemShape::Axe:
      return Axe(s);
    case ItemShape::Halberd:
      return Halberd(s);
    case ItemShape::Trident:
      return Trident(s);
    case ItemShape::Hammer:
      return Hammer(s);
    case ItemShape::Mace:
      return Mace(s);
    case ItemShape::Flail:
      return Flail(s);
    case ItemShape::Club:
      return Club(s);
    case ItemShape::Knife:
      return Knife(s);
    case ItemShape::Claws:
      return Claws(s);
    case ItemShape::Belt:
      return Belt(s);
    case ItemShape::Boots:
      return Boots(s);
    case ItemShape::Bracers:
      return Bracers(s);
    case ItemShape::Gloves:
      return Gloves(s);
    case ItemShape::Shield:
      return Shield(s);
    case ItemShape::Ring:
      return Ring(s);
    case ItemShape::Armour:
      return Armour(s);
    case ItemShape::Robe:
      return Robe(s);
    case ItemShape::ChainMail:
      return ChainMail(s);
    case ItemShape::Potion:
      return Potion(s);
    case ItemShape::Scroll:
      return Scroll(s);
    case ItemShape::Pouch:
      return Pouch(s);
    case ItemShape::Gem:
      return Gem(s);
    case ItemShape::Logs:
      return Logs(s);
  }
}
