#pragma once

#include <optional>
#include <string>

namespace tarnwick {

// This build's version, the project's in CMake: "3.5.0".
const char* ProgramVersion();

// What "--help" and "--version" print for a program, and whether the program ends there.
struct InfoOptionsResult {
    bool exit = false;  // one of the two was given: print output and end with code 0
    std::string output;
};

// Looks for "--help" (also "-h") and "--version" (also "-v") among the arguments. Everything
// else, unknown options and words included, is left to the program, which ignores what it does
// not use. Needs no application object, so it runs before the one that opens the display.
// `words` follows the options in the help's usage line, e.g. "[about | skineditor]".
InfoOptionsResult InfoOptions(int argc, const char* const* argv, const std::string& program,
                              const std::string& description, const std::string& words = {});

}  // namespace tarnwick
