#pragma once

#include <QRect>
#include <QUndoCommand>

#include "ShownDocument.h"

namespace vexilor {

// The steps of the editor's history. Each names the frame it changed and holds what it
// needs to undo itself; undoing shows the frame that was shown when the step was made,
// redoing the frame it left shown.

// Pixels of one frame turned over: only what changed is kept, 512 bytes whatever the edit.
class PixelStep : public QUndoCommand {
public:
    PixelStep(ShownDocument& document, int frame, const PixelField& changed, QRect cells)
        : document_(document), frame_(frame), changed_(changed), cells_(cells) {}
    void redo() override { document_.togglePixels(frame_, changed_, cells_); }
    void undo() override { document_.togglePixels(frame_, changed_, cells_); }

private:
    ShownDocument& document_;
    int frame_;
    PixelField changed_;
    QRect cells_;  // where the changed pixels lie, for the grid to repaint
};

// A frame's mask made, painted or deleted: the whole mask before and after, since the
// first stroke on a frame without one gives it one.
class MaskStep : public QUndoCommand {
public:
    MaskStep(ShownDocument& document, int frame, std::optional<PixelField> after)
        : document_(document),
          frame_(frame),
          before_(document.document().frame(frame).mask),
          after_(std::move(after)) {}
    void redo() override { document_.setMask(frame_, after_); }
    void undo() override { document_.setMask(frame_, before_); }

private:
    ShownDocument& document_;
    int frame_;
    std::optional<PixelField> before_;
    std::optional<PixelField> after_;
};

// A frame added at `index`, or (undone) taken away again.
class AddFrameStep : public QUndoCommand {
public:
    AddFrameStep(ShownDocument& document, int index, SpriteFrame frame)
        : document_(document),
          index_(index),
          frame_(std::move(frame)),
          shownBefore_(document.shownFrame()) {}
    void redo() override { document_.insertFrame(index_, frame_); }
    void undo() override {
        document_.removeFrame(index_);
        document_.show(shownBefore_);
    }

private:
    ShownDocument& document_;
    int index_;
    SpriteFrame frame_;
    int shownBefore_;
};

// The frame at `index` deleted, or (undone) put back and shown.
class DeleteFrameStep : public QUndoCommand {
public:
    DeleteFrameStep(ShownDocument& document, int index)
        : document_(document), index_(index), frame_(document.document().frame(index)) {}
    void redo() override { document_.removeFrame(index_); }
    void undo() override { document_.insertFrame(index_, frame_); }

private:
    ShownDocument& document_;
    int index_;
    SpriteFrame frame_;
};

// A frame moved from one place to another, shown where it stands.
class MoveFrameStep : public QUndoCommand {
public:
    MoveFrameStep(ShownDocument& document, int from, int to)
        : document_(document), from_(from), to_(to) {}
    void redo() override { document_.moveFrame(from_, to_); }
    void undo() override { document_.moveFrame(to_, from_); }

private:
    ShownDocument& document_;
    int from_;
    int to_;
};

// Every frame replaced, as opening a file does; the size is no part of it.
class ReplaceFramesStep : public QUndoCommand {
public:
    ReplaceFramesStep(ShownDocument& document, SpriteDocument after)
        : document_(document),
          before_(document.document()),
          after_(std::move(after)),
          shownBefore_(document.shownFrame()) {}
    void redo() override { document_.replaceFrames(after_); }
    void undo() override {
        document_.replaceFrames(before_);
        document_.show(shownBefore_);
    }

private:
    ShownDocument& document_;
    SpriteDocument before_;
    SpriteDocument after_;
    int shownBefore_;
};

}  // namespace vexilor
