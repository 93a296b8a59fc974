#include "core/GameFolder.h"

#include <algorithm>

std::filesystem::path GameFolder::Resolve(const std::string& gamePath) const {
  std::string relative = gamePath;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return root_ / relative;
}
