#include "monitor/events/culprit.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

#include "common/numbers.h"

namespace tarnwick {

namespace {

// How many of the largest are tried when names cannot be read: each miss is a process that
// ended within the last moment, so more misses than this mean a table changing too fast to name
// anyone.
constexpr std::size_t kNameTries = 8;

struct Candidate {
    std::size_t index;
    std::uint64_t figure;
};

std::uint64_t MemoryFigure(CulpritMeasure measure, const platform::ProcessFigures& process) {
    switch (measure) {
        case CulpritMeasure::Resident:
            return process.resident;
        case CulpritMeasure::Swapped:
            return process.swapped;
        case CulpritMeasure::PrivateWritable:
            return process.privateWritable;
        case CulpritMeasure::ProcessorShare:
            break;
    }
    return 0;
}

// The processor time a process has used since before: all of it for a process that started
// since.
std::uint64_t TimeSince(const platform::ProcessFigures& process,
                        const platform::ProcessTableReading& before) {
    const auto at = std::lower_bound(
        before.processes.begin(), before.processes.end(), process.pid,
        [](const platform::ProcessFigures& p, std::int32_t pid) { return p.pid < pid; });
    if (at == before.processes.end() || at->pid != process.pid || at->started != process.started ||
        at->processorTime > process.processorTime) {
        return process.processorTime;
    }
    return process.processorTime - at->processorTime;
}

void AppendEscaped(QString& out, unsigned char byte) {
    static const char kHex[] = "0123456789abcdef";
    out += QLatin1String("\\x");
    out += QLatin1Char(kHex[byte >> 4]);
    out += QLatin1Char(kHex[byte & 0xF]);
}

// A code point that must not stand in a line of a box: C0 and C1 controls, DEL, the line and
// paragraph separators and the marks that change the direction of the text.
bool Disturbs(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
           (c >= 0x200E && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// The length of the well-formed UTF-8 sequence at the start of bytes (shortest form, no
// surrogates, at most U+10FFFF) and its code point; 0 when there is none.
std::size_t DecodeUtf8(std::string_view bytes, char32_t& c) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (byte(i) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return 0;
    }
    return length;
}

}  // namespace

platform::ProcessFiguresWanted FiguresFor(const CulpritMeasures& measures) {
    platform::ProcessFiguresWanted wanted;
    wanted.processorTime = measures[IndexOf(CulpritMeasure::ProcessorShare)];
    wanted.resident = measures[IndexOf(CulpritMeasure::Resident)];
    wanted.swapped = measures[IndexOf(CulpritMeasure::Swapped)];
    wanted.privateWritable = measures[IndexOf(CulpritMeasure::PrivateWritable)];
    return wanted;
}

Culprit FindCulprit(CulpritMeasure measure, const platform::ProcessTableReading& now,
                    const platform::ProcessTableReading* before, platform::ProcessTable& names) {
    const bool share = measure == CulpritMeasure::ProcessorShare;
    if (!now.readable || (share && (before == nullptr || !before->readable ||
                                    now.totalProcessorTime <= before->totalProcessorTime))) {
        return {};
    }
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < now.processes.size(); ++i) {
        const platform::ProcessFigures& process = now.processes[i];
        const std::uint64_t figure =
            share ? TimeSince(process, *before) : MemoryFigure(measure, process);
        if (figure > 0) {
            candidates.push_back({i, figure});
        }
    }
    // The largest first; of equals the lower pid, so the answer does not depend on luck.
    const std::size_t tries = std::min(kNameTries, candidates.size());
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(tries),
                      candidates.end(), [](const Candidate& a, const Candidate& b) {
                          return a.figure != b.figure ? a.figure > b.figure : a.index < b.index;
                      });
    for (std::size_t i = 0; i < tries; ++i) {
        const platform::ProcessFigures& process = now.processes[candidates[i].index];
        std::optional<std::string> name = names.Name(process.pid);
        if (!name) {
            continue;  // ended since the reading
        }
        Culprit culprit;
        culprit.known = true;
        culprit.name = std::move(*name);
        culprit.pid = process.pid;
        if (share) {
            // Process and total times are not read at the same instant: never above all.
            const auto total =
                static_cast<long double>(now.totalProcessorTime - before->totalProcessorTime);
            const std::int64_t percent =
                RoundHalfEven(static_cast<long double>(candidates[i].figure) * 100.0L / total);
            culprit.amount = static_cast<std::uint64_t>(std::clamp<std::int64_t>(percent, 0, 100));
        } else {
            culprit.amount = candidates[i].figure;
        }
        return culprit;
    }
    return {};
}

QString CulpritLine(CulpritMeasure measure, const Culprit& culprit) {
    const bool share = measure == CulpritMeasure::ProcessorShare;
    if (!culprit.known) {
        return share ? QCoreApplication::translate("Culprit", "Busiest: unknown")
                     : QCoreApplication::translate("Culprit", "Largest: unknown");
    }
    const QString name = ProcessNameText(culprit.name);
    const QString pid = QString::number(culprit.pid);
    // All at once, so a "%2" in a process's name stays as it is.
    if (share) {
        //: %1 is the process's name, %2 its number, %3 its share of the processor in percent.
        return QCoreApplication::translate("Culprit", "Busiest: %1 (pid %2) %3 %")
            .arg(name, pid, QString::number(culprit.amount));
    }
    const std::int64_t megabytes =
        RoundHalfEven(static_cast<long double>(culprit.amount) / 1048576.0L);
    //: %1 is the process's name, %2 its number, %3 its memory in megabytes.
    return QCoreApplication::translate("Culprit", "Largest: %1 (pid %2) %3 MB")
        .arg(name, pid, QString::number(megabytes));
}

QString ProcessNameText(std::string_view bytes) {
    QString text;
    while (!bytes.empty()) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(bytes, c);
        if (length == 0) {
            AppendEscaped(text, static_cast<unsigned char>(bytes.front()));
            bytes.remove_prefix(1);
            continue;
        }
        if (c == U'\\') {
            text += QLatin1String("\\\\");
        } else if (Disturbs(c)) {
            for (std::size_t i = 0; i < length; ++i) {
                AppendEscaped(text, static_cast<unsigned char>(bytes[i]));
            }
        } else {
            text += QString::fromUcs4(&c, 1);
        }
        bytes.remove_prefix(length);
    }
    return text;
}

QString WithLine(const QString& text, const QString& line) {
    const QString crLf = QStringLiteral("\r\n");
    if (text.isEmpty() || text.endsWith(crLf)) {
        return text + line;
    }
    return text + crLf + line;
}

}  // namespace tarnwick
