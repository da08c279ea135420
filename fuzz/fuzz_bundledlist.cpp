// Arbitrary bytes as the built-in puzzle list. Every text it yields must be
// one line's second field: valid UTF-8 of 81 characters without a blank,
// and never longer than the input it came from.

#include "supplyfile.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const pondrel::BundledPuzzles bundled =
        pondrel::parseBundledList(QByteArrayView(data, qsizetype(size)));
    for (const auto &[difficulty, texts] : bundled) {
        for (const std::string &text : texts) {
            const QByteArrayView bytes(text.data(), qsizetype(text.size()));
            if (text.size() > size || !bytes.isValidUtf8() || bytes.contains(' ') ||
                QString::fromUtf8(bytes).toUcs4().size() != pondrel::kCellCount) {
                std::abort();
            }
        }
    }
    return 0;
}
