#pragma once

#include <string>

#include "Failure.h"

namespace vexilor {

// A form that cannot be made as asked, with what the caller could ask differently to make
// it. The message says what is wrong in the sprite's terms; a program adds how its user
// asks for the remedy.
class FormFailure : public Failure {
public:
    enum class Remedy {
        RowOrder,  // the bytes row by row would do
        Address,   // another address would do
        TapeName,  // another tape name would do
    };
    FormFailure(const std::string& message, Remedy remedy) : Failure(message), remedy_(remedy) {}
    Remedy remedy() const { return remedy_; }

private:
    Remedy remedy_;
};

}  // namespace vexilor
