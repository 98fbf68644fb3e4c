#pragma once

#include <QString>

class QWidget;

namespace tarnwick {

// A file open dialog that shows, beside the list of files, the picture that is selected,
// fitted into its box, and its size in pixels. It is the toolkit's own dialog, not the
// desktop's, which has no room for a preview. Empty when cancelled.
QString OpenPictureWithPreview(QWidget* owner, const QString& title, const QString& folder,
                               const QString& filter);

}  // namespace tarnwick
