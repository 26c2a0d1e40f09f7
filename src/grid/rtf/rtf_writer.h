#pragma once
// Writes a QTextDocument as Rich Text Format in 7-bit characters only:
//   {\rtf1\ansi\ansicpg1252\deff0\uc1
//    {\fonttbl{\f0 Name;}...}           one entry per font family used
//    {\colortbl ;\red..\green..\blue..;...}  one entry per colour used
//    \pard\ql ... \par                  one paragraph per block, aligned by
//                                       \ql, \qr, \qc or \qj
//    {\f0\fs24\b\i\ul\strike\cf1\super text}  one group per run of one look
//   }
// Text: "\", "{" and "}" are escaped; a tab is \tab, a line separator
// \line; every other character outside printable ASCII is \uN followed by
// "?" for readers without Unicode, so no character is lost and no byte above
// 127 is written.
#include <QByteArray>

class QTextDocument;

namespace rtf {

QByteArray Write_Rtf(const QTextDocument& Document);

}  // namespace rtf
