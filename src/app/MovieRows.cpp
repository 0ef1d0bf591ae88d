#include "app/MovieRows.h"

#include "app/ControlIds.h"
#include "app/WindowTexts.h"
#include "core/movies/MovieInfo.h"
#include "core/movies/MovieTools.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

using Face = ui::GradientButton::Face;

struct RowLayout {
    int loadId;
    int pathId;
    std::string_view caption;
    Face face;
};

constexpr RowLayout kRows[MovieRows::kCount] = {
    {ids::kLoadMovie1, ids::kMoviePath1, texts::kLoadMovie1, Face::Green},
    {ids::kLoadMovie2, ids::kMoviePath2, texts::kLoadMovie2, Face::Grey},
    {ids::kLoadMovie3, ids::kMoviePath3, texts::kLoadMovie3, Face::Grey},
};

}  // namespace

MovieRows::MovieRows(QWidget* p, movies::MovieTools& tools) : tools_(tools) {
    reader_.setMaxThreadCount(1);
    for (int i = 0; i < kCount; ++i) {
        const RowLayout& layout = kRows[i];
        Row& r = rows_[static_cast<std::size_t>(i)];
        r.load = addGradient(p, layout.loadId, layout.caption, {5, 77 + 22 * i, 99, 22}, layout.face);
        connect(r.load, &QAbstractButton::clicked, this, [this, slot = i + 1] { emit loadClicked(slot); });
    }
    for (int i = 0; i < kCount; ++i) {
        Row& r = rows_[static_cast<std::size_t>(i)];
        r.label = new PathLabel(p);
        setControlId(r.label, kRows[i].pathId);
        r.label->setGeometry(105, 77 + 22 * i, 799, 20);
        applyColours(r.label, {Qt::black, QColor(199, 199, 199)});
        applyEdge(r.label, Edge::Client);
    }
}

QString MovieRows::path(int slot) const { return row(slot).label->path(); }

void MovieRows::setPath(int slot, const QString& path, std::function<void(const movies::MovieInfo&)> read) {
    Row& r = row(slot);
    r.label->setPath(path);
    if (slot == 1 && mainMovie_) mainMovie_(path);
    r.info.reset();
    const int reading = ++r.reading;
    if (path.trimmed().isEmpty()) return;
    // What the movie holds, where the person looks at it: the row's tooltip,
    // once the movie is read; a later path makes this read's answer stale.
    // The label outlives every read: the destructor waits for them.
    reader_.start([this, slot, reading, path, label = r.label, read = std::move(read)] {
        movies::MovieInfo info = tools_.inspect(ui::utf8(path));
        const QString tip = path + QLatin1Char('\n') + ui::qs(movies::movieSummary(info));
        QMetaObject::invokeMethod(label,
                                  [this, slot, reading, label, tip, read, path, info = std::move(info)] {
                                      if (row(slot).reading != reading) return;
                                      row(slot).info = info;
                                      label->setToolTip(tip);
                                      if (read) read(info);
                                      if (told_) told_(slot, path, info);
                                  });
    });
}

model::MovieSlots MovieRows::movieSlots() const {
    return {ui::utf8(path(1)), ui::utf8(path(2)), ui::utf8(path(3))};
}

int MovieRows::rowAt(const QPoint& point) const {
    for (int slot = 1; slot <= kCount; ++slot) {
        const Row& r = row(slot);
        if (r.load->geometry().united(r.label->geometry()).contains(point)) return slot;
    }
    return 0;
}

}  // namespace tessaly::app
