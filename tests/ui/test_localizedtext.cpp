#include "localizedtext.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

#include <gtest/gtest.h>

#include <limits>

namespace pondrel {
namespace {

constexpr qint64 kLargest = std::numeric_limits<qint64>::max();
constexpr qint64 kSmallest = std::numeric_limits<qint64>::min();

struct PluralCase
{
    const char *language;
    qint64 count;
    const char *category;
};

void PrintTo(const PluralCase &c, std::ostream *out)
{
    *out << c.language << " " << c.count << " → " << c.category;
}

class PluralCategory : public testing::TestWithParam<PluralCase>
{
};

TEST_P(PluralCategory, followsTheLanguagesRule)
{
    const PluralCase &c = GetParam();
    EXPECT_EQ(pluralCategory(c.count, QString::fromLatin1(c.language)),
              QString::fromLatin1(c.category));
}

INSTANTIATE_TEST_SUITE_P(
    Polish,
    PluralCategory,
    testing::Values(PluralCase{"pl", 1, "one"},
                    PluralCase{"pl", 2, "few"},
                    PluralCase{"pl", 3, "few"},
                    PluralCase{"pl", 4, "few"},
                    PluralCase{"pl", 22, "few"},
                    PluralCase{"pl", 23, "few"},
                    PluralCase{"pl", 24, "few"},
                    PluralCase{"pl", 102, "few"},
                    PluralCase{"pl", 0, "many"},
                    PluralCase{"pl", 5, "many"},
                    PluralCase{"pl", 11, "many"},
                    PluralCase{"pl", 12, "many"},
                    PluralCase{"pl", 13, "many"},
                    PluralCase{"pl", 14, "many"},
                    PluralCase{"pl", 21, "many"},
                    PluralCase{"pl", 25, "many"},
                    PluralCase{"pl", 112, "many"},
                    // The remainder keeps the count's sign: no negative is "few".
                    PluralCase{"pl", -1, "many"},
                    PluralCase{"pl", -2, "many"},
                    PluralCase{"pl", -22, "many"},
                    PluralCase{"pl", kLargest, "many"},    // ends in 07
                    PluralCase{"pl", kLargest - 3, "few"}, // ends in 04
                    PluralCase{"pl", kSmallest, "many"}));

INSTANTIATE_TEST_SUITE_P(French,
                         PluralCategory,
                         testing::Values(PluralCase{"fr", 0, "one"},
                                         PluralCase{"fr", 1, "one"},
                                         PluralCase{"fr", 2, "other"},
                                         PluralCase{"fr", -1, "other"},
                                         PluralCase{"fr", kLargest, "other"},
                                         PluralCase{"fr", kSmallest, "other"}));

INSTANTIATE_TEST_SUITE_P(EveryOtherLanguage,
                         PluralCategory,
                         testing::Values(PluralCase{"en", 0, "other"},
                                         PluralCase{"en", 1, "one"},
                                         PluralCase{"en", 2, "other"},
                                         PluralCase{"en", -1, "other"},
                                         PluralCase{"en", kSmallest, "other"},
                                         PluralCase{"de", 1, "one"},
                                         PluralCase{"", 1, "one"},
                                         // Languages are whole identifiers: regional variants
                                         // fall back to the English rule.
                                         PluralCase{"fr-CA", 0, "other"},
                                         PluralCase{"pl-PL", 2, "other"},
                                         PluralCase{"PL", 2, "other"}));

// The other shipped languages follow CLDR through ICU; a language we do not
// ship keeps the English rule even where CLDR has another.
INSTANTIATE_TEST_SUITE_P(ShippedLanguagesByCldr,
                         PluralCategory,
                         testing::Values(PluralCase{"ru", 1, "one"},
                                         PluralCase{"ru", 21, "one"},
                                         PluralCase{"ru", 3, "few"},
                                         PluralCase{"ru", 0, "many"},
                                         PluralCase{"ru", 11, "many"},
                                         PluralCase{"cs", 4, "few"},
                                         PluralCase{"cs", 5, "other"},
                                         PluralCase{"ro", 0, "few"},
                                         PluralCase{"ro", 20, "other"},
                                         PluralCase{"es", 1000000, "many"},
                                         // Portugal's Portuguese: zero is plural,
                                         // Brazil's: zero is singular.
                                         PluralCase{"pt", 0, "other"},
                                         PluralCase{"pt_BR", 0, "one"},
                                         PluralCase{"ja", 1, "other"},
                                         PluralCase{"uk", kLargest, "many"}, // ends in 07
                                         PluralCase{"uk", kLargest - 6, "one"},
                                         // Slovenian's dual, from the last two digits.
                                         PluralCase{"sl", 102, "two"},
                                         PluralCase{"sl", 3, "few"},
                                         // Latvian's zero takes tens and the teens.
                                         PluralCase{"lv", 11, "zero"},
                                         PluralCase{"lv", 21, "one"},
                                         // Lithuanian whole numbers never reach "many".
                                         PluralCase{"lt", 12, "other"},
                                         PluralCase{"hi", 0, "one"},
                                         PluralCase{"th", 1, "other"},
                                         // Filipino's forms follow the last digit.
                                         PluralCase{"fil", 6, "other"},
                                         // Arabic's six forms.
                                         PluralCase{"ar", 0, "zero"},
                                         PluralCase{"ar", 1, "one"},
                                         PluralCase{"ar", 2, "two"},
                                         PluralCase{"ar", 3, "few"},
                                         PluralCase{"ar", 11, "many"},
                                         PluralCase{"ar", 100, "other"},
                                         PluralCase{"he", 2, "two"},
                                         PluralCase{"cy", 2, "other"}));

QString
format(const char *text, const QVariantList &arguments, const QLocale &locale = QLocale::c())
{
    return formatLocalized(QString::fromUtf8(text), arguments, locale);
}

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

TEST(Formatting, textConversionShowsNumbersAsWritten)
{
    EXPECT_EQ(format("Version %@", {1.2}), QStringLiteral("Version 1.2"));
    // A version number is not a decimal quantity: no German comma.
    EXPECT_EQ(format("Version %@", {1.2}, kGerman), QStringLiteral("Version 1.2"));
    EXPECT_EQ(format("Version %@", {QStringLiteral("1.0.0")}), QStringLiteral("Version 1.0.0"));
    EXPECT_EQ(format("%@ and %s", {QStringLiteral("Easy"), 7}), QStringLiteral("Easy and 7"));
}

TEST(Formatting, decimalSeparatorFollowsTheLocale)
{
    EXPECT_EQ(format("%.1f%%", {87.5}, kGerman), QStringLiteral("87,5%"));
    EXPECT_EQ(format("%.1f%%", {87.5}, kEnglish), QStringLiteral("87.5%"));
    EXPECT_EQ(format("%.1f", {0.05}, kEnglish), QStringLiteral("0.1"));
    EXPECT_EQ(format("%f", {2.5}, kGerman), QStringLiteral("2,500000"));
}

TEST(Formatting, numbersAreNeverGrouped)
{
    EXPECT_EQ(format("%lld", {1234567}, kEnglish), QStringLiteral("1234567"));
    EXPECT_EQ(format("%.1f", {12345.3}, kGerman), QStringLiteral("12345,3"));
    EXPECT_EQ(format("%lld", {kSmallest}, kGerman), QStringLiteral("-9223372036854775808"));
    EXPECT_EQ(format("%lld", {kLargest}), QStringLiteral("9223372036854775807"));
}

TEST(Formatting, percentSigns)
{
    EXPECT_EQ(format("%d%% done", {50}), QStringLiteral("50% done"));
    EXPECT_EQ(format("%%%%", {1}), QStringLiteral("%%"));
    // Not a conversion: kept as written.
    EXPECT_EQ(format("50% off, %d", {3}), QStringLiteral("50% off, 3"));
    EXPECT_EQ(format("trailing %", {3}), QStringLiteral("trailing %"));
}

TEST(Formatting, widthsFlagsAndPrecision)
{
    EXPECT_EQ(format("%d:%02d", {5, 7}), QStringLiteral("5:07"));
    EXPECT_EQ(format("%d:%02d:%02d", {1, 0, 59}), QStringLiteral("1:00:59"));
    EXPECT_EQ(format("[%5d|%-5d]", {42, 42}), QStringLiteral("[   42|42   ]"));
    EXPECT_EQ(format("%05d", {-42}), QStringLiteral("-0042"));
    EXPECT_EQ(format("%+d %+d", {3, -3}), QStringLiteral("+3 -3"));
    EXPECT_EQ(format("%.3d", {7}), QStringLiteral("007"));
    EXPECT_EQ(format("%x %X %#x", {255, 255, 255}), QStringLiteral("ff FF 0xff"));
    EXPECT_EQ(format("%06.2f", {-1.5}, kGerman), QStringLiteral("-01,50"));
    EXPECT_EQ(format("%.3s|%5@", {QStringLiteral("abcdef"), QStringLiteral("ab")}),
              QStringLiteral("abc|   ab"));
    EXPECT_EQ(format("%g", {0.5}, kGerman), QStringLiteral("0,5"));
}

TEST(Formatting, positionalArguments)
{
    EXPECT_EQ(format("%2$@ before %1$@", {QStringLiteral("a"), QStringLiteral("b")}),
              QStringLiteral("b before a"));
    EXPECT_EQ(format("%1$lld of %1$lld", {9}), QStringLiteral("9 of 9"));
}

// QML hands over every JavaScript number as int or double; texts may carry
// numbers too.
TEST(Formatting, numbersOfAnyKindFitAnyNumericConversion)
{
    EXPECT_EQ(format("%lld left", {3.0}), QStringLiteral("3 left"));
    EXPECT_EQ(format("%d", {2.9}), QStringLiteral("2"));
    EXPECT_EQ(format("%d", {-2.9}), QStringLiteral("-2"));
    EXPECT_EQ(format("%d", {1e300}), QStringLiteral("9223372036854775807"));
    EXPECT_EQ(format("%.1f", {3}), QStringLiteral("3.0"));
    EXPECT_EQ(format("%d", {QStringLiteral("42")}), QStringLiteral("42"));
    EXPECT_EQ(format("%.1f", {QStringLiteral("2.26")}, kGerman), QStringLiteral("2,3"));
    EXPECT_EQ(format("%d", {true}), QStringLiteral("1"));
    EXPECT_EQ(format("%lld", {quint64(std::numeric_limits<quint64>::max())}),
              QStringLiteral("9223372036854775807"));
}

TEST(Formatting, missingOrUnusableArgumentsDoNotBreakTheText)
{
    EXPECT_EQ(format("%@ and %@", {QStringLiteral("x")}), QStringLiteral("x and %@"));
    EXPECT_EQ(format("%3$@", {1}), QStringLiteral("%3$@"));
    EXPECT_EQ(format("%lld left", {}), QStringLiteral("%lld left"));
    EXPECT_EQ(format("%d apples", {QStringLiteral("many")}), QStringLiteral("many apples"));
    EXPECT_EQ(format("[%.1f]", {QVariant()}), QStringLiteral("[]"));
    EXPECT_EQ(format("[%d]", QVariantList{QVariant(QVariantList{1, 2})}), QStringLiteral("[]"));
    EXPECT_EQ(format("%y %k", {1}), QStringLiteral("%y %k"));
    EXPECT_EQ(format("%.1f %f",
                     {std::numeric_limits<double>::quiet_NaN(),
                      -std::numeric_limits<double>::infinity()}),
              QStringLiteral("nan -inf"));
    // Absurd widths and precisions are capped, not allocated.
    EXPECT_LE(format("%99999999999d", {1}).size(), 1000);
    EXPECT_LE(format("%.99999999999f", {1.0}).size(), 1002);
}

TEST(DisplayLanguage, firstPreferredLanguageWithATable)
{
    const QStringList shipped{QStringLiteral("en"), QStringLiteral("fr")};
    EXPECT_EQ(
        chooseDisplayLanguage(
            {QStringLiteral("de-DE"), QStringLiteral("fr-FR"), QStringLiteral("en-US")}, shipped),
        QStringLiteral("fr"));
    EXPECT_EQ(chooseDisplayLanguage({QStringLiteral("EN_gb")}, shipped), QStringLiteral("en"));
}

TEST(DisplayLanguage, regionalTableBeforeTheLanguagesTable)
{
    const QStringList shipped{QStringLiteral("pt"), QStringLiteral("pt_BR")};
    EXPECT_EQ(chooseDisplayLanguage({QStringLiteral("pt-BR")}, shipped), QStringLiteral("pt_BR"));
    EXPECT_EQ(chooseDisplayLanguage({QStringLiteral("pt-PT")}, shipped), QStringLiteral("pt"));
    EXPECT_EQ(chooseDisplayLanguage({QStringLiteral("zh-Hant-TW")}, {QStringLiteral("zh")}),
              QStringLiteral("zh"));
}

TEST(DisplayLanguage, closeTablesForScriptsAndRegions)
{
    const QStringList shipped{QStringLiteral("es"),
                              QStringLiteral("fil"),
                              QStringLiteral("nb"),
                              QStringLiteral("zh_CN"),
                              QStringLiteral("zh_TW")};
    const auto chosen = [&shipped](const char *preferred) {
        return chooseDisplayLanguage({QString::fromLatin1(preferred)}, shipped);
    };
    EXPECT_EQ(chosen("es-MX"), QStringLiteral("es"));
    EXPECT_EQ(chosen("nb-NO"), QStringLiteral("nb"));
    EXPECT_EQ(chosen("no"), QStringLiteral("nb"));
    EXPECT_EQ(chosen("tl-PH"), QStringLiteral("fil"));
    EXPECT_EQ(chosen("zh-HK"), QStringLiteral("zh_TW"));
    EXPECT_EQ(chosen("zh-Hant-HK"), QStringLiteral("zh_TW"));
    EXPECT_EQ(chosen("zh-Hans-SG"), QStringLiteral("zh_CN"));
    EXPECT_EQ(chosen("zh"), QStringLiteral("zh_CN"));
    EXPECT_EQ(chosen("zh-TW"), QStringLiteral("zh_TW"));
}

TEST(DisplayLanguage, englishWithoutAMatch)
{
    EXPECT_EQ(chooseDisplayLanguage({}, {QStringLiteral("pl")}), QStringLiteral("en"));
    EXPECT_EQ(chooseDisplayLanguage({QStringLiteral("de-DE"), QStringLiteral("C")},
                                    {QStringLiteral("pl")}),
              QStringLiteral("en"));
    EXPECT_EQ(chooseDisplayLanguage({QStringLiteral("de")}, {}), QStringLiteral("en"));
}

// A string table in memory, standing in for a compiled translation.
class MemoryTable : public QTranslator
{
public:
    explicit MemoryTable(QHash<QString, QString> entries) : m_entries(std::move(entries)) {}

    QString translate(const char *context,
                      const char *sourceText,
                      const char * /*disambiguation*/,
                      int /*n*/) const override
    {
        if (qstrcmp(context, kStringTableContext) != 0) {
            return {};
        }
        return m_entries.value(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return m_entries.isEmpty(); }

private:
    QHash<QString, QString> m_entries;
};

class StringTable : public testing::Test
{
protected:
    void install(QHash<QString, QString> entries)
    {
        m_table = std::make_unique<MemoryTable>(std::move(entries));
        QCoreApplication::installTranslator(m_table.get());
    }
    void TearDown() override
    {
        if (m_table) {
            QCoreApplication::removeTranslator(m_table.get());
        }
    }

    std::unique_ptr<MemoryTable> m_table;
};

TEST_F(StringTable, theEnglishTableShipsAndIsTheDisplayLanguage)
{
    EXPECT_TRUE(shippedLanguages().contains(QStringLiteral("en")));
    // main() prefers Swedish, which has no table.
    EXPECT_EQ(displayLanguage(), QStringLiteral("en"));
    EXPECT_EQ(formattingLocale().decimalPoint(), QStringLiteral("."));
    EXPECT_TRUE(installStringTable());
}

TEST_F(StringTable, missingEntriesShowTheKey)
{
    EXPECT_EQ(localizedText(QStringLiteral("Got it")), QStringLiteral("Got it"));
    EXPECT_EQ(localizedText(QStringLiteral("Version %@"), {1.2}), QStringLiteral("Version 1.2"));
    EXPECT_EQ(localizedPlural(QStringLiteral("%lld left"), 3), QStringLiteral("3 left"));
}

TEST_F(StringTable, withoutArgumentsTheTextIsNotFormatted)
{
    install({{QStringLiteral("Solved %d%%"), QStringLiteral("Gelöst %d%%")}});
    EXPECT_EQ(localizedText(QStringLiteral("Solved %d%%")), QStringLiteral("Gelöst %d%%"));
    EXPECT_EQ(localizedText(QStringLiteral("Solved %d%%"), {90}), QStringLiteral("Gelöst 90%"));
    EXPECT_EQ(localizedText(QStringLiteral("50% off")), QStringLiteral("50% off"));
}

TEST_F(StringTable, keysAreLookedUpAsUtf8)
{
    install({{QStringLiteral("Preferences… ⌘,"), QStringLiteral("Einstellungen…")}});
    EXPECT_EQ(localizedText(QStringLiteral("Preferences… ⌘,")), QStringLiteral("Einstellungen…"));
}

TEST_F(StringTable, pluralUsesTheCategoryEntry)
{
    install({{QStringLiteral("%lld items|one"), QStringLiteral("one item")},
             {QStringLiteral("%lld items|other"), QStringLiteral("%lld items")}});
    EXPECT_EQ(localizedPlural(QStringLiteral("%lld items"), 1), QStringLiteral("one item"));
    EXPECT_EQ(localizedPlural(QStringLiteral("%lld items"), 0), QStringLiteral("0 items"));
    EXPECT_EQ(localizedPlural(QStringLiteral("%lld items"), 5), QStringLiteral("5 items"));
}

TEST_F(StringTable, pluralWithOnlyTheOtherEntryUsesItForEveryCount)
{
    install({{QStringLiteral("%lld left|other"), QStringLiteral("noch %lld")}});
    for (const qint64 count : {qint64(0), qint64(1), qint64(2), qint64(-5), kLargest}) {
        EXPECT_EQ(localizedPlural(QStringLiteral("%lld left"), count),
                  QStringLiteral("noch ") + QString::number(count));
    }
}

TEST_F(StringTable, pluralCountComesBeforeTheOtherArguments)
{
    EXPECT_EQ(localizedPlural(QStringLiteral("%lld of %@"), 3, {QStringLiteral("nine")}),
              QStringLiteral("3 of nine"));
}

} // namespace
} // namespace pondrel
