#pragma once

#include <string>
#include <string_view>

namespace vexilor {

// The languages the sprite's bytes are written in for game sources.
enum class SourceLanguage { Assembler, C };

// Throws Failure saying why `label` cannot name the sprite's bytes in `language`: it must
// be an identifier (an ASCII letter or underscore, then letters, digits and underscores)
// that the language keeps for nothing else. For the assembler that is no Z80 register,
// condition, instruction or directive of the common Z80 assemblers, in any case; for C
// no keyword and no name reserved for the compiler.
void checkLabel(std::string_view label, SourceLanguage language);

// A label made from a file name without its folder (UTF-8): the part before the first
// '.', every character that cannot be in an identifier made '_', and a '_' put before a
// leading digit; "sprite" for a name with nothing before its first '.'.
std::string labelFromFileName(std::string_view fileName);

}  // namespace vexilor
