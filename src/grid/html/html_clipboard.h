#pragma once
// The HTML clipboard format: a header of byte offsets, then a document
// holding the fragment between <!--StartFragment--> and <!--EndFragment-->:
//   Version:1.0 CR LF
//   StartHTML:nnnnnnnn CR LF      where the document starts (97)
//   EndHTML:nnnnnnnn CR LF        its end
//   StartFragment:nnnnnnnn CR LF  where the fragment starts (274)
//   EndFragment:nnnnnnnn CR LF    where it ends
//   <!DOCTYPE ...><html><head>...</head><body><!--StartFragment-->fragment
//   <!--EndFragment--></body></html>
// Offsets count characters of the whole text, eight digits zero-padded.
#include <QString>

void WrapHtmlClipboardFragment(QString& fragment);
