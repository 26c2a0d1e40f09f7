#pragma once
// A typed value followed by its unit ("12km"): the value's text and the unit
// from a list of unit texts.
#include <QString>
#include <QStringList>
#include <optional>

struct Text_And_Unit {
  QString Text;
  QString Unit;
};

// The longest listed unit that ends `value` (the first listed of equal
// length); nothing when no unit does. An empty unit never matches.
std::optional<Text_And_Unit> Split_Text_And_Unit(const QString& value, const QStringList& units);
