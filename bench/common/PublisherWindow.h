#pragma once

// The publisher's window as the program starts it, for the benchmarks that
// compare it with a bare Qt counterpart. Its settings file lies in `folder`,
// which the caller keeps empty: the window shows its start values.

#include <QApplication>
#include <QString>
#include <memory>

#include "app/Launcher.h"
#include "app/MainWindow.h"
#include "app/ToolTips.h"
#include "core/model/AppState.h"
#include "core/movies/MovieInfoCache.h"
#include "media/FfmpegEncoder.h"
#include "media/ModuleMovieTools.h"

inline std::unique_ptr<tessaly::app::MainWindow> publisherWindow(QApplication& app, const QString& folder,
                                                                 tessaly::app::Launcher& launcher) {
    tessaly::app::ToolTips::installStyle(app);
    const auto state = tessaly::model::startState(tessaly::app::currentFolder(),
                                                  (folder + QStringLiteral("/publisher.ini")).toStdString());
    tessaly::app::WindowSetup setup;
    setup.start = state.settings;
    setup.settingsPath = state.settingsPath;
    // One set of media tools for every window the benchmark makes, as the program has.
    static tessaly::movies::MovieInfoCache movieTools(tessaly::media::moduleMovieTools());
    static tessaly::media::FfmpegEncoder encoder;
    return std::make_unique<tessaly::app::MainWindow>(setup, launcher,
                                                      tessaly::app::MediaTools{movieTools, encoder});
}
