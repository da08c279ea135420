#include "localizedtext.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTranslator>

#include <unicode/locid.h>
#include <unicode/plurrule.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

namespace pondrel {

namespace {

constexpr QLatin1StringView kTablePrefix{"pondrel_"};
constexpr QLatin1StringView kTableSuffix{".qm"};

QString normalizedLanguage(QString language)
{
    return language.replace(u'_', u'-').toLower();
}

// Where a language has no table of its own but a close one ships: scripts
// and regions of Chinese go to the table written in their script,
// Norwegian without a written standard, or Nynorsk, reads Bokmål best, and
// Tagalog (the locale some systems name) reads Filipino, its standard form.
// Checked after the exact tag and before the tag is shortened, so
// "zh-Hant-HK" finds Traditional Chinese before plain "zh" (Simplified).
QString closeLanguage(const QString &normalized)
{
    static const std::map<QString, QString> kCloseLanguages = {
        {QStringLiteral("zh-hant"), QStringLiteral("zh-tw")},
        {QStringLiteral("zh-hk"), QStringLiteral("zh-tw")},
        {QStringLiteral("zh-mo"), QStringLiteral("zh-tw")},
        {QStringLiteral("zh-hans"), QStringLiteral("zh-cn")},
        {QStringLiteral("zh-sg"), QStringLiteral("zh-cn")},
        {QStringLiteral("zh"), QStringLiteral("zh-cn")},
        {QStringLiteral("no"), QStringLiteral("nb")},
        {QStringLiteral("nn"), QStringLiteral("nb")},
        {QStringLiteral("tl"), QStringLiteral("fil")},
    };
    const auto close = kCloseLanguages.find(normalized);
    return close == kCloseLanguages.end() ? QString() : close->second;
}

// The CLDR category of `count` by ICU's rules for `language`. Our "pt"
// table is the Portuguese of Portugal, whose rules differ from ICU's
// default Portuguese (Brazil's) at zero.
QString icuPluralCategory(qint64 count, const QString &language)
{
    // Rules are built once per language; only the main thread asks.
    static std::map<QString, std::unique_ptr<icu::PluralRules>> rulesByLanguage;
    auto found = rulesByLanguage.find(language);
    if (found == rulesByLanguage.end()) {
        const QByteArray localeName =
            language == u"pt" ? QByteArrayLiteral("pt_PT") : language.toLatin1();
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::PluralRules> rules(
            icu::PluralRules::forLocale(icu::Locale(localeName.constData()), status));
        if (U_FAILURE(status)) {
            rules.reset();
        }
        found = rulesByLanguage.emplace(language, std::move(rules)).first;
    }
    if (!found->second) {
        return count == 1 ? QStringLiteral("one") : QStringLiteral("other");
    }
    // Integer rules look at the last few digits (and at millions); past
    // 2^53 a double would lose those, so keep the last twelve digits.
    constexpr qint64 kExact = qint64(1) << 53;
    constexpr qint64 kKeep = 1'000'000'000'000;
    double number = double(count);
    if (count > kExact || count < -kExact) {
        number = double(std::llabs(count % kKeep) + kKeep);
    }
    std::string category;
    found->second->select(number).toUTF8String(category);
    return QString::fromStdString(category);
}

} // namespace

QString pluralCategory(qint64 count, const QString &language)
{
    if (language == u"pl") {
        if (count == 1) {
            return QStringLiteral("one");
        }
        // C++'s remainder keeps the sign of the count, so no negative count
        // reaches "few".
        const qint64 lastDigit = count % 10;
        const qint64 lastTwoDigits = count % 100;
        if (lastDigit >= 2 && lastDigit <= 4 && (lastTwoDigits < 12 || lastTwoDigits > 14)) {
            return QStringLiteral("few");
        }
        return QStringLiteral("many");
    }
    if (language == u"fr") {
        return count == 0 || count == 1 ? QStringLiteral("one") : QStringLiteral("other");
    }
    static const QStringList kShipped = shippedLanguages();
    if (language != QLatin1StringView(kFallbackLanguage) && kShipped.contains(language)) {
        return icuPluralCategory(count, language);
    }
    return count == 1 ? QStringLiteral("one") : QStringLiteral("other");
}

QString chooseDisplayLanguage(const QStringList &preferredLanguages,
                              const QStringList &availableLanguages)
{
    for (const QString &preferred : preferredLanguages) {
        // "zh-Hant-TW" tries "zh-hant-tw", then "zh-hant", then "zh".
        QString candidate = normalizedLanguage(preferred);
        while (!candidate.isEmpty()) {
            for (const QString &tag : {candidate, closeLanguage(candidate)}) {
                for (const QString &available : availableLanguages) {
                    if (!tag.isEmpty() && normalizedLanguage(available) == tag) {
                        return available;
                    }
                }
            }
            const qsizetype dash = candidate.lastIndexOf(u'-');
            candidate.truncate(std::max<qsizetype>(dash, 0));
        }
    }
    return QString::fromLatin1(kFallbackLanguage);
}

QStringList shippedLanguages()
{
    QStringList languages;
    const QStringList tables =
        QDir(QString::fromLatin1(kStringTableDirectory))
            .entryList({kTablePrefix + u'*' + kTableSuffix}, QDir::Files, QDir::Name);
    for (const QString &table : tables) {
        languages.append(table.mid(kTablePrefix.size(),
                                   table.size() - kTablePrefix.size() - kTableSuffix.size()));
    }
    return languages;
}

QString displayLanguage()
{
    static const QString language =
        chooseDisplayLanguage(QLocale::system().uiLanguages(), shippedLanguages());
    return language;
}

QLocale formattingLocale()
{
    // Plain "ar" is Egypt's Arabic, with Eastern Arabic digits; the Emirates'
    // Arabic writes 0-9 with a decimal point, as the board does.
    static const QLocale locale = displayLanguage() == u"ar"
                                      ? QLocale(QLocale::Arabic, QLocale::UnitedArabEmirates)
                                      : QLocale(displayLanguage());
    return locale;
}

QString localizedDigits(const QString &text)
{
    const QString zero = formattingLocale().zeroDigit();
    if (zero == u"0" || zero.size() != 1) {
        return text;
    }
    QString digits = text;
    for (QChar &character : digits) {
        if (character >= u'0' && character <= u'9') {
            character = QChar(zero.at(0).unicode() + (character.unicode() - u'0'));
        }
    }
    return digits;
}

bool isRightToLeft()
{
    return QLocale(displayLanguage()).textDirection() == Qt::RightToLeft;
}

bool installStringTable()
{
    auto *application = QCoreApplication::instance();
    if (application == nullptr) {
        return false;
    }
    auto *table = new QTranslator(application);
    const QString path = QString::fromLatin1(kStringTableDirectory) + u'/' + kTablePrefix +
                         displayLanguage() + kTableSuffix;
    if (!table->load(path)) {
        delete table;
        return false;
    }
    // Installing reports false for a table without entries (the English
    // one may be empty); it is installed all the same.
    QCoreApplication::installTranslator(table);
    // Qt would take the direction from a "QT_LAYOUT_DIRECTION" entry of its
    // own context, which our one-context tables do not have.
    if (qobject_cast<QGuiApplication *>(application) != nullptr) {
        QGuiApplication::setLayoutDirection(isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    }
    return true;
}

QString localizedText(const QString &key, const QVariantList &arguments)
{
    const QString text = QCoreApplication::translate(kStringTableContext, key.toUtf8().constData());
    if (arguments.isEmpty()) {
        return text;
    }
    return formatLocalized(text, arguments, formattingLocale());
}

QString localizedPlural(const QString &key, qint64 count, const QVariantList &arguments)
{
    const QString pluralKey = key + u'|' + pluralCategory(count, displayLanguage());
    QString format =
        QCoreApplication::translate(kStringTableContext, pluralKey.toUtf8().constData());
    if (format == pluralKey) {
        const QString otherKey = key + QStringLiteral("|other");
        format = QCoreApplication::translate(kStringTableContext, otherKey.toUtf8().constData());
        if (format == otherKey) {
            format = key;
        }
    }
    QVariantList allArguments;
    allArguments.reserve(arguments.size() + 1);
    allArguments.append(count);
    allArguments.append(arguments);
    return formatLocalized(format, allArguments, formattingLocale());
}

} // namespace pondrel
