#pragma once

#include "monitor/tray/tray_icon.h"
#include "monitor/tray/tray_pictures.h"

#include <QIcon>
#include <QImage>
#include <QString>

#include <string>
#include <vector>

namespace tarnwick::testing {

// A tray icon that only remembers what it was told: whether it shows, its picture and tip, and
// the calls in order ("add", "modify", "delete"). The mouse is played by emitting the signals:
// `emit icon.LeftClicked();`.
class RecordingTrayIcon : public TrayIcon {
public:
    using TrayIcon::TrayIcon;

    void TrayIconAdd(const QIcon& picture, const QString& tip) override {
        calls_.push_back("add");
        shown_ = true;
        picture_ = picture;
        tip_ = tip;
    }
    void TrayIconModify(const QIcon& picture, const QString& tip) override {
        calls_.push_back("modify");
        // Like the desktop: modifying an icon that is not there changes nothing one can see.
        if (shown_) {
            picture_ = picture;
            tip_ = tip;
        }
    }
    void TrayIconDelete() override {
        calls_.push_back("delete");
        shown_ = false;
        picture_ = QIcon();
        tip_.clear();
    }

    bool Available() const override { return available; }
    bool available = true;  // a test takes the tray host away or brings it back

    bool Shown() const { return shown_; }
    const QString& Tip() const { return tip_; }
    const QIcon& Picture() const { return picture_; }
    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    // The index of the shown picture in a set of pictures (copies of one icon share its cache
    // key), -1 when none of them shows.
    int PictureIndex(const TrayPictures& pictures) const {
        if (picture_.isNull()) {
            return -1;
        }
        for (int i = 0; i < kTrayPictureCount; ++i) {
            if (pictures[static_cast<std::size_t>(i)].cacheKey() == picture_.cacheKey()) {
                return i;
            }
        }
        return -1;
    }

    // The number the icon shows, read by comparing its pixels with the built-in pictures, so
    // a test needs no access to the set the window holds. -1 for anything else.
    int ShownNumber() const {
        if (picture_.isNull()) {
            return -1;
        }
        const QImage shown = CellOf(picture_);
        const QImage strip = BuiltInTrayStrip();
        for (int i = 0; i < kTrayPictureCount; ++i) {
            if (shown == strip.copy(i * kTrayCellSize, 0, kTrayCellSize, kTrayCellSize)) {
                return i;
            }
        }
        return -1;
    }

    static QImage CellOf(const QIcon& icon) {
        return icon.pixmap(kTrayCellSize, kTrayCellSize)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

private:
    bool shown_ = false;
    QIcon picture_;
    QString tip_;
    std::vector<std::string> calls_;
};

}  // namespace tarnwick::testing
