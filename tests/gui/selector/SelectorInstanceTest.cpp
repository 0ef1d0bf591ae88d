#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <csignal>

#include "selector/SelectorWindow.h"
#include "ui/SingleInstance.h"

using namespace tessaly;

namespace {

// Runs the event loop until `done` or about five seconds have passed.
template <class Done>
bool waitFor(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 5000) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        ::usleep(10000);
    }
    return true;
}

QString uniqueName(const char* what) {
    return QStringLiteral("tessaly-test-%1-%2").arg(QString::fromUtf8(what)).arg(::getpid());
}

}  // namespace

TEST(SelectorInstance, KnockBringsTheRunningWindowForward) {
    selector::SelectorWindow window;
    window.showMinimized();
    ASSERT_TRUE(waitFor([&] { return window.isMinimized(); }));
    const QString name = uniqueName("forward");
    const ui::SingleInstanceServer server(name, [&window](const QByteArray&) { window.bringForward(); });
    ASSERT_TRUE(server.listening());

    EXPECT_TRUE(ui::activateRunning(name));
    EXPECT_TRUE(waitFor([&] { return !window.isMinimized() && window.isVisible(); }));
}

TEST(SelectorInstance, NobodyAnswersAChannelNobodyServes) {
    EXPECT_FALSE(ui::activateRunning(uniqueName("silent")));
}

// The real program, twice: the second start finds the first and ends; a first
// copy that was killed leaves its socket behind, which the next start reclaims.
TEST(SelectorInstance, SecondStartOfTheProgramEndsAndLeavesTheFirstRunning) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The channel lives in the temporary folder: a selector the user runs is left alone.
    env.insert(QStringLiteral("TMPDIR"), scratch.path());
    const QString channel =
        QDir(scratch.path()).filePath(QStringLiteral("tessaly-selector-%1").arg(::getuid()));

    const auto start = [&env](QProcess& process) {
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(TESSALY_SELECTOR_BIN), {});
        return process.waitForStarted(5000);
    };

    QProcess first;
    ASSERT_TRUE(start(first));
    ASSERT_TRUE(waitFor([&] { return ui::activateRunning(channel); })) << "the first copy never listened";

    QProcess second;
    ASSERT_TRUE(start(second));
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    first.waitForFinished(5000);
    EXPECT_FALSE(ui::activateRunning(channel));

    QProcess third;
    ASSERT_TRUE(start(third));
    EXPECT_TRUE(waitFor([&] { return ui::activateRunning(channel); })) << "a stale channel was not reclaimed";
    EXPECT_EQ(third.state(), QProcess::Running);
    third.terminate();
    if (!third.waitForFinished(5000)) third.kill();
}
