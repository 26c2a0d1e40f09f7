#pragma once
// Form controls written into HTML cell texts as "<CONTROL" tags, e.g.
//   <CONTROL TYPE="EDIT" ID="name" VALUE="text" WIDTH="80">
// Attributes: TYPE (EDIT, PASSWORD, MASK, COMBO, CHECK, RADIO, BUTTON), WIDTH,
// HEIGHT, ID, VALUE, PROP, MAXLEN, each NAME="value". VALUE and PROP are
// stored escaped (EscapeHtmlChars with the accented letters).
#include <QString>

struct THtmlControlAttributes {
  QString Type;  // upper-cased
  QString ID;
  QString MaxLen;
  QString Prop;  // unescaped
  QString Height;
  QString Width;
  QString Value;  // unescaped
};

// The attributes of one control tag; missing ones are empty.
THtmlControlAttributes ReadHtmlControlAttributes(const QString& tagText);

bool HasHtmlControls(const QString& text);

// The VALUE of the first control whose ID is `id` (letter case exact);
// false when there is none.
bool GetHtmlControlValue(const QString& text, const QString& id, QString& value);
QString GetHtmlControlProp(const QString& text, const QString& id);
// MAXLEN as a number, 0 when absent.
int GetHtmlControlMaxLen(const QString& text, const QString& id);

// The ID of the first control after the one with `id` (after none: the first
// control) that the user types into: its TYPE is no BUTTON, CHECK or RADIO.
// Empty when there is none.
QString NextHtmlEditControlID(const QString& text, const QString& id);

// Writes `value` into the first control with `id` and rewrites its tag as
// CONTROL ID VALUE WIDTH TYPE [PROP] [MAXLEN] [HEIGHT]; the rest of the text
// stays as written. False when no control has that ID.
bool SetHtmlControlValue(QString& text, const QString& id, const QString& value);

// Every RADIO control with VALUE "FALSE".
QString ResetHtmlRadioControls(const QString& text);

// One "*" per character.
QString PasswordMask(const QString& text);
