#include "common/single_copy.h"

#include <map>
#include <memory>

#include "platform/process.h"

namespace tarnwick {

bool IsSecondCopy(const std::string& name) {
    // Kept until the process ends; the kernel drops the locks with it.
    static std::map<std::string, std::unique_ptr<platform::NamedLock>> held;
    static std::map<std::string, bool> answers;
    if (const auto found = answers.find(name); found != answers.end()) {
        return found->second;
    }
    auto lock = std::make_unique<platform::NamedLock>();
    const bool second = lock->OpenOrCreate(platform::RuntimeFolder(), name);
    held.emplace(name, std::move(lock));
    answers.emplace(name, second);
    return second;
}

}  // namespace tarnwick
