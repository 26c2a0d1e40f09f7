#include "grid/core/zad_irurur_oziz.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "grid/footer/footer_panel.h"
#include "grid/input/html_system_icon_provider.h"

TZadIrururOziz::TZadIrururOziz(QWidget* AOwner) : TBaseGrid(AOwner) {
  FSearchFooter = std::make_unique<TSearchFooter>(this, IsDesigning());
  FNavigation = std::make_unique<TNavigation>();
  FNavigation->OnChange = [this] { NavigationChanged(); };
  Connect_Scroll_Hints();
  InstallHtmlSystemIcons();
  FMouseActions = std::make_unique<TMouseActions>(this);
  FMouseActions->OnChange = [this] { MouseActionsChanged(); };
  FMouseActions->OnIsDesigning = [this](bool& designing) { designing = IsDesigning(); };
  FMouseActions->OnInvalidate = [this] { RepaintAll(); };
  FMouseActions->OnDisableEdit = [this] { DisableEditing(); };
  // Switching stretching on stretches at once (a stale column index waits
  // for the next valid one instead of raising from a setting).
  FColumnSize.OnStretchChange = [this](TColumnSize* Sender) {
    const int index = Sender->StretchColumn();
    if (Sender->Stretch() && index >= -1 && index < ColCount()) StretchColumnWidth(index);
  };
  FSyncGrid = std::make_unique<TSyncGrid>(this);
  FBands = std::make_unique<TBands>();
  FBands->OnChange = [this] { RepaintAll(); };
  FFocusHelper = std::make_unique<TFocusHelper>(this);
  Connect_Cell_Lists();
  FFixedFont = QFont(QStringLiteral("Tahoma"));
  FFixedFont.setBold(true);
  FActiveCellFont.setBold(true);
  Connect_Appearance_Settings();
  Connect_Window_Extras();
  Create_Footer_Panel();
  Install_Focus_Hooks();

  SetRowCount(10);
  resize(400, 250);
  SetGridDefaultRowHeight(22);
  FFixedRowHeight = DefaultRowHeight();

  FGridTimer.setInterval(500);
  connect(&FGridTimer, &QTimer::timeout, this, [this] { GridTimerTick(); });
  // Paint events wait while the update count is above 0.
  viewport()->installEventFilter(this);

  // A grid on a window follows that window's resizing (the window's own
  // handling runs as before: the filter passes the event on).
  if (AOwner && AOwner->isWindow()) {
    FOwnerForm = AOwner;
    AOwner->installEventFilter(this);
  }
}

TZadIrururOziz::~TZadIrururOziz() {
  // Focus changes and viewport events while the children go must not reach
  // a grid whose members are gone.
  QObject::disconnect(FEnterWatch);
  delete FCursorFilter;
  FCursorFilter = nullptr;
  delete FFooterPanel;
  FFooterPanel = nullptr;
  if (FOwnerForm) FOwnerForm->removeEventFilter(this);
  FGridTimer.stop();
  // The filter lists call back into the grid when they lose the focus, which
  // a list being destroyed with its parent would do after this part is gone.
  delete FFilterDropList;
  delete FFilterDropCheckList;
  FClearTextOnly = false;
  FSaveHiddenCells = false;
  // The widths are saved while the hidden columns are still hidden; a store
  // that cannot be written loses this save only.
  if (FColumnSize.Save()) {
    try {
      SaveColSizes();
    } catch (const std::exception& error) {
      qWarning("column widths not saved: %s", error.what());
    }
  }
  UnHideColumnsAll();
  Free_Hidden_Records();
}

void TZadIrururOziz::Free_Hidden_Records() {
  // The records hold the cell properties of their rows; they go with the grid.
  for (auto& item : FGridItems)
    for (auto& cell : item->Items)
      if (cell.props) {
        if (TCellObjectBase* graphic = cell.props->GraphicObject(); graphic && graphic->Owned_By_Grid()) delete graphic;
        delete cell.props;
      }
  FGridItems.clear();
  Hidden_Changed();
}

void TZadIrururOziz::showEvent(QShowEvent* event) {
  TBaseGrid::showEvent(event);
  if (!FGridTimer.isActive()) FGridTimer.start();
  // Settings copied in (SetBalloon) switch balloons on without a notice.
  if (FBalloon.Enable()) BalloonInit();
}

void TZadIrururOziz::resizeEvent(QResizeEvent* event) {
  TBaseGrid::resizeEvent(event);
  if (OnResize) OnResize(this);
}

bool TZadIrururOziz::eventFilter(QObject* watched, QEvent* event) {
  Window_Extras_Filter(watched, event);
  if (watched == FOwnerForm && event->type() == QEvent::Resize) FormResize();
  if (Message_Filter(watched, event)) return true;
  return TBaseGrid::eventFilter(watched, event);
}

void TZadIrururOziz::Loaded() {
  ShowColumnHeaders();
  ShowRowHeaders();
  FFixedRowsMin = FixedRows();
  FFixedColsMin = FixedCols();
  FMinRowHeight = DefaultRowHeight();
  FMinColWidth = 10;
  // A look read with the grid takes effect only when applied again.
  if (FLook == glDUD) {
    SetLook(glCustom);
    SetLook(glDUD);
  }
  FMaxRowCount = RowCount();
  FLoaded = true;
  if (Options() & goAlwaysShowEditor) {
    FNavigation->SetAlwaysEdit(true);
    SetOptions(Options() & ~goAlwaysShowEditor);
  }
  FOrigColSizes.Clear();
  for (int c = 0; c < ColCount(); ++c) FOrigColSizes.Add(ColWidths(c));
  FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
  if (FAutoThemeAdapt) ApplyOfficeTheme();
  if (FBalloon.Enable()) BalloonInit();
  if (FColumnSize.Save()) {
    try {
      LoadColSizes();
    } catch (const std::exception& error) {
      qWarning("column widths not loaded: %s", error.what());
    }
  }
}

void TZadIrururOziz::Assign(const TZadIrururOziz& Source) {
  if (&Source == this) return;
  SetGridFont(Source.GridFont());
  FActiveCellColor = Source.FActiveCellColor;
  FActiveCellColorTo = Source.FActiveCellColorTo;
  FActiveCellFont = Source.FActiveCellFont;
  FActiveCellShow = Source.FActiveCellShow;
  SetActiveRowShow(Source.ActiveRowShow());
  FFilterDropDownAuto = Source.FFilterDropDownAuto;
  FAnchorHint = Source.FAnchorHint;
  FMouseActions->Assign(*Source.FMouseActions);
  FNavigation->Assign(*Source.FNavigation);
  FSearchFooter->Assign(*Source.FSearchFooter);
  FBands->Assign(*Source.FBands);
  FSyncGrid->Assign(*Source.FSyncGrid);
  FFocusHelper->Assign(*Source.FFocusHelper);
  FFixedRowAlways = Source.FFixedRowAlways;
  SetColCount(Source.ColCount());
  SetRowCount(Source.RowCount());
  SetFixedRows(Source.FixedRows());
  SetFixedCols(Source.FixedCols());
  SetDefaultColWidth(Source.DefaultColWidth());
  SetGridDefaultRowHeight(Source.DefaultRowHeight());
  FFixedRowHeight = Source.FFixedRowHeight;
  SetOptions(Source.Options());
  for (int c = 0; c < ColCount(); ++c) SetColWidths(c, Source.ColWidths(c));
  FColumnHeaders = Source.FColumnHeaders;
  for (int r = 0; r < RowCount(); ++r) SetRowHeights(r, Source.RowHeights(r));
  AssignCells(Source);
}

void TZadIrururOziz::AssignCells(const TZadIrururOziz& Source) {
  if (&Source == this) return;
  ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
  for (int r = 0; r < Source.RowCount() && r < RowCount(); ++r) {
    for (const auto& cell : Source.Store().Row_Cells(r)) {
      if (cell.col >= TotalColCount()) continue;
      Store().Set_Text(cell.col, r, cell.text);
      if (cell.props) {
        auto* copy = new TCellProperties(this, cell.col, r);
        copy->Assign(*cell.props);
        copy->SetBrushColorTo(cell.props->BrushColorTo());
        copy->SetGradientDirection(cell.props->GradientDirection());
        Store().SetCellProperties(cell.col, r, copy);
      }
    }
  }
  InvalidateGrid();
}

// ---- headers

void TZadIrururOziz::SetColumnHeaders(const QStringList& Value) {
  FColumnHeaders = Value;
  ColumnHeadersChanging();
  if (FixedRows() > 0) ClearColumnHeaders();
  ShowColumnHeaders();
}

void TZadIrururOziz::SetRowHeaders(const QStringList& Value) {
  // Column 0 keeps what was written into it: only a designer clears it.
  FRowHeaders = Value;
  if (IsDesigning() && FixedCols() > 0) ClearRowHeaders();
  ShowRowHeaders();
}

// ---- settings

void TZadIrururOziz::SetSelectionColor(TColor Value) {
  if (Value == FSelectionColor) return;
  FSelectionColor = Value;
  RepaintAll();
}

void TZadIrururOziz::SetSelectionTextColor(TColor Value) {
  if (Value == FSelectionTextColor) return;
  FSelectionTextColor = Value;
  RepaintAll();
}

void TZadIrururOziz::SetFixedColor(TColor Value) {
  FFixedColor = Value;
  InvalidateGrid();
}

void TZadIrururOziz::SetActiveCellShow(bool Value) {
  FActiveCellShow = Value;
  InvalidateGrid();
}

void TZadIrururOziz::SetFixedFont(const QFont& Value) {
  FFixedFont = Value;
  InvalidateGrid();
}

// ---- input and painting

void TZadIrururOziz::keyPressEvent(QKeyEvent* event) {
  // Tab with goTabs, Enter (editing switched on, the advance) and the
  // type-ahead search come first.
  if (Advance_Keys(event)) return;
  // Ctrl+C, Ctrl+V and Ctrl+X go to the clipboard keys only; their control
  // characters never reach the key-press event or an editor.
  const bool clipboard_char = FNavigation->AllowClipboardShortCuts() && (event->modifiers() & Qt::ControlModifier) &&
                              (event->key() == Qt::Key_C || event->key() == Qt::Key_V || event->key() == Qt::Key_X);
  // Space and Enter on a cell control work the control; they never start
  // the in-place editor.
  const bool control_key =
      event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (clipboard_char || (control_key && HasCellControl(RealCol(), Row()))) {
    HandleKeyDown(event->key(), event->modifiers());
    return;
  }
  QKeyEvent mapped(event->type(), event->key(), event->modifiers(), Typed_Text(*event), event->isAutoRepeat(),
                   ushort(event->count()));
  if (mapped.text() != event->text()) event = &mapped;
  if (OnKeyPress && !event->text().isEmpty()) {
    QChar key = event->text()[0];
    OnKeyPress(this, key);
    if (key.isNull()) return;  // consumed
  }
  TBaseGrid::keyPressEvent(event);
}
