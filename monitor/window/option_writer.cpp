#include "monitor/window/option_writer.h"

#include <QString>

#include "common/config.h"
#include "common/errors.h"
#include "common/settings.h"
#include "common/ui/dialogs.h"
#include "platform/process.h"

namespace tarnwick {

void OptionWriter::String(std::string_view section, std::string_view key, std::string_view value) {
    WriteOrReport([&] { WriteConfigString(file_, section, key, value); });
}

void OptionWriter::Integer(std::string_view section, std::string_view key, std::int32_t value) {
    WriteOrReport([&] { WriteConfigInteger(file_, section, key, value); });
}

void OptionWriter::Bool(std::string_view section, std::string_view key, bool value) {
    WriteOrReport([&] { WriteConfigBool(file_, section, key, value); });
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
