"""Reading the game in progress that pondrel-sudoku saved, from outside.

The app keeps its preferences with QSettings in the native format, which on
Linux is an INI file: $XDG_CONFIG_HOME/pondrel-sudoku/pondrel-sudoku.conf.
The saved game is a byte array holding JSON under the key
Pondrel_SavedSudoku in the [General] section, written by QSettings as

    Pondrel_SavedSudoku="@ByteArray({\\"version\\":1,\\"givens\\":\\"0304...\\",...})"

(quoted because the JSON holds commas, with QSettings' C-style escapes).
Everything here returns None rather than raising while the file is absent,
half-written or holds no record, so callers can poll.
"""

import json
import os
import time

SAVED_GAME_KEY = "Pondrel_SavedSudoku"
HAS_SEEN_WELCOME_KEY = "Pondrel_HasSeenWelcome"
RECORD_KEYS = ("version", "difficulty", "givens", "values", "notes", "elapsed", "hintsUsed",
               "hasStarted")

# QSettings' one-character escapes, as its INI reader knows them.
_ESCAPES = {"a": "\a", "b": "\b", "f": "\f", "n": "\n", "r": "\r", "t": "\t", "v": "\v",
            '"': '"', "?": "?", "'": "'", "\\": "\\"}
_HEX_DIGITS = "0123456789abcdefABCDEF"
_OCTAL_DIGITS = "01234567"


def settings_path(config_home):
    return os.path.join(config_home, "pondrel-sudoku", "pondrel-sudoku.conf")


def unescape_ini_value(raw):
    """The text of one QSettings INI value: quotes removed, escapes decoded.

    Commas outside quotes separate the items of a string list; a saved game is
    never a list, so the items are joined back with commas.
    """
    items = [""]
    quoted = False
    i = 0
    while i < len(raw):
        ch = raw[i]
        i += 1
        if ch == '"':
            quoted = not quoted
        elif ch == "\\" and i < len(raw):
            code = raw[i]
            i += 1
            if code in _ESCAPES:
                items[-1] += _ESCAPES[code]
            elif code in "xX":
                start = i
                while i < len(raw) and raw[i] in _HEX_DIGITS:
                    i += 1
                items[-1] += chr(int(raw[start:i] or "0", 16))
            elif code in _OCTAL_DIGITS:
                start = i - 1
                while i < len(raw) and raw[i] in _OCTAL_DIGITS and i - start < 3:
                    i += 1
                items[-1] += chr(int(raw[start:i], 8))
            else:
                items[-1] += code
        elif ch == "," and not quoted:
            items.append("")
        else:
            items[-1] += ch
    return ",".join(item.strip() if len(items) > 1 else item for item in items)


def read_ini_value(path, key, section="General"):
    """The raw text after `key=` in `section`, or None."""
    try:
        with open(path, encoding="utf-8", errors="surrogateescape") as file:
            lines = file.read().splitlines()
    except OSError:
        return None
    current = "General"
    for line in lines:
        stripped = line.strip()
        if stripped.startswith("[") and stripped.endswith("]"):
            current = stripped[1:-1]
            continue
        if current != section or "=" not in stripped:
            continue
        name, value = stripped.split("=", 1)
        if name.strip() == key:
            return value.strip()
    return None


def saved_game(config_home):
    """The saved game as a dict with every key of the record, or None."""
    raw = read_ini_value(settings_path(config_home), SAVED_GAME_KEY)
    if raw is None:
        return None
    text = unescape_ini_value(raw)
    prefix, suffix = "@ByteArray(", ")"
    if not (text.startswith(prefix) and text.endswith(suffix)):
        return None
    payload = text[len(prefix):-len(suffix)]
    try:
        # A byte array is written byte for byte; Latin-1 gives the bytes back.
        record = json.loads(payload.encode("latin-1").decode("utf-8"))
    except (UnicodeError, ValueError):
        return None
    if not isinstance(record, dict) or any(key not in record for key in RECORD_KEYS):
        return None
    return record


def wait_for_record(config_home, predicate, timeout, interval=0.05):
    """The first saved record for which predicate(record) holds, or None."""
    deadline = time.monotonic() + timeout
    while True:
        record = saved_game(config_home)
        if record is not None and predicate(record):
            return record
        if time.monotonic() >= deadline:
            return None
        time.sleep(interval)


def settled_record(config_home, quiet, timeout):
    """The saved record once it has stayed the same for `quiet` seconds.

    A save is queued for the next turn of the app's event loop and QSettings
    writes the file a turn later, so a record read right after an action may
    still be the one before it.
    """
    deadline = time.monotonic() + timeout
    last = saved_game(config_home)
    since = time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.05)
        record = saved_game(config_home)
        if record != last:
            last, since = record, time.monotonic()
        elif record is not None and time.monotonic() - since >= quiet:
            return record
    return None


def seed_settings(config_home, values):
    """Writes a settings file holding only `values` (plain INI scalars)."""
    path = settings_path(config_home)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as file:
        file.write("[General]\n")
        for key, value in values.items():
            file.write(f"{key}={value}\n")


def setting(config_home, key):
    """The raw text of one key of the settings file, or None."""
    return read_ini_value(settings_path(config_home), key)


def ini_byte_array(payload):
    """A byte array value as QSettings writes it into its INI file: the
    bytes (here UTF-8 text) in @ByteArray(...), quoted and escaped."""
    text = "@ByteArray(" + payload + ")"
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def saved_game_value(record):
    """The settings file's value of the saved game holding record."""
    return ini_byte_array(json.dumps(record, separators=(",", ":")))


def grid(text):
    """81 digits of a grid text as a list of ints."""
    return [int(ch) for ch in text if ch.isdigit()]
