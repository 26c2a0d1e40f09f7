#pragma once
// THTMLSettings: the options of the string grid's HTML export (table
// attributes, what is saved, surrounding files and tags). Every writer only
// stores; ColWidths, the exported columns' widths, is the settings' own list.
#include <QString>

#include "grid/store/int_list.h"
#include "grid/store/stored_setting.h"

class THTMLSettings {
 public:
  THTMLSettings() = default;
  THTMLSettings(const THTMLSettings&) = delete;
  THTMLSettings& operator=(const THTMLSettings&) = delete;

  // Copies every setting except ColWidths.
  void Assign(const THTMLSettings& Source);

  TIntList& ColWidths() { return FColWidths; }
  const TIntList& ColWidths() const { return FColWidths; }

  STORED_SETTING(int, BorderSize, 1)
  STORED_SETTING(int, CellSpacing, 0)
  STORED_SETTING(int, CellPadding, 0)
  STORED_SETTING(int, Width, 100)
  STORED_SETTING(bool, SaveColor, true)
  STORED_SETTING(bool, SaveFonts, true)
  STORED_SETTING(bool, ExportImages, true)
  STORED_SETTING(bool, XHTML, false)
  STORED_SETTING(bool, AutoPreview, false)
  STORED_SETTING(bool, ConvertSpecialChars, false)
  STORED_SETTING(bool, NonBreakingText, false)
  STORED_SETTING(QString, HeaderFile, QString())
  STORED_SETTING(QString, FooterFile, QString())
  STORED_SETTING(QString, TableStyle, QString())
  STORED_SETTING(QString, PrefixTag, QString())
  STORED_SETTING(QString, SuffixTag, QString())
  STORED_SETTING(QString, Summary, QString())

 private:
  TIntList FColWidths{0, 0};
};
