// Balloon tool tips over the cells.
#include <QTextDocument>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_plain_text.h"
#include "grid/store/text_helpers.h"
#include "grid/windows/balloon_window.h"

namespace {

constexpr int Max_Balloon_Text = 2048;
constexpr int Max_Balloon_Title = 100;

QString Cut_With_Ellipsis(const QString& text, int limit) {
  if (text.size() <= limit) return text;
  return text.left(limit - 3) + QStringLiteral("...");
}

// Tabs show as blanks; breaks and tabs before the first word are dropped.
QString Balloon_Shape(const QString& text) {
  qsizetype lead = 0;
  while (lead < text.size() &&
         (text[lead] == QLatin1Char('\t') || text[lead] == QLatin1Char('\n') || text[lead] == QLatin1Char('\r')))
    ++lead;
  return text.mid(lead).replace(QLatin1Char('\t'), QLatin1Char(' '));
}

}  // namespace

void TZadIrururOziz::BalloonInit() {
  if (FBalloonInitialised) return;
  FBalloonInitialised = true;
  delete FBalloonWindow;
  FBalloonWindow = new TBalloonWindow(this, viewport());
  FBalloonWindow->OnGetTip = [this](QPoint Pos, QString& Title, QString& Text, int& Icon) {
    const TGridCoord cell = MouseCoord(Pos.x(), Pos.y());
    return CellBalloonTip(cell.X, cell.Y, Title, Text, Icon);
  };
  FBalloonWindow->SetTitle(QStringLiteral("ToolTipText"), biError);
  if (FBalloon.InitialDelay() != -1) FBalloonWindow->SetInitialDelay(FBalloon.InitialDelay());
  if (FBalloon.ReshowDelay() != -1) FBalloonWindow->SetReshowDelay(FBalloon.ReshowDelay());
  if (FBalloon.AutoHideDelay() != -1) FBalloonWindow->SetAutoHideDelay(FBalloon.AutoHideDelay());
  if (FBalloon.Transparency() > 0) FBalloonWindow->SetAlpha(uint8_t(255 - FBalloon.Transparency()));
}

void TZadIrururOziz::BalloonDone() {
  // Whatever Enable says now: switching balloons off must not leave the
  // window behind for the next BalloonInit to make a second one.
  delete FBalloonWindow;
  FBalloonWindow = nullptr;
  FBalloonInitialised = false;
}

bool TZadIrururOziz::CellBalloonTip(int ACol, int ARow, QString& Title, QString& Text, int& Icon) {
  if (!FBalloon.Enable() || ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return false;
  const QPoint base = BaseCell(RealColIndex(ACol), ARow);
  const QString raw = GetCellEx(base.x(), base.y());
  QString text;
  switch (grid_text::CellTextKind(raw, FEnableHTML)) {
    case 1:
      text = HtmlToPlainText(raw);
      break;
    case 2: {
      QTextDocument doc;
      CellToRich(base.x(), base.y(), doc);
      text = doc.toPlainText();
      break;
    }
    case 5:
      text = grid_text::DecodeWideCellText(raw);
      break;
    default:
      text = raw;
  }
  Text = Balloon_Shape(text);
  Title = QStringLiteral(" ");
  Icon = biNone;
  // A balloon of the cell's own gives all three (an empty text shows none).
  QString balloon_title, balloon_text;
  TBalloonIcon balloon_icon = biNone;
  if (IsBalloon(DisplColIndex(base.x()), base.y(), balloon_title, balloon_text, balloon_icon)) {
    Title = balloon_title;
    Text = balloon_text;
    Icon = balloon_icon;
  }
  if (OnCellBalloon) OnCellBalloon(this, base.x(), base.y(), Title, Text, Icon);
  FLastBalloonPos = {ACol, ARow};
  // Cut after the handlers: what they give is held to the same limits.
  Text = Cut_With_Ellipsis(Text, Max_Balloon_Text);
  Title = Cut_With_Ellipsis(Title, Max_Balloon_Title);
  if (FBalloonWindow) {
    FBalloonWindow->SetMaxTipWidth(300);
    FBalloonWindow->SetTipTextColor(FBalloon.TextColor());
    FBalloonWindow->SetTipBkColor(FBalloon.BackgroundColor());
  }
  return true;
}
