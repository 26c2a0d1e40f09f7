#pragma once
// The look of a popup's header and footer bars, with their button items. Only
// Visible notifies (OnChange); the other fields take effect when the bar is
// built again. A change of the button items fires OnButtonsChanged.
#include <QFont>
#include <QObject>
#include <QString>
#include <functional>

#include "controls/tcolor.h"
#include "dropdowns/base/bar_buttons.h"

enum TButtonAlignment { baLeft, baRight };

class TDropDownBarAppearance {
 public:
  explicit TDropDownBarAppearance(QObject* AOwner) : FOwner(AOwner) {}
  virtual ~TDropDownBarAppearance() = default;
  TDropDownBarAppearance(const TDropDownBarAppearance&) = delete;
  TDropDownBarAppearance& operator=(const TDropDownBarAppearance&) = delete;

  // From an appearance of the same kind; anything else is ignored.
  virtual void Assign(const TDropDownBarAppearance& Source) = 0;
  // ColorTo, Color, BorderColor, Font and the gradient direction, from an
  // appearance of the same kind.
  void AssignColors(const TDropDownBarAppearance& Source);

  QObject* Owner() const { return FOwner; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  int Height = 22;
  int BorderWidth = 1;
  int ImageIndex = -1;
  QString Caption;            // mini-HTML
  TColor ColorTo = 0xFFFFFF;  // clNone: a solid background
  TColor Color = 0xC0C0C0;
  TColor BorderColor = 0x000000;
  QFont Font;
  TColor FontColor = clWindowText;  // the caption's colour
  bool GradientHorizontal = false;  // false: top to bottom
  TButtonAlignment ButtonAlignment = baRight;

  std::function<void()> OnChange, OnButtonsChanged;

 protected:
  // The kind of the appearance; Assign and AssignColors copy only between equals.
  virtual bool Same_Kind(const TDropDownBarAppearance& Other) const = 0;
  void Buttons_Changed() {
    if (OnButtonsChanged) OnButtonsChanged();
  }

 private:
  QObject* FOwner;
  bool FVisible = true;
};

class THeaderAppearance : public TDropDownBarAppearance {
 public:
  explicit THeaderAppearance(QObject* AOwner = nullptr);
  void Assign(const TDropDownBarAppearance& Source) override;
  THeaderButtons& Buttons() { return FButtons; }
  const THeaderButtons& Buttons() const { return FButtons; }
  void SetButtons(const THeaderButtons& Value) { FButtons.Assign(Value); }

 protected:
  bool Same_Kind(const TDropDownBarAppearance& Other) const override {
    return dynamic_cast<const THeaderAppearance*>(&Other) != nullptr;
  }

 private:
  THeaderButtons FButtons;
};

class TFooterAppearance : public TDropDownBarAppearance {
 public:
  explicit TFooterAppearance(QObject* AOwner = nullptr);
  void Assign(const TDropDownBarAppearance& Source) override;
  TFooterButtons& Buttons() { return FButtons; }
  const TFooterButtons& Buttons() const { return FButtons; }
  void SetButtons(const TFooterButtons& Value) { FButtons.Assign(Value); }

  bool SizeGrip = true;

 protected:
  bool Same_Kind(const TDropDownBarAppearance& Other) const override {
    return dynamic_cast<const TFooterAppearance*>(&Other) != nullptr;
  }

 private:
  TFooterButtons FButtons;
};
