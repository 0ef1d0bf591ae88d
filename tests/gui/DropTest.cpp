// Files dragged onto the window through Qt's own event path: the drag enters
// the widget under the pointer and travels up to the one that takes drops.

#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "WindowHarness.h"
#include "app/ControlIds.h"
#include "app/SettingsBinding.h"
#include "core/model/ProjectFile.h"
#include "core/platform/Files.h"
#include "ui/FileDialog.h"
#include "ui/QtPrompts.h"
#include "ui/Strings.h"

namespace tessaly::gui_test {
namespace {

namespace fs = std::filesystem;
using namespace app::ids;

struct Dragged {
    bool entered = false;  // the window took the drag as it came in
    bool allowed = false;  // the pointer shows it may be dropped here
    bool dropped = false;
    Qt::DropAction action = Qt::IgnoreAction;
    bool askedDuringDrop = false;  // a message or question while the drop was under way
};

class DropTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window().show();
    }

    // Drags `mime` from outside to `clientPoint` of the window and lets go there.
    Dragged drag(const QMimeData& mime, const QPoint& clientPoint) {
        QWidget* client = window().centralWidget();
        QWidget* under = client->childAt(clientPoint);
        if (under == nullptr) under = client;
        const QPointF at = under->mapFrom(client, clientPoint);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        Dragged result;
        QDragEnterEvent enter(at.toPoint(), offered, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(under, &enter);
        result.entered = enter.isAccepted();
        if (!result.entered) return result;
        QDragMoveEvent move(at.toPoint(), offered, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(under, &move);
        result.allowed = move.isAccepted();
        if (!result.allowed) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(under, &leave);
            return result;
        }
        QDropEvent drop(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
        ui::QtPrompts::setOnAnswer([&result] { result.askedDuringDrop = true; });
        QApplication::sendEvent(under, &drop);
        ui::QtPrompts::setOnAnswer(nullptr);
        result.dropped = drop.isAccepted();
        result.action = drop.dropAction();
        // The file opens after the drop.
        QCoreApplication::sendPostedEvents();
        return result;
    }

    static std::unique_ptr<QMimeData> files(const std::vector<fs::path>& paths) {
        auto mime = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        QStringList names;
        for (const fs::path& path : paths) {
            urls << QUrl::fromLocalFile(ui::qpath(path));
            names << ui::qpath(path);
        }
        mime->setUrls(urls);
        // File managers offer the names as plain text too, which a text box would take.
        mime->setText(names.join(QLatin1Char('\n')));
        return mime;
    }

    QPoint centreOf(int id) { return control(id)->geometry().center(); }
};

TEST_F(DropTest, AMovieDroppedOnARowLoadsIntoThatSlot) {
    const fs::path movie = writeFile("second.webm");
    const Dragged onLabel = drag(*files({movie}), centreOf(kMoviePath2));
    EXPECT_TRUE(onLabel.dropped);
    EXPECT_EQ(onLabel.action, Qt::CopyAction) << "never a move: the file stays where it is";
    EXPECT_EQ(window().moviePath(2), ui::qpath(movie));
    EXPECT_TRUE(window().moviePath(1).isEmpty());

    const fs::path third = writeFile("third.mp4");
    EXPECT_TRUE(drag(*files({third}), centreOf(kLoadMovie3)).dropped) << "the row's button is part of it";
    EXPECT_EQ(window().moviePath(3), ui::qpath(third));
    EXPECT_TRUE(fs::exists(movie) && fs::exists(third));
}

// Every kind of change marks the work changed, as one step that Undo takes back.
TEST_F(DropTest, EveryKindOfChangeMarksTheWorkAsOneStep) {
    const fs::path clip = makeClip(folder(), {.seconds = 1, .rate = 25, .video = "-pix_fmt yuv420p"});
    const fs::path other = makeClip(folder(), {.name = "other.mp4", .seconds = 1});
    if (clip.empty() || other.empty()) GTEST_SKIP() << "ffmpeg is needed to make the test movies";
    const fs::path project = folder() / "tour.hs5";
    ASSERT_TRUE(model::saveProject(project, {}, {clip.string(), "", ""}, {}).ok());
    const struct {
        const char* kind;
        std::function<void()> make;
    } changes[] = {
        {"typed", [&] { control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Typed")); }},
        {"chosen",
         [&] {
             control<QComboBox>(kZoom)->setCurrentIndex(2);
             sendCommand(window(), kZoom);
         }},
        {"loaded by its button",
         [&] {
             ui::FileDialog::setNextAnswer(ui::qpath(other));
             sendCommand(window(), kLoadMovie2);
         }},
        {"dropped on row 2", [&] { EXPECT_TRUE(drag(*files({other}), centreOf(kMoviePath2)).dropped); }},
        {"dropped on row 3", [&] { EXPECT_TRUE(drag(*files({other}), centreOf(kMoviePath3)).dropped); }},
        {"handed over", [&] { window().openFiles({other}); }},
        {"web versions made", [&] { commandToEnd(kMakeWebVersions); }},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.kind);
        window().openFiles({project});
        ASSERT_EQ(window().windowTitle(), QStringLiteral("tour.hs5 - Tessaly"));
        const QString before = window().moviePath(1) + window().moviePath(2) + window().moviePath(3);
        change.make();
        EXPECT_EQ(window().windowTitle(), QStringLiteral("tour.hs5* - Tessaly"));
        sendCommand(window(), kUndo);
        EXPECT_EQ(window().windowTitle(), QStringLiteral("tour.hs5 - Tessaly"));
        EXPECT_EQ(window().moviePath(1) + window().moviePath(2) + window().moviePath(3), before);
        messages();
    }
}

TEST_F(DropTest, AMovieAwayFromTheRowsIsRefused) {
    const fs::path movie = writeFile("stray.mp4");
    const Dragged dragged = drag(*files({movie}), centreOf(kPreview));
    EXPECT_TRUE(dragged.entered) << "it may still reach a row";
    EXPECT_FALSE(dragged.allowed);
    EXPECT_FALSE(dragged.dropped);
    for (int slot = 1; slot <= 3; ++slot) EXPECT_TRUE(window().moviePath(slot).isEmpty());
}

TEST_F(DropTest, AProjectDroppedAnywhereOpensEvenOverATextBox) {
    model::ViewerSettings s;
    s.htmlTitle = "Dropped";
    const fs::path project = folder() / "dropped.hs5";
    ASSERT_TRUE(model::saveProject(project, s, {"/m/dropped.mp4", "", ""}, {}).ok());

    const Dragged dragged = drag(*files({project}), centreOf(kLink));
    EXPECT_TRUE(dragged.dropped);
    EXPECT_EQ(dragged.action, Qt::CopyAction);
    EXPECT_EQ(window().moviePath(1), QStringLiteral("/m/dropped.mp4"));
    EXPECT_EQ(control<QLineEdit>(kHtmlTitle)->text(), QStringLiteral("Dropped"));
    EXPECT_TRUE(control<QLineEdit>(kLink)->text().isEmpty()) << "not pasted as text";
    EXPECT_TRUE(messages().empty());

    // Changed work is asked about once the drop is over, and Cancel keeps it.
    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Mine"));
    ui::QtPrompts::setNextSaveChoice(SaveChoice::Cancel);
    const Dragged again = drag(*files({project}), centreOf(kLink));
    EXPECT_TRUE(again.dropped);
    EXPECT_FALSE(again.askedDuringDrop);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(control<QLineEdit>(kHtmlTitle)->text(), QStringLiteral("Mine"));
}

TEST_F(DropTest, ATextFileSeveralFilesOrAMissingOneAreRefusedAsTheyComeIn) {
    const fs::path text = writeFile("notes.txt", "words");
    const fs::path a = writeFile("a.mp4"), b = writeFile("b.mp4");
    const std::vector<std::vector<fs::path>> refused = {{text}, {a, b}, {folder() / "gone.mp4"}};
    for (const auto& paths : refused) {
        for (const int where : {kMoviePath1, kLink, kPreview}) {
            SCOPED_TRACE(paths.front().string() + " at " + std::to_string(where));
            const Dragged dragged = drag(*files(paths), centreOf(where));
            EXPECT_FALSE(dragged.entered);
            EXPECT_FALSE(dragged.dropped);
        }
    }
    for (int slot = 1; slot <= 3; ++slot) EXPECT_TRUE(window().moviePath(slot).isEmpty());
    EXPECT_TRUE(control<QLineEdit>(kLink)->text().isEmpty());
    EXPECT_TRUE(messages().empty()) << "refused while dragged, never with a message";
}

TEST_F(DropTest, PlainTextStillDropsIntoATextBox) {
    QMimeData words;
    words.setText(QStringLiteral("page2.html"));
    EXPECT_TRUE(drag(words, centreOf(kLink)).dropped);
    EXPECT_EQ(control<QLineEdit>(kLink)->text(), QStringLiteral("page2.html"));
}

}  // namespace
}  // namespace tessaly::gui_test
