#pragma once

#include <stdexcept>
#include <string>

namespace vexilor {

// A failure the user is told about. The message is UTF-8 and is shown exactly as it
// stands (the error box adds the closing full stop).
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace vexilor
