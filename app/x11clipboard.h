#pragma once

#include <QByteArray>

#include <chrono>
#include <optional>

namespace pondrel {

// The start of the X11 CLIPBOARD selection as UTF-8 text, read on a
// connection of its own: at most `maxBytes` + 1 bytes, so the caller sees
// whether there was more.
//
// QClipboard in Qt 6.4 has no bound: it fetches the whole selection, then
// converts it, before anything can look at its size. A 100 MB clipboard
// held the board's thread 0.5 to 1.1 s and raised memory by 310 MB (Xvfb,
// xclip as the owner). Here the owner's transfer stops once enough has come:
// one property read for a small selection, the first chunk of an
// incremental (INCR) one, of which only `maxBytes` + 4 bytes are fetched.
//
// `display` is an X display name, or empty for $DISPLAY. Nothing when no X
// server answers or the owner offers no UTF8_STRING; the caller then asks
// QClipboard. An owner that does not answer within `timeout` gives an empty
// text. Never call it while this process owns the selection: the owner's
// answer would have to come from the thread that waits here.
std::optional<QByteArray> readX11ClipboardText(const QByteArray &display,
                                               qsizetype maxBytes,
                                               std::chrono::milliseconds timeout);

} // namespace pondrel
