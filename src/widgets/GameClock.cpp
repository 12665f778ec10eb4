#include "widgets/GameClock.h"

namespace pick3 {

namespace {

std::optional<QDateTime>& fixedMoment() {
    static std::optional<QDateTime> moment;
    return moment;
}

} // namespace

QDateTime GameClock::now(const QTimeZone& zone) {
    const QDateTime moment = fixedMoment() ? *fixedMoment() : QDateTime::currentDateTimeUtc();
    return moment.toTimeZone(zone);
}

void GameClock::set(std::optional<QDateTime> moment) {
    fixedMoment() = std::move(moment);
}

std::optional<QTimeZone> GameClock::zoneNamed(std::string_view ianaName) {
    const QByteArray id(ianaName.data(), static_cast<qsizetype>(ianaName.size()));
    if (id.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(id)) {
        return std::nullopt;
    }
    return QTimeZone(id);
}

} // namespace pick3
