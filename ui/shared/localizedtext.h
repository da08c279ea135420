#pragma once

#include "localizedformat.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace pondrel {

// Every text the player reads is looked up in the string table with its
// English text as the key, so a missing entry (or no table at all) shows the
// English text. The table is a Qt Linguist translation with one context;
// count-dependent texts are ordinary entries "<key>|<category>", one for
// each CLDR category the language uses ("zero", "one", "two", "few", "many",
// "other").
//
// All of this runs on the main thread only.

// The one translation context of the string table.
inline constexpr char kStringTableContext[] = "Pondrel";
// Where the compiled tables live in the resources: pondrel_<language>.qm.
inline constexpr char kStringTableDirectory[] = ":/i18n";
// The language shown when none of the user's languages has a table.
inline constexpr char kFallbackLanguage[] = "en";

// The plural category of `count` in `language`: "zero", "one", "two",
// "few", "many" or "other" (Arabic uses all six, Hebrew "one", "two" and
// "other"). The language is compared as a whole identifier ("fr" but not
// "fr-CA"): Polish and French have their own written rules, the other
// languages whose tables ship follow ICU's (CLDR's) rules, and any other
// language uses the English one.
QString pluralCategory(qint64 count, const QString &language);

// The display language: the first of `preferredLanguages` (most preferred
// first, as QLocale::uiLanguages() gives them) for which a table is in
// `availableLanguages`, else "en". "de-AT" takes a "de_AT" table before a
// "de" table; a Chinese script or region takes the table in its script
// ("zh-HK" → "zh_TW"), "no"/"nn" take "nb" and "tl" takes "fil". The
// table's own identifier is returned.
QString chooseDisplayLanguage(const QStringList &preferredLanguages,
                              const QStringList &availableLanguages);

// The languages whose tables ship in the resources.
QStringList shippedLanguages();

// The display language of this process, decided on first use from
// QLocale::uiLanguages() and kept for the rest of the run.
QString displayLanguage();

// The locale every formatted text uses: the display language's, written
// with the digits the board shows (see localizedDigits).
QLocale formattingLocale();

// `text` with its ASCII digits written in the formatting locale's digits,
// for the numbers shown outside a formatted text: the board's digits, the
// clock, the counts of the Statistics screen. Persian is written with
// Persian digits (۱۲۳), which Iranian print, puzzle pages included, uses
// and the Persian keyboard types; Arabic is shown with the digits 0-9
// that Sudoku grids in Arabic use, that the Maghreb writes and the Arabic
// keyboard types, rather than the Eastern Arabic digits (١٢٣) of Egypt,
// which a reader in Morocco would not expect; Hebrew and every other
// language write 0-9. Counts and times in texts follow the same choice,
// so "row 3" in a text is the 3 the player reads on the board.
QString localizedDigits(const QString &text);

// Whether the display language is written right to left (Arabic, Hebrew,
// Persian): the interface is mirrored then, the grid apart.
bool isRightToLeft();

// Loads the display language's table and installs it into the application,
// and sets the application's layout direction to the language's. Returns
// false when there is no application or the table could not be
// loaded; the English keys are shown then.
bool installStringTable();

// The text for `key`, formatted with `arguments` when there are any. With no
// arguments the text is returned as looked up, so a "%" in it stays.
QString localizedText(const QString &key, const QVariantList &arguments = {});

// The text for `count` of `key`: the entry "<key>|<category>", else
// "<key>|other", else `key` itself, formatted with `count` as the first
// argument followed by `arguments`.
QString localizedPlural(const QString &key, qint64 count, const QVariantList &arguments = {});

} // namespace pondrel
