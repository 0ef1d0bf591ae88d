#pragma once

// The three movie rows under the title: a load button and the path label of
// each slot. A row's tooltip says what its movie holds; the movie is read on
// a worker thread, so a slow disk never holds up the window.

#include <QObject>
#include <QPoint>
#include <QString>
#include <QThreadPool>
#include <array>
#include <functional>
#include <optional>

#include "app/Controls.h"
#include "core/model/ProjectFile.h"
#include "core/movies/MovieInfo.h"

namespace tessaly::movies {
class MovieTools;
}

namespace tessaly::app {

class MovieRows : public QObject {
    Q_OBJECT
public:
    static constexpr int kCount = 3;

    MovieRows(QWidget* parent, movies::MovieTools& tools);
    // Waits for the tooltips still being read.
    ~MovieRows() override { reader_.waitForDone(); }
    MovieRows(const MovieRows&) = delete;
    MovieRows& operator=(const MovieRows&) = delete;

    // Slot 1..3: the text of its path label.
    QString path(int slot) const;
    // `read` gets what the movie holds once it is read, unless another path
    // has taken its place by then.
    void setPath(int slot, const QString& path, std::function<void(const movies::MovieInfo&)> read = {});
    // Also told of every movie read, after `read`, with its slot and path.
    void whenRead(std::function<void(int slot, const QString& path, const movies::MovieInfo&)> told) {
        told_ = std::move(told);
    }
    model::MovieSlots movieSlots() const;
    // What slot 1..3's movie holds, once read; nothing before or for an empty slot.
    const std::optional<movies::MovieInfo>& info(int slot) const { return row(slot).info; }
    // The row (load button and path label) under a point of the parent, 1..3, or 0.
    int rowAt(const QPoint& point) const;
    // Told slot 1's path label text whenever it is set.
    void onMainMovie(std::function<void(const QString&)> shown) { mainMovie_ = std::move(shown); }

signals:
    // Slot 1..3's load button was clicked.
    void loadClicked(int slot);

private:
    struct Row {
        ui::GradientButton* load = nullptr;
        PathLabel* label = nullptr;
        int reading = 0;  // which read the tooltip waits for
        std::optional<movies::MovieInfo> info;
    };
    Row& row(int slot) { return rows_[static_cast<std::size_t>(slot - 1)]; }
    const Row& row(int slot) const { return rows_[static_cast<std::size_t>(slot - 1)]; }

    movies::MovieTools& tools_;
    std::array<Row, kCount> rows_;
    std::function<void(const QString&)> mainMovie_;
    std::function<void(int, const QString&, const movies::MovieInfo&)> told_;
    QThreadPool reader_;  // one thread: the tips come in the order they were asked for
};

}  // namespace tessaly::app
