#include "scan/window/scan_tree_model.h"

#include <QPainter>

#include "scan/window/scan_tree_texts.h"

struct Scan_Tree_Model::Node {
  Node* parent = nullptr;
  int row = 0;
  int level = 0;  // 0 meter, 1 record, 2 detail line
  int meter = 0;
  int record = -1;
  bool checkable = false;
  bool checked = false;
  std::function<QString()> make;
  mutable QString caption;
  mutable bool made = false;
  std::vector<std::unique_ptr<Node>> children;

  const QString& Caption() const {
    if (!made) {
      caption = make ? make() : QString();
      made = true;
    }
    return caption;
  }
};

namespace {

// The pictures of the three levels: meter, record, detail line.
QImage Level_Picture(int level) {
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  static const QColor colors[] = {QColor(0, 90, 170), QColor(0, 140, 60), QColor(150, 150, 150)};
  p.setPen(colors[level].darker(130));
  p.setBrush(colors[level]);
  if (level == 0)
    p.drawRoundedRect(QRectF(2, 2, 12, 12), 2, 2);
  else if (level == 1)
    p.drawEllipse(QRectF(3, 3, 10, 10));
  else
    p.drawRect(QRectF(5, 5, 6, 6));
  return picture;
}

}  // namespace

Scan_Tree_Model::Scan_Tree_Model(QObject* parent) : QAbstractItemModel(parent) {
  for (int level = 0; level < 3; ++level) pictures_[size_t(level)] = Level_Picture(level);
}

Scan_Tree_Model::~Scan_Tree_Model() = default;

void Scan_Tree_Model::Set_Meters(std::vector<Meter> meters) {
  beginResetModel();
  meters_.clear();
  checkable_.clear();
  for (size_t m = 0; m < meters.size(); ++m) {
    auto meter = std::make_unique<Node>();
    meter->row = int(m);
    meter->meter = int(m);
    meter->checkable = true;
    meter->checked = meters[m].checked;
    meter->make = std::move(meters[m].text);
    checkable_.insert(meter.get());
    for (size_t r = 0; r < meters[m].records.size(); ++r) {
      Record& source = meters[m].records[r];
      auto record = std::make_unique<Node>();
      record->parent = meter.get();
      record->row = int(r);
      record->level = 1;
      record->meter = int(m);
      record->record = int(r);
      record->checkable = true;
      record->checked = source.checked;
      record->make = std::move(source.text);
      checkable_.insert(record.get());
      for (int line = 0; line < scan_tree::kDetail_Lines; ++line) {
        auto detail = std::make_unique<Node>();
        detail->parent = record.get();
        detail->row = line;
        detail->level = 2;
        detail->meter = int(m);
        detail->record = int(r);
        if (source.detail) detail->make = [detail_text = source.detail, line] { return detail_text(line); };
        record->children.push_back(std::move(detail));
      }
      meter->children.push_back(std::move(record));
    }
    meters_.push_back(std::move(meter));
  }
  endResetModel();
}

void Scan_Tree_Model::Clear() { Set_Meters({}); }

void* Scan_Tree_Model::Meter_Node(int meter) const {
  return meter >= 0 && size_t(meter) < meters_.size() ? meters_[size_t(meter)].get() : nullptr;
}

void* Scan_Tree_Model::Record_Node(int meter, int record) const {
  auto* m = static_cast<Node*>(Meter_Node(meter));
  if (m == nullptr || record < 0 || size_t(record) >= m->children.size()) return nullptr;
  return m->children[size_t(record)].get();
}

bool Scan_Tree_Model::Is_Checked(const void* node) const {
  if (node == nullptr || !checkable_.contains(node)) return true;
  return static_cast<const Node*>(node)->checked;
}

QModelIndex Scan_Tree_Model::Index_Of(const void* node) const {
  if (node == nullptr || !checkable_.contains(node)) return {};
  const auto* n = static_cast<const Node*>(node);
  return createIndex(n->row, 0, const_cast<Node*>(n));
}

Scan_Tree_Model::Node* Scan_Tree_Model::Node_Of(const QModelIndex& index) const {
  return index.isValid() ? static_cast<Node*>(index.internalPointer()) : nullptr;
}

QModelIndex Scan_Tree_Model::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) return {};
  const Node* p = Node_Of(parent);
  const auto& children = p == nullptr ? meters_ : p->children;
  if (size_t(row) >= children.size()) return {};
  return createIndex(row, 0, children[size_t(row)].get());
}

QModelIndex Scan_Tree_Model::parent(const QModelIndex& child) const {
  const Node* n = Node_Of(child);
  if (n == nullptr || n->parent == nullptr) return {};
  return createIndex(n->parent->row, 0, n->parent);
}

int Scan_Tree_Model::rowCount(const QModelIndex& parent) const {
  if (parent.column() > 0) return 0;
  const Node* p = Node_Of(parent);
  return int(p == nullptr ? meters_.size() : p->children.size());
}

int Scan_Tree_Model::columnCount(const QModelIndex&) const { return 1; }

QVariant Scan_Tree_Model::data(const QModelIndex& index, int role) const {
  const Node* n = Node_Of(index);
  if (n == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole:
      return n->Caption();
    case Qt::DecorationRole:
      return pictures_[size_t(n->level)];
    case Qt::CheckStateRole:
      if (!n->checkable) return {};
      return n->checked ? Qt::Checked : Qt::Unchecked;
    default:
      return {};
  }
}

bool Scan_Tree_Model::setData(const QModelIndex& index, const QVariant& value, int role) {
  Node* n = Node_Of(index);
  if (n == nullptr || role != Qt::CheckStateRole || !n->checkable) return false;
  const bool checked = value.toInt() == Qt::Checked;
  if (n->checked == checked) return true;
  n->checked = checked;
  Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
  if (On_Check) On_Check(n->meter, n->level == 0 ? -1 : n->record, checked);
  return true;
}

Qt::ItemFlags Scan_Tree_Model::flags(const QModelIndex& index) const {
  const Node* n = Node_Of(index);
  if (n == nullptr) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (n->checkable) f |= Qt::ItemIsUserCheckable;
  return f;
}
