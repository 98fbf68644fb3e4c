// Feeds arbitrary bytes to the skin loader, both as a skin file and as the picture and tray
// strip a skin names. Beyond not crashing, a picture that loads keeps within the bounds.
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "common/skin/skin.h"

namespace {

void WriteFile(const QString& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QString picture = folder.filePath("picture.bmp");
    const QString fuzzed = folder.filePath("fuzzed.skin");
    const QString naming = folder.filePath("naming.skin");
    static const bool named = [&] {
        const std::string skin =
            "[window]\nwidth=40\nheight=30\nicons=picture.bmp\n[indicator1]\ngraphic=1\n"
            "picture=picture.bmp\n";
        WriteFile(naming, reinterpret_cast<const std::uint8_t*>(skin.data()), skin.size());
        return true;
    }();
    (void)named;
    WriteFile(picture, data, size);
    WriteFile(fuzzed, data, size);

    const QImage image = tarnwick::LoadBitmap(picture);
    if (!image.isNull() &&
        (image.width() > tarnwick::kMaxPictureSide || image.height() > tarnwick::kMaxPictureSide ||
         qint64{image.width()} * image.height() > tarnwick::kMaxPicturePixels)) {
        std::abort();
    }
    if (tarnwick::ReadSkin(naming).has_value() != tarnwick::SkinIsUsable(naming)) {
        std::abort();  // the two must agree on every picture
    }
    (void)tarnwick::ReadSkin(fuzzed);
    return 0;
}
