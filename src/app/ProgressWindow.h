#pragma once

// The window of long work (publishing, making web versions), one for every job: shown the moment
// the work starts, before anything slow, so the person sees at once that the
// command was taken. Its Cancel is never the default button, and keys reach it
// only once it has been on screen a moment: a Return or Space typed before it
// appeared never stops the work. Esc, closing it and Cancel all cancel.

#include <QDialog>
#include <functional>

#include "core/publish/Jobs.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tessaly::app {

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // Keys typed within this time of its appearing were meant for what was
    // on screen before.
    static constexpr int kKeysAfterMs = 300;

    ProgressWindow(QWidget* owner, const QString& title, const QString& text, std::function<void()> onCancel);
    ~ProgressWindow() override;

    // Shows it now, painted, before the caller goes on; once cancelled, no more.
    void showNow();
    void setText(const QString& text);
    // How far the work is, from 0 to 1; until the first call it only shows that work goes on.
    void setDone(double fraction);
    // A job's figures: the movie copied or encoded, how much of it, the time left.
    void showProgress(const publish::JobProgress& progress);
    // Keys reach it: it has been on screen long enough.
    bool takesKeys() const { return takesKeys_; }
    QPushButton* cancelButton() const { return cancel_; }
    QString text() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    class EarlyKeys;

    QLabel* label_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    EarlyKeys* earlyKeys_;
    bool takesKeys_ = false;
    bool cancelled_ = false;
    int shown_ = 0;  // which showing the pending timer belongs to
};

}  // namespace tessaly::app
