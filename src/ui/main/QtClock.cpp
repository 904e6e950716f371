#include "ui/main/QtClock.h"

#include <QDateTime>
#include <QLocale>

namespace vantor::ui {

std::int64_t QtClock::nowMs() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    const CivilDateTime civil{{d.year(), d.month(), d.day()}, t.hour(), t.minute(), t.second()};
    return toSeconds(civil) * 1000 + t.msec();
}

std::optional<std::int64_t> QtClock::utcOffsetSeconds() const {
    return QDateTime::currentDateTime().offsetFromUtc();
}

std::int64_t QtClock::utcMs() const {
    return QDateTime::currentMSecsSinceEpoch();
}

ShortDateForm systemShortDateForm() {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return ShortDateForm{};
    return ShortDateForm::fromPattern(locale.dateFormat(QLocale::ShortFormat).toStdString());
}

} // namespace vantor::ui
