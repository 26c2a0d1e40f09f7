#pragma once
// The model behind both result trees: meters, their records and twelve detail
// lines under each record. Meter and record nodes carry check boxes that are
// independent of each other; a node's text is made when the tree first asks
// for it and kept. The decoration is the picture of the node's level.
#include <QAbstractItemModel>
#include <QImage>
#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

class Scan_Tree_Model : public QAbstractItemModel {
  Q_OBJECT
 public:
  struct Record {
    std::function<QString()> text;
    std::function<QString(int line)> detail;  // lines 0..11
    bool checked = true;
  };
  struct Meter {
    std::function<QString()> text;
    bool checked = true;
    std::vector<Record> records;
  };

  explicit Scan_Tree_Model(QObject* parent = nullptr);
  ~Scan_Tree_Model() override;

  // Replaces the whole tree.
  void Set_Meters(std::vector<Meter> meters);
  void Clear();

  // Handles of meter and record nodes, as the meter objects keep them.
  void* Meter_Node(int meter) const;
  void* Record_Node(int meter, int record) const;
  // Whether a node of this tree is checked; a handle the tree no longer holds
  // counts as checked.
  bool Is_Checked(const void* node) const;
  QModelIndex Index_Of(const void* node) const;

  // A user's check change: the meter and, for a record, its position (-1 for the meter).
  std::function<void(int meter, int record, bool checked)> On_Check;

  QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  struct Node;
  Node* Node_Of(const QModelIndex& index) const;
  std::vector<std::unique_ptr<Node>> meters_;
  std::unordered_set<const void*> checkable_;
  std::array<QImage, 3> pictures_;
};
