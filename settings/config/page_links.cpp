#include "settings/config/page_links.h"

#include "common/links.h"

namespace tarnwick::cfg {

QString ProductPage(const char* path) {
    return QLatin1String(kProductSite) + QLatin1String(path);
}

QString MakerPage(const char* path) {
    return QLatin1String(kMakerSite) + QLatin1String(path);
}

}  // namespace tarnwick::cfg
