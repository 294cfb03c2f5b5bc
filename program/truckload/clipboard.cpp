#include "truckload/clipboard.h"

#include "dravlen.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace velmora {

namespace {
constexpr qsizetype kRecordHead = 32;   // PID .. shipping-name index, then N at offset 28
constexpr qsizetype kLengthAt = 28;

uint32_t readLittleEndian32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return static_cast<uint32_t>(u[0]) | static_cast<uint32_t>(u[1]) << 8 | static_cast<uint32_t>(u[2]) << 16 |
           static_cast<uint32_t>(u[3]) << 24;
}
} // namespace

QByteArray clipboardBlock(const std::vector<Hazmat *> &items)
{
    const uint32_t version = GetLatestSerialHazmatVersion();
    std::vector<uint32_t> sizes;
    qsizetype total = 0;
    for (Hazmat *item : items) {
        sizes.push_back(GetSerialSize_Hazmat(item, version));
        total += static_cast<qsizetype>(sizes.back());
    }
    QByteArray block(total, '\0');
    qsizetype at = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        Serialize_Hazmat(items[i], block.data() + at);
        at += static_cast<qsizetype>(sizes[i]);
    }
    return block;
}

std::optional<std::vector<RecordSpan>> clipboardRecords(const QByteArray &block)
{
    std::vector<RecordSpan> spans;
    qsizetype at = 0;
    const qsizetype size = block.size();
    while (at < size) {
        const qsizetype remaining = size - at;
        if (remaining < kRecordHead)
            return std::nullopt;
        const uint32_t n = readLittleEndian32(block.constData() + at + kLengthAt);
        if (static_cast<uint64_t>(n) > static_cast<uint64_t>(remaining - kRecordHead))
            return std::nullopt;
        const qsizetype length = kRecordHead + static_cast<qsizetype>(n);
        spans.push_back({at, length});
        at += length;
    }
    return spans;
}

QString unreadableClipboardText()
{
    return QStringLiteral("The clipboard does not hold truckload items that can be read. Nothing was pasted.");
}

std::optional<QByteArray> clipboardBlockFromSystem()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    const QString format = QString::fromLatin1(kClipboardFormat);
    if (!data || !data->hasFormat(format))
        return std::nullopt;
    return data->data(format);
}

void putClipboardBlock(const QByteArray &block)
{
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(kClipboardFormat), block);
    QApplication::clipboard()->setMimeData(data);   // the clipboard owns it
}

bool clipboardHasItems()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasFormat(QString::fromLatin1(kClipboardFormat));
}

} // namespace velmora
