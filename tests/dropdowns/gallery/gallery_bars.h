#pragma once
// The header and footer bars of two drop-downs, one with its buttons on the
// right and one with them on the left; Tell hears the button clicks.
#include <QString>
#include <QWidget>
#include <functional>

#include "dropdowns/base/drop_down_drawing.h"

QWidget* Make_Bars_Demo(const TDropDownImages* Images, std::function<void(const QString&)> Tell);
