#pragma once

#include <stdexcept>
#include <string>

namespace tarnwick {

// "Unable to write to <path>" and "'<text>' is not a valid integer value" in the user's
// language (UTF-8).
std::string WriteErrorText(const std::string& path);
std::string ConvertErrorText(const std::string& text);

// The one error type both programs show in their standard error box. Its text is complete
// ("Unable to write to /home/u/.config/tarnwick/tarnwick.cfg"); the box appends the period.
class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A profile file (settings, events, skin) could not be written. Nothing of the operation
// that raised it was written.
class WriteError : public UserError {
public:
    explicit WriteError(const std::string& path) : UserError(WriteErrorText(path)), path_(path) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// A text that looks like an integer but does not fit in signed 32 bits ("-", "99999999999").
class ConvertError : public UserError {
public:
    explicit ConvertError(const std::string& text) : UserError(ConvertErrorText(text)) {}
};

}  // namespace tarnwick
