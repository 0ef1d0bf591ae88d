#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "core/platform/Files.h"
#include "core/publish/RedirectPage.h"
#include "selector/AboutBox.h"
#include "selector/SelectorWindow.h"
#include "ui/ControlId.h"
#include "ui/FileDialog.h"
#include "ui/GradientButton.h"
#include "ui/MessageLooks.h"
#include "ui/QtPrompts.h"
#include "ui/Strings.h"

using namespace tessaly;
using namespace tessaly::selector;
using tessaly::ui::FileDialog;
using tessaly::ui::QtPrompts;
namespace fs = std::filesystem;

namespace {

const std::string kHtml5 = "https://tessaly.example/tour/html5/index.html";
const std::string kFlash = "https://tessaly.example/tour/flash/index.html";

std::string readAll(const fs::path& path) { return platform::readFile(path).value(); }

class SelectorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QtPrompts::setScripted(true);
        FileDialog::setScripted(true);
        folder_ = fs::temp_directory_path() / ("tessaly-selector-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        QtPrompts::setScripted(false);
        FileDialog::setScripted(false);
        fs::remove_all(folder_);
    }

    void type(int id, const std::string& text) {
        ui::control<QLineEdit>(&window_, id)->setText(ui::qs(text));
    }
    // Fills both boxes, answers the save dialog with `answer`, presses 109.
    std::vector<Message> create(const std::string& html5, const std::string& flash,
                                std::optional<fs::path> answer) {
        type(ids::kHtml5Path, html5);
        type(ids::kFlashPath, flash);
        FileDialog::setNextAnswer(answer ? std::optional<QString>(ui::qpath(*answer)) : std::nullopt);
        button(ids::kCreate)->click();
        return QtPrompts::takeLog();
    }
    ui::GradientButton* button(int id) { return ui::control<ui::GradientButton>(&window_, id); }
    size_t filesInFolder() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
    SelectorWindow window_;
};

Message created() { return publish::redirectCreatedMessage(); }

}  // namespace

TEST_F(SelectorWindowTest, PathsNeedTenCharactersOnceTrimmedHtml5First) {
    const Message html5Missing{"Please add the web path to the Html5 360 Video solution",
                               Topic::RedirectWarning};
    const Message flashMissing{"Please add the web path to the Flash 360 Video solution",
                               Topic::RedirectWarning};
    struct Case {
        std::string html5, flash;
        std::optional<Message> warning;
    };
    const Case cases[] = {
        {"123456789", kFlash, html5Missing},
        {"   123456789   ", kFlash, html5Missing},
        {"", "", html5Missing},
        {"123456789", "123456789", html5Missing},
        {kHtml5, "123456789", flashMissing},
        {kHtml5, " 123456789 ", flashMissing},
        {"1234567890", "abcdefghij", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html5 + " / " + c.flash);
        // A refused pair never reaches the dialog, so the scripted answer stays unused.
        FileDialog::setScripted(true);
        const auto shown = create(c.html5, c.flash, folder_ / "page.html");
        if (c.warning) {
            EXPECT_EQ(shown, std::vector<Message>{*c.warning});
            EXPECT_FALSE(FileDialog::lastRequest());
            EXPECT_EQ(filesInFolder(), 0u);
        } else {
            EXPECT_EQ(shown, std::vector<Message>{created()});
            EXPECT_EQ(readAll(folder_ / "page.html"), publish::redirectPageText(c.html5, c.flash));
        }
    }
}

TEST_F(SelectorWindowTest, PageKeepsLeadingSpacesAndOverwritesWithExactly37Lines) {
    const fs::path page = folder_ / "tour.html";
    std::string old;
    for (int i = 0; i < 200; ++i) old += "OLD PAGE LINE\r\n";
    std::ofstream(page) << old;
    const std::string html5 = "   " + kHtml5;

    EXPECT_EQ(create(html5, kFlash, page), std::vector<Message>{created()});

    const std::string written = readAll(page);
    EXPECT_EQ(written, publish::redirectPageText(html5, kFlash));
    EXPECT_NE(written.find("         window.location='   " + kHtml5 + "'\r\n"), std::string::npos);
    EXPECT_NE(written.find("         window.location='" + kFlash + "'\r\n"), std::string::npos);
    size_t lines = 0;
    for (size_t at = written.find("\r\n"); at != std::string::npos; at = written.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 37u);
    EXPECT_EQ(written.find("OLD"), std::string::npos);
}

TEST_F(SelectorWindowTest, ChosenNameGetsHtmlUnlessItEndsSoInAnyCase) {
    const std::pair<const char*, const char*> names[] = {
        {"page", "page.html"},
        {"Page.HTML", "Page.HTML"},
        {"page.htm", "page.htm.html"},
        {"page.html", "page.html"},
    };
    for (const auto& [chosen, expected] : names) {
        SCOPED_TRACE(chosen);
        EXPECT_EQ(create(kHtml5, kFlash, folder_ / chosen), std::vector<Message>{created()});
        EXPECT_TRUE(fs::is_regular_file(folder_ / expected));
    }
    EXPECT_EQ(filesInFolder(), 3u);
}

TEST_F(SelectorWindowTest, SaveDialogAsksForHtmlAndStartsWhereTheLastPageWent) {
    const fs::path other = folder_ / "site";
    fs::create_directories(other);

    create(kHtml5, kFlash, other / "a.html");
    const auto first = FileDialog::lastRequest();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->mode, ui::FileDialogRequest::Mode::Save);
    EXPECT_EQ(first->title, QStringLiteral("Publish Html web page"));
    EXPECT_EQ(first->filter, QStringLiteral("Html Web page (*.html)|*.html|"));
    EXPECT_EQ(first->initialName, QStringLiteral("*.html"));
    EXPECT_EQ(first->initialFolder, QDir::currentPath());

    create(kHtml5, kFlash, folder_ / "b.html");
    EXPECT_EQ(FileDialog::lastRequest()->initialFolder, ui::qpath(other));
    create(kHtml5, kFlash, std::nullopt);
    EXPECT_EQ(FileDialog::lastRequest()->initialFolder, ui::qpath(folder_));
}

TEST_F(SelectorWindowTest, CancelOrBlankNameWritesAndShowsNothing) {
    EXPECT_TRUE(create(kHtml5, kFlash, std::nullopt).empty());
    EXPECT_TRUE(create(kHtml5, kFlash, fs::path("   ")).empty());
    EXPECT_EQ(filesInFolder(), 0u);
}

TEST_F(SelectorWindowTest, FailedWriteNamesFileAndReasonInsteadOfSuccess) {
    const fs::path page = folder_ / "missing" / "page.html";
    const auto shown = create(kHtml5, kFlash, page);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Cannot write " + page.string() + ": No such file or directory");
    EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).caption, "Warning !");
    EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).icon, QMessageBox::Critical);
}

TEST_F(SelectorWindowTest, WindowLayout) {
    EXPECT_EQ(window_.windowTitle(), QStringLiteral("Brennock"));
    EXPECT_EQ(window_.minimumSize(), QSize(992, 310));
    EXPECT_EQ(window_.maximumSize(), QSize(992, 310));
    EXPECT_FALSE(window_.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window_.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window_.palette().color(QPalette::Window), QColor(100, 149, 237));

    for (const int id : {ids::kTitle, ids::kTitleShadow}) {
        const auto* title = ui::control<QLabel>(&window_, id);
        ASSERT_TRUE(title);
        EXPECT_EQ(title->text(), QStringLiteral("Brennock"));
        EXPECT_EQ(QFontInfo(title->font()).family(), QStringLiteral("Liberation Serif"));
        EXPECT_EQ(title->font().pointSize(), 25);
        EXPECT_TRUE(title->font().bold() && title->font().italic());
    }
    // The white title lies over its black shadow, one pixel up and left.
    const QWidget* title = ui::findControl(&window_, ids::kTitle);
    const QWidget* shadow = ui::findControl(&window_, ids::kTitleShadow);
    EXPECT_EQ(title->geometry(), QRect(105, 10, 800, 65));
    EXPECT_EQ(shadow->geometry(), QRect(106, 11, 800, 65));
    EXPECT_GT(window_.children().indexOf(const_cast<QWidget*>(title)),
              window_.children().indexOf(const_cast<QWidget*>(shadow)));
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(shadow->palette().color(QPalette::WindowText), QColor(Qt::black));

    const auto text = [this](int id) { return ui::control<QLabel>(&window_, id)->text(); };
    EXPECT_EQ(text(ids::kBuild), QStringLiteral("Build 002.01"));
    EXPECT_EQ(text(ids::kHtml5Label), QStringLiteral("Set Html5 Solution Path"));
    EXPECT_EQ(text(ids::kFlashLabel), QStringLiteral("Set Flash Solution Path"));
    EXPECT_TRUE(text(ids::kHtml5Hint).startsWith(QStringLiteral("example:  https://tessaly.example/")));
    EXPECT_TRUE(text(ids::kFlashHint).startsWith(QStringLiteral("example:  https://tessaly.example/")));
    EXPECT_EQ(ui::findControl(&window_, ids::kHtml5Label)->palette().color(QPalette::Window),
              QColor(65, 105, 225));
    EXPECT_EQ(ui::findControl(&window_, ids::kHtml5Path)->geometry(), QRect(20, 160, 952, 20));
    EXPECT_EQ(ui::findControl(&window_, ids::kFlashPath)->geometry(), QRect(20, 220, 952, 20));
    EXPECT_TRUE(ui::control<QLineEdit>(&window_, ids::kHtml5Path)->text().isEmpty());

    EXPECT_EQ(button(ids::kCreate)->text(), QStringLiteral("Create html5-flash redirect web page"));
    EXPECT_EQ(button(ids::kCreate)->geometry(), QRect(498, 260, 210, 25));
    EXPECT_EQ(button(ids::kAbout)->text(), QStringLiteral("About"));
    EXPECT_EQ(button(ids::kAbout)->geometry(), QRect(710, 260, 130, 25));
    EXPECT_EQ(button(ids::kExit)->text(), QStringLiteral("Exit"));
    EXPECT_EQ(button(ids::kExit)->geometry(), QRect(842, 260, 130, 25));
}

TEST_F(SelectorWindowTest, ButtonFacesAndCaptions) {
    // Along the middle row: the face colour, and caption pixels of the caption colour.
    const auto middleRow = [](QWidget* w) {
        const QImage image = w->grab().toImage();
        std::vector<QColor> row;
        for (int x = 2; x < image.width() - 2; ++x) row.push_back(image.pixelColor(x, image.height() / 2));
        return row;
    };
    const auto has = [](const std::vector<QColor>& row, auto test) {
        return std::any_of(row.begin(), row.end(), test);
    };

    const auto blue = middleRow(button(ids::kCreate));
    EXPECT_EQ(blue.front().red(), 0);
    EXPECT_GT(blue.front().blue(), blue.front().green());
    EXPECT_TRUE(has(blue, [](const QColor& c) { return c.red() > 230 && c.green() > 230; }))
        << "white caption";

    for (const int id : {ids::kAbout, ids::kExit}) {
        const auto grey = middleRow(button(id));
        EXPECT_EQ(grey.front().red(), grey.front().blue());
        EXPECT_GT(grey.front().red(), 100);
        EXPECT_TRUE(has(grey, [](const QColor& c) { return c.red() < 40; })) << "black caption";
    }

    // Held down: "Process" in blue, whatever the face.
    for (const int id : {ids::kCreate, ids::kExit}) {
        button(id)->setDown(true);
        EXPECT_TRUE(has(middleRow(button(id)),
                        [](const QColor& c) { return c.blue() > 200 && c.red() < 40 && c.green() < 40; }));
        button(id)->setDown(false);
    }
}

TEST_F(SelectorWindowTest, ExitEndsTheWindow) {
    window_.show();
    ASSERT_TRUE(window_.isVisible());
    button(ids::kExit)->click();
    EXPECT_FALSE(window_.isVisible());
}

TEST_F(SelectorWindowTest, AboutBoxOpensModallyWithLinksTheDesktopOpens) {
    QString title;
    bool modal = false;
    QTimer::singleShot(0, &window_, [&] {
        if (auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            modal = box->isModal();
            box->close();
        }
    });
    button(ids::kAbout)->click();
    EXPECT_EQ(title, QStringLiteral("About"));
    EXPECT_TRUE(modal);

    std::vector<QUrl> opened;
    AboutBox::setUrlOpener([&opened](const QUrl& url) { opened.push_back(url); });
    AboutBox box(&window_);
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(20, 50, 195));
    EXPECT_EQ(ui::control<QLabel>(&box, aboutIds::kBuild)->text(), QStringLiteral("Build 002.01"));
    EXPECT_TRUE(ui::control<QLabel>(&box, aboutIds::kName)->text().startsWith(QStringLiteral("Brennock\n")));
    for (const int id : {aboutIds::kWebSite, aboutIds::kMail}) {
        QLabel* link = ui::control<QLabel>(&box, id);
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        const QPointF centre = QRectF(link->rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, link->mapToGlobal(centre), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, link->mapToGlobal(centre), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(link, &press);
        QApplication::sendEvent(link, &release);
    }
    // Plain labels are no links.
    EXPECT_NE(ui::control<QLabel>(&box, aboutIds::kNotice)->cursor().shape(), Qt::PointingHandCursor);
    AboutBox::setUrlOpener({});
    EXPECT_EQ(opened, (std::vector<QUrl>{QUrl(QStringLiteral("https://tessaly.example/")),
                                         QUrl(QStringLiteral("mailto:support@tessaly.example"))}));
}
