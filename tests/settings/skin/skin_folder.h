#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "common/profile.h"
#include "common/profile_file.h"

namespace tarnwick::testing {

// A folder of its own for each test, with helpers for skin files and pictures.
class SkinEditorFolder : public ::testing::Test {
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

    QString WriteBitmap(const QString& name, int width, int height, const QColor& color) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(color);
        const QString path = Path(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        EXPECT_TRUE(image.save(path, "BMP")) << path.toStdString();
        return path;
    }

    static ProfileText Read(const QString& path) {
        return LoadProfile(QFile::encodeName(path).toStdString());
    }
    static std::string Value(const QString& path, const char* section, const char* key) {
        return Read(path).Get(section, key).value_or("(missing)");
    }
};

}  // namespace tarnwick::testing
