// The quickest way a column sorts: every cell of the column is read once in
// storage order, straight from the cell store, into a 64-bit order key
// (the number's bits arranged to sort as unsigned, or a text's first
// UTF-16 units), and the keys are sorted by radix. Texts equal in their keys
// are then ordered on their whole text, and rows equal on the column
// are ordered on the columns right of it, as the pairwise comparison does.
// No application code runs while the texts are held, so the store cannot
// change under them. Columns this way cannot read (events that change the
// shown text, dates, collation, blanks placed apart, mixed contents) go
// the other ways of grid_sort_compare.cpp.
#include <array>
#include <bit>
#include <typeinfo>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/sort/grid_sorter.h"
#include "grid/sort/stable_merge_sort.h"

using namespace grid_sort;

namespace {

// Whether the grid's class runs TZadIrururOziz's own versions of the virtual
// operations a sort would otherwise go through per row or per exchange: an
// application's override must see what it is called for. GCC names the
// function a virtual call on an object would run; elsewhere only the
// string grid's own class counts.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpmf-conversions"
#define KEEPS_OWN(grid, Fn, Member) ((Fn)((grid).*(&TZadIrururOziz::Member)) == (Fn)(&TZadIrururOziz::Member))
#else
#define KEEPS_OWN(grid, Fn, Member) (typeid(grid) == typeid(TZadIrururOziz))
#endif
using Swap_Fn = void (*)(TZadIrururOziz*, int, int);
using Text_Fn = void (*)(TBaseGrid*, int, int, QString&);

struct Number_Item {
  uint64_t key;
  uint32_t row;
};

struct Text_Item {
  uint64_t key;
  const char16_t* text;
  uint32_t size;
  uint32_t row;
};

// Stable least-significant-digit radix sort on the items' keys; a digit all
// keys share costs no pass.
template <typename Item>
void Sort_By_Key(std::vector<Item>& items) {
  const size_t n = items.size();
  if (n < 2) return;
  if (n < 256) {
    // A few items: the byte counts would cost more than the sort.
    Stable_Merge_Sort(items, [](const Item& a, const Item& b) { return a.key < b.key; });
    return;
  }
  // Eleven bits a pass: six passes cover the 64 bits.
  constexpr int Bits = 11, Passes = 6;
  constexpr size_t Buckets = size_t(1) << Bits;
  std::vector<std::array<uint32_t, Buckets>> counts(Passes);
  for (auto& c : counts) c.fill(0);
  for (const Item& item : items)
    for (int p = 0; p < Passes; ++p) ++counts[size_t(p)][(item.key >> (Bits * p)) & (Buckets - 1)];
  std::vector<Item> buffer(n);
  Item* from = items.data();
  Item* to = buffer.data();
  for (int p = 0; p < Passes; ++p) {
    const auto& c = counts[size_t(p)];
    const int shift = Bits * p;
    if (c[(from[0].key >> shift) & (Buckets - 1)] == n) continue;
    std::array<uint32_t, Buckets> next;
    uint32_t sum = 0;
    for (size_t d = 0; d < Buckets; ++d) {
      next[d] = sum;
      sum += c[d];
    }
    for (size_t i = 0; i < n; ++i) {
      const Item& item = from[i];
      to[next[(item.key >> shift) & (Buckets - 1)]++] = item;
    }
    std::swap(from, to);
  }
  if (from != items.data()) std::copy(from, from + n, items.data());
}

// Doubles as unsigned keys in the same order; -0 sorts as 0.
uint64_t Number_Key(double v) {
  if (v == 0) v = 0;
  const uint64_t bits = std::bit_cast<uint64_t>(v);
  return (bits >> 63) ? ~bits : bits | (uint64_t(1) << 63);
}

char16_t Fold(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }

// The first four units, the first in the top bits, or the first eight when
// every text of the column is Latin-1 (`narrow`); a shorter text is padded
// with 0, which never orders two texts wrongly, only leaves them to the
// whole comparison.
uint64_t Text_Key(const char16_t* text, uint32_t size, bool fold, bool narrow) {
  const uint32_t units = narrow ? 8 : 4, bits = narrow ? 8 : 16;
  uint64_t key = 0;
  for (uint32_t k = 0; k < units; ++k) {
    char16_t c = k < size ? text[k] : 0;
    if (fold) c = Fold(c);
    key = (key << bits) | c;
  }
  return key;
}

int Compare_Units(const Text_Item& a, const Text_Item& b, bool fold) {
  const uint32_t m = std::min(a.size, b.size);
  for (uint32_t k = 0; k < m; ++k) {
    char16_t x = a.text[k], y = b.text[k];
    if (fold) {
      x = Fold(x);
      y = Fold(y);
    }
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size < b.size ? -1 : (a.size > b.size ? 1 : 0);
}

// What the automatic style needs of a text: whether it reads as a number,
// and whether a date or time separator stands in its window. Plain words
// and plain numbers are answered without the general reading.
struct Auto_Look {
  bool number = false;
  bool in_window = false;
};

bool In_Window(const char16_t* t, uint32_t n, char16_t sep) {
  // The first separator at 0-based position 1 or 2 with more text after it.
  if (n > 0 && t[0] == sep) return false;
  if (n > 1 && t[1] == sep) return n > 2;
  if (n > 2 && t[2] == sep) return n > 3;
  return false;
}

}  // namespace

bool Grid_Sorter::Keeps_Own_Swap(TZadIrururOziz& Grid) { return KEEPS_OWN(Grid, Swap_Fn, SortSwapRows); }

bool Grid_Sorter::Shown_Text_Is_Stored(int ACol) {
  // The shown text is the stored one unless an event or a setting changes
  // it on the way (see TBaseGrid::GetCellEx and DoGetDisplText).
  TZadIrururOziz& g = FGrid;
  return !g.OnGetDisplText && !g.OnGetDisplWideText && !g.FURLShowInText &&
         !(g.FGrouping.ShowGroupCount() && ACol == 1) && KEEPS_OWN(g, Text_Fn, DoGetDisplText) &&
         KEEPS_OWN(g, Text_Fn, DoGetDisplWideText);
}

bool Grid_Sorter::Key_Order(int ACol, std::vector<int>& rows, int SortDir) {
  const TSortSettings& s = FGrid.SortSettings();
  if (rows.empty()) return true;
  if (ACol < 0 || ACol >= FGrid.TotalColCount()) return false;
  if (s.IgnoreBlanks || FGrid.IsIgnoredColumn(ACol)) return false;
  // The rows are either one ascending range (a sort's own rows) or a few
  // rows that tied on the columns to the left.
  const int L = rows.front(), R = rows.back();
  bool range = R - L + 1 == int(rows.size());
  for (size_t i = 0; range && i < rows.size(); ++i) range = rows[i] == L + int(i);
  for (int r : rows)
    if (r < 0 || r >= FGrid.RowCount()) return false;
  const bool shown = s.SortOnVirtualCells;
  if (shown && !Shown_Text_Is_Stored(ACol)) return false;
  const Column_Format c = Format(ACol);
  const TSortStyle style = c.style;
  const bool automatic = style == ssAutomatic || style == ssAlphaNumeric || style == ssAlphaNumericNoCase;
  switch (style) {
    case ssAutomatic:
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase:
    case ssAlphabetic:
    case ssAlphaCase:
    case ssAlphaNoCase:
    case ssNumeric:
    case ssFinancial:
      break;
    default:
      return false;
  }
  // Row check boxes make every cell of column 0 a check box.
  if (style == ssAutomatic && ACol == 0 && FGrid.MouseActions().HotmailRowSelect()) return false;

  const size_t n = rows.size();
  const bool fixed_number = style == ssNumeric || style == ssFinancial;
  const bool financial = style == ssFinancial;
  const bool bare = c.prefix.isEmpty() && c.suffix.isEmpty();
  const Plain_Number_Reader plain;
  const Format_Settings& seps = Process_Format_Settings();
  const char16_t date_sep = seps.Date_Separator.unicode(), time_sep = seps.Time_Separator.unicode();
  const char16_t decimal = seps.Decimal_Separator.unicode(), thousand = seps.Thousand_Separator.unicode();
  const uint64_t flip = SortDir < 0 ? ~uint64_t(0) : 0;

  // What the automatic style needs of a text; plain words and plain numbers
  // are answered without the general reading.
  auto look = [&](const char16_t* t, uint32_t size, double& value, bool& have_value) {
    Auto_Look a;
    have_value = false;
    if (size == 0) return a;
    if (plain.Read(t, size, value)) {
      a.number = true;
      have_value = true;
      return a;
    }
    // An ASCII letter other than an exponent's makes no number.
    bool letter = false;
    for (uint32_t k = 0; k < size && !letter; ++k) {
      const char16_t ch = t[k];
      letter = ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z')) && ch != u'e' && ch != u'E' &&
               ch != decimal && ch != thousand;
    }
    if (letter) {
      a.in_window = In_Window(t, size, date_sep) || In_Window(t, size, time_sep);
      return a;
    }
    const Text_Traits traits = Read_Text_Traits(QString::fromRawData(reinterpret_cast<const QChar*>(t), size));
    a.number = traits.number;
    a.in_window = traits.date_in_window || traits.time_in_window;
    return a;
  };
  auto general_number = [&](const char16_t* t, uint32_t size) {
    double v = 0;
    const QString text = QString::fromRawData(reinterpret_cast<const QChar*>(t), qsizetype(size));
    return Parse_Sort_Number(text, c.prefix, c.suffix, financial, v) ? v : 0.0;
  };

  // Each cell is looked at as it is read, while its text is in the cache.
  std::vector<const char16_t*> data(n);
  std::vector<uint32_t> sizes(n);
  std::vector<Number_Item> numbers(n);  // the number keys, for a column of numbers
  std::vector<uint8_t> unread;          // automatic: numbers left to the general reading
  if (automatic) unread.assign(n, 0);
  std::vector<QString> owned;  // cells with properties, read through their merged block's base cell
  std::vector<int> object_rows;
  size_t number_count = 0, other_count = 0;
  bool undecided = false;  // a date or time look, or numbers among texts
  char16_t units = 0;      // every unit of every text or'ed: below 256 for Latin-1 texts
  auto take = [&](size_t i, int r, const QString* text, bool props) {
    if (props) {
      if (shown) {
        owned.push_back(FGrid.GetCellEx(ACol, r));
        text = &owned.back();
      }
      if (style == ssAutomatic) object_rows.push_back(r);
    }
    const char16_t* t = text ? reinterpret_cast<const char16_t*>(text->constData()) : nullptr;
    const uint32_t size = text ? uint32_t(text->size()) : 0;
    data[i] = t;
    sizes[i] = size;
    numbers[i].row = uint32_t(r);
    if (!fixed_number)
      for (uint32_t k = 0; k < size; ++k) units |= t[k];
    if (fixed_number) {
      double v = 0;
      if (!(bare && plain.Read(t, size, v))) v = general_number(t, size);
      numbers[i].key = Number_Key(v) ^ flip;
    } else if (automatic && !undecided) {
      double v = 0;
      bool have = false;
      const Auto_Look a = look(t, size, v, have);
      if (have && bare)
        numbers[i].key = Number_Key(v) ^ flip;
      else
        unread[i] = 1;
      if (a.number)
        ++number_count;
      else if (style == ssAutomatic && a.in_window)
        undecided = true;  // may read as a date or a time against some rows
      else
        ++other_count;
      if (number_count > 0 && other_count > 0) undecided = true;
    }
  };
  if (range) {
    FGrid.Store().Visit_Column(ACol, L, R,
                               [&](int r, const QString* text, bool props) { take(size_t(r - L), r, text, props); });
  } else {
    for (size_t i = 0; i < n; ++i) {
      bool props = false;
      const QString* text = FGrid.Store().Stored_Text(ACol, rows[i], props);
      take(i, rows[i], text, props);
    }
  }
  if (undecided) return false;
  for (int r : object_rows) {
    const TCellType type = FGrid.GetCellType(ACol, r);
    if (type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox) return false;
  }

  enum Kind { K_Number, K_Text, K_Text_No_Case } kind = K_Text;
  if (automatic) {
    const bool no_case = style == ssAlphaNumericNoCase || (style == ssAutomatic && s.IgnoreCase);
    kind = number_count > 0 ? K_Number : (no_case ? K_Text_No_Case : K_Text);
  } else {
    kind = fixed_number ? K_Number : (style == ssAlphaNoCase ? K_Text_No_Case : K_Text);
  }

  int& compares = FGrid.Compares;
  const bool full = s.Full && ACol < FLastCol;
  // Rows whose column compares equal stand together in their first order;
  // the columns to the right decide between them.
  auto break_ties = [&](auto& items, auto same) {
    // The runs are all found before any application code runs.
    std::vector<std::pair<size_t, size_t>> runs;
    for (size_t a = 0; a < items.size();) {
      size_t b = a + 1;
      while (b < items.size() && same(items[a], items[b])) ++b;
      compares += int(b - a);
      if (b - a > 1 && full) runs.emplace_back(a, b);
      a = b;
    }
    std::vector<int> run;
    for (const auto& [a, b] : runs) {
      run.clear();
      for (size_t k = a; k < b; ++k) run.push_back(int(items[k].row));
      Order_Ties(ACol, run, SortDir);
      for (size_t k = a; k < b; ++k) items[k].row = uint32_t(run[k - a]);
    }
  };

  if (kind == K_Number) {
    for (size_t i = 0; i < unread.size(); ++i)
      if (unread[i]) numbers[i].key = Number_Key(general_number(data[i], sizes[i])) ^ flip;
    Sort_By_Key(numbers);
    break_ties(numbers, [](const Number_Item& a, const Number_Item& b) { return a.key == b.key; });
    for (size_t i = 0; i < n; ++i) rows[i] = int(numbers[i].row);
    return true;
  }
  numbers = std::vector<Number_Item>();

  const bool fold = kind == K_Text_No_Case;
  const bool narrow = units < 256;
  std::vector<Text_Item> items(n);
  for (size_t i = 0; i < n; ++i)
    items[i] = Text_Item{Text_Key(data[i], sizes[i], fold, narrow) ^ flip, data[i], sizes[i], uint32_t(rows[i])};
  Sort_By_Key(items);
  // Texts alike in their keys: by the whole text.
  auto before = [&](const Text_Item& x, const Text_Item& y) {
    ++compares;
    return Compare_Units(x, y, fold) == -SortDir;
  };
  std::vector<Text_Item> run;
  for (size_t a = 0; a < n;) {
    size_t b = a + 1;
    while (b < n && items[b].key == items[a].key) ++b;
    if (b - a <= 16) {
      // Short runs by insertion, in place.
      for (size_t i = a + 1; i < b; ++i) {
        const Text_Item v = items[i];
        size_t j = i;
        for (; j > a && before(v, items[j - 1]); --j) items[j] = items[j - 1];
        items[j] = v;
      }
    } else {
      run.assign(items.begin() + std::ptrdiff_t(a), items.begin() + std::ptrdiff_t(b));
      Stable_Merge_Sort(run, before);
      std::copy(run.begin(), run.end(), items.begin() + std::ptrdiff_t(a));
    }
    a = b;
  }
  // From here on application code may run: the texts are not read again.
  break_ties(items,
             [&](const Text_Item& a, const Text_Item& b) { return a.key == b.key && Compare_Units(a, b, fold) == 0; });
  for (size_t i = 0; i < n; ++i) rows[i] = int(items[i].row);
  return true;
}

// Rows that compare equal on ACol, in their first order, ordered on the
// columns right of it as Compare_Rows(ACol + 1, ..) orders them: ignored
// columns pass the decision on, a column read by keys decides (and passes
// its own ties on), any other column compares pair by pair.
void Grid_Sorter::Order_Ties(int ACol, std::vector<int>& run, int SortDir) {
  int col = ACol + 1;
  while (col < FLastCol && FGrid.IsIgnoredColumn(col)) ++col;
  if (FGrid.IsIgnoredColumn(col)) return;
  if (Key_Order(col, run, SortDir)) return;
  int& compares = FGrid.Compares;
  Stable_Merge_Sort(run, [&](int x, int y) {
    ++compares;
    return Compare_Rows(col, x, y) == -SortDir;
  });
}
