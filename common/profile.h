#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnwick {

// A profile (INI) file held as its lines, read and edited the way the programs' files have
// always been written:
// - section and key names match without regard to ASCII case and without the blanks around
//   them; the first section and the first key of a name win, later duplicates are ignored;
// - a value is read without the blanks around it and without one pair of matching quotes;
// - lines starting with ";" and lines without "=" hold no key and are kept untouched;
// - an edit keeps every line it does not change byte for byte, and the file's line ends.
class ProfileText {
public:
    // A read returns at most this many bytes of a value.
    static constexpr std::size_t kMaxValueLength = 2047;

    ProfileText() = default;
    // Any bytes parse: garbage gives lines that hold no keys.
    static ProfileText Parse(std::string_view bytes);
    std::string Serialize() const;

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // Section names and the key names of one section in file order, each name once.
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;
    // Every key line of the section in file order, later duplicates too, with the name and
    // the value as Get reads them: one pass, for readers of numbered keys (line1 .. lineK).
    template <typename Visit>
    void ForEachKey(std::string_view section, Visit&& visit) const;
    std::size_t LineCount() const { return lines_.size(); }

    // Replaces the value where the key stands, or adds the key after the last line of its
    // section, or adds the section at the end. Line breaks in the texts become blanks, so a
    // value can never add lines of its own.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // True when something was removed.
    bool RemoveKey(std::string_view section, std::string_view key);
    bool EraseSection(std::string_view section);
    // Renames every header of the section, duplicates included, to "[to]"; the lines inside
    // are not looked at. Returns how many headers were renamed.
    int RenameSection(std::string_view from, std::string_view to);

private:
    struct Line {
        std::string text;
        std::string end;  // the line's own end: "\n", "\r\n", "\r" or "" for the last line
    };
    // Index range of a section: its header line and the lines up to the next header.
    struct Range {
        std::size_t header;
        std::size_t end;
    };

    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
    // The trimmed name and the value of a key line; false for any other line.
    static bool KeyLine(std::string_view line, std::string_view& name, std::string_view& value);
    void InsertLine(std::size_t at, std::string text);

    void Changed() { indexed_ = false; }

    std::string bom_;
    std::string newline_ = "\n";  // what new lines end with: the first line end of the file
    std::vector<Line> lines_;
    // The first range of each section by its lower-case name, built on the first lookup
    // after a change, so reading every key of a big events file stays linear.
    mutable std::unordered_map<std::string, Range> sections_;
    mutable bool indexed_ = false;
};

template <typename Visit>
void ProfileText::ForEachKey(std::string_view section, Visit&& visit) const {
    const std::optional<Range> range = FindSection(section);
    if (!range) {
        return;
    }
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        std::string_view name;
        std::string_view value;
        if (KeyLine(lines_[i].text, name, value)) {
            visit(name, value);
        }
    }
}

// Typed reads on top of a parsed file: the encodings of the settings, events and skin files.
std::string ReadString(const ProfileText& file, std::string_view section, std::string_view key,
                       std::string_view fallback);
// Decimal, "0x" or "$" hex; a missing key, an empty value, any other text or a number beyond
// signed 32 bits gives the fallback.
std::int32_t ReadInteger(const ProfileText& file, std::string_view section, std::string_view key,
                         std::int32_t fallback);
// An integer with the fallback 1 or 0; any integer but 0 is true.
bool ReadBool(const ProfileText& file, std::string_view section, std::string_view key,
              bool fallback);

void WriteString(ProfileText& file, std::string_view section, std::string_view key,
                 std::string_view value);
void WriteInteger(ProfileText& file, std::string_view section, std::string_view key,
                  std::int32_t value);
void WriteBool(ProfileText& file, std::string_view section, std::string_view key, bool value);

}  // namespace tarnwick
