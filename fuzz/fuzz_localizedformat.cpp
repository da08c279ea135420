// The printf-style formatter with an arbitrary format and arbitrary
// arguments: a bad translation must show odd text, never crash or hang.
//
// Input layout, so that seeds can be written by hand:
//
//     <format as UTF-8> NUL <argument bytes>
//
// The argument bytes pick the locale and then, argument by argument, a type
// and a value (see readArguments()). Without a NUL everything is the format
// and there are no arguments.

#include "localizedtext.h"

#include <QLocale>
#include <QString>
#include <QVariant>

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Locales with other digits (Arabic-Indic, Persian, Devanagari), other
// decimal separators and other signs than English.
constexpr std::array kLocaleNames{
    "C", "en_US", "de_DE", "fr_FR", "pl_PL", "ar_EG", "fa_IR", "hi_IN", "sv_SE"};
// More would exercise nothing new: positions beyond the list are only
// compared with its size.
constexpr int kMaxArguments = 8;

QVariantList readArguments(FuzzedDataProvider &provider)
{
    QVariantList arguments;
    while (provider.remaining_bytes() > 0 && arguments.size() < kMaxArguments) {
        switch (provider.ConsumeIntegralInRange(0, 8)) {
        case 0:
            arguments << provider.ConsumeIntegral<int>();
            break;
        case 1:
            arguments << QVariant::fromValue(provider.ConsumeIntegral<qint64>());
            break;
        case 2:
            arguments << QVariant::fromValue(provider.ConsumeIntegral<quint64>());
            break;
        case 3: {
            // Any bit pattern, so NaNs, infinities and subnormals come up.
            const auto bits = provider.ConsumeIntegral<std::uint64_t>();
            double value = 0;
            std::memcpy(&value, &bits, sizeof value);
            arguments << value;
            break;
        }
        case 4:
            arguments << provider.ConsumeFloatingPoint<float>();
            break;
        case 5:
            arguments << provider.ConsumeBool();
            break;
        case 6:
            arguments << QString::fromStdString(provider.ConsumeRandomLengthString(32));
            break;
        case 7:
            arguments << QVariant();
            break;
        default:
            arguments << QVariant::fromValue(provider.ConsumeIntegral<unsigned>());
            break;
        }
    }
    return arguments;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto *end = static_cast<const std::uint8_t *>(std::memchr(data, 0, size));
    const std::size_t formatSize = end ? std::size_t(end - data) : size;
    const QString format =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(formatSize));

    const std::size_t argumentOffset = end ? formatSize + 1 : size;
    FuzzedDataProvider provider(data + argumentOffset, size - argumentOffset);
    const QLocale locale(QString::fromLatin1(
        kLocaleNames[provider.ConsumeIntegralInRange<std::size_t>(0, kLocaleNames.size() - 1)]));
    const QVariantList arguments = readArguments(provider);

    const QString text = pondrel::formatLocalized(format, arguments, locale);
    // Text without a conversion comes back as written.
    if (!format.contains(u'%') && text != format) {
        std::abort();
    }
    return 0;
}
