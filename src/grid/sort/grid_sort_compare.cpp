// Comparing two cells of a column by its sort style, and the key cache of
// a sort run.
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_plain_text.h"
#include "grid/sort/grid_sorter.h"
#include "grid/sort/stable_merge_sort.h"
#include "grid/store/text_helpers.h"

using namespace grid_sort;

// What a comparison has read of one row's cell; each part on first need.
struct Grid_Sorter::Row_Key {
  enum : uint16_t {
    Has_Text = 1,
    Has_Traits = 2,
    Has_Number = 4,
    Has_Date = 8,
    Has_Time = 16,
    Has_Check = 32,
    Has_Type = 64,
    Has_Image = 128,
    Has_Stripped = 256,
    Has_Short_Date = 512
  };
  uint16_t has = 0;
  bool check_type = false;
  bool checked = false;
  bool number_ok = false;
  int image = 0;
  Text_Traits traits;
  double number = 0, date = 0, time = 0, short_date = 0;
  QString text, stripped;
};

struct Grid_Sorter::Column_Cache {
  TSortStyle style = ssAutomatic;
  QString prefix, suffix;
  std::vector<Row_Key> keys;
};

Grid_Sorter::Grid_Sorter(TZadIrururOziz& Grid, int First, int Last, int LastCol)
    : FGrid(Grid), FFirst(First), FLast(Last), FLastCol(LastCol) {}

Grid_Sorter::~Grid_Sorter() = default;

Grid_Sorter::Column_Cache& Grid_Sorter::Column(int ACol) {
  if (ACol >= int(FColumns.size())) FColumns.resize(size_t(std::max(ACol, FLastCol) + 1));
  std::unique_ptr<Column_Cache>& slot = FColumns[size_t(ACol)];
  if (!slot) {
    // The format is asked once per column and run, not per pair.
    slot = std::make_unique<Column_Cache>();
    const TSortSettings& s = FGrid.SortSettings();
    slot->style = s.AutoFormat ? ssAutomatic : (s.IgnoreCase ? ssAlphaNoCase : ssAlphabetic);
    FGrid.DoGetFormat(ACol, slot->style, slot->prefix, slot->suffix);
  }
  return *slot;
}

Grid_Sorter::Column_Format Grid_Sorter::Format(int ACol) {
  const Column_Cache& c = Column(ACol);
  return Column_Format{c.style, c.prefix, c.suffix};
}

void Grid_Sorter::Prepare(int ACol) {
  // Keys are kept only for the columns a sort compares on throughout; the
  // columns that only break ties are read per comparison.
  Column_Cache& c = Column(ACol);
  if (c.keys.empty() && FLast >= FFirst) c.keys.resize(size_t(FLast - FFirst + 1));
}

Grid_Sorter::Row_Key& Grid_Sorter::Key(Column_Cache& C, int ACol, int ARow, Row_Key& Scratch) {
  (void)ACol;
  if (ARow >= FFirst && ARow <= FLast && !C.keys.empty()) return C.keys[size_t(ARow - FFirst)];
  return Scratch;
}

const QString& Grid_Sorter::Text(Row_Key& K, int ACol, int ARow) {
  if (!(K.has & Row_Key::Has_Text)) {
    K.text = FGrid.SortSettings().SortOnVirtualCells ? FGrid.GetCellEx(ACol, ARow) : FGrid.GetGridCell(ACol, ARow);
    K.has |= Row_Key::Has_Text;
  }
  return K.text;
}

const Text_Traits& Grid_Sorter::Traits(Row_Key& K, int ACol, int ARow) {
  if (!(K.has & Row_Key::Has_Traits)) {
    K.traits = Read_Text_Traits(Text(K, ACol, ARow));
    K.has |= Row_Key::Has_Traits;
  }
  return K.traits;
}

bool Grid_Sorter::Is_Check_Box(Row_Key& K, int ACol, int ARow) {
  if (!(K.has & Row_Key::Has_Type)) {
    const TCellType type = FGrid.GetCellType(ACol, ARow);
    K.check_type = type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox;
    K.has |= Row_Key::Has_Type;
  }
  return K.check_type;
}

int Grid_Sorter::Compare_Cells(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
  ++FGrid.Compares;
  Column_Cache& c = Column(ACol);
  Row_Key scratch1, scratch2;
  Row_Key& k1 = Key(c, ACol, ARow1, scratch1);
  Row_Key& k2 = Key(c, ACol, ARow2, scratch2);
  const TSortSettings& s = FGrid.SortSettings();
  const QString* t1 = &Text(k1, ACol, ARow1);
  const QString* t2 = &Text(k2, ACol, ARow2);

  TSortStyle style = c.style;
  if (style == ssAutomatic) {
    if (Is_Check_Box(k1, ACol, ARow1))
      style = ssCheckBox;
    else if (Traits(k1, ACol, ARow1).number)
      style = ssNumeric;
    else
      style = Detect_Text_Style(Traits(k1, ACol, ARow1), Traits(k2, ACol, ARow2), s.IgnoreCase);
  }
  if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
    const bool numbers = Traits(k1, ACol, ARow1).number && Traits(k2, ACol, ARow2).number;
    style = numbers ? ssNumeric : (style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase);
  }

  auto number = [&](Row_Key& k, int row, bool financial) {
    // Financial and plain numbers of one column are read the same way by
    // the style the column has, so one cached value serves.
    if (!(k.has & Row_Key::Has_Number)) {
      k.number_ok = Parse_Sort_Number(Text(k, ACol, row), c.prefix, c.suffix, financial, k.number);
      if (!k.number_ok) k.number = 0;
      k.has |= Row_Key::Has_Number;
    }
    return k.number;
  };
  auto date = [&](Row_Key& k, int row) {
    if (!(k.has & Row_Key::Has_Date)) {
      k.date = Parse_Sort_Date_Time(Text(k, ACol, row));
      k.has |= Row_Key::Has_Date;
    }
    return k.date;
  };
  auto time = [&](Row_Key& k, int row) {
    if (!(k.has & Row_Key::Has_Time)) {
      k.time = Parse_Sort_Time(Text(k, ACol, row));
      k.has |= Row_Key::Has_Time;
    }
    return k.time;
  };
  auto short_date = [&](Row_Key& k, int row, bool day_first) {
    if (!(k.has & Row_Key::Has_Short_Date)) {
      const QString& t = Text(k, ACol, row);
      k.short_date = day_first ? grid_text::ParseDateDMY(t) : grid_text::ParseDateMDY(t);
      k.has |= Row_Key::Has_Short_Date;
    }
    return k.short_date;
  };
  auto checked = [&](Row_Key& k, int row) {
    if (!(k.has & Row_Key::Has_Check)) {
      bool state = false;
      FGrid.GetCheckBoxState(ACol, row, state);
      k.checked = state;
      k.has |= Row_Key::Has_Check;
    }
    return k.checked;
  };
  auto image = [&](Row_Key& k, int row) {
    if (!(k.has & Row_Key::Has_Image)) {
      const TCellGraphic* g = FGrid.GetCellGraphic(ACol, row);
      k.image = g && (g->CellType == ctImageList || g->CellType == ctDataImage) ? g->CellIndex : 0;
      k.has |= Row_Key::Has_Image;
    }
    return k.image;
  };
  auto stripped = [&](Row_Key& k, int row) -> const QString& {
    if (!(k.has & Row_Key::Has_Stripped)) {
      k.stripped = HtmlToPlainText(Text(k, ACol, row));
      k.has |= Row_Key::Has_Stripped;
    }
    return k.stripped;
  };

  int r = 0;
  switch (style) {
    case ssAutomatic:
    case ssAlphabetic:
    case ssAlphaCase:
    case ssAlphaNumeric:
      r = Compare_Code_Units(*t1, *t2);
      break;
    case ssAlphaNoCase:
    case ssAlphaNumericNoCase:
      r = Compare_Ascii_No_Case(*t1, *t2);
      break;
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
      r = Compare_Locale(*t1, *t2, style == ssAnsiAlphaCase);
      break;
    case ssHTML:
      t1 = &stripped(k1, ARow1);
      t2 = &stripped(k2, ARow2);
      r = Compare_Code_Units(*t1, *t2);
      break;
    case ssNumeric:
    case ssFinancial: {
      const double v1 = number(k1, ARow1, style == ssFinancial), v2 = number(k2, ARow2, style == ssFinancial);
      r = !k1.number_ok && !k2.number_ok ? 0 : Sign(v1, v2);
      break;
    }
    case ssDate:
    case ssDateTime:
      r = Sign(date(k1, ARow1), date(k2, ARow2));
      break;
    case ssTime:
      r = Sign(time(k1, ARow1), time(k2, ARow2));
      break;
    case ssShortDateEU:
    case ssShortDateUS:
      r = Sign(short_date(k1, ARow1, style == ssShortDateEU), short_date(k2, ARow2, style == ssShortDateEU));
      break;
    case ssCustom:
      if (FGrid.OnCustomCompare) FGrid.OnCustomCompare(&FGrid, *t1, *t2, r);
      r = Sign(r);
      break;
    case ssRaw:
      if (FGrid.OnRawCompare) FGrid.OnRawCompare(&FGrid, ACol, ARow1, ARow2, r);
      r = Sign(r);
      break;
    case ssImages:
      r = Sign(double(image(k1, ARow1)), double(image(k2, ARow2)));
      break;
    case ssCheckBox: {
      const bool b1 = checked(k1, ARow1), b2 = checked(k2, ARow2);
      r = b1 == b2 ? 0 : (b1 ? 1 : -1);
      break;
    }
  }
  if (s.IgnoreBlanks) r = Place_Blanks(r, t1->isEmpty(), t2->isEmpty(), Direction, s.BlankPos);
  return r;
}

int Grid_Sorter::Compare_Rows(int ACol, int ARow1, int ARow2) {
  const TSortSettings& s = FGrid.SortSettings();
  for (;;) {
    const int r = FGrid.IsIgnoredColumn(ACol) ? 0 : Compare_Cells(ACol, ARow1, ARow2, s.Direction);
    if (r != 0 || !s.Full || ACol >= FLastCol) return r;
    ++ACol;
  }
}

int Grid_Sorter::Compare_Rows_Indexed(int Index, int ARow1, int ARow2) {
  const TSortSettings& s = FGrid.SortSettings();
  TSortIndexList& list = FGrid.SortIndexes();
  for (;;) {
    const int column = list.GetSortColumns(Index);
    const bool descending = !list.GetSortDirections(Index);
    int r = FGrid.IsIgnoredColumn(column)
                ? 0
                : Compare_Cells(column, ARow1, ARow2, descending ? sdDescending : sdAscending);
    if (r == 0 && s.Full && Index < list.Count() - 1) {
      ++Index;
      continue;
    }
    return descending ? -r : r;
  }
}

// A column whose every pair compares the same way (a fixed style, or the
// automatic style finding only numbers or only plain texts) is read into one
// typed key per row and compared on those keys alone; otherwise each pair
// goes through Compare_Cells. Both give the same answers.
bool Grid_Sorter::Typed_Order(int ACol, int L, int R, int SortDir, std::vector<int>& rows,
                              std::vector<QString>& texts) {
  if (FGrid.IsIgnoredColumn(ACol)) return false;
  Column_Cache& c = Column(ACol);
  const TSortSettings& s = FGrid.SortSettings();
  const int n = R - L + 1;
  texts.resize(size_t(n));
  for (int r = L; r <= R; ++r)
    texts[size_t(r - L)] = s.SortOnVirtualCells ? FGrid.GetCellEx(ACol, r) : FGrid.GetGridCell(ACol, r);
  enum Kind { K_Number, K_Text, K_Text_No_Case, K_Value } kind = K_Text;
  TSortStyle style = c.style;
  if (style == ssAutomatic || style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
    // Check boxes need cell objects: none without any cell properties.
    const bool objects = FGrid.HasCellProps() || (ACol == 0 && FGrid.MouseActions().HotmailRowSelect());
    int numbers = 0, others = 0;
    for (int r = L; r <= R; ++r) {
      const Text_Traits t = Read_Text_Traits(texts[size_t(r - L)]);
      if (style == ssAutomatic && objects) {
        const TCellType type = FGrid.GetCellType(ACol, r);
        if (type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox)
          return false;
      }
      if (t.number)
        ++numbers;
      else if (style == ssAutomatic && (t.date_in_window || t.time_in_window))
        return false;  // may read as a date or a time against some rows
      else
        ++others;
      if (numbers > 0 && others > 0) return false;
    }
    const bool no_case = style == ssAlphaNumericNoCase || (style == ssAutomatic && s.IgnoreCase);
    style = numbers > 0 ? ssNumeric : (no_case ? ssAlphaNoCase : ssAlphabetic);
  }
  switch (style) {
    case ssAlphabetic:
    case ssAlphaCase:
    case ssHTML:
      kind = K_Text;
      break;
    case ssAlphaNoCase:
      kind = K_Text_No_Case;
      break;
    case ssNumeric:
    case ssFinancial:
      kind = K_Number;
      break;
    case ssDate:
    case ssDateTime:
    case ssTime:
    case ssShortDateEU:
    case ssShortDateUS:
      kind = K_Value;
      break;
    default:
      return false;  // events, collation, images and check boxes: per pair
  }
  std::vector<double> values;
  std::vector<uint8_t> flags(static_cast<size_t>(n));  // 1 empty text, 2 number read
  if (kind != K_Text && kind != K_Text_No_Case) values.resize(size_t(n));
  for (int r = L; r <= R; ++r) {
    const size_t i = size_t(r - L);
    if (style == ssHTML) texts[i] = HtmlToPlainText(texts[i]);
    const QString& text = texts[i];
    flags[i] = text.isEmpty() ? 1 : 0;
    switch (kind) {
      case K_Text:
      case K_Text_No_Case:
        break;
      case K_Number: {
        double v = 0;
        if (Parse_Sort_Number(text, c.prefix, c.suffix, style == ssFinancial, v)) flags[i] |= 2;
        values[i] = (flags[i] & 2) ? v : 0;
        break;
      }
      case K_Value:
        values[i] = style == ssTime          ? Parse_Sort_Time(text)
                    : style == ssShortDateEU ? grid_text::ParseDateDMY(text)
                    : style == ssShortDateUS ? grid_text::ParseDateMDY(text)
                                             : Parse_Sort_Date_Time(text);
        break;
    }
  }
  const bool blanks = s.IgnoreBlanks, full = s.Full;
  const TSortDirection direction = s.Direction;
  const TSortBlankPosition blank_pos = s.BlankPos;
  int& compares = FGrid.Compares;
  // The keys themselves are sorted, each with its row, so that comparing
  // reads neighbouring memory as a sort of plain keys does.
  struct Item {
    double value;
    const char16_t* text;
    int size;
    int row;
    uint8_t flags;
  };
  std::vector<Item> items(static_cast<size_t>(n));
  for (int r = L; r <= R; ++r) {
    const size_t i = size_t(r - L);
    items[i] = Item{values.empty() ? 0.0 : values[i], reinterpret_cast<const char16_t*>(texts[i].constData()),
                    int(texts[i].size()), r, flags[i]};
  }
  auto units = [](const Item& a, const Item& b, bool fold) {
    const int m = std::min(a.size, b.size);
    for (int k = 0; k < m; ++k) {
      char16_t x = a.text[k], y = b.text[k];
      if (fold) {
        if (x >= u'a' && x <= u'z') x = char16_t(x - 32);
        if (y >= u'a' && y <= u'z') y = char16_t(y - 32);
      }
      if (x != y) return x < y ? -1 : 1;
    }
    return a.size < b.size ? -1 : (a.size > b.size ? 1 : 0);
  };
  auto compare = [&](const Item& a, const Item& b) {
    ++compares;
    int r = 0;
    switch (kind) {
      case K_Text:
        r = units(a, b, false);
        break;
      case K_Text_No_Case:
        r = units(a, b, true);
        break;
      case K_Number:
        r = !(a.flags & 2) && !(b.flags & 2) ? 0 : Sign(a.value, b.value);
        break;
      case K_Value:
        r = Sign(a.value, b.value);
        break;
    }
    if (blanks) r = Place_Blanks(r, a.flags & 1, b.flags & 1, direction, blank_pos);
    if (r == 0 && full && ACol < FLastCol) r = Compare_Rows(ACol + 1, a.row, b.row);
    return r;
  };
  Stable_Merge_Sort(items, [&](const Item& a, const Item& b) { return compare(a, b) == -SortDir; });
  for (size_t i = 0; i < items.size(); ++i) rows[i] = items[i].row;
  return true;
}

std::vector<int> Grid_Sorter::Order(int ACol, int L, int R, int SortDir) {
  std::vector<int> rows;
  if (R < L) return rows;
  rows.resize(size_t(R - L + 1));
  for (int i = L; i <= R; ++i) rows[size_t(i - L)] = i;
  if (Key_Order(ACol, rows, SortDir)) return rows;
  std::vector<QString> texts;
  if (Typed_Order(ACol, L, R, SortDir, rows, texts)) return rows;
  if (L >= FFirst && R <= FLast) {
    // The texts read so far serve the pairwise comparison.
    Prepare(ACol);
    Column_Cache& c = Column(ACol);
    for (size_t i = 0; i < texts.size(); ++i) {
      Row_Key& k = c.keys[size_t(L - FFirst) + i];
      k = Row_Key();
      k.text = std::move(texts[i]);
      k.has = Row_Key::Has_Text;
    }
  }
  // a before b when the pair compares in the direction opposite to the sort.
  Stable_Merge_Sort(rows, [&](int a, int b) { return Compare_Rows(ACol, a, b) == -SortDir; });
  return rows;
}

std::vector<int> Grid_Sorter::Order_Indexed(int L, int R) {
  std::vector<int> rows;
  if (R < L) return rows;
  for (int i = 0; i < FGrid.SortIndexes().Count(); ++i) Prepare(FGrid.SortIndexes().GetSortColumns(i));
  rows.resize(size_t(R - L + 1));
  for (int i = L; i <= R; ++i) rows[size_t(i - L)] = i;
  Stable_Merge_Sort(rows, [&](int a, int b) { return Compare_Rows_Indexed(0, a, b) < 0; });
  return rows;
}

int TZadIrururOziz::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
  Grid_Sorter sorter(*this, 0, -1, AllColCount() - 1);
  return sorter.Compare_Cells(ACol, ARow1, ARow2, Direction);
}

void TZadIrururOziz::DoGetFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) {
  if (OnGetFormat) OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}
