#pragma once

#include <QtGlobal>

namespace vexilor {

// Keeps the complaints of Qt's picture plug-ins about damaged files off standard error
// while it lives, since the programs say what went wrong in words of their own: Qt's
// messages go to a message handler that drops them, and the one before is put back at
// the end. Standard error itself and the signal handlers are left alone. PNG pictures
// need none of this: decodePng hears libpng's complaints itself. Not to be nested.
class QuietDecoding {
public:
    QuietDecoding();
    ~QuietDecoding();
    QuietDecoding(const QuietDecoding&) = delete;
    QuietDecoding& operator=(const QuietDecoding&) = delete;

private:
    QtMessageHandler previousHandler_;
};

}  // namespace vexilor
