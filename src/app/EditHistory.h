#pragma once

// The work's edits as steps on one undo stack: each command of the person (a
// choice, a click, a movie loaded, a field left after typing) that changes an
// option, a movie slot or a Hot Spot becomes one step holding the work before
// and after it. The window is marked changed while the stack is away from the
// point the project was loaded or saved at, or while a field is being typed in.

#include <QObject>
#include <QUndoStack>
#include <functional>

#include "core/hotspots/HotSpot.h"
#include "core/model/ProjectFile.h"
#include "core/model/ViewerSettings.h"

namespace tessaly::app {

// What a project holds. The working folders and the tooltip switch are the
// person's preferences, not the work, and are left out of it.
struct Work {
    model::ViewerSettings settings;
    model::MovieSlots movies;
    hotspots::HotSpotList hotSpots;

    bool operator==(const Work&) const = default;
};

class EditHistory : public QObject {
    Q_OBJECT
public:
    using Read = std::function<Work()>;
    using Apply = std::function<void(const Work&)>;

    // `read` takes the work from the window; `apply` puts a step's work back.
    EditHistory(Read read, Apply apply, QObject* parent = nullptr);
    // The stack empties as it goes; nobody is told, the window is going too.
    ~EditHistory() override { stack_.disconnect(this); }

    // One step for whatever changed since the last one; nothing when nothing did.
    void record();
    // The change just recorded is amended into the step before it when that
    // step is still the latest and unsaved (a movie's format read after it was
    // loaded belongs to the loading).
    void recordIntoLast();
    // A field that is part of the work is being typed in.
    void typed();
    // The work now is what its file holds.
    void markSaved();
    // The work now is new (loaded or started): no step leads back from it.
    // `saved` false when no file holds it (recovered work).
    void restart(bool saved = true);
    // Records what is pending, then says whether the work differs from its file.
    bool settle();
    bool changed() const { return !stack_.isClean() || typing_; }
    // A step to undo, typing not yet recorded among them.
    bool canUndo() const { return stack_.canUndo() || typing_; }
    void undo();
    void redo();
    QUndoStack& stack() { return stack_; }

signals:
    // After every step, undo, redo, save, restart and keystroke: cheap to hear.
    void workChanged(bool changed);

private:
    class Step;
    void put(const Work& work);
    void tell();

    Read read_;
    Apply apply_;
    QUndoStack stack_;
    Work known_;             // the work as the latest step left it
    bool typing_ = false;    // a typed change not yet recorded
    bool applying_ = false;  // a step's work is being put back
    Step* last_ = nullptr;   // the latest step pushed
};

}  // namespace tessaly::app
