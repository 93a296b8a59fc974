#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "Frames.h"
#include "core/GameFolder.h"

struct Wave;

// Pictures are drawn at this multiple of their frame so they stay sharp at 200 % scaling.
inline constexpr int kDetail = 2;

// A blank picture for a frame, with a painter whose units are the frame's pixels.
class Canvas {
 public:
  Canvas(Frame frame, QColor background);
  QPainter& painter() { return painter_; }
  QRectF Rect() const { return QRectF(0, 0, frame_.width, frame_.height); }
  // Finishes painting and hands the picture over.
  QImage Take();

 private:
  Frame frame_;
  QImage image_;
  QPainter painter_;
};

// Writes the game's files under the game folder, by the game's own paths.
class AssetFolder {
 public:
  explicit AssetFolder(std::filesystem::path root) : folder_(std::move(root)) {}

  void SavePicture(const std::string& gamePath, const QImage& picture, const char* format = "BMP");
  void SaveWave(const std::string& gamePath, const Wave& wave);
  // Several tables name the same file (a ring of the Master is loot and monster gear).
  bool Has(const std::string& gamePath) const;
  int Written() const { return static_cast<int>(written_.size()); }
  const std::vector<std::string>& Failures() const { return failures_; }

 private:
  std::filesystem::path Prepare(const std::string& gamePath);

  GameFolder folder_;
  std::vector<std::string> written_;
  std::vector<std::string> failures_;
};

// A stable number from a name, so every picture keeps its look from build to build.
std::uint32_t NameHash(std::string_view name);
// A point given as fractions of a rectangle.
QPointF At(const QRectF& r, double fx, double fy);

// A closed path through the points in order.
QPainterPath Poly(std::initializer_list<QPointF> points);
