#pragma once
#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <stdexcept>

// An XML file that could not be loaded or parsed; what() holds the parser's text.
class Xml_Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One node of an Xml_Document; a null node answers every query as "absent".
class Xml_Node {
 public:
  Xml_Node() = default;
  explicit Xml_Node(pugi::xml_node node) : node_(node) {}

  bool Is_Null() const { return !node_; }
  bool Is_Element() const { return node_.type() == pugi::node_element; }
  QString Name() const;

  // First child element with exactly this name (names are case-sensitive).
  Xml_Node Child(const QString& name) const;
  int Child_Count() const;
  // Child_At walks from the first child on every call: for a single look-up only.
  // Loops walk with First_Child / Next_Sibling, one pass whatever the file's size.
  Xml_Node Child_At(int index) const;
  Xml_Node First_Child() const { return Xml_Node(node_.first_child()); }
  Xml_Node Next_Sibling() const { return Xml_Node(node_.next_sibling()); }

  // Reading an attribute the element lacks fails: Attribute() throws Xml_Error,
  // Find_Attribute() gives nullopt for callers that have a fallback.
  QString Attribute(const QString& name) const;
  std::optional<QString> Find_Attribute(const QString& name) const;
  void Set_Attribute(const QString& name, const QString& value);

  // The element's text when it holds one text node or nothing at all
  // (an empty element reads as ""); nullopt for child elements or a null node.
  std::optional<QString> Single_Text() const;
  // All text below the node, concatenated.
  QString Text() const;
  void Set_Text(const QString& text);

  Xml_Node Add_Child(const QString& name);
  void Add_Comment(const QString& text);

  pugi::xml_node Raw() const { return node_; }

 private:
  pugi::xml_node node_;
};

// The XML document every reader and writer of configuration files uses.
class Xml_Document {
 public:
  Xml_Document();
  ~Xml_Document();

  // Throws Xml_Error with the parser's text; the document is then empty.
  void Load_File(const QString& path);
  void Load_Text(const QByteArray& text);
  void Clear();

  // The first top-level element, whatever declaration, comments or processing
  // instructions precede it; null when the document holds no element.
  Xml_Node Root() const;
  Xml_Node Add_Root(const QString& name);
  void Add_Comment(const QString& text);

  // Serialised without declaration or indentation, UTF-8.
  QByteArray Save_Text() const;
  // Writes through a temporary file; throws File_Write_Error on failure.
  void Save(const QString& path) const;

 private:
  std::unique_ptr<pugi::xml_document> doc_;
};
