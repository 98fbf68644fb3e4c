#include "common/ui/open_link.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "common/links.h"
#include "common/ui/dialogs.h"
#include "platform/process.h"

namespace tarnwick {

QString CannotOpenText(const QString& url) {
    //: %1 is the address of a web page or a mail address.
    return QCoreApplication::translate("OpenLink",
                                       "Unable to open %1\nNo program on this desktop opens it.")
        .arg(url);
}

QString NoManualText(std::string_view path) {
    return QCoreApplication::translate(
               "OpenLink", "The help page %1 is not installed with this copy of the program.")
        .arg(QString::fromUtf8(path.data(), static_cast<int>(path.size())));
}

bool OpenLink(Dialogs& dialogs, const QString& url) {
    if (dialogs.OpenUrl(url)) {
        return true;
    }
    dialogs.ShowMessage(QGuiApplication::applicationDisplayName(), CannotOpenText(url));
    return false;
}

bool OpenSiteLink(Dialogs& dialogs, std::string_view path) {
    return OpenSiteLink(dialogs, path, platform::ShippedFolder());
}

bool OpenSiteLink(Dialogs& dialogs, std::string_view path, const std::string& shippedFolder) {
    const QString url = SiteLink(path, kWebSite, shippedFolder);
    if (url.isEmpty()) {
        dialogs.ShowMessage(QGuiApplication::applicationDisplayName(), NoManualText(path));
        return false;
    }
    return OpenLink(dialogs, url);
}

}  // namespace tarnwick
