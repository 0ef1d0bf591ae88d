#include "app/BackgroundWork.h"

#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <thread>

namespace tessaly::app {

void runInBackground(QWidget* window, const std::function<void()>& work, const std::function<void()>& look,
                     int intervalMs) {
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        work();
        finished.store(true);
    });
    {
        const InputBlock block(window);
        QEventLoop loop;
        QTimer poll;
        poll.setInterval(intervalMs);
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (finished.load()) {
                loop.quit();
                return;
            }
            look();
        });
        poll.start();
        loop.exec();
    }
    worker.join();
}

}  // namespace tessaly::app
