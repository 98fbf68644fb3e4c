#include "settings/events/check_opt.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <initializer_list>

#include "common/numbers.h"

namespace tarnwick::cfg {

namespace {

// The events editor's texts are translated in one context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EventsEditor)
};

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
    return Text::tr("Specify correct parameters of a signal!");
}

bool SignalFieldsAreNumbers(const EventForm& form) {
    return AreNumbers({&form.freq, &form.time, &form.pause});
}

std::optional<QString> CheckOpt(const EventForm& form) {
    if (form.name.isEmpty()) {
        return Text::tr("Specify the name of event!");
    }
    if (!AreNumbers({&form.value})) {
        return Text::tr("Specify parameter value!");
    }
    if (!AreNumbers({&form.hour, &form.min, &form.sec})) {
        return Text::tr("Specify a correct time interval!");
    }
    switch (PageOfAction(form.action)) {
        case 1:
            if (!form.autotext && form.info.isEmpty()) {
                return Text::tr("Enter the message text!");
            }
            if (form.sound && !SignalFieldsAreNumbers(form)) {
                return BadSignalMessage();
            }
            if (form.loop == LoopKind::Time &&
                !AreNumbers({&form.loopHour, &form.loopMin, &form.loopSec})) {
                return Text::tr("Specify a correct time interval!");
            }
            if (form.loop == LoopKind::Count && !AreNumbers({&form.loopCount})) {
                return Text::tr("Specify loop quantity!");
            }
            break;
        case 2:
            if (form.exec.isEmpty()) {
                return Text::tr("Specify an application file!");
            }
            if (!IsExistingFile(form.exec)) {
                return Text::tr("Specify an existing application file!");
            }
            break;
        case 3:
            if (form.doc.isEmpty()) {
                return Text::tr("Specify the document!");
            }
            if (!IsExistingFile(form.doc)) {
                return Text::tr("Specify the existing document!");
            }
            break;
        case 4:
            // The folder is not looked for: it may be on a drive that is not there yet.
            if (form.folder.isEmpty()) {
                return Text::tr("Choose a folder!");
            }
            break;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace tarnwick::cfg
