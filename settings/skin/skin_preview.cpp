#include "settings/skin/skin_preview.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/paint/indicators.h"
#include "common/paint/text.h"
#include "common/skin/skin.h"

namespace tarnwick::cfg {

SkinLook DraftToLook(const SkinDraft& draft) {
    SkinLook look;
    look.width = std::clamp(draft.width, 1, kMaxPictureSide);
    look.height = std::clamp(draft.height, 1, kMaxPictureSide);
    look.background = ColorOfValue(draft.background, Qt::black);
    look.seeThrough = draft.transparent;
    look.seeThroughColor = ColorOfValue(draft.transparentColor, Qt::black);
    for (int i = 0; i < 3; ++i) {
        const IndicatorDraft& from = draft.indicators[i];
        IndicatorLook& to = look.indicators[i];
        to.X1 = from.x1;
        to.Y1 = from.y1;
        to.X2 = from.x2;
        to.Y2 = from.y2;
        to.Font = from.font;
        to.Font.color = ColorOfValue(from.fontColor, Qt::black);
        to.Graphic = from.graphic;
        to.GroundColor = ColorOfValue(from.ground, Qt::yellow);
        to.ProgressColor = ColorOfValue(from.progress, Qt::red);
        if (from.graphic) {
            const QImage picture = LoadBitmap(ResolvePath(from.picture, draft.loadedFolder));
            const int half = picture.height() / 2;
            if (!picture.isNull()) {
                to.GroundPicture = picture.copy(0, 0, picture.width(), half);
                to.ProgressPicture =
                    picture.copy(0, half, picture.width(), picture.height() - half);
            }
        }
        to.Horizontal = !from.secondItem;
        to.Upward = !from.secondItem;
        to.TextAngle = from.textAngle;
    }
    return look;
}

QImage PaintPreview(const SkinLook& look, bool diagram) {
    QImage canvas(look.width, look.height, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(kDotsPerMetre96Dpi);
    canvas.setDotsPerMeterY(kDotsPerMetre96Dpi);
    QPainter painter(&canvas);
    ClearWindow(painter, canvas.rect(), look.background);
    if (diagram) {
        const IndicatorLook& place = look.indicators[2];
        const int width = std::clamp(place.X2 - place.X1 + 1, 0, kMaxPictureSide);
        std::vector<std::uint8_t> history(static_cast<std::size_t>(width));
        for (int x = 0; x < width; ++x) {
            history[x] = static_cast<std::uint8_t>(40 + (x * 37 % 50) - (x / 3 % 20));
        }
        PaintDiagram(painter, place, history.data(), width, QStringLiteral("42%"), true);
    } else {
        PaintGauge(painter, look.indicators[0], 60, QStringLiteral("60%"), true);
        PaintGauge(painter, look.indicators[1], 35, QStringLiteral("35%"), true);
    }
    return canvas;
}

SkinPreview::SkinPreview(QWidget* parent) : QWidget(parent) {
    setMinimumSize(60, 40);
}

void SkinPreview::Show(const SkinLook& look, bool diagram) {
    picture_ = PaintPreview(look, diagram);
    update();
}

void SkinPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (picture_.isNull()) {
        return;
    }
    const QSize room = size() - QSize(4, 4);
    QSize shown = picture_.size();
    // Small windows are magnified by whole steps so their pixels stay sharp.
    const int step = std::min({3, room.width() / shown.width(), room.height() / shown.height()});
    if (step >= 1) {
        shown *= step;
    } else {
        shown.scale(room, Qt::KeepAspectRatio);
    }
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                       shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, step < 1);
    painter.drawImage(target, picture_);
}

}  // namespace tarnwick::cfg
