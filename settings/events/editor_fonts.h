#pragma once

#include <QFont>

// The editor's two faces, 13 pixels high. Where the desktop lacks the classic faces the
// nearest ones it has stand in: the Arial-like sans serifs for the form's face, a condensed
// humanist sans for the titles' face.
namespace tarnwick::cfg {

QFont FormFont();
QFont TitleFont(bool bold = false);

}  // namespace tarnwick::cfg
