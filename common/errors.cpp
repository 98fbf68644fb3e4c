#include "common/errors.h"

#include <QCoreApplication>
#include <QString>

namespace tarnwick {

namespace {

// The translated pattern with the argument put in as bytes: a path need not be UTF-8.
std::string Translated(const char* pattern, const std::string& argument) {
    std::string text = QCoreApplication::translate("UserError", pattern).toStdString();
    if (const std::size_t at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, argument);
    }
    return text;
}

}  // namespace

std::string WriteErrorText(const std::string& path) {
    //: %1 is the path of the file.
    return Translated(QT_TRANSLATE_NOOP("UserError", "Unable to write to %1"), path);
}

std::string ConvertErrorText(const std::string& text) {
    return Translated(QT_TRANSLATE_NOOP("UserError", "'%1' is not a valid integer value"), text);
}

}  // namespace tarnwick
