#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tarnwick {

class Dialogs;

// Opens a link of the menus and windows: the web site's page of the path when the build names
// a site, else the installed manual's page (SiteLink). When there is nothing to open or the
// desktop cannot open it, a message box says so instead of failing silently. False then.
bool OpenSiteLink(Dialogs& dialogs, std::string_view path);
// The same with the manual of the programs shipped in shippedFolder (ShippedFolderOf the
// program folder a window was handed).
bool OpenSiteLink(Dialogs& dialogs, std::string_view path, const std::string& shippedFolder);
// The same for a link that is no page of the site, a "mailto:" address.
bool OpenLink(Dialogs& dialogs, const QString& url);

// The texts of those boxes, captioned with the application's title.
QString CannotOpenText(const QString& url);
QString NoManualText(std::string_view path);

}  // namespace tarnwick
