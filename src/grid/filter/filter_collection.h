#pragma once
// The grid's column filter conditions: TFilter holds TFilterData items, each
// a condition on one column and how it joins the conditions before it. The
// grid's filter services apply them by hiding the rows that fail; the header
// filter lists edit them.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
// Which form of the cell text a condition tests.
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterMethod { fmExpression, fmLiteral };

class TFilter;

class TFilterData {
 public:
  explicit TFilterData(TFilter* ACollection = nullptr) : FCollection(ACollection) {}

  // Copies everything but Method. A source of another class is not a
  // condition: nothing is copied.
  void Assign(const TFilterData* Source);
  template <typename T>
  requires(!std::is_base_of_v<TFilterData, T>) void Assign(const T*) {}

  TFilter* Collection() const { return FCollection; }

  int Column() const { return FColumn; }
  void SetColumn(int Value) { FColumn = static_cast<short>(Value); }
  const QString& Condition() const { return FCondition; }
  void SetCondition(const QString& Value) { FCondition = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  const QString& Suffix() const { return FSuffix; }
  void SetSuffix(const QString& Value) { FSuffix = Value; }
  const QString& Prefix() const { return FPrefix; }
  void SetPrefix(const QString& Value) { FPrefix = Value; }
  TFilterOperation Operation() const { return FOperation; }
  void SetOperation(TFilterOperation Value) { FOperation = Value; }
  TFilterCells Data() const { return FData; }
  void SetData(TFilterCells Value) { FData = Value; }
  TFilterMethod Method() const { return FMethod; }
  void SetMethod(TFilterMethod Value) { FMethod = Value; }

 private:
  TFilter* FCollection;
  short FColumn = 0;
  QString FCondition;
  bool FCaseSensitive = true;
  QString FSuffix;
  QString FPrefix;
  TFilterOperation FOperation = foSHORT;
  TFilterCells FData = fcVirtual;
  TFilterMethod FMethod = fmExpression;
};

class TFilter {
 public:
  // AOwner is the grid; it wires OnRepaintHeader to repaint a column's
  // header cell, which shows whether the column is filtered.
  explicit TFilter(QObject* AOwner = nullptr) : FOwner(AOwner) {}
  TFilter(const TFilter&) = delete;
  TFilter& operator=(const TFilter&) = delete;

  std::function<void(int ACol)> OnRepaintHeader;

  QObject* Owner() const { return FOwner; }
  int Count() const { return int(FItems.size()); }
  // The only condition joins as foNONE, any further one as foAND.
  TFilterData* Add();
  // Appends (the index chooses no position) and leaves Operation at foSHORT.
  TFilterData* Insert(int index);
  TFilterData* Items(int Index) const { return FItems.at(Index).get(); }
  void SetItems(int Index, const TFilterData* Value) { FItems.at(Index)->Assign(Value); }
  void Delete(int Index);
  void Clear() { FItems.clear(); }

  // The first condition on Col, added when there is none.
  TFilterData* GetColFilter(int Col);
  bool HasFilter(int Col) const;
  // Every condition on Col goes; the column's header is repainted.
  void RemoveColumnFilter(int Col);

 private:
  QObject* FOwner;
  std::vector<std::unique_ptr<TFilterData>> FItems;
};
