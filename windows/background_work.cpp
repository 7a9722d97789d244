#include "windows/background_work.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include <chrono>
#include <exception>
#include <future>
#include <memory>

namespace dawnrule {

bool RunInBackground(QWidget* parent, const QString& what, const std::function<void(const std::atomic<bool>& cancel)>& work)
{
    std::atomic<bool> cancel{false};
    std::future<void> done = std::async(std::launch::async, [&work, &cancel] { work(cancel); });
    QElapsedTimer running;
    running.start();
    std::unique_ptr<QProgressDialog> progress;
    while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        if (!progress && running.elapsed() >= kProgressAfterMs) {
            progress = std::make_unique<QProgressDialog>(what, QStringLiteral("Cancel"), 0, 0, parent);
            progress->setWindowTitle(QStringLiteral("Trip Plan"));
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
            progress->show();
        }
        if (progress && progress->wasCanceled())
            cancel = true;
        // Paint, and take the progress window's Cancel; the rest of the input waits.
        QCoreApplication::processEvents(progress ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents, 10);
    }
    done.get();  // rethrows
    return cancel.load();
}

} // namespace dawnrule
