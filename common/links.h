#pragma once

// The web pages and the mail address the programs open. The hosts live here only; the paths
// after them are fixed, so a move of the site changes one line.
namespace tarnwick {

inline constexpr char kProductSite[] = "https://tarnwick.example";
inline constexpr char kMakerSite[] = "https://tarnwick.example";
inline constexpr char kSupportMail[] = "mailto:support@tarnwick.example";

inline constexpr char kManualPath[] = "/tarnwick/helpmain.php";
inline constexpr char kProductPagePath[] = "/tarnwick/";
inline constexpr char kClipboardManagerPath[] = "/index.php?from=tarnwick";

}  // namespace tarnwick
