#pragma once

#include "difficulty.h"
#include "sudokupuzzle.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>

namespace pondrel {

// The game's plain values in Qt's forms, as the store and QML take them:
// texts, cells as lists of ints, enumerations as their raw values, and the
// model's records as the maps QML reads. (A hint's and a step's forms are
// their own: ExplainedHint::toQml, StepLine::toQml.)
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An enumeration's raw value (its stored form and shown title) as text.
template <typename Enum> QString rawValueText(Enum value)
{
    return toQString(rawValue(value));
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
        names.append(rawValueText(value));
    }
    return names;
}

// The digits of a candidate mask, ascending.
QList<int> digitsOf(std::uint16_t mask);

// {givens, solution, difficulty}: the grids as lists of 81 ints, the
// difficulty as its raw value.
QVariantMap toQml(const SudokuPuzzle &puzzle);

// Difficulty raw value → seconds.
QVariantMap toQml(const std::map<Difficulty, qint64> &bestTimes);

} // namespace pondrel
