#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace pondrel {

namespace {

Clipboard::BoundedReader boundedReader = nullptr;

} // namespace

Clipboard::Clipboard(QObject *parent) : QObject(parent) {}

void Clipboard::setBoundedReader(BoundedReader reader)
{
    boundedReader = reader;
}

QString Clipboard::text() const
{
    // Our own copy comes from memory; asking the desktop for it would wait
    // on this thread, which is the one that has to answer.
    if (boundedReader && !QGuiApplication::clipboard()->ownsClipboard()) {
        // A character is at most four bytes of UTF-8.
        if (const std::optional<QByteArray> bytes = boundedReader(kTextLimit * 4)) {
            QString text = QString::fromUtf8(*bytes);
            text.truncate(kTextLimit);
            return text;
        }
    }
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) {
        return {};
    }
    QString text = data->text();
    if (text.size() > kTextLimit) {
        text.truncate(kTextLimit);
    }
    return text;
}

void Clipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace pondrel
