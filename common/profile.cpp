#include "common/profile.h"

#include <algorithm>
#include <utility>

#include "common/numbers.h"

namespace tarnwick {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lower(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), LowerAscii);
    return result;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// The name of a section header line ("[ main ]" -> "main"); nothing for any other line.
// The name runs to the last "]" of the line, so "[a]b]" is the section "a]b".
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0) {
        return std::nullopt;
    }
    return Trim(line.substr(1, close - 1));
}

// The position of the "=" of a key line; nothing for headers, comments and lines without "=".
std::optional<std::size_t> KeyEquals(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || SectionName(line)) {
        return std::nullopt;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trim(line.substr(0, equals)).empty()) {
        return std::nullopt;
    }
    return equals;
}

std::string_view ValueOf(std::string_view line, std::size_t equals) {
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// Cut to the read limit without splitting a UTF-8 character.
std::string_view CutValue(std::string_view value) {
    if (value.size() <= ProfileText::kMaxValueLength) {
        return value;
    }
    std::size_t cut = ProfileText::kMaxValueLength;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return value.substr(0, cut);
}

// A value or name must stay on its line: a line break in it would add lines of its own.
std::string OneLine(std::string_view text) {
    std::string result(text);
    std::replace_if(
        result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return result;
}

}  // namespace

ProfileText ProfileText::Parse(std::string_view bytes) {
    ProfileText file;
    if (bytes.substr(0, kBom.size()) == kBom) {
        file.bom_ = std::string(kBom);
        bytes.remove_prefix(kBom.size());
    }
    bool newlineSeen = false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t stop = bytes.find_first_of("\r\n", start);
        if (stop == std::string_view::npos) {
            file.lines_.push_back({std::string(bytes.substr(start)), ""});
            break;
        }
        const std::size_t endLength =
            bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n' ? 2 : 1;
        Line line{std::string(bytes.substr(start, stop - start)),
                  std::string(bytes.substr(stop, endLength))};
        if (!newlineSeen) {
            file.newline_ = line.end;
            newlineSeen = true;
        }
        file.lines_.push_back(std::move(line));
        start = stop + endLength;
    }
    return file;
}

std::string ProfileText::Serialize() const {
    std::size_t size = bom_.size();
    for (const Line& line : lines_) {
        size += line.text.size() + line.end.size();
    }
    std::string bytes;
    bytes.reserve(size);
    bytes += bom_;
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.end;
    }
    return bytes;
}

std::optional<ProfileText::Range> ProfileText::FindSection(std::string_view section) const {
    if (!indexed_) {
        sections_.clear();
        Range* open = nullptr;  // the section whose end is not known yet
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const std::optional<std::string_view> name = SectionName(lines_[i].text);
            if (!name) {
                continue;
            }
            if (open != nullptr) {
                open->end = i;
            }
            const auto [entry, inserted] = sections_.try_emplace(Lower(*name), Range{i, i + 1});
            open = inserted ? &entry->second : nullptr;  // a later duplicate is ignored
        }
        if (open != nullptr) {
            open->end = lines_.size();
        }
        indexed_ = true;
    }
    const auto found = sections_.find(Lower(Trim(section)));
    if (found == sections_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::size_t> ProfileText::FindKey(const Range& range, std::string_view key) const {
    key = Trim(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const std::string& text = lines_[i].text;
        const std::optional<std::size_t> equals = KeyEquals(text);
        if (equals && EqualsIgnoringCase(Trim(std::string_view(text).substr(0, *equals)), key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ProfileText::Get(std::string_view section, std::string_view key) const {
    const std::optional<Range> range = FindSection(section);
    if (!range) {
        return std::nullopt;
    }
    const std::optional<std::size_t> index = FindKey(*range, key);
    if (!index) {
        return std::nullopt;
    }
    const std::string& text = lines_[*index].text;
    return std::string(CutValue(ValueOf(text, *KeyEquals(text))));
}

bool ProfileText::KeyLine(std::string_view line, std::string_view& name, std::string_view& value) {
    const std::optional<std::size_t> equals = KeyEquals(line);
    if (!equals) {
        return false;
    }
    name = Trim(line.substr(0, *equals));
    value = CutValue(ValueOf(line, *equals));
    return true;
}

bool ProfileText::HasSection(std::string_view section) const {
    return FindSection(section).has_value();
}

std::vector<std::string> ProfileText::Sections() const {
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        const std::optional<std::string_view> name = SectionName(line.text);
        if (name && std::none_of(names.begin(), names.end(), [&](const std::string& known) {
                return EqualsIgnoringCase(known, *name);
            })) {
            names.emplace_back(*name);
        }
    }
    return names;
}

std::vector<std::string> ProfileText::Keys(std::string_view section) const {
    std::vector<std::string> names;
    const std::optional<Range> range = FindSection(section);
    if (!range) {
        return names;
    }
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const std::string_view text = lines_[i].text;
        const std::optional<std::size_t> equals = KeyEquals(text);
        if (!equals) {
            continue;
        }
        const std::string_view name = Trim(text.substr(0, *equals));
        if (std::none_of(names.begin(), names.end(), [&](const std::string& known) {
                return EqualsIgnoringCase(known, name);
            })) {
            names.emplace_back(name);
        }
    }
    return names;
}

void ProfileText::InsertLine(std::size_t at, std::string text) {
    if (at > 0 && lines_[at - 1].end.empty()) {
        lines_[at - 1].end = newline_;  // the old last line had no line end
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                  Line{std::move(text), newline_});
    Changed();
}

void ProfileText::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string name = OneLine(Trim(section));
    const std::string keyName = OneLine(Trim(key));
    const std::string text = OneLine(value);
    const std::optional<Range> range = FindSection(name);
    if (!range) {
        InsertLine(lines_.size(), "[" + name + "]");
        InsertLine(lines_.size(), keyName + "=" + text);
        return;
    }
    if (const std::optional<std::size_t> index = FindKey(*range, keyName)) {
        std::string& line = lines_[*index].text;
        std::size_t keep = *KeyEquals(line) + 1;
        while (keep < line.size() && IsBlank(line[keep])) {
            ++keep;
        }
        line.replace(keep, std::string::npos, text);
        Changed();
        return;
    }
    // After the last line of the section that is not blank, so the blank lines that
    // separate it from the next section stay where they are.
    std::size_t at = range->end;
    while (at > range->header + 1 && Trim(lines_[at - 1].text).empty()) {
        --at;
    }
    InsertLine(at, keyName + "=" + text);
}

bool ProfileText::RemoveKey(std::string_view section, std::string_view key) {
    const std::optional<Range> range = FindSection(section);
    if (!range) {
        return false;
    }
    const std::optional<std::size_t> index = FindKey(*range, key);
    if (!index) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    Changed();
    return true;
}

bool ProfileText::EraseSection(std::string_view section) {
    const std::optional<Range> range = FindSection(section);
    if (!range) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
    Changed();
    return true;
}

int ProfileText::RenameSection(std::string_view from, std::string_view to) {
    from = Trim(from);
    const std::string header = "[" + OneLine(Trim(to)) + "]";
    int renamed = 0;
    for (Line& line : lines_) {
        const std::optional<std::string_view> name = SectionName(line.text);
        if (name && EqualsIgnoringCase(*name, from)) {
            line.text = header;
            ++renamed;
        }
    }
    if (renamed > 0) {
        Changed();
    }
    return renamed;
}

std::string ReadString(const ProfileText& file, std::string_view section, std::string_view key,
                       std::string_view fallback) {
    std::optional<std::string> value = file.Get(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

std::int32_t ReadInteger(const ProfileText& file, std::string_view section, std::string_view key,
                         std::int32_t fallback) {
    const std::optional<std::string> value = file.Get(section, key);
    if (!value) {
        return fallback;
    }
    return ParseProfileInteger(*value).value_or(fallback);
}

bool ReadBool(const ProfileText& file, std::string_view section, std::string_view key,
              bool fallback) {
    return ReadInteger(file, section, key, fallback ? 1 : 0) != 0;
}

void WriteString(ProfileText& file, std::string_view section, std::string_view key,
                 std::string_view value) {
    file.Set(section, key, value);
}

void WriteInteger(ProfileText& file, std::string_view section, std::string_view key,
                  std::int32_t value) {
    file.Set(section, key, std::to_string(value));
}

void WriteBool(ProfileText& file, std::string_view section, std::string_view key, bool value) {
    file.Set(section, key, value ? "1" : "0");
}

}  // namespace tarnwick
