#include "common/settings_keys.h"

#include "common/profile.h"

namespace tarnwick {

namespace {

const Reading& ReadingOf(const Reading& monitor, const Reading& program, Program reader) {
    return reader == Program::Monitor ? monitor : program;
}

}  // namespace

bool Read(const ProfileText& file, const BoolKey& key, Program program) {
    return ReadBool(file, key.section, key.name,
                    ReadingOf(key.monitor, key.program, program).fallback != 0);
}

std::int32_t Read(const ProfileText& file, const IntegerKey& key, Program program) {
    const Reading& reading = ReadingOf(key.monitor, key.program, program);
    return Fitted(ReadInteger(file, key.section, key.name, reading.fallback), reading);
}

std::string Read(const ProfileText& file, const StringKey& key, Program) {
    return ReadString(file, key.section, key.name, "");
}

void Write(ProfileText& file, const BoolKey& key, bool value) {
    WriteBool(file, key.section, key.name, value);
}

void Write(ProfileText& file, const IntegerKey& key, std::int32_t value) {
    WriteInteger(file, key.section, key.name, value);
}

void Write(ProfileText& file, const StringKey& key, std::string_view value) {
    WriteString(file, key.section, key.name, value);
}

}  // namespace tarnwick
