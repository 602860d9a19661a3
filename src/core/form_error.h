#pragma once
// What reading a stored form description throws, from the text's syntax to
// the components it names.
#include <stdexcept>
#include <string>

class EFormReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // "form description, line N: what"
    EFormReadError(int line, const std::string& what)
        : std::runtime_error("form description, line " + std::to_string(line) + ": " + what) {}
};
