#pragma once
// The engine's day numbers as Qt dates and back, and a draw's three digits as shown.

#include "engine/history/DrawImport.h"

#include <QDate>
#include <QString>

namespace pick3 {

inline constexpr qint64 kUnixEpochJulianDay = 2440588;

inline QDate dateOf(DayNumber day) {
    return QDate::fromJulianDay(day + kUnixEpochJulianDay);
}
inline DayNumber dayOf(const QDate& date) {
    return static_cast<DayNumber>(date.toJulianDay() - kUnixEpochJulianDay);
}
// "097"
inline QString drawText(int number) {
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

} // namespace pick3
