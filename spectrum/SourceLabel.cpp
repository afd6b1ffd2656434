#include "SourceLabel.h"

#include <algorithm>
#include <array>

#include "Failure.h"

namespace vexilor {

namespace {

// Lower case; an assembler takes these in any case.
constexpr std::array kAssemblerWords{
    // registers and conditions
    "a", "b", "c", "d", "e", "f", "h", "l", "i", "r", "af", "bc", "de", "hl", "ix", "iy", "sp",
    "pc", "ixh", "ixl", "iyh", "iyl", "xh", "xl", "yh", "yl", "hx", "lx", "hy", "ly", "nz", "z",
    "nc", "po", "pe", "p", "m",
    // instructions
    "adc", "add", "and", "bit", "call", "ccf", "cp", "cpd", "cpdr", "cpi", "cpir", "cpl", "daa",
    "dec", "di", "djnz", "ei", "ex", "exx", "halt", "im", "in", "inc", "ind", "indr", "ini", "inir",
    "jp", "jr", "ld", "ldd", "lddr", "ldi", "ldir", "neg", "nop", "or", "otdr", "otir", "out",
    "outd", "outi", "pop", "push", "res", "ret", "reti", "retn", "rl", "rla", "rlc", "rlca", "rld",
    "rr", "rra", "rrc", "rrca", "rrd", "rst", "sbc", "scf", "set", "sla", "sll", "sli", "sra",
    "srl", "sub", "xor",
    // directives
    "org", "equ", "defl", "defc", "defb", "db", "defw", "dw", "defs", "ds", "defm", "dm", "byte",
    "word", "block", "end", "include", "incbin", "binary", "if", "ifdef", "ifndef", "else",
    "elseif", "endif", "macro", "endm", "rept", "endr", "irp", "local", "public", "extern",
    "global", "module", "section", "align", "assert", "proc", "endp"};

constexpr std::array kCKeywords{
    "auto", "break", "case", "char", "const", "continue", "default", "do", "double", "else", "enum",
    "extern", "float", "for", "goto", "if", "inline", "int", "long", "register", "restrict",
    "return", "short", "signed", "sizeof", "static", "struct", "switch", "typedef", "union",
    "unsigned", "void", "volatile", "while",
    // the newer standards' keywords that do not start with an underscore
    "alignas", "alignof", "bool", "constexpr", "false", "nullptr", "static_assert", "thread_local",
    "true", "typeof", "typeof_unqual"};

// ASCII alone, whatever the locale says of other bytes.
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isIdentifierCharacter(char c) {
    return isLetter(c) || isDigit(c) || c == '_';
}

bool isIdentifier(std::string_view text) {
    return !text.empty() && !isDigit(text[0]) &&
           std::all_of(text.begin(), text.end(), isIdentifierCharacter);
}

bool isIn(const auto& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
}

}  // namespace

void checkLabel(std::string_view label, SourceLanguage language) {
    const std::string quoted = "the label '" + std::string(label) + "'";
    if (!isIdentifier(label)) {
        throw Failure(quoted +
                      " is no identifier: it takes letters, digits and underscores and does not "
                      "start with a digit");
    }
    if (language == SourceLanguage::Assembler && isIn(kAssemblerWords, lowerCase(label))) {
        throw Failure(quoted +
                      " is a register, instruction or directive name that assemblers reserve");
    }
    if (language == SourceLanguage::C && isIn(kCKeywords, label))
        throw Failure(quoted + " is a C keyword");
    const bool compilerName = label.starts_with("__") || (label.size() > 1 && label[0] == '_' &&
                                                          label[1] >= 'A' && label[1] <= 'Z');
    if (language == SourceLanguage::C && compilerName) {
        throw Failure(quoted +
                      " is reserved for the compiler: it starts with two underscores or with an "
                      "underscore and a capital");
    }
}

std::string labelFromFileName(std::string_view fileName) {
    const std::string_view stem = fileName.substr(0, fileName.find('.'));
    if (stem.empty())
        return "sprite";
    std::string label;
    for (std::size_t i = 0; i < stem.size(); ++i) {
        const auto byte = static_cast<unsigned char>(stem[i]);
        if ((byte & 0xC0) == 0x80)
            continue;  // the rest of a character made '_' already
        label += isIdentifierCharacter(stem[i]) ? stem[i] : '_';
    }
    if (isDigit(label[0]))
        label.insert(0, 1, '_');
    return label;
}

}  // namespace vexilor
