#pragma once
// The push button inside the edit button: flat, custom-coloured, themed or
// classic, with a glyph and a caption.
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

class TZsgEditButton;

class TZadSpeedButton : public QWidget {
  Q_OBJECT

 public:
  explicit TZadSpeedButton(TZsgEditButton* owner);

  // Left-button release after a press on the button; `Inside`: released over it.
  std::function<void(TZadSpeedButton* Sender, bool Inside)> OnMouseUp;

  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool Hot() const { return FHot; }
  bool Down() const { return FDown; }
  QImage Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  TZsgEditButton* FOwner;
  bool FIsWinXP = false;
  bool FFlat = false;
  bool FHot = false;
  bool FDown = false;
  bool FHeld = false;
  QImage FGlyph;
  int FNumGlyphs = 1;
  QString FCaption;
};
