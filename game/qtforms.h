#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <string_view>

namespace pondrel {

// The game's plain values in Qt's forms, as the store and QML take them:
// texts, cells as lists of ints, and the raw values of an enumeration.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Container> QList<int> toIntList(const Container &cells)
{
    QList<int> list;
    list.reserve(static_cast<qsizetype>(cells.size()));
    for (const auto value : cells) {
        list.append(static_cast<int>(value));
    }
    return list;
}

template <typename Enum, std::size_t Count>
QStringList rawValuesOf(const std::array<Enum, Count> &cases)
{
    QStringList names;
    for (const Enum value : cases) {
        names.append(toQString(rawValue(value)));
    }
    return names;
}

} // namespace pondrel
