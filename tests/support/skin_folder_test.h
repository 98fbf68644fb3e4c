#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarnwick::testing {

// A skins folder of its own for each test, with helpers to write skin files and bitmaps.
class SkinFolderTest : public ::testing::Test {
protected:
    QTemporaryDir temp;

    QString Path(const QString& name) const { return temp.filePath(name); }

    QString WriteFile(const QString& name, const QByteArray& bytes) const {
        const QString path = Path(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
        return path;
    }

    // A bitmap green above row `split` and blue from there down.
    QString WriteBitmap(const QString& name, int width, int height, int split) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::blue);
        for (int y = 0; y < split; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixelColor(x, y, Qt::green);
            }
        }
        const QString path = Path(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        EXPECT_TRUE(image.save(path, "BMP")) << path.toStdString();
        return path;
    }
};

}  // namespace tarnwick::testing
