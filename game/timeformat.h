#pragma once

#include <QString>

namespace pondrel {

// A play time as the board and the statistics show it: "m:ss" below an
// hour, "h:mm:ss" from an hour on; negative times show as 0:00. Safe for
// every 64-bit value. The same digits in every language, like a clock.
QString formatTime(qint64 seconds);

} // namespace pondrel
