#include "grid/html/html_controls.h"

#include <vector>

#include "grid/html/html_entities.h"
#include "grid/html/html_text_scan.h"

namespace {

// One control tag: from its "<" to its ">" (or the end of the text).
struct Control_Tag {
  qsizetype Start = 0;
  qsizetype End = 0;  // just after the ">"
  THtmlControlAttributes Attributes;
};

std::vector<Control_Tag> Control_Tags(const QString& text) {
  std::vector<Control_Tag> tags;
  qsizetype at = 0;
  for (;;) {
    at = html_scan::Index_Of(text, u"<CONTROL ", at);
    if (at < 0) break;
    const qsizetype close = text.indexOf(u'>', at);
    Control_Tag tag;
    tag.Start = at;
    tag.End = close < 0 ? text.size() : close + 1;
    tag.Attributes = ReadHtmlControlAttributes(text.mid(at, tag.End - at));
    tags.push_back(tag);
    at = tag.End;
  }
  return tags;
}

QString Quoted(const QString& value) { return QLatin1Char('"') + value + QLatin1Char('"'); }

bool Has_Attribute(const QString& tag, const QString& upper, QStringView name) {
  bool found = false;
  html_scan::Attribute(tag, upper, name, &found);
  return found;
}

// The tag of `control` rewritten with `value`.
void Rewrite(QString& text, const Control_Tag& control, const QString& value) {
  const QString tag = text.mid(control.Start, control.End - control.Start);
  const QString upper = html_scan::Ascii_Upper(tag);
  const THtmlControlAttributes& a = control.Attributes;
  QString out = QLatin1String("<CONTROL ID=") + Quoted(a.ID) + QLatin1String(" VALUE=") +
                Quoted(EscapeHtmlChars(value, true)) + QLatin1String(" WIDTH=") + Quoted(a.Width) +
                QLatin1String(" TYPE=") + Quoted(a.Type);
  if (Has_Attribute(tag, upper, u"PROP=")) out += QLatin1String(" PROP=") + Quoted(EscapeHtmlChars(a.Prop, true));
  if (Has_Attribute(tag, upper, u"MAXLEN=")) out += QLatin1String(" MAXLEN=") + Quoted(a.MaxLen);
  if (Has_Attribute(tag, upper, u"HEIGHT=")) out += QLatin1String(" HEIGHT=") + Quoted(a.Height);
  out += QLatin1Char('>');
  text.replace(control.Start, control.End - control.Start, out);
}

}  // namespace

THtmlControlAttributes ReadHtmlControlAttributes(const QString& tagText) {
  const QString upper = html_scan::Ascii_Upper(tagText);
  auto read = [&](QStringView name) { return html_scan::Attribute(tagText, upper, name); };
  THtmlControlAttributes a;
  a.Type = html_scan::Ascii_Upper(read(u"TYPE="));
  a.Width = read(u"WIDTH=");
  a.Height = read(u"HEIGHT=");
  a.ID = read(u"ID=");
  a.Value = UnescapeHtmlChars(read(u"VALUE="), true);
  a.Prop = UnescapeHtmlChars(read(u"PROP="), true);
  a.MaxLen = read(u"MAXLEN=");
  return a;
}

bool HasHtmlControls(const QString& text) { return html_scan::Index_Of(text, u"<CONTROL") >= 0; }

bool GetHtmlControlValue(const QString& text, const QString& id, QString& value) {
  for (const Control_Tag& tag : Control_Tags(text)) {
    if (tag.Attributes.ID == id) {
      value = tag.Attributes.Value;
      return true;
    }
  }
  return false;
}

QString GetHtmlControlProp(const QString& text, const QString& id) {
  for (const Control_Tag& tag : Control_Tags(text))
    if (tag.Attributes.ID == id) return tag.Attributes.Prop;
  return {};
}

int GetHtmlControlMaxLen(const QString& text, const QString& id) {
  for (const Control_Tag& tag : Control_Tags(text))
    if (tag.Attributes.ID == id) return html_scan::Leading_Number(tag.Attributes.MaxLen);
  return 0;
}

QString NextHtmlEditControlID(const QString& text, const QString& id) {
  const std::vector<Control_Tag> tags = Control_Tags(text);
  size_t from = 0;
  if (!id.isEmpty()) {
    while (from < tags.size() && tags[from].Attributes.ID != id) ++from;
    if (from == tags.size()) return {};
    ++from;
  }
  for (size_t i = from; i < tags.size(); ++i) {
    const QString& type = tags[i].Attributes.Type;
    if (type != QLatin1String("BUTTON") && type != QLatin1String("CHECK") && type != QLatin1String("RADIO"))
      return tags[i].Attributes.ID;
  }
  return {};
}

bool SetHtmlControlValue(QString& text, const QString& id, const QString& value) {
  for (const Control_Tag& tag : Control_Tags(text)) {
    if (tag.Attributes.ID == id) {
      Rewrite(text, tag, value);
      return true;
    }
  }
  return false;
}

QString ResetHtmlRadioControls(const QString& text) {
  QString out = text;
  // From the last control back, so that rewriting one leaves the positions
  // of those before it valid; each radio is rewritten by its own position,
  // also when two share an ID or have none.
  const std::vector<Control_Tag> tags = Control_Tags(text);
  for (auto it = tags.rbegin(); it != tags.rend(); ++it)
    if (it->Attributes.Type == QLatin1String("RADIO")) Rewrite(out, *it, QStringLiteral("FALSE"));
  return out;
}

QString PasswordMask(const QString& text) { return QString(text.size(), QLatin1Char('*')); }
