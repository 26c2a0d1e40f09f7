#pragma once
// The button items of a popup's header and footer bars. Caption, Enabled and
// Width changes tell the collection's OnChange; a Width or Height of 0 keeps
// the size measured from the caption.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TBarButtonCollectionBase {
 public:
  std::function<void()> OnChange;
  void Changed() {
    if (OnChange) OnChange();
  }
};

class THeaderButton {
 public:
  explicit THeaderButton(TBarButtonCollectionBase* ACollection = nullptr) : FCollection(ACollection) {}
  virtual ~THeaderButton() = default;
  void Assign(const THeaderButton& Source);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value) { Set(FCaption, Value); }
  int ImageIndex = -1;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { Set(FEnabled, Value); }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { Set(FWidth, Value); }

 private:
  template <class V>
  void Set(V& Field, const V& Value) {
    if (Field == Value) return;
    Field = Value;
    if (FCollection) FCollection->Changed();
  }

  TBarButtonCollectionBase* FCollection;
  QString FCaption;
  bool FEnabled = true;
  int FHeight = 0;
  int FWidth = 0;
};

class TFooterButton : public THeaderButton {
 public:
  using THeaderButton::THeaderButton;
  void Assign(const TFooterButton& Source) {
    THeaderButton::Assign(Source);
    ModalResult = Source.ModalResult;
  }
  int ModalResult = 0;
};

template <class TItem>
class TBarButtons : public TBarButtonCollectionBase {
 public:
  explicit TBarButtons(QObject* AOwner = nullptr) : FOwner(AOwner) {}
  TBarButtons(const TBarButtons&) = delete;
  TBarButtons& operator=(const TBarButtons&) = delete;

  QObject* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TItem* Add() { return Insert(Count()); }
  TItem* Insert(int Index) {
    auto item = std::make_unique<TItem>(this);
    TItem* result = item.get();
    FItems.insert(FItems.begin() + Index, std::move(item));
    Changed();
    return result;
  }
  TItem* GetItem(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
  void SetItem(int Index, const TItem& Value) { GetItem(Index)->Assign(Value); }
  void Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    Changed();
  }
  // The same items as Source; one change notice.
  void Assign(const TBarButtons& Source) {
    if (&Source == this) return;
    auto notice = std::move(OnChange);
    FItems.clear();
    for (int i = 0; i < Source.Count(); ++i) Add()->Assign(*Source.GetItem(i));
    OnChange = std::move(notice);
    Changed();
  }

 private:
  QObject* FOwner;
  std::vector<std::unique_ptr<TItem>> FItems;
};

using THeaderButtons = TBarButtons<THeaderButton>;
using TFooterButtons = TBarButtons<TFooterButton>;
