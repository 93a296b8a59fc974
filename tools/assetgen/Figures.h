#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <string>

class AssetFolder;

enum class Headgear { None, Helmet, HornedHelm, Hood, Circlet, Crown };
enum class Hair { Bald, Short, Long, Braid, Wild };

// A standing figure in full: the heroes and the monsters that walk on two legs. It
// holds no weapon nor shield: those are shown in the figure's slots, worn or empty.
struct FigureLook {
  QColor skin;
  QColor hair;
  QColor armour;  // chest and shoulders; a shirt when unarmoured
  QColor cloth;   // sleeves and legs
  QColor cloak;   // invalid = no cloak
  QColor trim;    // belt and edges
  QColor sky;     // the background's upper colour
  QColor eyes = QColor(30, 30, 40);
  Hair hairStyle = Hair::Short;
  int beard = 0;  // 0 none, 1 short, 2 long
  Headgear headgear = Headgear::None;
  bool unarmoured = false;  // a shirt: no plates, shoulder pieces nor belt
  bool slender = false;     // narrower waist, longer hair for the heroines
  double bulk = 1.0;        // width of the body; ogres are broad
  double height = 1.0;      // 1 fills the frame; goblins are small
  bool pointedEars = false;
  bool tusks = false;
  bool horns = false;
  bool wings = false;
  bool halo = false;
  bool bones = false;  // a skeleton: ribs and skull instead of flesh
  bool glow = false;   // eyes that shine
};

// The background: a sky, a horizon and the ground the figure stands on.
void PaintBackdrop(QPainter& painter, const QColor& sky);
void PaintFigure(QPainter& painter, const FigureLook& look);
QImage DrawFigure(const FigureLook& look);

inline constexpr int kAvatarCount = 25;
// "image\" + n + ".bmp", n = 1..25.
std::string AvatarPicture(int number);
FigureLook HeroLook(int number);
void WriteAvatarPictures(AssetFolder& folder);
