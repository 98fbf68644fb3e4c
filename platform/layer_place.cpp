// The arithmetic of a layer surface's place, the same whether or not the layer shell is built.
#include <QPoint>
#include <QRect>

#include "platform/layer_shell.h"

namespace tarnwick::platform {

LayerPlace PlaceOnOutputs(const QPoint& position, const QRect* outputs, int count) {
    if (count <= 0) {
        return {-1, position.x(), position.y()};
    }
    int chosen = 0;
    for (int i = 0; i < count; ++i) {
        if (outputs[i].contains(position)) {
            chosen = i;
            break;
        }
    }
    const QPoint corner = outputs[chosen].topLeft();
    return {chosen, position.x() - corner.x(), position.y() - corner.y()};
}

}  // namespace tarnwick::platform
