#include "Canvas.h"

#include <algorithm>

#include "Wave.h"

Canvas::Canvas(Frame frame, QColor background)
    : frame_(frame), image_(frame.width * kDetail, frame.height * kDetail, QImage::Format_RGB32) {
  image_.fill(background);
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.scale(kDetail, kDetail);
}

QImage Canvas::Take() {
  painter_.end();
  return std::move(image_);
}

std::filesystem::path AssetFolder::Prepare(const std::string& gamePath) {
  written_.push_back(gamePath);
  auto path = folder_.Resolve(gamePath);
  std::filesystem::create_directories(path.parent_path());
  return path;
}

void AssetFolder::SavePicture(const std::string& gamePath, const QImage& picture,
                              const char* format) {
  auto path = Prepare(gamePath);
  if (!picture.save(QString::fromStdString(path.string()), format)) failures_.push_back(gamePath);
}

void AssetFolder::SaveWave(const std::string& gamePath, const Wave& wave) {
  auto path = Prepare(gamePath);
  if (!WriteWave(path, wave)) failures_.push_back(gamePath);
}

bool AssetFolder::Has(const std::string& gamePath) const {
  return std::find(written_.begin(), written_.end(), gamePath) != written_.end();
}

std::uint32_t NameHash(std::string_view name) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (unsigned char c : name) {
    hash ^= c;
    hash *= 16777619u;
  }
  return hash;
}

QPointF At(const QRectF& r, double fx, double fy) {
  return {r.x() + fx * r.width(), r.y() + fy * r.height()};
}

QPainterPath Poly(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const auto& point : points) {
    if (first)
      path.moveTo(point);
    else
      path.lineTo(point);
    first = false;
  }
  path.closeSubpath();
  return path;
}
