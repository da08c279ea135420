#include "stepwording.h"

#include <QStringList>
#include <QtGlobal>

#include <algorithm>

namespace pondrel {

namespace {

bool isRow(int unit)
{
    return unit < columnUnit(0);
}

// "r3", "c5" or "b4": a unit in the chains' notation.
QString unitText(int unit)
{
    return QString::fromLatin1(byUnitKind(unit, "r%1", "c%1", "b%1")).arg(unitNumber(unit));
}

// Written the same in every language: "3/7".
QString digitList(std::uint16_t digits)
{
    QStringList list;
    for (int digit = 1; digit <= 9; ++digit) {
        if ((digits & digitBit(digit)) != 0) {
            list.append(QString::number(digit));
        }
    }
    return list.join(u'/');
}

QString cellList(const std::vector<int> &cells)
{
    QStringList list;
    for (const int cell : cells) {
        list.append(cellText(cell));
    }
    return list.join(u'/');
}

// "r3c4=5" or "r3c4≠5": the candidate is (not) the cell's digit.
QString candidateText(const Candidate &candidate, bool holds)
{
    return cellText(candidate.cell) + (holds ? u'=' : u'≠') + QString::number(candidate.digit);
}

// A conjugate pair as a strong link: "r1c2=r5c2".
QString strongLinkText(const ChainLink &link)
{
    return cellText(link.from.cell) + u'=' + cellText(link.to.cell);
}

// Cells in the compact notation when they fill some rows times some
// columns ("r89c27" for rows 8 and 9, columns 2 and 7), else listed.
QString compactCells(const std::vector<int> &cells)
{
    std::uint16_t rows = 0;
    std::uint16_t columns = 0;
    for (const int cell : cells) {
        rows |= digitBit(row(cell) + 1);
        columns |= digitBit(column(cell) + 1);
    }
    if (cells.size() < 2 || std::size_t(bitCount(rows) * bitCount(columns)) != cells.size()) {
        // Two at most, so the line fits the notice: the rest are tinted.
        return cells.size() <= 2 ? cellList(cells)
                                 : cellList({cells[0], cells[1]}) + QStringLiteral("/…");
    }
    return u'r' + digitList(rows).remove(u'/') + u'c' + digitList(columns).remove(u'/');
}

// The digit a step is about: the one it places, else the one it removes.
int stepDigit(const Step &step)
{
    if (!step.placements.empty()) {
        return step.placements.front().digit;
    }
    if (step.digits != 0) {
        return lowestDigit(step.digits);
    }
    return step.eliminations.empty() ? 0 : step.eliminations.front().digit;
}

QVariantMap nested(const char *key, QVariantList arguments)
{
    return StepLine{QString::fromUtf8(key), QString(), std::move(arguments)}.toQml();
}

// What an assumption ran into, as a line of its own.
QVariantMap contradictionLine(const Contradiction &contradiction)
{
    switch (contradiction.kind) {
    case Contradiction::Kind::noCandidate:
        return nested(QT_TRANSLATE_NOOP("Pondrel", "%@ has no candidate"),
                      {cellText(contradiction.cell)});
    case Contradiction::Kind::noPlace:
        return nested(QT_TRANSLATE_NOOP("Pondrel", "%lld has no place in %@"),
                      {contradiction.digit, unitText(contradiction.unit)});
    case Contradiction::Kind::twice:
        return nested(QT_TRANSLATE_NOOP("Pondrel", "%lld twice in %@"),
                      {contradiction.digit, unitText(contradiction.unit)});
    }
    return {};
}

// The path from an assumption: its first link's conclusion, with "…" for
// the rest, so the line fits the notice; the assumption itself when the
// contradiction is immediate.
QString pathText(const Candidate &assumption, const std::vector<ChainLink> &links)
{
    if (links.empty()) {
        return candidateText(assumption, true);
    }
    const QString first = candidateText(links.front().to, links.front().isStrong);
    return links.size() == 1 ? first : first + QStringLiteral(" → …");
}

// What a verity concludes: "r4c5=7" or "r4c5≠3/7".
QString outcomeText(const Step &step)
{
    if (!step.placements.empty()) {
        const Placement &p = step.placements.front();
        return cellText(p.cell) + u'=' + QString::number(p.digit);
    }
    if (step.eliminations.empty()) {
        return {};
    }
    const int cell = step.eliminations.front().cell;
    std::uint16_t digits = 0;
    for (const Elimination &e : step.eliminations) {
        if (e.cell == cell) {
            digits |= digitBit(e.digit);
        }
    }
    return cellText(cell) + u'≠' + digitList(digits);
}

StepLine forcingLine(const Step &step, const StepLine &named)
{
    const auto line = [&named](const char *key, QVariantList arguments) {
        return StepLine{QString::fromUtf8(key), named.technique, std::move(arguments)};
    };
    if (step.assumption && step.contradiction) {
        const Candidate &assumed = *step.assumption;
        return line(QT_TRANSLATE_NOOP("Pondrel", "%@: if %@ were %lld: %@ → %@, so it is not %lld"),
                    {cellText(assumed.cell),
                     assumed.digit,
                     pathText(assumed, step.links),
                     contradictionLine(*step.contradiction),
                     assumed.digit});
    }
    // A candidate whose assumption contradicts, found without its path.
    if (step.units.empty() && step.placements.empty() && step.eliminations.size() == 1 &&
        step.cells == std::vector<int>{step.eliminations.front().cell}) {
        const Elimination &e = step.eliminations.front();
        return line(
            QT_TRANSLATE_NOOP(
                "Pondrel", "%@: if %@ were %lld, a contradiction would follow, so it is not %lld"),
            {cellText(e.cell), e.digit, e.digit});
    }
    // A verity: every candidate of one cell, or every place of one digit
    // in a unit, leads to the same outcome, and one of them is true.
    if (!step.units.empty()) {
        return line(QT_TRANSLATE_NOOP("Pondrel",
                                      "%@: each place of one digit in %@ leads to %@, so it holds"),
                    {unitText(step.units.front()), outcomeText(step)});
    }
    return line(QT_TRANSLATE_NOOP("Pondrel", "%@: every candidate of %@ leads to %@, so it holds"),
                {step.cells.empty() ? QString() : cellText(step.cells.front()), outcomeText(step)});
}

// The ends of a chain's links: the first's start and the last's end.
std::pair<QString, QString> chainEnds(const Step &step)
{
    if (step.links.empty()) {
        return {};
    }
    return {cellText(step.links.front().from.cell), cellText(step.links.back().to.cell)};
}

} // namespace

QVariantMap StepLine::toQml() const
{
    return {{QStringLiteral("key"), key},
            {QStringLiteral("technique"), technique},
            {QStringLiteral("arguments"), arguments}};
}

QString StepLine::englishText() const
{
    QVariantList all;
    if (!technique.isEmpty()) {
        all.append(technique);
    }
    all.append(arguments);
    // The English keys use %@ and %lld in order only.
    QString text;
    int next = 0;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QStringView rest = QStringView(key).mid(i);
        const qsizetype length = rest.startsWith(u"%@") ? 2 : rest.startsWith(u"%lld") ? 4 : 0;
        if (length == 0) {
            text += key[i];
            continue;
        }
        const QVariant argument = next < all.size() ? all[next++] : QVariant();
        if (argument.typeId() == QMetaType::QVariantMap) {
            const QVariantMap map = argument.toMap();
            text += StepLine{map.value(QStringLiteral("key")).toString(),
                             map.value(QStringLiteral("technique")).toString(),
                             map.value(QStringLiteral("arguments")).toList()}
                        .englishText();
        } else {
            text += argument.toString();
        }
        i += length - 1;
    }
    return text;
}

QString techniqueText(Technique technique)
{
    const std::string_view name = techniqueName(technique);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString cellText(int cell)
{
    return QStringLiteral("r%1c%2").arg(row(cell) + 1).arg(column(cell) + 1);
}

StepLine reasonLine(const Step &step)
{
    const int digit = stepDigit(step);
    const int first = step.units.empty() ? 0 : step.units.front();
    const int second = step.units.size() < 2 ? first : step.units[1];
    const StepLine named{QString(), techniqueText(step.technique), {}};
    const auto line = [&named](const char *key, QVariantList arguments = {}) {
        return StepLine{QString::fromUtf8(key), named.technique, std::move(arguments)};
    };
    const auto [start, end] = chainEnds(step);
    switch (step.technique) {
    case Technique::nakedSingle:
        return line(QT_TRANSLATE_NOOP("Pondrel", "%@: only %lld fits in this cell"), {digit});
    case Technique::fullHouse:
        return line(
            byUnitKind(
                first,
                QT_TRANSLATE_NOOP("Pondrel", "%@: %lld is the only digit missing from row %lld"),
                QT_TRANSLATE_NOOP("Pondrel", "%@: %lld is the only digit missing from column %lld"),
                QT_TRANSLATE_NOOP("Pondrel", "%@: %lld is the only digit missing from box %lld")),
            {digit, unitNumber(first)});
    case Technique::hiddenSingle:
        return line(
            byUnitKind(first,
                       QT_TRANSLATE_NOOP("Pondrel", "%@: %lld has one place left in row %lld"),
                       QT_TRANSLATE_NOOP("Pondrel", "%@: %lld has one place left in column %lld"),
                       QT_TRANSLATE_NOOP("Pondrel", "%@: %lld has one place left in box %lld")),
            {digit, unitNumber(first)});
    case Technique::pointing:
        // The box, then the line the digit is confined to.
        return line(
            isRow(second)
                ? QT_TRANSLATE_NOOP("Pondrel", "%@: in box %lld, %lld can only go in row %lld")
                : QT_TRANSLATE_NOOP("Pondrel", "%@: in box %lld, %lld can only go in column %lld"),
            {unitNumber(first), digit, unitNumber(second)});
    case Technique::claiming:
        // The line, then the box the digit is confined to.
        return line(
            isRow(first)
                ? QT_TRANSLATE_NOOP("Pondrel", "%@: in row %lld, %lld can only go in box %lld")
                : QT_TRANSLATE_NOOP("Pondrel", "%@: in column %lld, %lld can only go in box %lld"),
            {unitNumber(first), digit, unitNumber(second)});
    case Technique::nakedPair:
    case Technique::nakedTriple:
    case Technique::nakedQuad:
        return line(
            byUnitKind(
                first,
                QT_TRANSLATE_NOOP("Pondrel", "%@: these cells of row %lld can only hold %@"),
                QT_TRANSLATE_NOOP("Pondrel", "%@: these cells of column %lld can only hold %@"),
                QT_TRANSLATE_NOOP("Pondrel", "%@: these cells of box %lld can only hold %@")),
            {unitNumber(first), digitList(step.digits)});
    case Technique::hiddenPair:
    case Technique::hiddenTriple:
    case Technique::hiddenQuad:
        return line(
            byUnitKind(
                first,
                QT_TRANSLATE_NOOP("Pondrel", "%@: %@ can only go in these cells of row %lld"),
                QT_TRANSLATE_NOOP("Pondrel", "%@: %@ can only go in these cells of column %lld"),
                QT_TRANSLATE_NOOP("Pondrel", "%@: %@ can only go in these cells of box %lld")),
            {digitList(step.digits), unitNumber(first)});
    case Technique::xWing:
    case Technique::swordfish:
    case Technique::jellyfish:
        return line(isRow(first)
                        ? QT_TRANSLATE_NOOP("Pondrel",
                                            "%@: %lld in these rows can only go in these columns")
                        : QT_TRANSLATE_NOOP("Pondrel",
                                            "%@: %lld in these columns can only go in these rows"),
                    {digit});
    case Technique::finnedXWing:
    case Technique::finnedSwordfish:
        // The targets lie in the cover lines, which the fish would clear,
        // and see the fin.
        return line(QT_TRANSLATE_NOOP("Pondrel",
                                      "%@ on %lld: the fish or fin %@ holds it; cells ruled out by "
                                      "both lose it"),
                    {digit, compactCells(step.fins)});
    case Technique::skyscraper:
    case Technique::twoStringKite:
        return line(QT_TRANSLATE_NOOP("Pondrel",
                                      "%@: the strong links put %lld at %@ or %@; cells seeing "
                                      "both lose it"),
                    {digit, start, end});
    case Technique::xChain:
    case Technique::xyChain:
        return line(QT_TRANSLATE_NOOP("Pondrel",
                                      "%@: the chain puts %lld at %@ or %@; cells seeing both "
                                      "lose it"),
                    {digit, start, end});
    case Technique::xyWing:
    case Technique::xyzWing: {
        const QString pivot = step.pivot ? cellText(*step.pivot) : QString();
        const QString a = step.pincers.empty() ? QString() : cellText(step.pincers.front());
        const QString b = step.pincers.empty() ? QString() : cellText(step.pincers.back());
        if (step.technique == Technique::xyzWing) {
            return line(QT_TRANSLATE_NOOP("Pondrel",
                                          "%@: pivot %@ or pincer %@ or %@ is %lld; cells "
                                          "seeing all three lose it"),
                        {pivot, a, b, digit});
        }
        return line(QT_TRANSLATE_NOOP("Pondrel",
                                      "%@: pivot %@ makes pincer %@ or %@ a %lld; cells seeing "
                                      "both lose it"),
                    {pivot, a, b, digit});
    }
    case Technique::wWing: {
        // Links: a's digit, a's other, the pair's ends, b's other, b's digit.
        const bool whole = step.links.size() == 5 && step.pincers.size() == 2;
        return line(QT_TRANSLATE_NOOP("Pondrel",
                                      "%@: strong link %@ makes %@ or %@ a %lld; cells seeing "
                                      "both lose it"),
                    {whole ? strongLinkText(step.links[2]) : QString(),
                     whole ? cellText(step.pincers[0]) : QString(),
                     whole ? cellText(step.pincers[1]) : QString(),
                     digit});
    }
    case Technique::simpleColouring: {
        const std::vector<int> &falseColour = step.colours[0];
        const bool wraps =
            !step.eliminations.empty() &&
            std::ranges::find(falseColour, step.eliminations.front().cell) != falseColour.end();
        if (wraps) {
            // Two cells of the colour that see each other.
            for (const int a : falseColour) {
                for (const int b : falseColour) {
                    if (a < b && std::ranges::find(peers[a], b) != peers[a].end()) {
                        return line(QT_TRANSLATE_NOOP("Pondrel",
                                                      "%@ on %lld: %@ and %@ see each other, so "
                                                      "their colour is false"),
                                    {digit, cellText(a), cellText(b)});
                    }
                }
            }
        }
        return line(QT_TRANSLATE_NOOP("Pondrel",
                                      "%@ on %lld: one colour is true; cells seeing both colours "
                                      "lose it"),
                    {digit});
    }
    case Technique::uniqueRectangle:
        return line(
            QT_TRANSLATE_NOOP("Pondrel", "%@: %@ as only %@ would give two solutions, so %@ goes"),
            {compactCells(step.cells), digitList(step.pairDigits), digitList(step.digits)});
    default:
        // The forcing chains and nets.
        return forcingLine(step, named);
    }
}

StepLine hintLine(const HintExplanation &explanation, int digit)
{
    using Kind = HintExplanation::Kind;
    const int unit = explanation.unit.value_or(0);
    switch (explanation.kind) {
    case Kind::nakedSingle:
    case Kind::hiddenSingleInRow:
    case Kind::hiddenSingleInColumn:
    case Kind::hiddenSingleInBox: {
        // Worded as the single's own step.
        Step step;
        step.technique = explanation.kind == Kind::nakedSingle ? Technique::nakedSingle
                                                               : Technique::hiddenSingle;
        step.digits = digitBit(digit);
        const int first = explanation.kind == Kind::hiddenSingleInRow      ? rowUnit(0)
                          : explanation.kind == Kind::hiddenSingleInColumn ? columnUnit(0)
                                                                           : boxUnit(0);
        step.units = {first + unit};
        return reasonLine(step);
    }
    case Kind::elimination:
        if (explanation.technique) {
            return {QString::fromUtf8(QT_TRANSLATE_NOOP("Pondrel", "Found with %@")),
                    techniqueText(*explanation.technique),
                    {}};
        }
        return {QString::fromUtf8(QT_TRANSLATE_NOOP("Pondrel", "Found by elimination")), {}, {}};
    case Kind::onlyCompletion:
        break;
    }
    return {
        QString::fromUtf8(QT_TRANSLATE_NOOP("Pondrel", "The only digit that completes the puzzle")),
        {},
        {}};
}

} // namespace pondrel
