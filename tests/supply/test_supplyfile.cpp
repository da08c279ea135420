#include "supplyfile.h"
#include "supplytestsupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <limits>

#include <sys/resource.h>

using namespace pondrel;
using namespace pondrel::test;

namespace {

const std::string kLine(kSolvedText);

std::size_t count(const BundledPuzzles &bundled, Difficulty difficulty)
{
    return bundled.contains(difficulty) ? bundled.at(difficulty).size() : 0;
}

BundledPuzzles parse(const std::string &text)
{
    return parseBundledList(QByteArrayView(text.data(), qsizetype(text.size())));
}

TEST(SupplyFileFormat, decodesKeysInAnyOrderAndIgnoresOtherTopLevelKeys)
{
    EXPECT_EQ(decodeSavedState(R"({"ready":{},"played":[]})"), SavedState{});
    const auto state = decodeSavedState(R"({"x":{"y":[1,{"z":-1.5}]},"played":[7,0],)"
                                        R"("ready":{"Easy":["abc"],"Hard":[]},"w":null})");
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->played, (std::vector<std::uint64_t>{7, 0}));
    EXPECT_EQ(state->ready,
              (std::map<std::string, std::vector<std::string>>{{"Easy", {"abc"}}, {"Hard", {}}}));
    // A deep value under an ignored key costs nothing and breaks nothing.
    const std::string deep = R"({"x":)" + std::string(200000, '[') + std::string(200000, ']') +
                             R"(,"ready":{},"played":[1]})";
    EXPECT_TRUE(decodeSavedState(deep).has_value());
}

TEST(SupplyFileFormat, rejectsEveryWrongShape)
{
    for (const char *json : {
             "",
             "{",
             "null",
             R"([{"ready":{},"played":[]}])",
             R"({"ready":{},"played":[]}x)",
             R"({"played":[]})",
             R"({"ready":{}})",
             R"({"ready":[],"played":[]})",
             R"({"ready":{},"played":{}})",
             R"({"ready":{},"played":[-1]})",
             R"({"ready":{},"played":[-0]})",
             R"({"ready":{},"played":[1.5]})",
             R"({"ready":{},"played":[1.0]})",
             R"({"ready":{},"played":[1e3]})",
             R"({"ready":{},"played":[18446744073709551616]})",
             R"({"ready":{},"played":["5"]})",
             R"({"ready":{},"played":[[5]]})",
             R"({"ready":{"Easy":"123"},"played":[]})",
             R"({"ready":{"Easy":[123]},"played":[]})",
             R"({"ready":{"Easy":[["1"]]},"played":[]})",
             R"({"ready":{},"played":[],"played":[-3]})",
             "{\"ready\":{\"Easy\":[\"\xff\"]},\"played\":[]}",
             R"({"ready":{},"played":[],"x":)"
             "[[[[[[",
         }) {
        EXPECT_FALSE(decodeSavedState(json).has_value()) << json;
    }
}

TEST(SupplyFileFormat, writesCompactlyAndKeepsEveryValueExact)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kSupplyFileName));
    SavedState state;
    state.ready = {{"Easy", {kLine}}, {"Bogus", {"kept", ""}}, {"Expert", {}}};
    // The largest value, and 2^53 + 1, the first integer a double loses.
    state.played = {std::numeric_limits<std::uint64_t>::max(), 0, 9007199254740993ull};
    ASSERT_TRUE(writeSupplyFile(state, path));
    const QByteArray bytes = readBytes(path);
    EXPECT_TRUE(bytes.contains("[18446744073709551615,0,9007199254740993]")) << bytes.data();
    EXPECT_FALSE(bytes.contains(' ') || bytes.contains('\n'));
    EXPECT_EQ(readSupplyFile(path), state);

    EXPECT_FALSE(readSupplyFile(dir.path()).has_value());
    EXPECT_FALSE(readSupplyFile(dir.filePath(QStringLiteral("missing"))).has_value());
}

TEST(SupplyFileFormat, aWriteThatFailsOnlyWhenFlushedKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kSupplyFileName));
    ASSERT_TRUE(writeSupplyFile({.played = {1, 2, 3}}, path));
    const QByteArray before = readBytes(path);
    // A file-size limit of zero makes every write fail as a full disk would,
    // for any user. A small state stays in the write buffer until the
    // commit, the case where a failure was once renamed over the old file.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit none = previous;
    none.rlim_cur = 0;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &none), 0);
    const bool small = writeSupplyFile({.played = {4}}, path);
    SavedState large;
    large.played.assign(4000, std::numeric_limits<std::uint64_t>::max());
    const bool big = writeSupplyFile(large, path);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(small);
    EXPECT_FALSE(big);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(BuiltInList, acceptsOnlyALetterAndEightyOneCharacters)
{
    const std::pair<std::string, bool> cases[] = {
        {"E " + kLine, true},
        {"E   " + kLine, true},
        {"  E " + kLine + "  ", true},
        {"e " + kLine, false},
        {"E\t" + kLine, false},
        {"E " + kLine.substr(1), false},
        {"E " + kLine + "1", false},
        {"E " + kLine + " 1", false},
        {"EE " + kLine, false},
        {"Z " + kLine, false},
        {kLine, false},
        {"E\xc2\xa0" + kLine, false}, // no-break space
    };
    for (const auto &[line, accepted] : cases) {
        EXPECT_EQ(count(parse(line + "\n"), Difficulty::easy), accepted ? 1u : 0u) << line;
    }
    // Characters, not bytes: 81 Arabic-Indic digits are 162 bytes.
    std::string arabicIndic;
    for (const char c : kSolvedText) {
        arabicIndic += "\xd9" + std::string(1, static_cast<char>(0xa0 + c - '0'));
    }
    EXPECT_EQ(parse("X " + arabicIndic).at(Difficulty::expert).front(), arabicIndic);
}

TEST(BuiltInList, everyLineBreakCharacterEndsALine)
{
    const std::string breaks[] = {
        "\n", "\v", "\f", "\r", "\r\n", "\xc2\x85", "\xe2\x80\xa8", "\xe2\x80\xa9"};
    std::string text;
    std::string lf;
    for (int i = 0; i < 8; ++i) {
        const std::string line = std::string(1, "EMHX"[i % 4]) + " " + solvedWithout({i});
        text += line + breaks[i];
        lf += line + "\n";
    }
    const BundledPuzzles bundled = parse(text);
    EXPECT_EQ(bundled, parse(lf));
    EXPECT_EQ(bundled.at(Difficulty::hard), (std::vector{solvedWithout({2}), solvedWithout({6})}));
}

TEST(BuiltInList, unreadableOrNonUtf8ListIsEmpty)
{
    const std::string valid = "E " + kLine + "\nM " + kLine + "\n";
    EXPECT_EQ(parse(valid).size(), 2u);
    for (const char *junk : {"\xff\n", "\xed\xa0\x80\n", "\xe2\x80"}) {
        EXPECT_TRUE(parse(valid + junk).empty()) << junk;
    }
    QTemporaryDir dir;
    EXPECT_TRUE(loadBundledList(dir.path()).empty());
    EXPECT_TRUE(loadBundledList(dir.filePath(QStringLiteral("missing"))).empty());
}

TEST(BuiltInList, compiledInListHoldsValidPuzzlesForEveryDifficulty)
{
    const BundledPuzzles bundled = loadBundledList(QString::fromLatin1(kBundledListResource));
    for (const Difficulty difficulty : allDifficulties) {
        EXPECT_GT(count(bundled, difficulty), 0u) << rawValue(difficulty);
    }
    for (const auto &[difficulty, texts] : bundled) {
        for (const std::string &text : texts) {
            EXPECT_TRUE(fromText(text, difficulty).has_value()) << text;
        }
    }
}

} // namespace
