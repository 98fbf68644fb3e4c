#include "settings/events/editor_fonts.h"

#include <QStringList>

namespace tarnwick::cfg {

namespace {

QFont Face(const QStringList& families) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(13);
    return font;
}

}  // namespace

QFont FormFont() {
    return Face({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                 QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                 QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"),
                 QStringLiteral("Helvetica")});
}

QFont TitleFont(bool bold) {
    QFont font = Face({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
                       QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setBold(bold);
    return font;
}

}  // namespace tarnwick::cfg
