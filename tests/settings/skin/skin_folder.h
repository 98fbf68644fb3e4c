#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "common/profile.h"
#include "common/profile_file.h"
#include "tests/support/skin_folder_test.h"

namespace tarnwick::testing {

// The shared skins folder, with one-colour pictures and readers of what the editor saved.
class SkinEditorFolder : public SkinFolderTest {
protected:
    // A bitmap of one colour (hides the shared fixture's two-colour one).
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
