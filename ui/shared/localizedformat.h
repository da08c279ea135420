#pragma once

#include <QLocale>
#include <QString>
#include <QVariantList>

namespace pondrel {

// The string tables keep printf conversions ("%lld left", "%.1f%%") rather
// than Qt's %1 placeholders: every translation must carry its key's
// conversions, which the table check compares, so the format language is
// printf's and this is its formatter.
//
// printf-style formatting with `locale`'s digits and decimal separator.
// Understands %@ and %s (the argument as text, never localised, so a version
// number 1.2 stays "1.2"), %d %i %u with any length modifier (%lld, %ld, %hd…),
// %f %e %g (and capitals), %x %X, %%, flags "-+ 0#", a width, a precision and
// positional arguments ("%2$@"). Numbers are never grouped, as with printf.
//
// Forgiving where printf is undefined: a number given as text is parsed, a
// fractional number for an integer conversion is truncated, an argument that
// is no number is inserted as text, and a conversion without an argument or
// one that is not understood is left in the text as written.
QString
formatLocalized(const QString &format, const QVariantList &arguments, const QLocale &locale);

} // namespace pondrel
