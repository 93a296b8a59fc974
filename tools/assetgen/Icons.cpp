#include "Icons.h"

#include <string>

#include "Canvas.h"
#include "shell/Shield.h"

void WriteIcons(AssetFolder& icons) {
  for (int size : kIconSizes) {
    const std::string edge = std::to_string(size);
    icons.SavePicture("hicolor\\" + edge + "x" + edge + "\\apps\\morrowgate.png",
                      ShieldPicture(size), "PNG");
  }
}
