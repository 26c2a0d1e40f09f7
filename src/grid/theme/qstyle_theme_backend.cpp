#include "grid/theme/qstyle_theme_backend.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace {

QStyle* Current_Style() {
  return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
}

// State numbers 1..4 of buttons, drop-downs, spin buttons and header items
// share their meaning: normal, hot, pressed, disabled.
void Apply_Common_State(QStyleOption& option, int state) {
  option.state |= QStyle::State_Enabled;
  if (state == 2) option.state |= QStyle::State_MouseOver;
  if (state == 3) option.state |= QStyle::State_Sunken;
  if (state == 4) option.state &= ~QStyle::State_Enabled;
}

bool Draw_Button(QPainter& painter, const QWidget* widget, QStyle* style, int part, int state, const QRect& rect) {
  if (part == BP_PUSHBUTTON) {
    QStyleOptionButton option;
    if (widget) option.initFrom(widget);
    option.rect = rect;
    option.state = QStyle::State_Raised;
    Apply_Common_State(option, state);
    if (state == PBS_DEFAULTED) option.features |= QStyleOptionButton::DefaultButton;
    style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, widget);
    return true;
  }
  if (part != BP_CHECKBOX && part != BP_RADIOBUTTON) return false;
  QStyleOptionButton option;
  if (widget) option.initFrom(widget);
  option.rect = rect;
  option.state = QStyle::State_None;
  // Check-box and radio states come in groups of four (normal, hot,
  // pressed, disabled): unchecked, checked, then mixed.
  const int group = (state - 1) / 4;
  Apply_Common_State(option, (state - 1) % 4 + 1);
  option.state |= group == 0 ? QStyle::State_Off : group == 1 ? QStyle::State_On : QStyle::State_NoChange;
  style->drawPrimitive(part == BP_CHECKBOX ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton, &option,
                       &painter, widget);
  return true;
}

bool Draw_Arrow_Button(QPainter& painter, const QWidget* widget, QStyle* style, QStyle::PrimitiveElement arrow,
                       int state, const QRect& rect) {
  QStyleOption option;
  if (widget) option.initFrom(widget);
  option.rect = rect;
  option.state = QStyle::State_Raised;
  Apply_Common_State(option, state);
  style->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, widget);
  QStyleOption glyph = option;
  const int inset = qMax(2, qMin(rect.width(), rect.height()) / 4);
  glyph.rect = rect.adjusted(inset, inset, -inset, -inset);
  style->drawPrimitive(arrow, &glyph, &painter, widget);
  return true;
}

bool Draw_Tab(QPainter& painter, const QWidget* widget, QStyle* style, int part, int state, const QRect& rect) {
  if (part == TABP_PANE) {
    QStyleOptionTabWidgetFrame option;
    if (widget) option.initFrom(widget);
    option.rect = rect;
    style->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, widget);
    return true;
  }
  if (part < TABP_TABITEM || part > 8) return false;
  QStyleOptionTab option;
  if (widget) option.initFrom(widget);
  option.rect = rect;
  option.state = QStyle::State_Enabled;
  if (state == TIS_HOT) option.state |= QStyle::State_MouseOver;
  if (state == TIS_SELECTED || state == TIS_FOCUSED) option.state |= QStyle::State_Selected;
  if (state == TIS_FOCUSED) option.state |= QStyle::State_HasFocus;
  if (state == TIS_DISABLED) option.state &= ~QStyle::State_Enabled;
  option.position = QStyleOptionTab::Middle;
  style->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, widget);
  return true;
}

bool Draw_Header(QPainter& painter, const QWidget* widget, QStyle* style, int part, int state, const QRect& rect) {
  if (part != HP_HEADERITEM && part != HP_HEADERITEMRIGHT) return false;
  QStyleOptionHeader option;
  if (widget) option.initFrom(widget);
  option.rect = rect;
  option.state = QStyle::State_Raised | QStyle::State_Horizontal;
  Apply_Common_State(option, state);
  option.position = QStyleOptionHeader::Middle;
  if (part == HP_HEADERITEMRIGHT) {
    style->drawControl(QStyle::CE_HeaderEmptyArea, &option, &painter, widget);
    return true;
  }
  style->drawControl(QStyle::CE_HeaderSection, &option, &painter, widget);
  return true;
}

// The bar is the empty trough; the chunk fills the rectangle it is given.
bool Draw_Progress(QPainter& painter, const QWidget* widget, QStyle* style, int part, const QRect& rect) {
  if (part != PP_BAR && part != PP_CHUNK) return false;
  QStyleOptionProgressBar option;
  if (widget) option.initFrom(widget);
  option.rect = rect;
  option.state = QStyle::State_Enabled | QStyle::State_Horizontal;
  option.minimum = 0;
  option.maximum = 100;
  option.progress = part == PP_BAR ? 0 : 100;
  option.textVisible = false;
  style->drawControl(part == PP_BAR ? QStyle::CE_ProgressBarGroove : QStyle::CE_ProgressBarContents, &option,
                     &painter, widget);
  return true;
}

}  // namespace

bool QStyle_Theme_Backend::Is_Theme_Active() const { return Current_Style() != nullptr; }

QString QStyle_Theme_Backend::Color_Scheme_Name() const { return {}; }

bool QStyle_Theme_Backend::Draw_Part(QPainter& painter, const QObject* window, const QString& class_name, int part,
                                     int state, const QRect& rect) const {
  QStyle* style = Current_Style();
  if (!style || rect.isEmpty()) return false;
  const QWidget* widget = qobject_cast<const QWidget*>(window);
  painter.save();
  bool drawn = false;
  const QString name = class_name.toLower();
  if (name == QLatin1String(kThemeButton)) {
    drawn = Draw_Button(painter, widget, style, part, state, rect);
  } else if (name == QLatin1String(kThemeComboBox)) {
    drawn = part == CP_DROPDOWNBUTTON &&
            Draw_Arrow_Button(painter, widget, style, QStyle::PE_IndicatorArrowDown, state, rect);
  } else if (name == QLatin1String(kThemeSpin)) {
    if (part == SPNP_UP || part == SPNP_DOWN)
      drawn =
          Draw_Arrow_Button(painter, widget, style,
                            part == SPNP_UP ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, state, rect);
  } else if (name == QLatin1String(kThemeTab)) {
    drawn = Draw_Tab(painter, widget, style, part, state, rect);
  } else if (name == QLatin1String(kThemeHeader)) {
    drawn = Draw_Header(painter, widget, style, part, state, rect);
  } else if (name == QLatin1String(kThemeProgress)) {
    drawn = Draw_Progress(painter, widget, style, part, rect);
  }
  painter.restore();
  return drawn;
}

void QStyle_Theme_Backend::Install_And_Load() {
  static QStyle_Theme_Backend backend;
  Install_Theme_Backend(&backend);
  LoadThemeApi();
  Init_Theme_Library();
}
