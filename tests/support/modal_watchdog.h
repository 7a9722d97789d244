#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace dawnrule::test {

// Watches for modal windows while a test runs. A test that opens one on purpose says
// beforehand what to do with it (OnNextModal); any other modal window, which would
// block the run for good, fails the running test with its title and text and is
// closed, so the run goes on.
class ModalWatchdog : public QObject {
public:
    // Starts watching for the rest of the run (call once, after the QApplication).
    static void Install();

    // The next modal window that shows is handed to `handler`, which must close it.
    static void OnNextModal(std::function<void(QWidget*)> handler);

    // Handlers queued but never used, dropped: a test that expected a window that
    // never came sees it as a failure.
    static int TakeUnusedHandlers();

private:
    explicit ModalWatchdog(QObject* parent);
    void Check();
    QTimer m_timer;
};

} // namespace dawnrule::test
