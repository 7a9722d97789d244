#include "app/qt_zone_clock.h"

#include <QByteArray>
#include <QDateTime>

#include <algorithm>

namespace dawnrule {

namespace {

// A stretch is 2^25 seconds (388 days): an instant's stretch is its seconds shifted right.
constexpr int kStretchShift = 25;
// Stretches kept per zone before the memory is cleared and read again as asked.
constexpr std::size_t kMaxStretches = 256;
// The longest name accepted (the longest in the database has 32 characters).
constexpr std::size_t kMaxNameLength = 64;

QDateTime UtcDateTime(std::int64_t utcSeconds)
{
    return QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC);
}

bool IsZoneNameText(std::string_view name)
{
    if (name.empty() || name.size() > kMaxNameLength)
        return false;
    bool partStart = true;
    for (const char ch : name) {
        const bool letterOrDigit = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
        if (ch == '/') {
            if (partStart)
                return false;  // empty part, or a leading "/"
            partStart = true;
            continue;
        }
        if (!letterOrDigit && ch != '_' && ch != '-' && ch != '+')
            return false;
        partStart = false;
    }
    return !partStart;
}

} // namespace

QtZoneClock::QtZoneClock(QTimeZone zone) : zone_(std::move(zone)), listsTransitions_(zone_.hasTransitions()) {}

int QtZoneClock::OffsetAt(std::int64_t utcSeconds) const
{
    return PeriodAt(utcSeconds).offset;
}

std::string QtZoneClock::AbbreviationAt(std::int64_t utcSeconds) const
{
    return PeriodAt(utcSeconds).abbreviation;
}

QtZoneClock::Stretch QtZoneClock::ReadStretch(std::int64_t first, std::int64_t end) const
{
    const QDateTime from = UtcDateTime(first);
    const QTimeZone::OffsetData start = zone_.offsetData(from);
    Stretch stretch{{first, start.offsetFromUtc, start.abbreviation.toStdString()}};
    for (const QTimeZone::OffsetData& t : zone_.transitions(from, UtcDateTime(end - 1))) {
        const std::int64_t at = t.atUtc.toSecsSinceEpoch();
        if (at > stretch.back().start && at < end)
            stretch.push_back({at, t.offsetFromUtc, t.abbreviation.toStdString()});
    }
    return stretch;
}

const QtZoneClock::Period& QtZoneClock::PeriodAt(std::int64_t utcSeconds) const
{
    if (!listsTransitions_) {
        const QDateTime at = UtcDateTime(utcSeconds);
        direct_ = {utcSeconds, zone_.offsetFromUtc(at), zone_.abbreviation(at).toStdString()};
        return direct_;
    }
    const std::int64_t key = utcSeconds >> kStretchShift;
    if (!last_ || key != lastKey_) {
        auto found = stretches_.find(key);
        if (found == stretches_.end()) {
            if (stretches_.size() >= kMaxStretches)
                stretches_.clear();
            const std::int64_t first = key << kStretchShift;
            found = stretches_.emplace(key, ReadStretch(first, first + (std::int64_t{1} << kStretchShift))).first;
        }
        lastKey_ = key;
        last_ = &found->second;
    }
    const auto next = std::upper_bound(last_->begin(), last_->end(), utcSeconds,
                                       [](std::int64_t s, const Period& p) { return s < p.start; });
    return *(next - 1);
}

const ZoneClock* QtZoneDatabase::Find(std::string_view ianaName)
{
    if (!IsZoneNameText(ianaName))
        return nullptr;
    auto found = zones_.find(ianaName);
    if (found == zones_.end()) {
        QTimeZone zone(QByteArray(ianaName.data(), static_cast<qsizetype>(ianaName.size())));
        if (!zone.isValid())
            return nullptr;  // not kept: an unknown name costs only its own asking
        found = zones_.emplace(std::string(ianaName), std::make_unique<QtZoneClock>(std::move(zone))).first;
    }
    return found->second.get();
}

std::string QtZoneDatabase::SystemZone()
{
    const std::string name = QTimeZone::systemTimeZoneId().toStdString();
    return Find(name) ? name : std::string();
}

} // namespace dawnrule
