#include "BasicSubroutine.h"

#include "Failure.h"
#include "SpriteBytes.h"

namespace vexilor {

std::vector<std::string> basicSubroutine(const std::vector<std::uint8_t>& bytes, int firstLine,
                                         std::optional<int> address) {
    const int cells = static_cast<int>(bytes.size()) / kCellSize;
    const int lineCount = cells + 2;
    const int lastLine = firstLine + 10 * (lineCount - 1);
    if (lastLine > kLastBasicLine) {
        throw Failure("the subroutine would need lines " + std::to_string(firstLine) + " to " +
                      std::to_string(lastLine) + ", but Sinclair BASIC's last line is 9999; " +
                      "start it at line " +
                      std::to_string(kLastBasicLine - (lastLine - firstLine)) + " at the latest");
    }

    const std::string target = address ? std::to_string(*address) : "USR \"A\"";
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(lineCount));
    int number = firstLine;
    lines.push_back(std::to_string(number) + " RESTORE " + std::to_string(number + 10) +
                    ": FOR i=0 TO " + std::to_string(static_cast<int>(bytes.size()) - 1) +
                    ": READ b: POKE " + target + "+i,b: NEXT i");
    for (int cell = 0; cell < cells; ++cell) {
        number += 10;
        std::string line = std::to_string(number) + " DATA ";
        for (int y = 0; y < kCellSize; ++y)
            line += (y > 0 ? "," : "") + std::to_string(bytes[cell * kCellSize + y]);
        lines.push_back(std::move(line));
    }
    lines.push_back(std::to_string(number + 10) + " RETURN");
    return lines;
}

}  // namespace vexilor
