// Prints the plural categories that whole-number counts reach in each
// language named on the command line, one line each: "ru: few many one".
// The string-table check asks this program, so a table must give exactly the
// forms the running application can pick for its language.
#include "localizedtext.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList languages = application.arguments().mid(1);
    for (const QString &language : languages) {
        // Every count up to 1000 covers the rules' last-digit and last-two-
        // digit cases; the powers of ten and multiples of a million cover the
        // rules for large numbers.
        QSet<QString> categories;
        for (qint64 count = 0; count <= 1000; ++count) {
            categories.insert(pondrel::pluralCategory(count, language));
        }
        constexpr qint64 kLargestPower = 1'000'000'000'000'000'000; // 9 × it still fits
        for (qint64 power = 1000;; power *= 10) {
            for (qint64 multiple = 1; multiple <= 9; ++multiple) {
                categories.insert(pondrel::pluralCategory(power * multiple, language));
            }
            if (power == kLargestPower) {
                break;
            }
        }
        QStringList sorted(categories.begin(), categories.end());
        std::sort(sorted.begin(), sorted.end());
        std::printf("%s: %s\n", qPrintable(language), qPrintable(sorted.join(u' ')));
    }
    return 0;
}
