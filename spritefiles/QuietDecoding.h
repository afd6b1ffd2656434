#pragma once

#include <QtGlobal>
#include <cstdio>

namespace vexilor {

// Keeps picture decoders' complaints about damaged files off standard error while it
// lives, since the programs say what went wrong in words of their own. Qt's messages go
// to a message handler that drops them; what a library writes to standard error itself
// (libpng's error lines, which Qt does not route through its messages) is caught in a
// temporary file and dropped as well. A crash meanwhile still shows: sanitizer reports go
// to the real standard error, and a fatal signal puts it back, with what was caught,
// before the process ends. Not to be nested.
class QuietDecoding {
public:
    QuietDecoding();
    ~QuietDecoding();
    QuietDecoding(const QuietDecoding&) = delete;
    QuietDecoding& operator=(const QuietDecoding&) = delete;

private:
    QtMessageHandler previousHandler_;
    std::FILE* caught_;
};

}  // namespace vexilor
