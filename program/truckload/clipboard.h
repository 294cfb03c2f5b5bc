// The truckload clipboard: the selected items as concatenated version-7
// item records under the format "Hazmat Clipboard Data", with no header and
// no count.  Any program can post data under that name, so a block read back
// is walked with its bounds checked before each record is handed to the
// engine.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

struct Hazmat;

namespace velmora {

inline constexpr const char *kClipboardFormat = "Hazmat Clipboard Data";

// The records of `items`, each written by Serialize_Hazmat at the latest
// version and taking exactly GetSerialSize_Hazmat bytes.
QByteArray clipboardBlock(const std::vector<Hazmat *> &items);

// One record inside a block: offset and length (32 + N).
struct RecordSpan {
    qsizetype offset;
    qsizetype length;
};

// Splits a block into its records: before each one, 32 bytes must remain,
// and then 32 + N, where N is the little-endian 32-bit dictionary length at
// offset 28 of the record.  Nothing when the block breaks off or a length
// runs past its end; an empty block has no records.
std::optional<std::vector<RecordSpan>> clipboardRecords(const QByteArray &block);

// The message shown for a block that cannot be read; nothing is pasted.
QString unreadableClipboardText();

// The clipboard's block, or nothing when it holds no data in the format.
std::optional<QByteArray> clipboardBlockFromSystem();
void putClipboardBlock(const QByteArray &block);
bool clipboardHasItems();

} // namespace velmora
