#pragma once

#include <QString>

#include <atomic>
#include <functional>

class QWidget;

namespace dawnrule {

// Runs `work` on a thread of its own while the windows keep painting and the user's
// input waits; after half a second a progress window names what is being done, with
// Cancel, which sets the flag `work` is handed (it stops at its next look). Returns
// once the work has ended; rethrows what it threw. True when the user cancelled.
bool RunInBackground(QWidget* parent, const QString& what, const std::function<void(const std::atomic<bool>& cancel)>& work);

// How long work runs before the progress window shows, in milliseconds.
inline constexpr int kProgressAfterMs = 500;

} // namespace dawnrule
