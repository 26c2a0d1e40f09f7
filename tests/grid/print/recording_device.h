#pragma once
// A paint device that draws nothing and remembers what was drawn on it:
// texts with their position and font, lines, rectangles and images, in device
// pixels after the painter's transform. At its 254 pixels per inch one pixel
// is one print unit (0.1 mm), so a page position reads straight off it (y
// down: a print y of -350 is recorded as 350).
#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

struct Recorded_Text {
  QString Text;
  QPointF Pos;  // the baseline start
  QFont Font;
  int Page = 0;
  qreal Angle = 0;  // degrees, counter-clockwise on the page
  qreal Scale = 1;  // device pixels per unit of the font's size
};

struct Recorded_Line {
  QLineF Line;
  qreal Width = 0;
  int Page = 0;
};

struct Recorded_Rect {
  QRectF Rect;
  QColor Fill;  // invalid when not filled
  int Page = 0;
};

struct Recorded_Image {
  QRectF Target;
  int Page = 0;
};

class Recording_Engine;

class Recording_Device : public QPaintDevice {
 public:
  Recording_Device(int width, int height, int dpi = 254);
  ~Recording_Device() override;

  QPaintEngine* paintEngine() const override;

  std::vector<Recorded_Text> Texts;
  std::vector<Recorded_Line> Lines;
  std::vector<Recorded_Rect> Rects;
  std::vector<Recorded_Image> Images;
  int Page = 0;  // tests may count pages themselves through the print events

  void Clear();
  // Texts whose string (trimmed) equals `text`.
  std::vector<Recorded_Text> Find(const QString& text) const;
  QStringList All_Texts() const;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  int width_, height_, dpi_;
  std::unique_ptr<Recording_Engine> engine_;
};
