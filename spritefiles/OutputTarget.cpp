#include "OutputTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <clocale>
#include <cstring>

namespace vexilor {

namespace {

// The system's error text without the trailing blanks, line breaks and full stops that
// would clash with the error box's own closing full stop.
QString trimmedReason(QString reason) {
    while (!reason.isEmpty() && (reason.back().isSpace() || reason.back() == u'.')) {
        reason.chop(1);
    }
    return reason;
}

// Called right after the failing call, while errno still holds its reason: the system's
// own words, in English whatever language Qt's translation gives its error texts.
[[noreturn]] void failToCreate(const QString& path, const QString& reason) {
    const int error = errno;
    static const locale_t english = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const QString system = error != 0 && english != locale_t(0)
                               ? QString::fromLocal8Bit(strerror_l(error, english))
                               : reason;
    const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    throw Failure(QStringLiteral("Cannot create file \"%1\". %2")
                      .arg(absolute, trimmedReason(system))
                      .toStdString());
}

[[noreturn]] void failToWrite() {
    throw Failure("Stream write error");
}

enum class Found { Nothing, RegularFile, Directory, Device };

// What the path leads to once every link is followed. A device, a pipe or a socket has
// no content of its own to keep, and renaming a file over it would destroy it.
Found whatIsAt(const QString& path) {
    struct stat status = {};
    if (stat(QFile::encodeName(path).constData(), &status) != 0)
        return Found::Nothing;
    if (S_ISREG(status.st_mode))
        return Found::RegularFile;
    return S_ISDIR(status.st_mode) ? Found::Directory : Found::Device;
}

// Whether the folder of `path` refuses new files to this user, as a folder without write
// permission does.
bool folderTakesNoNewFile(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    return access(folder.constData(), W_OK) != 0 && errno == EACCES;
}

}  // namespace

struct OutputTarget::Pending {
    enum class Kind {
        Straight,     // a device, a pipe, a socket or standard output: written at commit
        Replacement,  // a temporary file, filled, that takes the old file's place
        InPlace,      // an existing file in a folder that takes no new file
        NewFile,      // made and filled, removed again unless committed
    } kind = Kind::Straight;
    QByteArray bytes;
    QFile file;
    QSaveFile replacement;
    bool made = false;  // the file did not exist before: this target made it
    bool committed = false;

    ~Pending() {
        if (made && !committed)
            file.remove();
        // An uncommitted replacement drops its temporary file itself.
    }
};

OutputTarget::OutputTarget(QString path) : path_(std::move(path)) {}

OutputTarget OutputTarget::standardOutput() {
    OutputTarget target;
    target.standardOutput_ = true;
    return target;
}

OutputTarget::~OutputTarget() = default;
OutputTarget::OutputTarget(OutputTarget&&) noexcept = default;
OutputTarget& OutputTarget::operator=(OutputTarget&&) noexcept = default;

QString OutputTarget::name() const {
    return standardOutput_ ? QStringLiteral("standard output") : path_;
}

bool OutputTarget::writesInPlace() const {
    return pending_ != nullptr &&
           (pending_->kind == Pending::Kind::Straight || pending_->kind == Pending::Kind::InPlace);
}

void OutputTarget::prepare(const QByteArray& bytes) {
    using Kind = Pending::Kind;
    pending_.reset();
    auto pending = std::make_unique<Pending>();
    pending->bytes = bytes;
    QFile& file = pending->file;

    if (standardOutput_) {
        pending->kind = Kind::Straight;
        if (!file.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::DontCloseHandle))
            failToWrite();
        pending_ = std::move(pending);
        return;
    }

    file.setFileName(path_);
    switch (whatIsAt(path_)) {
        case Found::Device:
            pending->kind = Kind::Straight;
            if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
                failToCreate(path_, file.errorString());
            break;
        case Found::Nothing:
            // Written in place, which also works for names too long to take a temporary
            // companion.
            pending->kind = Kind::NewFile;
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
                failToCreate(path_, file.errorString());
            pending->made = true;  // so a failed write removes it again
            if (file.write(bytes) != bytes.size())
                failToWrite();
            break;
        case Found::RegularFile:
        case Found::Directory: {
            // Opening the old file for appending changes nothing, and lets the system
            // refuse a directory or a read-only file in its own words.
            if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
                failToCreate(path_, file.errorString());
            QSaveFile& replacement = pending->replacement;
            replacement.setFileName(path_);
            // Unbuffered, because commit() does not report a failure to flush Qt's own
            // buffer: the bytes reach the temporary file in write(), where a full disk
            // shows itself.
            if (replacement.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
                pending->kind = Kind::Replacement;
                file.close();
                if (replacement.write(bytes) != bytes.size()) {
                    replacement.cancelWriting();
                    failToWrite();
                }
            } else if (folderTakesNoNewFile(path_)) {
                pending->kind = Kind::InPlace;  // the old file stays open for commit()
            } else {
                failToCreate(path_, replacement.errorString());
            }
            break;
        }
    }
    pending_ = std::move(pending);
}

void OutputTarget::cancel() {
    pending_.reset();
}

void OutputTarget::commit() {
    using Kind = Pending::Kind;
    if (pending_ == nullptr || pending_->committed)
        return;
    Pending& pending = *pending_;
    switch (pending.kind) {
        case Kind::Straight:
            if (pending.file.write(pending.bytes) != pending.bytes.size())
                failToWrite();
            break;
        case Kind::InPlace:
            if (!pending.file.resize(0) ||
                pending.file.write(pending.bytes) != pending.bytes.size())
                failToWrite();
            break;
        case Kind::Replacement:
            if (!pending.replacement.commit()) {
                if (pending.replacement.error() == QFileDevice::RenameError)
                    failToCreate(path_, pending.replacement.errorString());
                failToWrite();
            }
            break;
        case Kind::NewFile:
            pending.file.close();
            break;
    }
    pending.committed = true;
}

void writeAllOrNone(std::vector<PlannedOutput>& outputs) {
    OutputTarget* current = nullptr;
    try {
        for (PlannedOutput& output : outputs) {
            current = &output.target;
            output.target.prepare(output.bytes);
        }
        for (const bool inPlace : {true, false}) {
            for (PlannedOutput& output : outputs) {
                current = &output.target;
                if (output.target.writesInPlace() == inPlace)
                    output.target.commit();
            }
        }
    } catch (const Failure& failure) {
        const QString name = current->name();
        // What was prepared and not committed is taken back.
        for (PlannedOutput& output : outputs)
            output.target.cancel();
        throw OutputFailure(failure, name);
    }
}

}  // namespace vexilor
