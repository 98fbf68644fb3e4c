#pragma once

#include <QTemporaryDir>

#include <string>

#include "platform/files.h"

namespace tarnwick::testing {

// A fresh folder for one test, removed afterwards.
class TempFolder {
public:
    std::string path() const { return dir_.path().toStdString(); }
    std::string file(const std::string& name) const { return path() + "/" + name; }

    static std::string Read(const std::string& path) {
        std::string bytes;
        platform::ReadWholeFile(path, bytes);
        return bytes;
    }
    static void Write(const std::string& path, const std::string& bytes) {
        platform::ReplaceFileAtomically(path, bytes);
    }

private:
    QTemporaryDir dir_;
};

}  // namespace tarnwick::testing
