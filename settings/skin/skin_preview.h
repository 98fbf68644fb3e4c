#pragma once

#include <QImage>
#include <QWidget>

#include "common/skin/look.h"
#include "settings/skin/skin_draft.h"

namespace tarnwick::cfg {

// The look the monitor will give the draft once saved, with its pictures loaded. A picture
// that cannot be loaded leaves its indicator undrawn, where the monitor would fall back.
SkinLook DraftToLook(const SkinDraft& draft);

// The monitor's window for the look as the monitor paints it: the two gauges at 60 and 35
// percent, or the diagram over a made-up history.
QImage PaintPreview(const SkinLook& look, bool diagram);

// The preview on the steps that set a look: the window drawn by the monitor's own painting,
// magnified when small and shrunk to fit when large.
class SkinPreview : public QWidget {
public:
    explicit SkinPreview(QWidget* parent = nullptr);
    void Show(const SkinLook& look, bool diagram);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace tarnwick::cfg
