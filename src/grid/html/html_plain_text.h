#pragma once
#include <QString>

// The text a mini-HTML cell shows without its markup: tags dropped, a line
// break for <br> and for the end of a paragraph, and the common entities
// (&amp; &lt; &gt; &quot; &nbsp;) written out. An unclosed "<" keeps the
// rest of the text as it stands.
QString Html_Plain_Text(const QString& html);
