#include "ui/map_colors.h"

namespace quorel {

QColor PaletteColor(int index) {
  static const QColor kTable[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                    {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                    {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                    {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
  if (index < 0 || index > 15) return kTable[0];
  return kTable[index];
}

}  // namespace quorel
