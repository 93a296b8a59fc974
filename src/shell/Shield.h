#pragma once

class QImage;

// The game's emblem: a dark-red shield with a golden rim and cross on a transparent
// square of `size` pixels. The windows' icon and the desktop's icons are this picture.
QImage ShieldPicture(int size);
