#include "common/ui/fixed_size.h"

#include <QWidget>

#include <algorithm>

namespace tarnwick {

void FixSizeAtLeast(QWidget& window, QSize designed) {
    // The minimum, not the preferred size: lists and previews would like more room than the
    // design gives them but do with less.
    QSize size = designed.expandedTo(window.minimumSizeHint());
    if (window.hasHeightForWidth()) {  // wrapped texts: the height they need at that width
        size.setHeight(std::max(size.height(), window.heightForWidth(size.width())));
    }
    window.setFixedSize(size);
}

}  // namespace tarnwick
