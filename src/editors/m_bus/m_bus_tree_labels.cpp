#include "editors/m_bus/m_bus_tree_labels.h"

namespace m_bus_tree_labels {

QString Root() { return QStringLiteral("M-Bus Network"); }

QString Node(const TNodo& node, int device_type) {
  return Node(node, device_type,
              QString::number(node.Node_ID_Type == 0 ? node.Node_ID_Primary : node.Node_ID_Secondary));
}

QString Node(const TNodo& node, int device_type, const QString& id_text) {
  if ((device_type == 4 || device_type == 5) && node.MBus_Type == 0)
    return QStringLiteral("wM-Bus Node - Address ") + node.wMBus_Add + QStringLiteral(" - ") + node.Description;
  return QStringLiteral("ID ") + id_text + QStringLiteral(" - ") + node.Description;
}

QString Variable(const TVariabile& variable) { return QStringLiteral("VAR - ") + variable.Description; }

}  // namespace m_bus_tree_labels
