#include "Figures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <numbers>

#include "Canvas.h"

namespace {

// Figure units: the feet stand at (0, 0), the top of the head is near y = -224.
constexpr double kHeadY = -200;
constexpr double kShoulderY = -174;
constexpr double kWaistY = -110;
constexpr double kHipY = -96;
constexpr double kBootY = -38;
constexpr double kShoeY = -10;
constexpr double kHandY = -100;

void Shade(QPainter& p, const QPainterPath& path, const QColor& color) {
  const QRectF box = path.boundingRect();
  QLinearGradient light(box.topLeft(), box.topRight());
  light.setColorAt(0.0, color.lighter(135));
  light.setColorAt(1.0, color.darker(140));
  p.setBrush(light);
  p.setPen(QPen(color.darker(260), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

void Limb(QPainter& p, QPointF from, QPointF to, double width, const QColor& color) {
  p.setPen(QPen(color.darker(240), width + 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
}

struct Body {
  double shoulder, waist, hip, hand;
  explicit Body(const FigureLook& look)
      : shoulder(24 * look.bulk),
        waist((look.slender ? 12 : 17) * look.bulk),
        hip((look.slender ? 17 : 18) * look.bulk),
        hand(31 * look.bulk) {}
};

void Wings(QPainter& p) {
  for (int side : {-1, 1}) {
    QPainterPath wing;
    wing.moveTo(side * 10, kShoulderY + 6);
    wing.cubicTo(side * 40, -240, side * 60, -230, side * 58, -200);
    wing.cubicTo(side * 56, -160, side * 50, -130, side * 30, -110);
    wing.closeSubpath();
    Shade(p, wing, QColor(240, 240, 250));
    p.setPen(QPen(QColor(190, 190, 210), 0.8));
    for (int i = 1; i < 4; ++i)
      p.drawLine(QPointF(side * 14, kShoulderY + 4), QPointF(side * (30 + 8 * i), -215 + 28 * i));
  }
}

void Cloak(QPainter& p, const FigureLook& look, const Body& b) {
  Shade(p,
        Poly({{-b.shoulder + 2, kShoulderY},
              {b.shoulder - 2, kShoulderY},
              {b.shoulder + 14, -14},
              {-b.shoulder - 14, -14}}),
        look.cloak.darker(130));
}

void Legs(QPainter& p, const FigureLook& look, const Body& b) {
  const double inner = 3, outer = b.hip - 2;
  const double hem = look.unarmoured ? kShoeY : kBootY;
  Shade(p, Poly({{-outer, kHipY}, {-inner, kHipY}, {-inner - 1, hem}, {-outer + 3, hem}}),
        look.cloth);
  Shade(p, Poly({{inner, kHipY}, {outer, kHipY}, {outer - 3, hem}, {inner + 1, hem}}), look.cloth);
  const QColor boots = look.cloth.darker(170);
  QPainterPath left, right;
  // Boots are a slot's; without armour only low shoes.
  if (!look.unarmoured) {
    left.addRoundedRect(QRectF(-outer + 1, kBootY, outer - inner + 1, 34), 4, 4);
    right.addRoundedRect(QRectF(inner, kBootY, outer - inner + 1, 34), 4, 4);
  }
  left.addRoundedRect(QRectF(-outer - 6, kShoeY, outer - inner + 8, -kShoeY), 5, 5);
  right.addRoundedRect(QRectF(inner - 1, kShoeY, outer - inner + 8, -kShoeY), 5, 5);
  Shade(p, left.simplified(), boots);
  Shade(p, right.simplified(), boots);
}

void Torso(QPainter& p, const FigureLook& look, const Body& b) {
  const QPainterPath chest = Poly({{-b.shoulder, kShoulderY},
                                   {b.shoulder, kShoulderY},
                                   {b.waist, kWaistY},
                                   {b.hip, kHipY},
                                   {-b.hip, kHipY},
                                   {-b.waist, kWaistY}});
  Shade(p, chest, look.armour);
  // A shirt has neither plates nor a belt: those are the armour's and the belt's slots.
  if (look.unarmoured) return;
  p.setPen(QPen(look.armour.lighter(150), 1.0));
  p.drawLine(QPointF(0, kShoulderY + 6), QPointF(0, kWaistY - 4));
  p.drawArc(QRectF(-b.shoulder * 0.7, kShoulderY + 4, b.shoulder * 0.7, 24), 200 * 16, 140 * 16);
  p.drawArc(QRectF(0, kShoulderY + 4, b.shoulder * 0.7, 24), 200 * 16, 140 * 16);
  // Skirt of plates below the belt.
  Shade(p,
        Poly({{-b.hip, kHipY}, {b.hip, kHipY}, {b.hip + 3, kHipY + 24}, {-b.hip - 3, kHipY + 24}}),
        look.cloth.darker(115));
  Shade(p,
        Poly({{-b.waist - 1, kWaistY - 2},
              {b.waist + 1, kWaistY - 2},
              {b.hip, kHipY + 2},
              {-b.hip, kHipY + 2}}),
        look.trim);
  p.setBrush(look.trim.lighter(150));
  p.drawRect(QRectF(-4, kWaistY + 1, 8, 8));
}

void Arms(QPainter& p, const FigureLook& look, const Body& b) {
  const double width = 9 * look.bulk;
  for (int side : {-1, 1}) {
    Limb(p, QPointF(side * (b.shoulder - 3), kShoulderY + 4), QPointF(side * b.hand, kHandY), width,
         look.cloth);
    if (!look.unarmoured) {
      p.setPen(QPen(look.armour.darker(220), 1.0));
      p.setBrush(look.armour.lighter(110));
      p.drawEllipse(QPointF(side * (b.shoulder - 2), kShoulderY + 4), 9 * look.bulk, 7 * look.bulk);
    }
    p.setBrush(look.bones ? QColor(230, 224, 200) : look.skin);
    p.setPen(QPen(look.skin.darker(200), 0.8));
    p.drawEllipse(QPointF(side * b.hand, kHandY + 2), 5 * look.bulk, 5 * look.bulk);
  }
}

void PaintHair(QPainter& p, const FigureLook& look, bool behind) {
  if (look.hairStyle == Hair::Bald || look.headgear == Headgear::Hood) return;
  p.setPen(QPen(look.hair.darker(180), 0.8));
  p.setBrush(look.hair);
  if (behind) {
    if (look.hairStyle == Hair::Long) p.drawRoundedRect(QRectF(-16, kHeadY - 10, 32, 50), 10, 10);
    if (look.hairStyle == Hair::Braid) p.drawRoundedRect(QRectF(10, kHeadY, 7, 46), 3, 3);
    if (look.hairStyle == Hair::Wild) p.drawEllipse(QPointF(0, kHeadY - 4), 19, 20);
    return;
  }
  QPainterPath cap;
  cap.moveTo(-14, kHeadY + 2);
  cap.cubicTo(-16, kHeadY - 22, 16, kHeadY - 22, 14, kHeadY + 2);
  cap.quadTo(6, kHeadY - 10, -14, kHeadY + 2);
  p.drawPath(cap);
}

void Face(QPainter& p, const FigureLook& look) {
  const QColor skin = look.bones ? QColor(232, 226, 204) : look.skin;
  p.setPen(QPen(skin.darker(200), 0.8));
  p.setBrush(skin);
  if (look.pointedEars) {
    p.drawPolygon(
        QPolygonF({QPointF(-12, kHeadY - 2), QPointF(-28, kHeadY - 12), QPointF(-12, kHeadY + 6)}));
    p.drawPolygon(
        QPolygonF({QPointF(12, kHeadY - 2), QPointF(28, kHeadY - 12), QPointF(12, kHeadY + 6)}));
  }
  p.drawRect(QRectF(-5, kHeadY + 12, 10, 14));  // neck
  p.drawEllipse(QPointF(0, kHeadY), 13, 16);
  if (look.glow) {
    QRadialGradient shine(QPointF(0, kHeadY - 2), 12);
    shine.setColorAt(0, QColor(look.eyes.red(), look.eyes.green(), look.eyes.blue(), 150));
    shine.setColorAt(1, QColor(look.eyes.red(), look.eyes.green(), look.eyes.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QPointF(0, kHeadY - 2), 14, 8);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(look.bones ? QColor(20, 16, 16) : look.eyes);
  const double eye = look.bones ? 3.6 : 1.8;
  p.drawEllipse(QPointF(-5, kHeadY - 2), eye, eye);
  p.drawEllipse(QPointF(5, kHeadY - 2), eye, eye);
  p.setPen(QPen(skin.darker(220), 1.0, Qt::SolidLine, Qt::RoundCap));
  if (look.bones) {
    for (int i = -2; i <= 2; ++i)
      p.drawLine(QPointF(i * 2.4, kHeadY + 8), QPointF(i * 2.4, kHeadY + 12));
  } else {
    p.drawLine(QPointF(-4, kHeadY + 8), QPointF(4, kHeadY + 8));
  }
  if (look.tusks) {
    p.setPen(QPen(QColor(90, 80, 60), 0.6));
    p.setBrush(QColor(244, 236, 210));
    p.drawPolygon(
        QPolygonF({QPointF(-6, kHeadY + 9), QPointF(-7, kHeadY + 2), QPointF(-3, kHeadY + 9)}));
    p.drawPolygon(
        QPolygonF({QPointF(6, kHeadY + 9), QPointF(7, kHeadY + 2), QPointF(3, kHeadY + 9)}));
  }
  if (look.beard > 0) {
    p.setPen(QPen(look.hair.darker(180), 0.8));
    p.setBrush(look.hair);
    const double length = look.beard == 2 ? 26 : 12;
    p.drawPolygon(
        QPolygonF({QPointF(-12, kHeadY + 2), QPointF(-8, kHeadY + 10), QPointF(0, kHeadY + length),
                   QPointF(8, kHeadY + 10), QPointF(12, kHeadY + 2), QPointF(6, kHeadY + 12),
                   QPointF(-6, kHeadY + 12)}));
  }
}

void Headwear(QPainter& p, const FigureLook& look) {
  const QColor metal = look.armour.lighter(115);
  switch (look.headgear) {
    case Headgear::None:
      break;
    case Headgear::Helmet:
    case Headgear::HornedHelm: {
      if (look.headgear == Headgear::HornedHelm) {
        for (int side : {-1, 1}) {
          QPainterPath horn;
          horn.moveTo(side * 12, kHeadY - 8);
          horn.cubicTo(side * 26, kHeadY - 12, side * 28, kHeadY - 26, side * 22, kHeadY - 34);
          horn.cubicTo(side * 22, kHeadY - 22, side * 16, kHeadY - 16, side * 10, kHeadY - 14);
          Shade(p, horn, QColor(236, 226, 200));
        }
      }
      QPainterPath dome;
      dome.moveTo(-15, kHeadY - 1);
      dome.cubicTo(-16, kHeadY - 26, 16, kHeadY - 26, 15, kHeadY - 1);
      dome.closeSubpath();
      Shade(p, dome, metal);
      p.drawRect(QRectF(-1.5, kHeadY - 2, 3, 9));
      break;
    }
    case Headgear::Hood: {
      QPainterPath hood;
      hood.moveTo(-20, kHeadY + 20);
      hood.cubicTo(-24, kHeadY - 30, 24, kHeadY - 30, 20, kHeadY + 20);
      hood.lineTo(12, kHeadY + 12);
      hood.cubicTo(16, kHeadY - 18, -16, kHeadY - 18, -12, kHeadY + 12);
      hood.closeSubpath();
      Shade(p, hood, look.cloak.isValid() ? look.cloak : look.cloth);
      break;
    }
    case Headgear::Circlet:
      p.setPen(QPen(QColor(200, 160, 40), 2.2));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(-14, kHeadY - 14, 28, 10), 180 * 16, 180 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(look.trim);
      p.drawEllipse(QPointF(0, kHeadY - 8), 2.4, 2.4);
      break;
    case Headgear::Crown:
      Shade(p,
            Poly({{-13, kHeadY - 8},
                  {-13, kHeadY - 24},
                  {-7, kHeadY - 16},
                  {0, kHeadY - 28},
                  {7, kHeadY - 16},
                  {13, kHeadY - 24},
                  {13, kHeadY - 8}}),
            QColor(222, 184, 60));
      break;
  }
  if (look.horns) {
    for (int side : {-1, 1}) {
      QPainterPath horn;
      horn.moveTo(side * 8, kHeadY - 12);
      horn.cubicTo(side * 14, kHeadY - 30, side * 24, kHeadY - 34, side * 28, kHeadY - 44);
      horn.cubicTo(side * 22, kHeadY - 26, side * 18, kHeadY - 18, side * 12, kHeadY - 8);
      Shade(p, horn, QColor(60, 40, 36));
    }
  }
  if (look.halo) {
    p.setPen(QPen(QColor(255, 220, 90), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, kHeadY - 26), 14, 4);
  }
}

// Bones drawn over a dark, ragged body so the figure reads as a skeleton.
void Ribs(QPainter& p, const Body& b) {
  p.setPen(QPen(QColor(232, 226, 204), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(0, kShoulderY + 2), QPointF(0, kHipY));
  for (int i = 0; i < 5; ++i) {
    const double y = kShoulderY + 10 + i * 11, w = b.shoulder - 6 - i * 2;
    p.drawArc(QRectF(-w, y - 4, 2 * w, 10), 20 * 16, 140 * 16);
  }
}

}  // namespace

void PaintBackdrop(QPainter& p, const QColor& sky) {
  QLinearGradient air(0, 0, 0, 190);
  air.setColorAt(0.0, sky.darker(150));
  air.setColorAt(1.0, sky.lighter(130));
  p.fillRect(QRectF(0, 0, 116, 190), air);
  QPainterPath hills;
  hills.moveTo(0, 190);
  hills.cubicTo(20, 160, 50, 176, 70, 168);
  hills.cubicTo(90, 160, 104, 170, 116, 164);
  hills.lineTo(116, 190);
  hills.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(sky.darker(170));
  p.drawPath(hills);
  QLinearGradient ground(0, 190, 0, 256);
  ground.setColorAt(0.0, QColor(96, 100, 70));
  ground.setColorAt(1.0, QColor(56, 50, 40));
  p.fillRect(QRectF(0, 188, 116, 68), ground);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawEllipse(QPointF(58, 244), 40, 7);
}

void PaintFigure(QPainter& p, const FigureLook& look) {
  const Body b(look);
  p.save();
  p.translate(58, 246);
  p.scale(look.height, look.height);
  if (look.wings) Wings(p);
  if (look.cloak.isValid()) Cloak(p, look, b);
  PaintHair(p, look, true);
  Legs(p, look, b);
  Torso(p, look, b);
  if (look.bones) Ribs(p, b);
  Arms(p, look, b);
  Face(p, look);
  PaintHair(p, look, false);
  Headwear(p, look);
  p.restore();
}

QImage DrawFigure(const FigureLook& look) {
  Canvas canvas(kAvatarFrame, Qt::black);
  PaintBackdrop(canvas.painter(), look.sky);
  PaintFigure(canvas.painter(), look);
  return canvas.Take();
}

std::string AvatarPicture(int number) { return "image\\" + std::to_string(number) + ".bmp"; }

namespace {

const QColor kSkins[] = {
    {236, 196, 160}, {214, 170, 130}, {178, 128, 90}, {120, 80, 56}, {244, 214, 190}};
const QColor kHairs[] = {{40, 30, 24},  {120, 70, 30},   {220, 190, 120},
                         {160, 50, 30}, {110, 110, 110}, {20, 20, 20}};
const QColor kArmours[] = {{150, 156, 166}, {120, 80, 50},  {60, 90, 140}, {140, 40, 40},
                           {60, 110, 70},   {200, 170, 80}, {80, 60, 100}};
const QColor kCloths[] = {{70, 60, 50}, {50, 60, 90}, {90, 40, 40}, {50, 80, 50}, {100, 90, 70}};
// No helmets: a hero's picture is the character as he stands, and what he wears
// shows in the slots around it.
const Headgear kHeadgears[] = {Headgear::None, Headgear::Hood,    Headgear::None,
                               Headgear::None, Headgear::Circlet, Headgear::Hood};
const Hair kManHair[] = {Hair::Short, Hair::Bald, Hair::Short, Hair::Wild};

}  // namespace

// Each table steps with its own stride so the 25 heroes differ in many ways at once.
FigureLook HeroLook(int number) {
  const int i = number - 1;
  FigureLook look;
  look.skin = kSkins[i % 5];
  look.hair = kHairs[(i * 5 + i / 6) % 6];
  // A shirt of the armour colours, darkened to cloth.
  look.armour = kArmours[(i * 3) % 7].darker(115);
  look.unarmoured = true;
  look.cloth = kCloths[(i * 2 + 1) % 5];
  look.trim = kArmours[(i * 3 + 5) % 7].lighter(120);
  if (i % 3 != 0) look.cloak = kArmours[(i * 4 + 2) % 7].darker(120);
  look.headgear = kHeadgears[(i + i / 5) % 6];
  look.slender = i % 3 == 1;
  look.hairStyle = look.slender ? (i % 2 ? Hair::Long : Hair::Braid) : kManHair[i % 4];
  look.beard = look.slender ? 0 : (i % 5 == 0 ? 2 : (i % 5 == 3 ? 1 : 0));
  look.sky = QColor::fromHsv((i * 137) % 360, 90, 200);
  return look;
}

void WriteAvatarPictures(AssetFolder& folder) {
  for (int n = 1; n <= kAvatarCount; ++n)
    folder.SavePicture(AvatarPicture(n), DrawFigure(HeroLook(n)));
}
