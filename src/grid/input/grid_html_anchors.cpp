// Anchors and form controls in the cells of TZadIrururOziz. The cell's text
// is laid out by the mini-HTML renderer where painting puts it, and the
// point is tested against it: hovering an anchor shows the hand cursor and
// fires the enter and exit events, a click follows the anchor (a "cell://R3C2"
// anchor makes that cell current; a web link opens) or works the form
// control under it: CHECK toggles, RADIO selects within the cell, BUTTON
// draws pressed until the release, EDIT, PASSWORD, MASK and COMBO open a
// floating editor whose text is written back into the control's VALUE.
#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QUrl>

#include "controls/editors/combo_list_popup.h"
#include "grid/core/control_editors.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/edit_mask.h"
#include "grid/html/html_controls.h"
#include "grid/html/html_text_scan.h"
#include "grid/store/text_helpers.h"

namespace {

bool Has_Control_Tag(const QString& text) { return text.toUpper().contains(QLatin1String("<CONTROL")); }

// A link in imported text must not start a program: only web and mail
// addresses are opened.
QString Openable_Url(const QString& anchor) {
  const QString upper = anchor.trimmed().toUpper();
  for (const char* scheme : {"HTTP://", "HTTPS://", "FTP://", "MAILTO:"})
    if (upper.startsWith(QLatin1String(scheme))) return anchor.trimmed();
  if (upper.startsWith(QLatin1String("WWW."))) return QStringLiteral("http://") + anchor.trimmed();
  return {};
}

bool Is_Edit_Type(const QString& type) {
  return type == QLatin1String("EDIT") || type == QLatin1String("PASSWORD") || type == QLatin1String("MASK");
}

}  // namespace

// ---- settings

void TZadIrururOziz::SetURLUnderlineOnHover(bool Value) {
  if (FPaintLook.URLUnderlineOnHover == Value) return;
  FPaintLook.URLUnderlineOnHover = Value;
  RepaintAll();
}

// ---- the hit test

bool TZadIrururOziz::HtmlCellHit(int ACol, int ARow, const QPoint& Pos, THtmlDrawResult& Hit,
                                 const QString& ControlID) {
  Hit = THtmlDrawResult{};
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return false;
  const int real = RealColIndex(ACol);
  const QString text = GetFormattedCell(real, ARow);
  if (grid_text::CellTextKind(text, FEnableHTML) != 1) return false;

  // The rectangle the text layer draws in: the cell's content, the fixed
  // cells' line, editor buttons, XYOffset, a cell object beside the text,
  // the node indent, the sort glyph.
  TRect r = CellRect(ACol, ARow);
  const int inset = GridLineWidth();
  const bool fixed_like = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  if (fixed_like) {
    r.Right -= 1;
    r.Bottom -= 2;
  } else {
    r = TRect{r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
  }
  if (IsFixed(ACol, ARow)) {
    r.Left += inset;
    r.Top += inset;
  }
  if (!IsFixed(ACol, ARow) && ((FControlLook.DropDownAlwaysVisible() && DoHasComboBox(real, ARow)) ||
                               (FControlLook.SpinButtonsAlwaysVisible() && DoHasSpinEdit(real, ARow))))
    r.Right -= 16;
  TGridDrawState state = 0;
  TCanvas::Brush_State brush;
  TColor colour_to = clNone, mirror = clNone, mirror_to = clNone, font_colour = clNone;
  QFont font = this->font();
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = FWordWrapEx;
  TCellGradientDirection gd = GradientVertical;
  GetVisualProperties(ACol, ARow, state, false, false, true, brush, colour_to, mirror, mirror_to, font, font_colour, ha,
                      va, ww, gd);
  if (FPaintLook.ZoomFactor != 0 && font.pointSize() > 0)
    font.setPointSize(std::max(1, font.pointSize() + FPaintLook.ZoomFactor));
  const QPoint xy = XYOffset();
  r.Left += xy.x();
  r.Top += xy.y();
  if (!FPaintLook.XYOffsetTopLeftOnly) r.Right -= xy.x();
  const Cell_Object_Layout obj = GetCellGraphicLayout(real, ARow);
  if (obj.Graphic) {
    if (!obj.TextShares) return false;
    if (ha == taLeftJustify && obj.HAlign == haBeforeText) r.Left += obj.W;
    if (obj.HAlign == haAfterText) r.Right -= obj.W;
    if ((ha == taRightJustify || ha == taCenter) && obj.HAlign == haBeforeText) r.Left += obj.W;
    if (obj.VAlign == vaAboveText) r.Top += obj.H;
    if (obj.VAlign == vaUnderText) r.Bottom -= obj.H;
  }
  if (real == 0 && HasNodes() && !(obj.Graphic && obj.Graphic->CellType == ctNode)) r.Left += RowNodeIndent(ARow);
  r.Left -= 1;
  if (ShowsSortGlyph(ACol, ARow) && FixedRows() > 0 && (ACol >= FixedCols() || FSortSettings.FixedCols) &&
      (real == FSortSettings.Column || Sort_Index_Of(real) >= 0))
    r.Right -= 10;

  // Laid out on a device of the grid's resolution.
  QImage device(1, 1, QImage::Format_RGB32);
  device.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
  device.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
  QPainter painter(&device);
  TCanvas canvas(painter);
  canvas.Font = font;
  THtmlDrawParams params;
  params.Images = &FPaintLook.CellImageList;
  params.XPos = Pos.x();
  params.YPos = Pos.y();
  params.HitTestOnly = true;
  params.ControlID = ControlID;
  params.WordWrap = !FPaintLook.EnhTextSize;
  params.PictureCache = &FImageCache;
  params.Pictures = FPictureContainer;
  params.WindowHandle = this;
  params.BiDiMode = layoutDirection() == Qt::RightToLeft ? bdRightToLeft : bdLeftToRight;
  return DrawHtmlText(canvas, text, r, params, Hit);
}

// ---- hover

// The move itself: grid_mouse_move.cpp, which hovers the anchors last.

void TZadIrururOziz::leaveEvent(QEvent* event) {
  TBaseGrid::leaveEvent(event);
  Mouse_Leave_Move();
  Html_Hover_End();
}

void TZadIrururOziz::Set_Hover_Link(QPoint Cell, int Link) {
  if (Cell == FHoverCell && Link == FHoverlink) return;
  auto repaint = [this](QPoint c) {
    if (c.x() >= 0 && c.y() >= 0 && c.y() < RowCount()) RepaintCell(DisplColIndex(c.x()), c.y());
  };
  const QPoint old = FHoverCell;
  FHoverCell = Cell;
  FHoverlink = Link;
  repaint(old);
  if (Cell != old) repaint(Cell);
}

// The mouse left the anchors: the link is no longer hot and the anchor
// that was entered is left.
void TZadIrururOziz::Html_Hover_End() {
  if (FPaintLook.URLUnderlineOnHover) Set_Hover_Link(QPoint(-1, -1), -1);
  if (!FAnchor.isEmpty()) {
    const QString left = FAnchor;
    FAnchor.clear();
    if (OnAnchorExit) OnAnchorExit(this, FAnchorCell.y(), FAnchorCell.x(), left);
  }
}

void TZadIrururOziz::Html_Hover(const QPoint& Pos) {
  int ACol = -1, ARow = -1;
  MouseToCell(Pos.x(), Pos.y(), ACol, ARow);
  if (ACol < 0 || ARow < 0) {
    Html_Hover_End();
    return;
  }
  const QPoint base = BaseCell(RealColIndex(ACol), ARow);
  ACol = DisplColIndex(base.x());
  ARow = base.y();
  const QString text = GetFormattedCell(base.x(), ARow);
  const int kind = grid_text::CellTextKind(text, FEnableHTML);
  if (kind != 1) {
    Html_Hover_End();
    if (FPaintLook.URLShow && grid_text::IsUrlText(text)) viewport()->setCursor(Qt::PointingHandCursor);
    return;
  }
  THtmlDrawResult hit;
  const bool on_anchor = HtmlCellHit(ACol, ARow, Pos, hit) && !hit.AnchorValue.isEmpty();
  if (FPaintLook.URLUnderlineOnHover) Set_Hover_Link(base, hit.MouseLink);
  if (!on_anchor) {
    Html_Hover_End();
    return;
  }
  const QString anchor = hit.AnchorValue;
  QString title = hit.AnchorTitle;
  if (title.isEmpty() && OnAnchorHint) {
    title = anchor;
    OnAnchorHint(this, ARow, ACol, title);
  }
  if (!FLastAnchorHint.isEmpty() && title != FLastAnchorHint && anchor != FAnchor) {
    // The hint shown belongs to the anchor left; the new one shows next.
    FLastAnchorHint = title;
    QToolTip::hideText();
    Hide_HTML_Hint();
  }
  viewport()->setCursor(Qt::PointingHandCursor);
  if (anchor != FAnchor) {
    // Moving straight from one anchor to the next leaves the first.
    if (!FAnchor.isEmpty() && OnAnchorExit) OnAnchorExit(this, FAnchorCell.y(), FAnchorCell.x(), FAnchor);
    FAnchor = anchor;
    FAnchorCell = QPoint(ACol, ARow);
    if (OnAnchorEnter) OnAnchorEnter(this, ARow, ACol, anchor);
  }
}

// ---- clicks

QString TZadIrururOziz::Stored_Cell_Text(int RCol, int ARow) {
  const QPoint base = BaseCell(RCol, ARow);
  return Store().Text(base.x(), base.y());
}

void TZadIrururOziz::Store_Cell_Text(int RCol, int ARow, const QString& Text) {
  const QPoint base = BaseCell(RCol, ARow);
  SetCellEx(base.x(), base.y(), Text);
  RepaintCell(DisplColIndex(base.x()), base.y());
}

bool TZadIrururOziz::Html_Control_Editable(int ACol, int ARow, const QString& CtrlID) {
  const int real = RealColIndex(ACol);
  bool editable = (Options() & goEditing) || FEditDisable;
  if (editable && HasCellProperties(real, ARow) && Store().Object(real, ARow)->ReadOnly()) editable = false;
  if (!CtrlID.isEmpty() && OnCanEditCell) OnCanEditCell(this, ARow, ACol, editable);
  return editable;
}

bool TZadIrururOziz::Html_Cell_Click(int ACol, int ARow, const QPoint& Pos) {
  const int real = RealColIndex(ACol);
  const QString shown = GetFormattedCell(real, ARow);
  const bool html = grid_text::CellTextKind(shown, FEnableHTML) == 1;
  QString anchor;
  THtmlDrawResult hit;
  if (!html) {
    if (!FPaintLook.URLShow || !grid_text::IsUrlText(shown)) return false;
    anchor = shown;
  } else if (HtmlCellHit(ACol, ARow, Pos, hit)) {
    anchor = hit.AnchorValue;
  }
  if (anchor.isEmpty()) {
    if (!html || !Has_Control_Tag(shown)) return false;
    // A press beside the controls of a form cell only selects it.
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    HideInplaceEdit();
    FocusCell(ACol, ARow);
    return true;
  }
  const QString id = hit.ControlID;
  if (!id.isEmpty() && Html_Control_Editable(ACol, ARow, id)) {
    if (FCtrlEditing) HtmlControlEditDone();
    QString text = Stored_Cell_Text(real, ARow);
    const QString type = hit.ControlType;
    QString value = hit.ControlValue;
    if (type == QLatin1String("BUTTON")) {
      FCtrlXY = QPoint(real, ARow);
      FCtrlDown = true;
      FCtrlDownPos = Pos;
      RepaintCell(ACol, ARow);
    } else if (type == QLatin1String("CHECK")) {
      value = value.toUpper() == QLatin1String("TRUE") ? QStringLiteral("FALSE") : QStringLiteral("TRUE");
      SetHtmlControlValue(text, id, value);
      Store_Cell_Text(real, ARow, text);
    } else if (type == QLatin1String("RADIO")) {
      value = QStringLiteral("TRUE");
      text = ResetHtmlRadioControls(text);
      SetHtmlControlValue(text, id, value);
      Store_Cell_Text(real, ARow, text);
    }
    if (OnControlClick) OnControlClick(this, ARow, ACol, id, type, value);
    ShowHtmlControlEditor(text, type, ARow, real, ACol, hit.ControlRect, value, id);
    return true;
  }
  bool auto_handle = true;
  if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, anchor, auto_handle);
  if (auto_handle) Follow_Anchor(anchor);
  return true;
}

void TZadIrururOziz::Follow_Anchor(const QString& Anchor) {
  const qsizetype cell = Anchor.toUpper().indexOf(QLatin1String("CELL://"));
  if (cell < 0) {
    const QString url = Openable_Url(Anchor);
    if (url.isEmpty()) return;
    if (LinkOpener)
      LinkOpener(url);
    else
      QDesktopServices::openUrl(QUrl(url));
    return;
  }
  QPoint target;
  if (!grid_text::ParseCellReference(Anchor.mid(7), target)) return;
  if (target.y() < 0 || target.y() >= RowCount() || target.x() < 0 || target.x() >= ColCount()) return;
  SetRow(target.y());
  SetCol(target.x());
  ScrollInView(target.x(), target.y());
}

// ---- the floating editors

void TZadIrururOziz::Watch_Form_Control(QWidget* Editor) {
  // Leaving the editor, wherever the focus goes (not into its own list or
  // edit part), ends the edit.
  QObject::disconnect(FFocusWatch);
  const std::weak_ptr<bool> alive = FAnchorsAlive;
  FFocusWatch = connect(qApp, &QApplication::focusChanged, this, [this, Editor, alive](QWidget*, QWidget* now) {
    if (alive.expired() || !FCtrlEditing) return;
    for (QWidget* w = now; w; w = w->parentWidget())
      if (w == Editor) return;
    if (now && FComboControl && Editor == FComboControl && FComboControl->Popup() &&
        (now == FComboControl->Popup() || FComboControl->Popup()->isAncestorOf(now)))
      return;
    HtmlControlEditDone();
  });
}

void TZadIrururOziz::ShowHtmlControlEditor(const QString& CellText, const QString& CtrlType, int ARow, int ACol,
                                           int DCol, const TRect& CtrlRect, const QString& CtrlValue,
                                           const QString& CtrlID) {
  const bool edit = Is_Edit_Type(CtrlType);
  if (!edit && CtrlType != QLatin1String("COMBO")) return;
  FCtrlXY = QPoint(ACol, ARow);
  FCtrlID = CtrlID;
  FLastCtrlID = CtrlID;
  FCtrlType = CtrlType;
  const int max_len = GetHtmlControlMaxLen(CellText, CtrlID);
  if (edit) {
    if (!FEditControl) {
      FEditControl = new TControlEdit(viewport());
      FEditControl->setFrame(false);
      // A password shows one '*' per character, as the cell paints it.
      FEditControl->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    }
    TControlEdit* e = FEditControl;
    e->setEchoMode(CtrlType == QLatin1String("PASSWORD") ? QLineEdit::Password : QLineEdit::Normal);
    const QLocale locale;
    e->setInputMask(CtrlType == QLatin1String("MASK")
                        ? edit_mask::Input_Mask(GetHtmlControlProp(CellText, CtrlID), QLatin1Char(':'),
                                                locale.dateFormat(QLocale::ShortFormat).contains(u'.')
                                                    ? QLatin1Char('.')
                                                    : QLatin1Char('/'))
                        : QString());
    e->setMaxLength(max_len > 0 ? max_len : 32767);
    e->setText(CtrlValue);
    e->setGeometry(CtrlRect.Left + 1, CtrlRect.Top + 8, CtrlRect.Width() - 4, 14);
    FCtrlEditing = true;
    e->show();
    e->raise();
    e->setFocus(Qt::OtherFocusReason);
    Watch_Form_Control(e);
    return;
  }
  if (!FComboControl) {
    FComboControl = new TControlCombo(viewport());
    FComboControl->OnSelect = [this](QObject*) { HtmlComboSelect(FComboControl); };
  }
  TControlCombo* c = FComboControl;
  c->SetIsWinXP(true);
  c->SetFlat(false);
  c->setGeometry(CtrlRect.Left - 1, CtrlRect.Top + 4, CtrlRect.Width(), c->sizeHint().height());
  QStringList values;
  bool can_edit = true;
  int drop_count = 8;
  if (OnControlComboList)
    OnControlComboList(this, ARow, DCol, CtrlID, CtrlType, CtrlValue, values, can_edit, drop_count);
  c->Items().Assign(values);
  c->SetStyle(can_edit ? csDropDown : csDropDownList);
  c->SetItemIndex(c->Items().IndexOf(CtrlValue));
  if (can_edit) c->SetText(CtrlValue);
  c->SetDropDownCount(drop_count);
  if (c->EditPart()) c->EditPart()->setMaxLength(max_len > 0 ? max_len : 32767);
  FCtrlEditing = true;
  c->show();
  c->raise();
  c->setFocus(Qt::OtherFocusReason);
  Watch_Form_Control(c);
  c->SetDroppedDown(true);
}

void TZadIrururOziz::HtmlControlEditDone() {
  if (!FCtrlEditing) return;
  FCtrlEditing = false;
  QObject::disconnect(FFocusWatch);
  QString value;
  QWidget* editor = nullptr;
  if (Is_Edit_Type(FCtrlType) && FEditControl) {
    value = FEditControl->text();
    editor = FEditControl;
  } else if (FCtrlType == QLatin1String("COMBO") && FComboControl) {
    if (FComboControl->DroppedDown()) FComboControl->SetDroppedDown(false);
    value = FComboControl->Text();
    editor = FComboControl;
  }
  if (editor) {
    const int real = FCtrlXY.x(), row = FCtrlXY.y();
    if (row >= 0 && row < RowCount() && real >= 0 && real < TotalColCount()) {
      QString text = Stored_Cell_Text(real, row);
      if (SetHtmlControlValue(text, FCtrlID, value)) Store_Cell_Text(real, row, text);
    }
    // Hiding the focused editor hands the focus on; the grid keeps it.
    const bool had_focus = editor->hasFocus() || editor->isAncestorOf(QApplication::focusWidget());
    editor->hide();
    if (had_focus) setFocus(Qt::OtherFocusReason);
    if (OnControlEditDone) OnControlEditDone(this, row, DisplColIndex(real), FCtrlID, FCtrlType, value);
  }
  FCtrlType.clear();
}

void TZadIrururOziz::HtmlComboSelect(TControlCombo* Combo) {
  if (!Combo || !OnControlComboSelect) return;
  const int index = Combo->ItemIndex();
  const QString value = index >= 0 ? Combo->Items().Strings(index) : Combo->Text();
  OnControlComboSelect(this, FCtrlXY.y(), DisplColIndex(FCtrlXY.x()), index, FCtrlID, value);
}

void TZadIrururOziz::FocusNextFormControl(int ACol, int ARow, const QString& ID) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
  const int real = RealColIndex(ACol);
  const QString text = GetFormattedCell(real, ARow);
  const QString next = NextHtmlEditControlID(text, ID);
  THtmlDrawResult hit;
  if (next.isEmpty() || !HtmlCellHit(ACol, ARow, QPoint(-1, -1), hit, next) || hit.ControlID != next) {
    setFocus(Qt::OtherFocusReason);
    return;
  }
  ShowHtmlControlEditor(Stored_Cell_Text(real, ARow), hit.ControlType, ARow, real, ACol, hit.ControlRect,
                        hit.ControlValue, next);
}

void TZadIrururOziz::FocusNextFormControl() {
  if (FCtrlXY.x() < 0 || FCtrlXY.y() < 0) return;
  FocusNextFormControl(DisplColIndex(FCtrlXY.x()), FCtrlXY.y(), FLastCtrlID);
}

// ---- keys

bool TZadIrururOziz::Html_Control_Key(QKeyEvent* event) {
  if (!FEnableHTML || Col() < 0 || Row() < 0) return false;
  const int key = event->key();
  const bool enter_f2 = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2;
  const QString text = event->text();
  const bool typed = !text.isEmpty() && text[0] >= u' ' && !(event->modifiers() & Qt::ControlModifier);
  if (!enter_f2 && !typed) return false;
  const QPoint base = BaseCell(RealCol(), Row());
  const QString shown = GetFormattedCell(base.x(), base.y());
  if (grid_text::CellTextKind(shown, FEnableHTML) != 1 || !Has_Control_Tag(shown)) return false;
  if (enter_f2) {
    const int col = DisplColIndex(base.x());
    RememberOldCell(col, base.y());
    if (Html_Control_Editable(col, base.y(), NextHtmlEditControlID(shown, QString())))
      FocusNextFormControl(col, base.y(), QString());
  }
  return true;
}
