#pragma once

#include <QString>

// The web pages of the settings window; the hosts come from common/links.h.
namespace tarnwick::cfg {

QString ProductPage(const char* path);  // the product site followed by path
QString MakerPage(const char* path);    // the maker's site followed by path

// The help page of page 1..8: "/tarnwick/config" + page + ".php".
QString HelpPage(int page);

}  // namespace tarnwick::cfg
