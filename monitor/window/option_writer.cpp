#include "monitor/window/option_writer.h"

#include <QString>

#include "common/config.h"
#include "common/errors.h"
#include "common/settings.h"
#include "common/ui/dialogs.h"
#include "platform/process.h"

namespace tarnwick {

void OptionWriter::Write(const StringKey& key, std::string_view value) {
    WriteOrReport([&] { WriteConfigString(file_, key.section, key.name, value); });
}

void OptionWriter::Write(const IntegerKey& key, std::int32_t value) {
    WriteOrReport([&] { WriteConfigInteger(file_, key.section, key.name, value); });
}

void OptionWriter::Write(const BoolKey& key, bool value) {
    WriteOrReport([&] { WriteConfigBool(file_, key.section, key.name, value); });
}

void OptionWriter::SaveOpt(const Settings& settings) {
    WriteOrReport([&] { tarnwick::SaveOpt(file_, settings); });
}

void OptionWriter::WriteOrReport(const std::function<void()>& write) {
    try {
        write();
    } catch (const UserError& error) {
        if (withoutBox_) {
            platform::LogError(std::string(error.what()) + ".");
        } else {
            dialogs_.ShowError(QString::fromStdString(error.what()));
        }
    }
}

}  // namespace tarnwick
