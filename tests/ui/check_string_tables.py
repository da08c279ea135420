#!/usr/bin/env python3
"""Checks the shipped string tables against the keys the code looks up.

Every text the player reads is looked up with its English text as the key:
in QML `Localized.text("...")` and `Localized.plural("...", n)`, in C++
`localizedText(QStringLiteral("..."))` and `localizedPlural(...)`. Keys
written down away from their lookup are marked with Qt's identity marker in
the table's context, `QT_TRANSLATE_NOOP("Pondrel", "...")`, the names of
difficulties, board sizes and tray icons are the raw values of their
enumerations (the `rawValue` functions in engine/ and game/), and the names
of the step finder's techniques are those of its table (kTechniques in
engine/stepfinder.cpp). Qt's own
lookups (qsTr, tr and the like) would miss the table and are refused.

A lookup whose key is not a literal must be listed in DYNAMIC_LOOKUPS with
where its keys come from, so a new kind of computed key cannot slip past.

For every table except English the check fails when
- a key the code uses has no entry, or a plural key lacks a category that
  the application's plural rules give for the table's language (asked of the
  program named by --plural-forms), or has one they never give;
- an entry is unfinished, obsolete or empty;
- an entry's key is no longer used;
- a translation's printf conversions, or its "⌘x" shortcut marks, differ
  from its key's;
- in a table written right to left (Arabic, Hebrew, Persian), a translation
  in that script opens with a Latin word or a conversion without a
  right-to-left mark (U+200F) before it: the line would be laid out left to
  right, its words in the wrong order.

The English table's keys are its texts, so it holds entries only where a
key's text is adapted for this platform (for instance the tray's name); each
must differ from its key and be a key the code uses.

Usage: check_string_tables.py [--plural-forms PROGRAM] SOURCE_DIR TABLE.ts...
"""

import pathlib
import re
import subprocess
import sys
import unicodedata
import xml.etree.ElementTree as ElementTree

CONTEXT = "Pondrel"

# The plural categories of a language when no program is given to ask: the
# English rule. "other" is always required, as the lookup's last resort.
DEFAULT_PLURAL_CATEGORIES = ("one", "other")


def plural_categories(program, languages):
    """{language: categories} as the application's rules give them."""
    if program is None:
        return {language: DEFAULT_PLURAL_CATEGORIES for language in languages}
    output = subprocess.run([program, *languages], check=True, capture_output=True,
                            text=True).stdout
    found = {}
    for line in output.splitlines():
        language, _, categories = line.partition(": ")
        found[language] = tuple(sorted(set(categories.split()) | {"other"}))
    return found

# Lookups whose key is computed, by file and argument, and where their keys
# are marked instead.
DYNAMIC_LOOKUPS = {
    ("ui/board/BoardMenu.qml", "modelData"): "screen names (ModalScreen.qml)",
    ("ui/screens/ModalScreenView.qml", "root.screen"): "screen names (ModalScreen.qml)",
    ("ui/screens/SectionBlock.qml", "root.title"): "section headers, marked where the block is used",
    ("ui/board/SudokuView.qml", "refusals[answer]"): "paste refusals, marked in the table",
    ("ui/screens/HowToPlayScreen.qml", "topic.modelData.title"): "topics, marked in the table",
    ("ui/screens/HowToPlayScreen.qml", "topic.modelData.body"): "topics, marked in the table",
    ("ui/screens/HowToPlayScreen.qml", "command.modelData.description"): "keyboard commands, marked in the table",
    ("ui/screens/AboutScreen.qml", "AppInfo.name"): "AppInfo.qml",
    ("ui/screens/AboutScreen.qml", "AppInfo.publisherLine"): "AppInfo.qml",
    ("ui/screens/AboutScreen.qml", "AppInfo.description"): "AppInfo.qml",
    ("ui/screens/AboutScreen.qml", "AppInfo.websiteButtonTitle"): "AppInfo.qml",
    ("ui/screens/AboutScreen.qml", "AppInfo.legalLine"): "AppInfo.qml",
    ("ui/screens/StatisticsScreen.qml", "difficulty"): "difficulty raw values",
    ("ui/screens/PreferencesScreen.qml", "modelData"): "tray icon raw values",
    ("ui/screens/PreferencesScreen.qml", "value"): "board size and difficulty raw values",
}

SOURCE_FOLDERS = ("app", "ui", "game", "engine", "supply")
RAW_VALUE_FOLDERS = ("engine", "game")
TECHNIQUE_NAMES_FILE = "engine/stepfinder.cpp"

# A conversion as the formatter reads it: %[n$][flags][width][.precision][length]type
CONVERSION = re.compile(r"%(?:(\d+)\$)?([-+ 0#']*)(\d*)(?:\.(\d*))?([hlqLjzt]*)([@sdiufFeEgGxX])")
SHORTCUT_MARK = re.compile(r"⌘.")
RIGHT_TO_LEFT_LANGUAGES = ("ar", "fa", "he")


def opens_left_to_right(text):
    """Whether a text with right-to-left letters would be laid out left to
    right: its first letter, or a text conversion before any, is not
    right-to-left. A text conversion counts as left to right, as a
    technique's Latin name may fill it; a number decides nothing."""
    # Each conversion as one character: "L" for text, a neutral space for a number.
    text = CONVERSION.sub(lambda match: "L" if match.group(6) in "@s" else " ",
                          text.replace("%%", "  "))
    kinds = [unicodedata.bidirectional(char) for char in text]
    if not any(kind in ("R", "AL") for kind in kinds):
        return False
    for kind in kinds:
        if kind in ("R", "AL"):
            return False
        if kind == "L":
            return True
    return False


def strip_comments(text):
    """The source with // and /* */ comments blanked; strings are kept."""
    out = []
    index = 0
    length = len(text)
    while index < length:
        char = text[index]
        if char in "\"'`":
            end = index + 1
            while end < length and text[end] != char:
                end += 2 if text[end] == "\\" else 1
            out.append(text[index:end + 1])
            index = end + 1
        elif text.startswith("//", index):
            end = text.find("\n", index)
            index = length if end < 0 else end
        elif text.startswith("/*", index):
            end = text.find("*/", index + 2)
            skipped = text[index:length if end < 0 else end + 2]
            out.append("\n" * skipped.count("\n"))
            index = length if end < 0 else end + 2
        else:
            out.append(char)
            index += 1
    return "".join(out)


def read_string_literal(text, index):
    """The value of the string literal starting at text[index] (JavaScript or
    C++ escapes) and the index just past it; None when there is none."""
    quote = text[index] if index < len(text) else ""
    if quote not in "\"'":
        return None
    value = []
    position = index + 1
    while position < len(text) and text[position] != quote:
        char = text[position]
        if char == "\\":
            escape = text[position + 1]
            if escape == "u":
                value.append(chr(int(text[position + 2:position + 6], 16)))
                position += 6
                continue
            value.append({"n": "\n", "t": "\t"}.get(escape, escape))
            position += 2
            continue
        value.append(char)
        position += 1
    return "".join(value), position + 1


def skip_spaces(text, index):
    while index < len(text) and text[index].isspace():
        index += 1
    return index


def argument_expression(text, index):
    """The first call argument starting at text[index], as written."""
    depth = 0
    start = index
    while index < len(text):
        char = text[index]
        if char in "\"'":
            index = read_string_literal(text, index)[1]
            continue
        if char in "([{":
            depth += 1
        elif char in ")]}":
            if depth == 0:
                break
            depth -= 1
        elif char == "," and depth == 0:
            break
        index += 1
    return re.sub(r"\s+", "", text[start:index])


LOOKUP = re.compile(r"\b(?:Localized\.(text|plural)|localized(Text|Plural)|(QT_TRANSLATE_NOOP))\s*\(")
# Qt's lookups by file or class context: they would never find our entries.
FOREIGN_LOOKUP = re.compile(r"\b(qsTr|qsTranslate|qsTrId|QT_TR_NOOP|QT_TRID_NOOP|tr)\s*\(")


def literal_argument(text, index):
    """The key when the argument at `index` is one string literal (or C++
    adjacent literals, joined), alone or wrapped in QStringLiteral /
    QString::fromUtf8 / u"..."."""
    index = skip_spaces(text, index)
    wrapped = re.match(r"(?:QStringLiteral|QString::fromUtf8|QLatin1String|QStringView)\s*\(\s*", text[index:])
    if wrapped:
        index += wrapped.end()
    elif text.startswith('u"', index):
        index += 1
    literal = read_string_literal(text, index)
    if literal is None:
        return None
    value, end = literal
    end = skip_spaces(text, end)
    while text.startswith('"', end):
        more, end = read_string_literal(text, end)
        value += more
        end = skip_spaces(text, end)
    if wrapped:
        if not text.startswith(")", end):
            return None
        end = skip_spaces(text, end + 1)
    if end < len(text) and text[end] in ",)":
        return value
    return None


def collect_keys(source_dir):
    """(text keys, plural keys, problems) of the sources under source_dir."""
    text_keys = {}
    plural_keys = {}
    dynamic_seen = set()
    problems = []
    for folder in SOURCE_FOLDERS:
        for path in sorted((source_dir / folder).rglob("*")):
            if path.suffix not in (".qml", ".cpp", ".h") or not path.is_file():
                continue
            relative = path.relative_to(source_dir).as_posix()
            if relative.startswith("ui/shared/localized"):
                continue  # the lookups themselves
            text = strip_comments(path.read_text(encoding="utf-8"))
            for match in FOREIGN_LOOKUP.finditer(text):
                line = text.count("\n", 0, match.start()) + 1
                problems.append(f"{relative}:{line}: {match.group(1)}() does not use the string "
                                "table; look the text up with Localized / localizedText")
            for match in LOOKUP.finditer(text):
                kind = (match.group(1) or match.group(2) or "key").lower()
                line = text.count("\n", 0, match.start()) + 1
                start = match.end()
                if kind == "key":
                    # QT_TRANSLATE_NOOP(context, key): the context must be ours.
                    if literal_argument(text, start) != CONTEXT:
                        problems.append(f"{relative}:{line}: QT_TRANSLATE_NOOP needs the context "
                                        f"\"{CONTEXT}\" as a string literal")
                        continue
                    start = text.index(",", start) + 1
                key = literal_argument(text, start)
                if key is not None:
                    target = plural_keys if kind == "plural" else text_keys
                    target.setdefault(key, f"{relative}:{line}")
                    continue
                expression = argument_expression(text, skip_spaces(text, start))
                if kind == "key":
                    problems.append(f"{relative}:{line}: QT_TRANSLATE_NOOP needs a string literal "
                                    f"as its key, not {expression}")
                elif (relative, expression) in DYNAMIC_LOOKUPS:
                    dynamic_seen.add((relative, expression))
                else:
                    problems.append(
                        f"{relative}:{line}: lookup of a computed key ({expression}); mark its keys "
                        f"with QT_TRANSLATE_NOOP(\"{CONTEXT}\", \"...\") where they are written and list the lookup in "
                        "DYNAMIC_LOOKUPS of tests/ui/check_string_tables.py")
    for site in sorted(set(DYNAMIC_LOOKUPS) - dynamic_seen):
        problems.append(f"{site[0]}: no lookup of {site[1]} any more; remove it from DYNAMIC_LOOKUPS")

    # The shown names of the enumerations.
    raw_value_function = re.compile(r"constexpr\s+std::string_view\s+rawValue\s*\([^)]*\)\s*\{(.*?)\n\}", re.S)
    raw_values = 0
    for folder in RAW_VALUE_FOLDERS:
        for path in sorted((source_dir / folder).glob("*.h")):
            text = strip_comments(path.read_text(encoding="utf-8"))
            for function in raw_value_function.finditer(text):
                for literal in re.finditer(r'"((?:[^"\\]|\\.)*)"', function.group(1)):
                    text_keys.setdefault(literal.group(1), path.relative_to(source_dir).as_posix())
                    raw_values += 1
    if raw_values == 0:
        problems.append("no rawValue tables found in engine/ or game/")

    # The techniques' names, which the board shows as they come from the engine.
    step_finder = source_dir / TECHNIQUE_NAMES_FILE
    table = re.search(r"kTechniques\s*=\s*\{(.*?)\n\};",
                      strip_comments(step_finder.read_text(encoding="utf-8")), re.S)
    names = re.findall(r'"((?:[^"\\]|\\.)*)"', table.group(1)) if table else []
    if not names:
        problems.append(f"no kTechniques table found in {TECHNIQUE_NAMES_FILE}")
    for name in names:
        text_keys.setdefault(name, TECHNIQUE_NAMES_FILE)
    return text_keys, plural_keys, problems


def conversions(text):
    """The conversions of a format as sorted (argument index, flags, width,
    precision, length, kind) tuples, and whether any is positional."""
    found = []
    positional = []
    next_argument = 0
    for match in CONVERSION.finditer(text.replace("%%", "")):
        position, flags, width, precision, length, kind = match.groups()
        if position:
            index = int(position) - 1
        else:
            index = next_argument
            next_argument += 1
        positional.append(bool(position))
        found.append((index, flags, width, precision, length, kind))
    return sorted(found), positional


def stray_percents(text):
    return CONVERSION.sub("", text.replace("%%", "")).count("%")


def check_table(path, text_keys, plural_keys, categories_by_language):
    problems = []
    language = re.fullmatch(r"pondrel_(.+)\.ts", path.name)
    if not language:
        return [f"{path.name}: not named pondrel_<language>.ts"]
    language = language.group(1)
    root = ElementTree.parse(path).getroot()
    if root.get("language") != language:
        problems.append(f"{path.name}: language attribute {root.get('language')!r}, expected {language!r}")
    contexts = root.findall("context")
    if [c.findtext("name") for c in contexts] != [CONTEXT]:
        problems.append(f"{path.name}: must hold exactly one context, {CONTEXT!r}")

    entries = {}
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        text = "" if translation is None else "".join(translation.itertext())
        if source in entries:
            problems.append(f"{path.name}: {source!r} appears twice")
        entries[source] = text
        kind = None if translation is None else translation.get("type")
        if kind in ("unfinished", "obsolete", "vanished"):
            problems.append(f"{path.name}: {source!r} is {kind}")
        elif language != "en" and not text.strip():
            problems.append(f"{path.name}: {source!r} has an empty translation")

    if language == "en":
        # The keys are the English texts: an entry may only adapt one.
        for source, text in sorted(entries.items()):
            if source not in text_keys:
                problems.append(f"{path.name}: {source!r} is not a key the code uses")
            elif text == source:
                problems.append(f"{path.name}: {source!r} repeats its key; leave it out")
        return problems

    categories = categories_by_language.get(language, DEFAULT_PLURAL_CATEGORIES)
    expected = {key: key for key in text_keys}
    for key in plural_keys:
        for category in categories:
            expected[f"{key}|{category}"] = key
    for source, key in sorted(expected.items()):
        if source not in entries:
            where = text_keys.get(source) or plural_keys.get(key)
            problems.append(f"{path.name}: no entry for {source!r} (used at {where})")
    for source in sorted(set(entries) - set(expected)):
        key, _, category = source.rpartition("|")
        if key in plural_keys:
            problems.append(f"{path.name}: {source!r}: {language} never uses the form {category!r}")
        else:
            problems.append(f"{path.name}: {source!r} is not used by the code any more")

    for source, key in sorted(expected.items()):
        text = entries.get(source)
        if not text:
            continue
        key_conversions, _ = conversions(key)
        text_conversions, positional = conversions(text)
        if key_conversions != text_conversions:
            problems.append(f"{path.name}: {source!r}: conversions of {text!r} differ from the key's")
        if any(positional) and not all(positional):
            problems.append(f"{path.name}: {source!r}: {text!r} mixes numbered and plain conversions")
        if key_conversions and stray_percents(text) != stray_percents(key):
            problems.append(f"{path.name}: {source!r}: {text!r} has a lone %; write %% for a percent sign")
        if sorted(SHORTCUT_MARK.findall(key)) != sorted(SHORTCUT_MARK.findall(text)):
            problems.append(f"{path.name}: {source!r}: {text!r} must keep the shortcut marks of its key")
        if language in RIGHT_TO_LEFT_LANGUAGES and opens_left_to_right(text):
            problems.append(f"{path.name}: {source!r}: {text!r} opens left to right; "
                            "begin it with a right-to-left mark (U+200F)")
    return problems


def main(arguments):
    program = None
    if arguments[:1] == ["--plural-forms"] and len(arguments) > 1:
        program, arguments = arguments[1], arguments[2:]
    if len(arguments) < 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    source_dir = pathlib.Path(arguments[0]).resolve()
    tables = [pathlib.Path(table).resolve() for table in arguments[1:]]
    languages = [table.stem.removeprefix("pondrel_") for table in tables]
    categories_by_language = plural_categories(program, languages)
    text_keys, plural_keys, problems = collect_keys(source_dir)
    if not text_keys:
        problems.append("no lookups found: is the source folder right?")

    folder = source_dir / "resources" / "translations"
    for unlisted in sorted(set(folder.glob("pondrel_*.ts")) - set(tables)):
        problems.append(f"{unlisted.name} is not among the tables the build compiles")
    for table in tables:
        problems.extend(check_table(table, text_keys, plural_keys, categories_by_language))

    for problem in problems:
        print(problem)
    print(f"{len(text_keys)} keys, {len(plural_keys)} plural keys, "
          f"{len(tables)} tables: {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
