#pragma once
// The data formats of the grid's drag and drop, as MIME types, and the two
// binary layouts of our own:
//
//   column  "application/x-zadirururoziz-column": 4 bytes, the dragged
//           column's index, 32-bit signed, little-endian.
//   cells   "application/x-zadirururoziz-cells": offset 0 a 32-bit
//           little-endian count N of stream bytes, offset 4 four reserved
//           zero bytes, offset 8 the N bytes of the grid's cell stream;
//           N + 8 bytes in all.
//
// Text goes as UTF-8 "text/plain" (one text serves both text formats of the
// other desktop), rich text as "text/rtf" while rich-text dropping is
// enabled, files and URLs come in as "text/uri-list". Dropped bytes come from
// any program: the decoders check the layouts and refuse what does not fit.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace grid_dragdrop {

inline const QString Text_Mime = QStringLiteral("text/plain");
inline const QString Rtf_Mime = QStringLiteral("text/rtf");
inline const QString Column_Mime = QStringLiteral("application/x-zadirururoziz-column");
inline const QString Cells_Mime = QStringLiteral("application/x-zadirururoziz-cells");
inline const QString Uri_List_Mime = QStringLiteral("text/uri-list");

QByteArray Encode_Column(int32_t column);
// False unless the block is exactly 4 bytes.
bool Decode_Column(const QByteArray& block, int32_t& column);
QByteArray Encode_Cells(const QByteArray& stream);
// False when the block is shorter than its 8-byte head, its count is
// negative or more bytes than follow the head.
bool Decode_Cells(const QByteArray& block, QByteArray& stream);

}  // namespace grid_dragdrop

// The formats a dropped data object carries.
enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = uint8_t;
constexpr TDropFormats Drop_Format_Bit(TDropFormat f) { return TDropFormats(1u << f); }

// Drop effects as the drag-and-drop calls count them.
enum : int { DROPEFFECT_NONE = 0, DROPEFFECT_COPY = 1, DROPEFFECT_MOVE = 2 };
// Results of a drag.
enum : int { DRAGDROP_S_DROP = 0x40100, DRAGDROP_S_CANCEL = 0x40101, DRAGDROP_S_USEDEFAULTCURSORS = 0x40102 };

// Whether rich text is offered and accepted; off at start. The grid sets it
// from its OleDropRTF setting.
void SetRTFDropEnabled(bool Value);
bool RTFDropEnabled();
