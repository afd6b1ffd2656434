#include "QuietDecoding.h"

namespace vexilor {

namespace {

void ignoreMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

QuietDecoding::QuietDecoding() : previousHandler_(qInstallMessageHandler(ignoreMessage)) {}

QuietDecoding::~QuietDecoding() {
    qInstallMessageHandler(previousHandler_);
}

}  // namespace vexilor
