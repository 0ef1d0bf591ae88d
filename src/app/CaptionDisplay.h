#pragma once

// The main movie's captions, under the movie rows between the command
// buttons: their languages, and in the tooltip their files. It holds the
// captions the person chose (over those found beside the movie for the same
// language); its context menu removes a chosen one.

#include <QObject>
#include <QString>

#include "app/Controls.h"
#include "core/movies/ChosenCaptions.h"

namespace tessaly::app {

class CaptionDisplay : public QObject {
    Q_OBJECT
public:
    explicit CaptionDisplay(QWidget* parent);

    // Slot 1's path label text: the captions beside it are looked for again.
    void setMainMovie(const QString& path);
    const movies::ChosenCaptions& chosen() const { return chosen_; }
    void setChosen(const movies::ChosenCaptions& chosen);
    // `caption` in place of a chosen one of its language, else after them;
    // false when there is no room for another language.
    bool choose(const movies::ChosenCaption& caption);
    // Chosen caption n, 1-based.
    void remove(int n);

signals:
    // The person asked in the context menu to remove chosen caption n.
    void removeAsked(int n);

private:
    void show();

    ClickLabel* label_;
    QString movie_;
    movies::ChosenCaptions chosen_;
};

}  // namespace tessaly::app
