// Colours of the map: the 16-colour table of the rim colours and the
// conversion of colours stored as &HBBGGRR numbers.
#pragma once

#include <QColor>

namespace quorel {

// Colour index 0..15 of the classic 16-colour palette; other indexes give
// black.
QColor PaletteColor(int index);

// A colour stored as blue * 65536 + green * 256 + red.
inline QColor ColorFromBgr(int bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

}  // namespace quorel
