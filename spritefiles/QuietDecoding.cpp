#include "QuietDecoding.h"

#include <csignal>
#include <iterator>

#include <unistd.h>

// Provided by the sanitizers' runtime; weak, so that the plain build links without it.
extern "C" void __sanitizer_set_report_fd(void* fd) __attribute__((weak));

namespace vexilor {

namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction previousActions[std::size(kFatalSignals)];
// While standard error is caught: the real one, and the file that takes its place.
int realStandardError = -1;
int caughtFile = -1;

void ignoreMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

void reportSanitizerFindingsTo(int fd) {
    if (__sanitizer_set_report_fd != nullptr)
        __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<long>(fd)));
}

// Only calls that are safe in a signal handler.
void giveBackStandardError() {
    dup2(realStandardError, STDERR_FILENO);
    char buffer[512];
    lseek(caughtFile, 0, SEEK_SET);
    for (ssize_t length; (length = read(caughtFile, buffer, sizeof buffer)) > 0;) {
        if (write(STDERR_FILENO, buffer, static_cast<size_t>(length)) != length)
            break;
    }
}

void restoreSignalActions() {
    for (std::size_t i = 0; i < std::size(kFatalSignals); ++i)
        sigaction(kFatalSignals[i], &previousActions[i], nullptr);
}

void onFatalSignal(int signal) {
    giveBackStandardError();
    restoreSignalActions();
    raise(signal);
}

}  // namespace

QuietDecoding::QuietDecoding()
    : previousHandler_(qInstallMessageHandler(ignoreMessage)), caught_(std::tmpfile()) {
    std::fflush(stderr);
    realStandardError = caught_ != nullptr ? dup(STDERR_FILENO) : -1;
    if (realStandardError < 0)
        return;
    caughtFile = fileno(caught_);
    struct sigaction action = {};
    action.sa_handler = onFatalSignal;
    for (std::size_t i = 0; i < std::size(kFatalSignals); ++i)
        sigaction(kFatalSignals[i], &action, &previousActions[i]);
    reportSanitizerFindingsTo(realStandardError);
    dup2(caughtFile, STDERR_FILENO);
}

QuietDecoding::~QuietDecoding() {
    if (realStandardError >= 0) {
        std::fflush(stderr);
        dup2(realStandardError, STDERR_FILENO);
        reportSanitizerFindingsTo(STDERR_FILENO);
        restoreSignalActions();
        close(realStandardError);
        realStandardError = -1;
    }
    if (caught_ != nullptr)
        std::fclose(caught_);
    qInstallMessageHandler(previousHandler_);
}

}  // namespace vexilor
