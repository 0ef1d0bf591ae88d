#include "app/EditHistory.h"

namespace tessaly::app {

class EditHistory::Step : public QUndoCommand {
public:
    Step(EditHistory& history, Work before, Work after)
        : history_(history), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { history_.put(before_); }
    void redo() override {
        // Pushed after the person made the change: it is already in the window.
        if (std::exchange(pushed_, false)) return;
        history_.put(after_);
    }
    void amend(Work after) { after_ = std::move(after); }

private:
    EditHistory& history_;
    Work before_;
    Work after_;
    bool pushed_ = true;
};

EditHistory::EditHistory(Read read, Apply apply, QObject* parent)
    : QObject(parent), read_(std::move(read)), apply_(std::move(apply)), known_(read_()) {
    connect(&stack_, &QUndoStack::cleanChanged, this, [this] { tell(); });
    connect(&stack_, &QUndoStack::indexChanged, this, [this] { tell(); });
}

void EditHistory::record() {
    if (applying_) return;
    const bool wasTyping = std::exchange(typing_, false);
    Work now = read_();
    if (now == known_) {
        if (wasTyping) tell();
        return;
    }
    auto* step = new Step(*this, std::exchange(known_, now), now);
    stack_.push(step);
    last_ = step;
    tell();
}

void EditHistory::recordIntoLast() {
    if (applying_) return;
    const bool latest = last_ != nullptr && stack_.index() == stack_.count() &&
                        stack_.command(stack_.index() - 1) == last_ && stack_.cleanIndex() != stack_.index();
    if (!latest) {
        record();
        return;
    }
    known_ = read_();
    last_->amend(known_);
    tell();
}

void EditHistory::typed() {
    if (applying_) return;
    typing_ = true;
    tell();
}

void EditHistory::markSaved() {
    record();
    stack_.setClean();
    tell();
}

void EditHistory::restart(bool saved) {
    typing_ = false;
    last_ = nullptr;
    stack_.clear();
    known_ = read_();
    if (saved) {
        stack_.setClean();
    } else {
        stack_.resetClean();
    }
    tell();
}

bool EditHistory::settle() {
    record();
    return changed();
}

void EditHistory::undo() {
    record();
    stack_.undo();
}

void EditHistory::redo() {
    record();
    stack_.redo();
}

void EditHistory::put(const Work& work) {
    applying_ = true;
    apply_(work);
    applying_ = false;
    // What the window shows, which is what the next step starts from.
    known_ = read_();
}

void EditHistory::tell() { emit workChanged(changed()); }

}  // namespace tessaly::app
