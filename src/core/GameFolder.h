#pragma once

#include <filesystem>
#include <string>

// The game folder holds image/, sound/ and save/. The game names its files with
// backslashes ("image\p0.bmp", "save\Вася.par"); this turns them into real paths.
class GameFolder {
 public:
  explicit GameFolder(std::filesystem::path root) : root_(std::move(root)) {}

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Resolve(const std::string& gamePath) const;

 private:
  std::filesystem::path root_;
};
