#pragma once

#include <exception>
#include <string>

// The one error type of the program: it carries the text the user sees in the
// standard error box. Subsystems derive from it only to be catchable by kind.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }

private:
    std::string message_;
};
