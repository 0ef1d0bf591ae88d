// File > Preview in Browser: the current state published into a private
// temporary folder by the publish engine, served on 127.0.0.1 by the preview
// server and opened in the browser (here the launcher only records the
// address); the page and a byte range of the movie are fetched from it.

#include <sys/stat.h>

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "../core/ScratchFolder.h"
#include "WindowHarness.h"
#include "app/BrowserPreview.h"
#include "app/ControlIds.h"
#include "app/PreviewAddressNote.h"
#include "app/SettingsBinding.h"
#include "core/platform/Files.h"
#include "ui/Strings.h"

namespace tessaly::gui_test {
namespace {

namespace fs = std::filesystem;
using namespace app::ids;

struct Fetched {
    int status = 0;  // 0: no answer at all
    QByteArray body;
};

// One GET, waited for at most ten seconds.
Fetched fetch(const QUrl& url, const QByteArray& range = {}) {
    QNetworkAccessManager network;
    network.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request(url);
    if (!range.isEmpty()) request.setRawHeader("Range", range);
    QNetworkReply* reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    Fetched result;
    if (reply->isFinished()) {
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.body = reply->readAll();
    }
    reply->deleteLater();
    return result;
}

class BrowserPreviewTest : public WindowTest {
protected:
    void SetUp() override {
        // Private folders are made under the test's own temporary folder.
        temp_ = test_support::scratchFolder("browser-preview", "temp");
        oldTemp_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", QByteArray::fromStdString(temp_.string()));
        WindowTest::SetUp();
        movies_ = folder() / "movies";
        fs::create_directories(movies_);
        // The server sends bytes; whether they decode is the browser tests' business.
        std::string bytes(256 * 1024, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7919) >> 3);
        clip_ = movies_ / "harbour.mp4";
        ASSERT_TRUE(platform::writeFileAtomic(clip_, bytes).ok());
    }
    void TearDown() override {
        WindowTest::TearDown();
        qputenv("TMPDIR", oldTemp_);
        fs::remove_all(temp_);
    }

    // The address the browser was sent to by the last preview.
    QUrl preview() {
        launcher_.opened.clear();
        commandToEnd(kPreviewInBrowser);
        return launcher_.opened.empty() ? QUrl() : launcher_.opened.back();
    }

    fs::path temp_;
    QByteArray oldTemp_;
    fs::path movies_;
    fs::path clip_;
};

TEST_F(BrowserPreviewTest, ServesThePagePublishedInAPrivateFolderWithTheMovieInRanges) {
    window().setMoviePath(1, ui::qpath(clip_));
    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Harbour at dusk"));
    const std::string saveDir = window().settings().saveDir();

    const QUrl address = preview();
    ASSERT_TRUE(address.isValid()) << "no browser opened";
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(address.scheme(), QStringLiteral("http"));
    EXPECT_EQ(address.host(), QStringLiteral("127.0.0.1"));

    const Fetched page = fetch(address);
    EXPECT_EQ(page.status, 200);
    EXPECT_TRUE(page.body.contains("Harbour at dusk"));
    EXPECT_TRUE(page.body.contains("harbour.mp4"));

    const std::string movie = platform::readFile(clip_).value();
    const Fetched part = fetch(address.resolved(QUrl(QStringLiteral("harbour.mp4"))), "bytes=100000-100099");
    EXPECT_EQ(part.status, 206);
    EXPECT_EQ(part.body.toStdString(), movie.substr(100000, 100));

    // A private folder under the temporary folder; nothing near the user's files.
    const fs::path served = window().browserPreview()->servedFolder();
    EXPECT_EQ(served.parent_path(), temp_);
    struct stat info {};
    ASSERT_EQ(::stat(served.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(test_support::entryNames(movies_), std::vector<std::string>{"harbour.mp4"});
    EXPECT_EQ(window().settings().saveDir(), saveDir);
}

TEST_F(BrowserPreviewTest, ASecondPreviewReplacesTheFirstAndClosingTheWindowTakesBoth) {
    window().setMoviePath(1, ui::qpath(clip_));
    const QUrl first = preview();
    ASSERT_TRUE(first.isValid());
    const fs::path firstFolder = window().browserPreview()->servedFolder();

    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Second look"));
    const QUrl second = preview();
    ASSERT_TRUE(second.isValid());
    EXPECT_TRUE(fetch(second).body.contains("Second look"));
    EXPECT_FALSE(fs::exists(firstFolder));
    EXPECT_EQ(fetch(first).status, 0) << "the first server still answers";
    EXPECT_EQ(test_support::entryNames(temp_).size(), 1u);

    window().close();  // the exit question is answered OK
    EXPECT_EQ(fetch(second).status, 0) << "the server outlived the window";
    EXPECT_TRUE(test_support::entryNames(temp_).empty());
}

TEST_F(BrowserPreviewTest, FailuresAreReportedAsPublishReportsThemAndLeaveNothing) {
    commandToEnd(kPreviewInBrowser);
    std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Movie file does not selected !\nFirts movie file must be selected !");

    window().setMoviePath(1, ui::qpath(clip_));
    const fs::path avi = movies_ / "other.avi";
    ASSERT_TRUE(platform::writeFileAtomic(avi, "x").ok());
    window().setMoviePath(2, ui::qpath(avi));
    EXPECT_FALSE(preview().isValid()) << "a browser opened on a failed preview";
    shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.starts_with("Curren format does not support\nSlot 2, " + avi.string() + ": "))
        << shown[0].text;
    EXPECT_TRUE(test_support::entryNames(temp_).empty());
}

TEST_F(BrowserPreviewTest, ABrowserThatCannotStartIsReportedWithTheAddress) {
    window().setMoviePath(1, ui::qpath(clip_));
    launcher_.browserStarts = false;
    const QUrl address = preview();
    const std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(address.toString().toStdString()), std::string::npos) << shown[0].text;
    EXPECT_EQ(fetch(address).status, 200) << "the page is served all the same";
}

TEST_F(BrowserPreviewTest, TheNoteKeepsTheAddressOfTheLatestPreviewAtHand) {
    EXPECT_EQ(window().previewAddressNote(), nullptr);
    window().setMoviePath(1, ui::qpath(clip_));
    preview();
    const QUrl address = preview();
    app::PreviewAddressNote* note = window().previewAddressNote();
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_FALSE(note->isModal()) << "the window stays usable";
    EXPECT_EQ(note->address(), address.toString()) << "the second preview's address";
    QGuiApplication::clipboard()->clear();
    const auto buttons = note->findChildren<QPushButton*>();
    const auto copy = std::find_if(buttons.begin(), buttons.end(),
                                   [](const QPushButton* b) { return b->text() == QStringLiteral("Copy"); });
    ASSERT_NE(copy, buttons.end());
    QTest::mouseClick(*copy, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), address.toString());
}

}  // namespace
}  // namespace tessaly::gui_test
