#include "recording_device.h"

#include <QPaintEngineState>
#include <QPainterPath>
#include <QTextItem>
#include <QTransform>
#include <cmath>

class Recording_Engine : public QPaintEngine {
 public:
  explicit Recording_Engine(Recording_Device& device) : QPaintEngine(QPaintEngine::AllFeatures), device_(device) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }

  void updateState(const QPaintEngineState& state) override {
    const auto dirty = state.state();
    if (dirty & DirtyTransform) transform_ = state.transform();
    if (dirty & DirtyPen) pen_ = state.pen();
    if (dirty & DirtyBrush) brush_ = state.brush();
    if (dirty & DirtyFont) font_ = state.font();
  }

  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) {
      Recorded_Rect r;
      r.Rect = transform_.mapRect(rects[i]);
      if (brush_.style() != Qt::NoBrush) r.Fill = brush_.color();
      r.Page = device_.Page;
      device_.Rects.push_back(r);
    }
  }
  void drawRects(const QRect* rects, int count) override {
    for (int i = 0; i < count; ++i) {
      const QRectF f(rects[i]);
      drawRects(&f, 1);
    }
  }

  void drawLines(const QLineF* lines, int count) override {
    for (int i = 0; i < count; ++i)
      device_.Lines.push_back({transform_.map(lines[i]), pen_.widthF() * transform_.m11(), device_.Page});
  }
  void drawLines(const QLine* lines, int count) override {
    for (int i = 0; i < count; ++i) {
      const QLineF f(lines[i]);
      drawLines(&f, 1);
    }
  }

  void drawPath(const QPainterPath& path) override {
    device_.Rects.push_back({transform_.map(path).boundingRect(),
                             brush_.style() != Qt::NoBrush ? brush_.color() : QColor(), device_.Page});
  }

  void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
    QPolygonF poly;
    for (int i = 0; i < count; ++i) poly << points[i];
    device_.Rects.push_back({transform_.map(poly).boundingRect(),
                             brush_.style() != Qt::NoBrush ? brush_.color() : QColor(), device_.Page});
  }

  void drawPoints(const QPointF*, int) override {}

  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    const qreal angle = -std::atan2(transform_.m12(), transform_.m11()) * 180.0 / M_PI;
    const qreal scale = std::hypot(transform_.m11(), transform_.m12());
    device_.Texts.push_back({item.text(), transform_.map(p), item.font(), device_.Page, angle, scale});
  }

  void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override {
    device_.Images.push_back({transform_.mapRect(r), device_.Page});
  }
  void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    device_.Images.push_back({transform_.mapRect(r), device_.Page});
  }
  void drawTiledPixmap(const QRectF& r, const QPixmap&, const QPointF&) override {
    device_.Images.push_back({transform_.mapRect(r), device_.Page});
  }

 private:
  Recording_Device& device_;
  QTransform transform_;
  QPen pen_;
  QBrush brush_;
  QFont font_;
};

Recording_Device::Recording_Device(int width, int height, int dpi)
    : width_(width), height_(height), dpi_(dpi), engine_(std::make_unique<Recording_Engine>(*this)) {}

Recording_Device::~Recording_Device() = default;

QPaintEngine* Recording_Device::paintEngine() const { return engine_.get(); }

int Recording_Device::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth:
      return width_;
    case PdmHeight:
      return height_;
    case PdmWidthMM:
      return int(width_ * 25.4 / dpi_);
    case PdmHeightMM:
      return int(height_ * 25.4 / dpi_);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return dpi_;
    case PdmNumColors:
      return 0x7fffffff;
    case PdmDepth:
      return 32;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return int(QPaintDevice::devicePixelRatioFScale());
    default:
      return 0;
  }
}

void Recording_Device::Clear() {
  Texts.clear();
  Lines.clear();
  Rects.clear();
  Images.clear();
  Page = 0;
}

std::vector<Recorded_Text> Recording_Device::Find(const QString& text) const {
  std::vector<Recorded_Text> out;
  for (const auto& t : Texts)
    if (t.Text.trimmed() == text) out.push_back(t);
  return out;
}

QStringList Recording_Device::All_Texts() const {
  QStringList out;
  for (const auto& t : Texts) out << t.Text;
  return out;
}
