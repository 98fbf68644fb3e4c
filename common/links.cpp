#include "common/links.h"

#include <QUrl>

#include "platform/files.h"
#include "platform/process.h"

namespace tarnwick {

namespace {

// "/tarnwick/config3.php?x" -> "tarnwick/config3.html"; "/tarnwick/" -> "tarnwick/index.html".
std::string ManualPage(std::string_view path) {
    path = path.substr(0, path.find_first_of("?#"));
    while (!path.empty() && path.front() == '/') {
        path.remove_prefix(1);
    }
    std::string page(path);
    if (page.find("..") != std::string::npos) {
        return "";  // never outside the manual
    }
    if (page.empty() || page.back() == '/') {
        return page + "index.html";
    }
    const std::string php = ".php";
    if (page.size() > php.size() && page.compare(page.size() - php.size(), php.size(), php) == 0) {
        page.replace(page.size() - php.size(), php.size(), ".html");
    }
    return page;
}

}  // namespace

QString SiteLink(std::string_view path, std::string_view site, const std::string& shippedFolder) {
    if (!site.empty()) {
        return QString::fromUtf8(site.data(), static_cast<int>(site.size())) +
               QString::fromUtf8(path.data(), static_cast<int>(path.size()));
    }
    if (shippedFolder.empty()) {
        return {};
    }
    const std::string manual = shippedFolder + "manual/";
    std::string file = manual + ManualPage(path);
    if (file == manual || !platform::IsRegularFile(file)) {
        file = manual + "tarnwick/index.html";
        if (!platform::IsRegularFile(file)) {
            return {};
        }
    }
    return QUrl::fromLocalFile(QString::fromStdString(file)).toString(QUrl::FullyEncoded);
}

QString SiteLink(std::string_view path) {
    return SiteLink(path, kWebSite, platform::ShippedFolder());
}

std::string SettingsHelpPath(int page) {
    return "/tarnwick/config" + std::to_string(page) + ".php";
}

std::string SkinEditorHelpPath(int step) {
    return "/tarnwick/skinseditor" + std::to_string(step) + ".php";
}

}  // namespace tarnwick
