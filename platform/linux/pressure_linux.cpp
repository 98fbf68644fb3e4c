#include "platform/linux/pressure_linux.h"

#include <cstddef>
#include <string_view>

namespace tarnwick::platform {

namespace {

constexpr std::int32_t kWhole = 10000;  // 100.00 %

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The line that starts with "some ", with its line end where the text has one; empty when
// there is none.
std::string_view SomeLine(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        const std::string_view line = text.substr(
            pos, end == std::string_view::npos ? std::string_view::npos : end + 1 - pos);
        if (line.substr(0, 5) == "some ") {
            return line;
        }
        pos += line.size();
    }
    return {};
}

// "avg10=12.34" of the line in hundredths. The kernel writes two decimals; the number must be
// followed by a blank or end its line, so a file cut inside it gives nothing.
bool ParseAvg10(std::string_view line, std::int32_t& hundredths) {
    constexpr std::string_view kKey = " avg10=";
    const std::size_t at = line.find(kKey);
    if (at == std::string_view::npos) {
        return false;
    }
    std::size_t pos = at + kKey.size();
    std::int64_t whole = 0;
    const std::size_t start = pos;
    for (; pos < line.size() && IsDigit(line[pos]); ++pos) {
        if (pos - start >= 6) {
            return false;  // no share has so many digits
        }
        whole = whole * 10 + (line[pos] - '0');
    }
    if (pos == start) {
        return false;
    }
    std::int64_t fraction = 0;
    if (pos < line.size() && line[pos] == '.') {
        ++pos;
        int digits = 0;
        for (; pos < line.size() && IsDigit(line[pos]); ++pos, ++digits) {
            if (digits < 2) {
                fraction = fraction * 10 + (line[pos] - '0');
            }
        }
        if (digits == 0) {
            return false;
        }
        if (digits == 1) {
            fraction *= 10;
        }
    }
    // A text that stops right here may have lost digits.
    if (pos >= line.size() || (line[pos] != ' ' && line[pos] != '\t' && line[pos] != '\n')) {
        return false;
    }
    const std::int64_t value = whole * 100 + fraction;
    hundredths = static_cast<std::int32_t>(value < kWhole ? value : kWhole);
    return true;
}

}  // namespace

LinuxPressureFigures::LinuxPressureFigures(const std::string& procRoot)
    : files_{ProcFile(procRoot + "/pressure/cpu"), ProcFile(procRoot + "/pressure/memory"),
             ProcFile(procRoot + "/pressure/io")} {}

bool LinuxPressureFigures::ReadSomeShare(StallResource resource, std::int32_t& hundredths) {
    ProcFile& file = files_[static_cast<std::size_t>(resource)];
    const std::string_view text = file.Read(buffer_, sizeof buffer_);
    return ParseAvg10(SomeLine(text), hundredths);
}

std::unique_ptr<PressureFigures> MakeSystemPressureFigures() {
    return std::make_unique<LinuxPressureFigures>();
}

}  // namespace tarnwick::platform
