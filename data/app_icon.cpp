#include "data/app_icon.h"

namespace tarnwick {

QIcon AppIcon() {
    static const QIcon icon = [] {
        QIcon builtIn;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            builtIn.addFile(QStringLiteral(":/tarnwick/tarnwick-%1.png").arg(size),
                            QSize(size, size));
        }
        return QIcon::fromTheme(QString::fromLatin1(kAppId), builtIn);
    }();
    return icon;
}

}  // namespace tarnwick
