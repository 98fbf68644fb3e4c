#include "common/profile_file.h"

#include "common/errors.h"

namespace tarnwick {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t FindIgnoringCase(std::string_view text, std::string_view what, std::size_t from) {
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        std::size_t j = 0;
        while (j < what.size() && LowerAscii(text[i + j]) == LowerAscii(what[j])) {
            ++j;
        }
        if (j == what.size()) {
            return i;
        }
    }
    return std::string_view::npos;
}

// Only a file read whole, or none at all, may be written over.
bool CanRewrite(platform::ReadResult read) {
    return read == platform::ReadResult::Read || read == platform::ReadResult::Missing;
}

void Replace(const std::string& path, const std::string& bytes) {
    if (!platform::ReplaceFileAtomically(path, bytes)) {
        throw WriteError(path);
    }
}

}  // namespace

platform::ReadResult ReadProfileBytes(const std::string& path, std::string& out,
                                      platform::FileOwners owners) {
    if (path.empty()) {
        out.clear();
        return platform::ReadResult::Missing;
    }
    return platform::ReadFileBounded(path, kMaxProfileBytes, out, owners);
}

ProfileText LoadProfile(const std::string& path) {
    std::string bytes;
    ReadProfileBytes(path, bytes);
    return ProfileText::Parse(bytes);
}

void UpdateProfile(const std::string& path, const std::function<void(ProfileText&)>& edit) {
    if (path.empty()) {
        return;
    }
    const platform::FolderLock lock(path);
    lock.RemoveLeftovers();
    std::string bytes;
    if (!CanRewrite(ReadProfileBytes(path, bytes))) {
        throw WriteError(path);  // rewriting a file we cannot read would lose its contents
    }
    ProfileText file = ProfileText::Parse(bytes);
    edit(file);
    Replace(path, file.Serialize());
}

void WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    UpdateProfile(path, [&](ProfileText& file) { WriteString(file, section, key, value); });
}

void WriteProfileInteger(const std::string& path, std::string_view section, std::string_view key,
                         std::int32_t value) {
    UpdateProfile(path, [&](ProfileText& file) { WriteInteger(file, section, key, value); });
}

void WriteProfileBool(const std::string& path, std::string_view section, std::string_view key,
                      bool value) {
    UpdateProfile(path, [&](ProfileText& file) { WriteBool(file, section, key, value); });
}

void ReplaceInFile(const std::string& path, std::string_view from, std::string_view to) {
    if (path.empty()) {
        return;
    }
    const platform::FolderLock lock(path);
    lock.RemoveLeftovers();
    std::string text;
    const platform::ReadResult read = ReadProfileBytes(path, text);
    if (!CanRewrite(read)) {
        throw WriteError(path);
    }
    if (read == platform::ReadResult::Missing) {
        return;
    }
    if (from.empty()) {
        return;
    }
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found = FindIgnoringCase(text, from, 0); found != std::string_view::npos;
         found = FindIgnoringCase(text, from, start)) {
        result.append(text, start, found - start);
        result.append(to);
        start = found + from.size();
    }
    result.append(text, start, std::string::npos);
    Replace(path, result);
}

}  // namespace tarnwick
