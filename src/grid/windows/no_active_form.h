#pragma once
// TNoActiveForm: a borderless window that stays on top and never takes the
// focus, showing one picture over its whole client area; used for the
// translucent image of cells the mouse drags around.
#include <QImage>
#include <QWidget>

class TNoActiveForm : public QWidget {
  Q_OBJECT

 public:
  explicit TNoActiveForm(QWidget* AOwner);

  // The window takes the picture's size.
  void SetPicture(const QImage& Picture);
  const QImage& Picture() const { return FPicture; }
  // 255 opaque; translucent where the desktop allows.
  void SetAlphaBlendValue(uint8_t Value);
  uint8_t AlphaBlendValue() const { return FAlpha; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage FPicture;
  uint8_t FAlpha = 255;
};
