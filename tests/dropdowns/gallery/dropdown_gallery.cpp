// The popup's header and footer bars with their buttons on the right and on
// the left, and item selectors in each caption layout (pictures, colour
// boxes, the three presets, a disabled item), to look at and try by hand:
//   xvfb-run -a -s '-screen 0 1280x1024x24' build/tests/dropdowns/dropdown_gallery
// A click or the mouse lights and selects items; with a selector focused,
// Up/Down/Home/End move the selection, Left/Right the hot item, and a letter
// looks an item up by its caption. The line at the bottom tells what happened.
#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

#include "dropdowns/base/zad_custom_item_selector.h"
#include "gallery/gallery_bars.h"

namespace {

// Round coloured pictures of 16 x 16 and one of 24 x 32.
TDropDownImages Make_Images() {
  TDropDownImages images;
  for (QColor c : {QColor(200, 40, 40), QColor(40, 150, 40), QColor(40, 80, 200), QColor(220, 170, 0)}) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(c);
    p.setPen(c.darker());
    p.drawEllipse(1, 1, 14, 14);
    images.push_back(image);
  }
  return images;
}

QImage Tall_Picture() {
  QImage image(24, 32, QImage::Format_ARGB32);
  image.fill(QColor(90, 60, 160));
  QPainter p(&image);
  p.setPen(Qt::white);
  p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("P"));
  return image;
}

class Gallery : public QWidget {
 public:
  Gallery() : FImages(Make_Images()) {
    setWindowTitle(QStringLiteral("Drop-down parts"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Make_Bars_Demo(&FImages, [this](const QString& Text) { Tell(Text); }));

    auto* grid = new QGridLayout;
    const char* names[] = {"Caption left", "Caption right", "Caption top", "Caption bottom"};
    for (int l = 0; l < 4; ++l) {
      TZadCustomItemSelector* s = Selector(names[l]);
      s->SetItemLayout(static_cast<TItemLayout>(l));
      s->SetColumns(l < 2 ? 1 : 3);
      Fill_Pictures(*s);
      grid->addWidget(Titled(names[l], s), l / 2 * 2, l % 2);
    }
    TZadCustomItemSelector* colours = Selector("Colour boxes, Windows 7, 3 columns");
    colours->SetSelectorType(stColor);
    colours->SetColumns(3);
    colours->ItemAppearance().SetColorStyle(scWindows7);
    const std::pair<const char*, TColor> named[] = {{"Red", clRed},       {"Green", clGreen},   {"Blue", clBlue},
                                                    {"Yellow", clYellow}, {"Teal", clTeal},     {"Purple", clPurple},
                                                    {"Silver", clSilver}, {"Maroon", clMaroon}, {"None", clNone}};
    for (const auto& [caption, colour] : named) {
      TSelectorItem* item = colours->Items().Add();
      item->SetCaption(QString::fromUtf8(caption));
      item->SetColor(colour);
      item->Hint = QStringLiteral("The colour %1").arg(QString::fromUtf8(caption));
    }
    colours->UpdateSelectorPanel();
    grid->addWidget(Titled("Colour boxes, Windows 7", colours), 0, 2);
    TZadCustomItemSelector* plain = Selector("Vista, plain hot border, long list");
    plain->ItemAppearance().SetColorStyle(scWindowsVista);
    plain->ItemAppearance().BorderColorHot = 0xC08040;
    for (int i = 0; i < 62; ++i) {
      TSelectorItem* item = plain->Items().Add();
      item->SetCaption(QStringLiteral("Item <b>%1</b>").arg(i));
      item->SetImageIndex(i % 4);
      item->Enabled = i % 7 != 3;
    }
    plain->UpdateSelectorPanel();
    grid->addWidget(Titled("Vista, plain hot border, some disabled", plain), 2, 2);
    layout->addLayout(grid);

    FStatus = new QLabel(QStringLiteral("Click an item, or focus a selector and use the keys."));
    layout->addWidget(FStatus);
  }

 protected:
  void keyPressEvent(QKeyEvent* Event) override {
    TZadCustomItemSelector* s = nullptr;
    for (QWidget* w = focusWidget(); w && !s; w = w->parentWidget()) s = dynamic_cast<TZadCustomItemSelector*>(w);
    if (!s) return QWidget::keyPressEvent(Event);
    switch (Event->key()) {
      case Qt::Key_Down:
        s->SelectNext();
        break;
      case Qt::Key_Up:
        s->SelectPrevious();
        break;
      case Qt::Key_Home:
        s->SelectFirst();
        break;
      case Qt::Key_End:
        s->SelectLast();
        break;
      case Qt::Key_Right:
        s->HotNext();
        break;
      case Qt::Key_Left:
        s->HotPrevious();
        break;
      default:
        if (!Event->text().isEmpty() && Event->text()[0].isLetterOrNumber()) {
          const bool found = s->LookupItem(Event->text().toUpper());
          Tell(QStringLiteral("look-up of %1: %2").arg(Event->text().toUpper(), found ? "found" : "none"));
        }
        return;
    }
    Tell(QStringLiteral("%1: selected %2, hot %3").arg(s->objectName()).arg(s->ItemIndex()).arg(s->ItemHot()));
  }

 private:
  TZadCustomItemSelector* Selector(const char* Name) {
    auto* s = new TZadCustomItemSelector;
    s->setObjectName(QString::fromUtf8(Name));
    s->SetColor(clWhite);
    s->SetImages(&FImages);
    s->setFixedSize(260, 170);
    s->OnItemSelect = [this](QWidget* Sender) {
      auto* selector = static_cast<TZadCustomItemSelector*>(Sender);
      Tell(QStringLiteral("%1: item %2 selected").arg(selector->objectName()).arg(selector->ItemIndex()));
    };
    return s;
  }

  void Fill_Pictures(TZadCustomItemSelector& S) {
    const char* captions[] = {"Apple", "<b>Banana</b>", "Cherry<br>two lines", "Date", "Elder"};
    for (int i = 0; i < 5; ++i) {
      TSelectorItem* item = S.Items().Add();
      item->SetCaption(QString::fromUtf8(captions[i]));
      item->SetImageIndex(i % 4);
      item->Hint = QStringLiteral("Fruit %1").arg(i);
    }
    S.Items().GetItem(4)->SetImage(Tall_Picture());
    S.Items().GetItem(3)->Enabled = false;
    S.UpdateSelectorPanel();
  }

  static QWidget* Titled(const char* Title, QWidget* W) {
    auto* box = new QWidget;
    auto* l = new QVBoxLayout(box);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(QString::fromUtf8(Title)));
    l->addWidget(W);
    return box;
  }

  void Tell(const QString& Text) { FStatus->setText(Text); }

  TDropDownImages FImages;
  QLabel* FStatus = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Gallery gallery;
  gallery.move(0, 0);
  gallery.show();
  return app.exec();
}
