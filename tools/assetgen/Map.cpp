#include "Map.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "Noise.h"
#include "world/WorldMap.h"

namespace {

// The landscape in place units: x to the right 0..5, y downwards 0..4, so place 1
// is the square at (0, 3) and place 5, the town, the square at (4, 3).
constexpr int kUnit = 100 * kDetail;
constexpr int kMapRows = kPlaceCount / kMapColumns;
constexpr int kWoodPlace = 1;
constexpr int kGuardedPlace = 16;  // the far corner, where the wild is wildest

// The centre of a place in landscape units.
QPointF CentreOf(int place) {
  const MapCell cell = CellOf(place);
  return {cell.column + 0.5, kMapRows - 1 - cell.row + 0.5};
}
const QPointF kTownCentre = CentreOf(kTown);
const QPointF kWoodcutting = CentreOf(kWoodPlace);
const QPointF kDarkKeep = CentreOf(kGuardedPlace) + QPointF(-0.05, 0);

double Distance(double x, double y, QPointF to) { return std::hypot(x - to.x(), y - to.y()); }
double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

QColor Mix(const QColor& a, const QColor& b, double t) {
  t = Clamp01(t);
  return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                          static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                          static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t));
}

// How far from the safety of the town, 0..1.
double Wildness(double x, double y) { return Clamp01(Distance(x, y, kTownCentre) / 4.6); }

double Height(double x, double y) {
  const double northRidge = Clamp01(1.2 - y) * 0.25;
  return 0.5 * Wildness(x, y) + 0.4 * Fractal(x * 1.2, y * 1.2, 7, 4) + northRidge -
         0.35 * Clamp01(1 - Distance(x, y, kTownCentre) / 1.1) -
         0.3 * Clamp01(1 - Distance(x, y, kWoodcutting) / 1.3);  // the woodland lies low
}

double Forest(double x, double y) {
  return Fractal(x * 1.8, y * 1.8, 11, 3) + 0.6 * Clamp01(1 - Distance(x, y, kWoodcutting) / 1.4) -
         0.6 * Clamp01(1 - Distance(x, y, kTownCentre) / 1.2);
}

double Darkness(double x, double y) { return Clamp01(1 - Distance(x, y, kDarkKeep) / 1.7); }

double RiverX(double y) { return 2.3 + 0.3 * std::sin(1.9 * y) + 0.12 * std::sin(5.3 * y + 1); }
bool NearRiver(double x, double y) { return std::abs(x - RiverX(y)) < 0.1; }

QColor GroundColor(double x, double y) {
  const double h = Height(x, y);
  const double fine = Fractal(x * 9, y * 9, 3, 2);
  QColor ground = Mix(QColor(126, 178, 84), QColor(92, 112, 62), Wildness(x, y));
  ground = Mix(ground, QColor(150, 160, 90), fine * 0.35);
  if (h > 0.68) ground = Mix(ground, QColor(128, 120, 112), (h - 0.68) / 0.08);
  if (h > 0.86) ground = Mix(ground, QColor(236, 240, 246), (h - 0.86) / 0.05);
  ground = Mix(ground, QColor(62, 52, 70), Darkness(x, y) * 0.85);
  // Light from the upper left.
  constexpr double d = 0.02;
  const double slope = Height(x - d, y - d) - Height(x + d, y + d);
  return ground.lighter(static_cast<int>(100 + std::clamp(slope * 900, -35.0, 35.0)));
}

void PaintGround(QImage& world) {
  for (int py = 0; py < world.height(); ++py) {
    auto* line = reinterpret_cast<QRgb*>(world.scanLine(py));
    for (int px = 0; px < world.width(); ++px) {
      line[px] = GroundColor((px + 0.5) / kUnit, (py + 0.5) / kUnit).rgb();
    }
  }
}

QPainterPath RiverPath() {
  QPainterPath river;
  river.moveTo(RiverX(-0.1), -0.1);
  for (double y = 0.0; y <= 4.1; y += 0.05) river.lineTo(RiverX(y), y);
  return river;
}

QPainterPath RoadPath(std::initializer_list<QPointF> points) {
  QPainterPath road;
  auto it = points.begin();
  road.moveTo(*it++);
  QPointF last = road.currentPosition();
  for (; it != points.end(); ++it) {
    const QPointF mid = (last + *it) / 2;
    road.quadTo(last, mid);
    last = *it;
  }
  road.lineTo(last);
  return road;
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& color, double width) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

// Bridges where a road meets the river.
void PaintBridges(QPainter& p, const QPainterPath& road) {
  constexpr int kSteps = 400;
  for (int i = 1; i <= kSteps; ++i) {
    const QPointF a = road.pointAtPercent((i - 1.0) / kSteps),
                  b = road.pointAtPercent(1.0 * i / kSteps);
    if ((a.x() - RiverX(a.y())) * (b.x() - RiverX(b.y())) > 0) continue;
    p.save();
    p.translate(b);
    p.rotate(-road.angleAtPercent(1.0 * i / kSteps));
    p.setPen(QPen(QColor(70, 44, 24), 0.008));
    p.setBrush(QColor(150, 104, 60));
    p.drawRect(QRectF(-0.14, -0.045, 0.28, 0.09));
    for (double x = -0.1; x < 0.14; x += 0.05) p.drawLine(QPointF(x, -0.045), QPointF(x, 0.045));
    p.restore();
  }
}

void PaintTree(QPainter& p, double x, double y, double size, double darkness) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawEllipse(QPointF(x + size * 0.4, y + size * 0.5), size, size * 0.6);
  if (darkness > 0.55) {  // dead trees near the dark keep
    p.setPen(QPen(QColor(50, 38, 34), size * 0.25, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, y + size), QPointF(x, y - size));
    p.drawLine(QPointF(x, y - size * 0.2), QPointF(x - size * 0.6, y - size * 0.8));
    p.drawLine(QPointF(x, y), QPointF(x + size * 0.6, y - size * 0.6));
    return;
  }
  const QColor leaf = Mix(QColor(40, 104, 44), QColor(44, 60, 50), darkness * 1.5);
  p.setBrush(leaf.darker(130));
  p.drawEllipse(QPointF(x, y), size, size);
  p.setBrush(leaf);
  p.drawEllipse(QPointF(x - size * 0.2, y - size * 0.2), size * 0.7, size * 0.7);
  p.setBrush(leaf.lighter(130));
  p.drawEllipse(QPointF(x - size * 0.35, y - size * 0.35), size * 0.3, size * 0.3);
}

void PaintPeak(QPainter& p, double x, double y, double size, bool snow, double darkness) {
  const QColor rock = Mix(QColor(134, 126, 118), QColor(70, 60, 74), darkness);
  QPainterPath lit, shade;
  lit.moveTo(x - size, y + size * 0.5);
  lit.lineTo(x, y - size * 0.6);
  lit.lineTo(x + size * 0.1, y + size * 0.5);
  shade.moveTo(x, y - size * 0.6);
  shade.lineTo(x + size, y + size * 0.5);
  shade.lineTo(x + size * 0.1, y + size * 0.5);
  p.setPen(Qt::NoPen);
  p.setBrush(rock.lighter(125));
  p.drawPath(lit);
  p.setBrush(rock.darker(135));
  p.drawPath(shade);
  if (!snow) return;
  p.setBrush(QColor(244, 246, 250));
  p.drawPolygon(
      QPolygonF({QPointF(x - size * 0.32, y - size * 0.25), QPointF(x, y - size * 0.6),
                 QPointF(x + size * 0.33, y - size * 0.25), QPointF(x, y - size * 0.15)}));
}

bool Crowded(double x, double y) {
  return NearRiver(x, y) || Distance(x, y, kTownCentre) < 0.48 || Distance(x, y, kDarkKeep) < 0.3;
}

// Peaks and trees, back to front so nearer ones overlap.
void PaintScatter(QPainter& p) {
  constexpr double kStep = 0.1;
  for (int j = 0; j < 40; ++j) {
    for (int i = 0; i < 50; ++i) {
      const double x = (i + 0.2 + 0.6 * Lattice(i, j, 5)) * kStep;
      const double y = (j + 0.2 + 0.6 * Lattice(i, j, 6)) * kStep;
      if (Crowded(x, y)) continue;
      const double h = Height(x, y);
      if (h > 0.7 && (i + j) % 2 == 0) {
        PaintPeak(p, x, y, 0.09 + 0.05 * Lattice(i, j, 8), h > 0.8, Darkness(x, y));
      } else if (h <= 0.7 && Forest(x, y) > 0.7) {
        PaintTree(p, x, y, 0.035 + 0.015 * Lattice(i, j, 9), Darkness(x, y));
      }
    }
  }
}

void PaintHouse(QPainter& p, double x, double y, double size, const QColor& roof) {
  p.setPen(QPen(QColor(60, 44, 30), 0.006));
  p.setBrush(QColor(226, 210, 176));
  p.drawRect(QRectF(x - size, y - size * 0.4, size * 2, size * 1.2));
  p.setBrush(roof);
  p.drawPolygon(QPolygonF({QPointF(x - size * 1.2, y - size * 0.3), QPointF(x, y - size * 1.3),
                           QPointF(x + size * 1.2, y - size * 0.3)}));
}

void PaintTown(QPainter& p) {
  p.setPen(QPen(QColor(96, 90, 84), 0.04));
  p.setBrush(QColor(170, 156, 120));
  p.drawEllipse(kTownCentre, 0.37, 0.34);
  for (int i = 0; i < 8; ++i) {
    const double a = i * std::numbers::pi / 4;
    const QPointF tower = kTownCentre + QPointF(0.37 * std::cos(a), 0.34 * std::sin(a));
    p.setPen(QPen(QColor(70, 64, 60), 0.008));
    p.setBrush(QColor(150, 144, 136));
    p.drawEllipse(tower, 0.045, 0.045);
  }
  const QColor roofs[] = {QColor(176, 60, 44), QColor(150, 80, 50), QColor(120, 60, 90)};
  int n = 0;
  for (double y = 3.28; y < 3.8; y += 0.13) {
    for (double x = 4.22; x < 4.82; x += 0.14) {
      if (Distance(x, y, kTownCentre) < 0.27 && Distance(x, y, kTownCentre) > 0.1) {
        PaintHouse(p, x + 0.02 * Lattice(n, 1, 3), y, 0.04, roofs[n % 3]);
      }
      ++n;
    }
  }
  PaintHouse(p, kTownCentre.x(), kTownCentre.y(), 0.07, QColor(60, 90, 160));  // the shop
}

void PaintDarkKeep(QPainter& p) {
  p.setPen(QPen(QColor(20, 14, 24), 0.01));
  p.setBrush(QColor(46, 38, 54));
  p.drawRect(QRectF(kDarkKeep.x() - 0.18, kDarkKeep.y() - 0.08, 0.36, 0.2));
  for (double dx : {-0.18, 0.0, 0.18}) {
    const double top = dx == 0.0 ? -0.3 : -0.2;
    p.drawRect(QRectF(kDarkKeep.x() + dx - 0.045, kDarkKeep.y() + top, 0.09, 0.32 - top * 0.2));
    p.drawPolygon(QPolygonF({QPointF(kDarkKeep.x() + dx - 0.06, kDarkKeep.y() + top),
                             QPointF(kDarkKeep.x() + dx, kDarkKeep.y() + top - 0.1),
                             QPointF(kDarkKeep.x() + dx + 0.06, kDarkKeep.y() + top)}));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 90, 40));
  p.drawEllipse(kDarkKeep + QPointF(0, -0.15), 0.015, 0.022);
}

void PaintWoodcutting(QPainter& p) {
  PaintHouse(p, kWoodcutting.x() + 0.12, kWoodcutting.y() + 0.18, 0.05, QColor(110, 70, 40));
  p.setPen(QPen(QColor(70, 44, 24), 0.005));
  for (int i = 0; i < 4; ++i) {
    p.setBrush(QColor(190, 150, 100));
    p.drawEllipse(kWoodcutting + QPointF(-0.18 + 0.06 * i, 0.3 - 0.02 * (i % 2)), 0.022, 0.022);
  }
}

}  // namespace

QImage DrawLandscape() {
  QImage world(kMapColumns * kUnit, kMapRows * kUnit, QImage::Format_RGB32);
  PaintGround(world);
  QPainter p(&world);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kUnit, kUnit);
  const QPainterPath river = RiverPath();
  Stroke(p, river, QColor(40, 70, 120), 0.12);
  Stroke(p, river, QColor(70, 130, 190), 0.085);
  Stroke(p, river, QColor(140, 190, 230, 120), 0.02);
  const QPainterPath west =
      RoadPath({{4.2, 3.55}, {3.4, 3.4}, {2.4, 3.65}, {1.4, 3.35}, {0.75, 3.55}});
  const QPainterPath north =
      RoadPath({{4.4, 3.18}, {4.2, 2.4}, {3.5, 1.7}, {2.5, 1.2}, {1.4, 0.75}, {0.7, 0.58}});
  for (const auto* road : {&west, &north}) {
    Stroke(p, *road, QColor(120, 100, 70), 0.06);
    Stroke(p, *road, QColor(204, 184, 134), 0.045);
  }
  PaintBridges(p, west);
  PaintBridges(p, north);
  PaintScatter(p);
  PaintTown(p);
  PaintDarkKeep(p);
  PaintWoodcutting(p);
  return world;
}

namespace {

// "You are here": a banner on a compass, on old paper. A mark, not words, so
// the picture reads the same in every language.
QImage DrawHere() {
  Canvas canvas({100, 100}, QColor(222, 200, 150));
  QPainter& p = canvas.painter();
  QRadialGradient paper(QPointF(50, 50), 70);
  paper.setColorAt(0, QColor(238, 220, 176));
  paper.setColorAt(1, QColor(176, 140, 90));
  p.fillRect(canvas.Rect(), paper);
  const QPointF centre(50, 58);
  p.setPen(QPen(QColor(120, 80, 40), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, 38, 38);
  for (int i = 0; i < 8; ++i) {
    p.save();
    p.translate(centre);
    p.rotate(i * 45);
    p.setBrush(i % 2 ? QColor(150, 110, 70) : QColor(110, 60, 30));
    const double length = i % 2 ? 24 : 36;
    p.drawPolygon(QPolygonF({QPointF(0, -length), QPointF(5, 0), QPointF(0, 4), QPointF(-5, 0)}));
    p.restore();
  }
  // The banner on its pole.
  p.setPen(QPen(QColor(60, 40, 24), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, QPointF(50, 8));
  p.setPen(QPen(QColor(110, 10, 10), 0.8));
  p.setBrush(QColor(210, 30, 30));
  p.drawPolygon(QPolygonF({QPointF(51, 8), QPointF(84, 16), QPointF(51, 28)}));
  p.setBrush(QColor(250, 210, 60));
  p.drawEllipse(centre, 6, 6);
  return canvas.Take();
}

}  // namespace

void WriteMapPictures(AssetFolder& folder) {
  const QImage world = DrawLandscape();
  for (int place = 1; place <= kPlaceCount; ++place) {
    const int column = (place - 1) % kMapColumns;
    const int rowFromTop = kMapRows - 1 - (place - 1) / kMapColumns;
    folder.SavePicture(PlacePicture(place),
                       world.copy(column * kUnit, rowFromTop * kUnit, kUnit, kUnit));
  }
  folder.SavePicture(PlacePicture(0), DrawHere());
}
