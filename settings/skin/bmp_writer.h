#pragma once

#include <QByteArray>
#include <QImage>

namespace tarnwick::cfg {

// A Windows bitmap file (BITMAPINFOHEADER, uncompressed, rows bottom up) of the picture at
// the depth its format stands for: Format_RGB888 24 bits, Format_RGB555 16 bits (5-5-5),
// Format_Indexed8 with at most 16 colours 4 bits, with more 8 bits. Any other format is
// written at 24 bits. Empty for a null picture.
QByteArray EncodeBmp(const QImage& picture);

}  // namespace tarnwick::cfg
