#pragma once

#include <QString>
#include <string>
#include <string_view>

// The web pages and the mail address the programs open. A build names the web site with the
// option TARNWICK_WEBSITE (cmake -DTARNWICK_WEBSITE=https://...); a build that names none,
// the default, opens the manual installed with the programs instead, at the same paths.
namespace tarnwick {

#ifdef TARNWICK_WEBSITE
inline constexpr char kWebSite[] = TARNWICK_WEBSITE;
#else
inline constexpr char kWebSite[] = "";
#endif
// The hosts the links named before SiteLink; kept for code that still adds paths to them.
inline constexpr char kProductSite[] = "https://tarnwick.example";
inline constexpr char kMakerSite[] = "https://tarnwick.example";
inline constexpr char kSupportMail[] = "mailto:support@tarnwick.example";

inline constexpr char kManualPath[] = "/tarnwick/helpmain.php";
inline constexpr char kProductPagePath[] = "/tarnwick/";
inline constexpr char kClipboardManagerPath[] = "/index.php?from=tarnwick";

// Where a link with this path goes. With a web site: the site followed by the path. Without
// one: the page of the manual in shippedFolder + "manual/" (".php" pages are ".html" files
// there, a folder is its "index.html", a page the manual lacks is its contents page), as a
// file URL. Empty when there is no manual to open.
QString SiteLink(std::string_view path, std::string_view site, const std::string& shippedFolder);
// The same with this build's site and the programs' shipped folder.
QString SiteLink(std::string_view path);

// The F1 pages of the settings program: "/tarnwick/config" + page + ".php",
// "/tarnwick/skinseditor" + step + ".php" and "/tarnwick/eventseditor.php".
std::string SettingsHelpPath(int page);
std::string SkinEditorHelpPath(int step);
inline constexpr char kEventsEditorHelpPath[] = "/tarnwick/eventseditor.php";

}  // namespace tarnwick
