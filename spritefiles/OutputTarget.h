#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "Failure.h"

namespace vexilor {

// One place the programs write their bytes to, written in two steps so that several of
// them are written all or none: prepare() does everything that may fail and can still be
// taken back, commit() puts the bytes in place, and a target dropped before commit()
// leaves no trace of what prepare() did.
//
// - A regular file that exists (through links too) is replaced only once the new content
//   is complete: the bytes go to a temporary file in the same folder, which takes the
//   old file's place at commit(). Where the folder takes no new file, a file that may be
//   written is written in place at commit(), and a failure there leaves what was written.
// - A new file is made and filled by prepare(), and removed again if not committed.
// - A device, a pipe or a socket (through links too), and standard output, cannot be
//   replaced: prepare() opens it, and commit() writes the bytes straight to it.
//
// Both throw Failure with "Cannot create file ..." (the full path and the system's reason)
// or "Stream write error".
class OutputTarget {
public:
    // The file at `path`.
    explicit OutputTarget(QString path);
    // The process's standard output.
    static OutputTarget standardOutput();
    ~OutputTarget();
    OutputTarget(OutputTarget&&) noexcept;
    OutputTarget& operator=(OutputTarget&&) noexcept;

    // The path, or "standard output".
    QString name() const;

    void prepare(const QByteArray& bytes);
    void commit();
    // Takes back what prepare() did, unless commit() has run.
    void cancel();
    // Whether commit() writes where nothing can be taken back (a device, standard output,
    // a file written in place); known once prepared.
    bool writesInPlace() const;

private:
    struct Pending;
    OutputTarget() = default;

    QString path_;
    bool standardOutput_ = false;
    std::unique_ptr<Pending> pending_;
};

// A failure of one of several outputs, with the name of the one that failed.
class OutputFailure : public Failure {
public:
    OutputFailure(const Failure& failure, QString output)
        : Failure(failure), output_(std::move(output)) {}
    const QString& output() const { return output_; }

private:
    QString output_;
};

// The bytes meant for one target.
struct PlannedOutput {
    OutputTarget target;
    QByteArray bytes;
};

// Writes every planned output or, when one cannot be written, none: all are prepared
// before any is committed, and those that go straight to a device are committed first,
// since their writing cannot be taken back. Throws OutputFailure naming the target.
void writeAllOrNone(std::vector<PlannedOutput>& outputs);

}  // namespace vexilor
