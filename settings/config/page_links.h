#pragma once

#include <QString>

// The web pages of the settings window; the hosts come from common/links.h.
namespace tarnwick::cfg {

QString ProductPage(const char* path);  // the product site followed by path
QString MakerPage(const char* path);    // the maker's site followed by path

}  // namespace tarnwick::cfg
