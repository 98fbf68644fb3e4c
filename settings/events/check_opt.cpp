#include "settings/events/check_opt.h"

#include <QFileInfo>

#include <initializer_list>

#include "common/numbers.h"

namespace tarnwick::cfg {

namespace {

bool AreNumbers(std::initializer_list<const QString*> fields) {
    for (const QString* field : fields) {
        if (!IsNonNegativeNumber(field->toStdString())) {
            return false;
        }
    }
    return true;
}

bool IsExistingFile(const QString& path) {
    return QFileInfo(path).isFile();
}

}  // namespace

QString BadSignalMessage() {
    return QStringLiteral("Specify correct parameters of a signal!");
}

bool SignalFieldsAreNumbers(const EventForm& form) {
    return AreNumbers({&form.freq, &form.time, &form.pause});
}

std::optional<QString> CheckOpt(const EventForm& form) {
    if (form.name.isEmpty()) {
        return QStringLiteral("Specify the name of event!");
    }
    if (!AreNumbers({&form.value})) {
        return QStringLiteral("Specify parameter value!");
    }
    if (!AreNumbers({&form.hour, &form.min, &form.sec})) {
        return QStringLiteral("Specify a correct time interval!");
    }
    switch (PageOfAction(form.action)) {
        case 1:
            if (!form.autotext && form.info.isEmpty()) {
                return QStringLiteral("Enter the message text!");
            }
            if (form.sound && !SignalFieldsAreNumbers(form)) {
                return BadSignalMessage();
            }
            if (form.loop == LoopKind::Time &&
                !AreNumbers({&form.loopHour, &form.loopMin, &form.loopSec})) {
                return QStringLiteral("Specify a correct time interval!");
            }
            if (form.loop == LoopKind::Count && !AreNumbers({&form.loopCount})) {
                return QStringLiteral("Specify loop quantity!");
            }
            break;
        case 2:
            if (form.exec.isEmpty()) {
                return QStringLiteral("Specify an application file!");
            }
            if (!IsExistingFile(form.exec)) {
                return QStringLiteral("Specify an existing application file!");
            }
            break;
        case 3:
            if (form.doc.isEmpty()) {
                return QStringLiteral("Specify the document!");
            }
            if (!IsExistingFile(form.doc)) {
                return QStringLiteral("Specify the existing document!");
            }
            break;
        case 4:
            // The folder is not looked for: it may be on a drive that is not there yet.
            if (form.folder.isEmpty()) {
                return QStringLiteral("Choose a folder!");
            }
            break;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace tarnwick::cfg
