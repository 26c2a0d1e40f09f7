// The grid's look saved to and loaded from the visual-properties file
// (visual_props_file.h): every property below, in this order, one line each.
// Value forms: colours as color_text.h writes them (empty or missing: clNone);
// Booleans "true"/"false" (true exactly when the value is "TRUE" in any case);
// decimal integers; enumerations by name (no match: unchanged); a font as
// four lines <prefix>.Color, .Style ("fsBold,fsItalic,fsUnderline,fsStrikeOut",
// the set ones in that order), .Size (points) and .Name.
#include <QFile>
#include <climits>
#include <functional>
#include <vector>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/settings/color_text.h"
#include "grid/settings/visual_props_file.h"
#include "platform/atomic_file.h"

namespace {

using Grid = TZadIrururOziz;
using Apply = std::function<void(Grid&)>;

// One line of the file: how it is written, and how its text (nullopt when
// the line is missing) turns into a change of the grid. Reading throws
// VAzaZeriVader for a value that does not convert; nothing is applied then.
struct Entry {
  QString key;
  std::function<QString(Grid&)> write;
  std::function<Apply(const std::optional<QString>&)> read;
};

[[noreturn]] void Not_Valid(const QString& key, const QString& text, const char* what) {
  throw VAzaZeriVader(QStringLiteral("'%1' is not a valid %2 (%3)").arg(text, QLatin1String(what), key).toStdString());
}

Entry Color(const QString& name, std::function<TColor(Grid&)> get, std::function<void(Grid&, TColor)> set) {
  return {name, [get](Grid& g) { return Color_To_Text(get(g)); },
          [name, set](const std::optional<QString>& text) -> Apply {
            TColor color = clNone;
            if (text && !text->isEmpty()) {
              const std::optional<TColor> read = Text_To_Color(*text);
              if (!read) Not_Valid(name, *text, "colour");
              color = *read;
            }
            return [set, color](Grid& g) { set(g, color); };
          }};
}

Entry Bool(const QString& key, std::function<bool(Grid&)> get, std::function<void(Grid&, bool)> set) {
  return {key, [get](Grid& g) { return get(g) ? QStringLiteral("true") : QStringLiteral("false"); },
          [set](const std::optional<QString>& text) -> Apply {
            const bool value = text && text->toUpper() == QLatin1String("TRUE");
            return [set, value](Grid& g) { set(g, value); };
          }};
}

int Read_Int(const QString& key, const std::optional<QString>& text, int low, int high) {
  if (!text) Not_Valid(key, QString(), "integer value");
  bool ok = false;
  const int value = text->toInt(&ok, 10);
  if (!ok || text->trimmed() != *text) Not_Valid(key, *text, "integer value");
  if (value < low || value > high) Not_Valid(key, *text, "value in range");
  return value;
}

Entry Int(const QString& name, std::function<int(Grid&)> get, std::function<void(Grid&, int)> set,
          int low = INT_MIN, int high = INT_MAX) {
  return {name, [get](Grid& g) { return QString::number(get(g)); },
          [name, set, low, high](const std::optional<QString>& text) -> Apply {
            const int value = Read_Int(name, text, low, high);
            return [set, value](Grid& g) { set(g, value); };
          }};
}

// Names[i] is the name of value i; an empty name is never matched.
Entry Enum(const QString& key, QStringList names, std::function<int(Grid&)> get,
           std::function<void(Grid&, int)> set) {
  return {key,
          [names, get](Grid& g) {
            const int v = get(g);
            return v >= 0 && v < names.size() ? names[v] : QString();
          },
          [names, set](const std::optional<QString>& text) -> Apply {
            for (int i = 0; text && i < names.size(); ++i)
              if (!names[i].isEmpty() && text->compare(names[i], Qt::CaseInsensitive) == 0)
                return [set, i](Grid& g) { set(g, i); };
            return {};
          }};
}

void Add_Font(std::vector<Entry>& entries, const char* prefix, std::function<QFont(Grid&)> get,
              std::function<void(Grid&, const QFont&)> set, std::function<TColor(Grid&)> get_color,
              std::function<void(Grid&, TColor)> set_color) {
  const QString p = QLatin1String(prefix);
  entries.push_back(Color(p + QStringLiteral(".Color"), get_color, set_color));
  entries.push_back({p + QStringLiteral(".Style"),
                     [get](Grid& g) {
                       const QFont f = get(g);
                       QStringList styles;
                       if (f.bold()) styles << QStringLiteral("fsBold");
                       if (f.italic()) styles << QStringLiteral("fsItalic");
                       if (f.underline()) styles << QStringLiteral("fsUnderline");
                       if (f.strikeOut()) styles << QStringLiteral("fsStrikeOut");
                       return styles.join(QLatin1Char(','));
                     },
                     [get, set](const std::optional<QString>& text) -> Apply {
                       const QString value = text.value_or(QString());
                       const bool bold = value.contains(QLatin1String("fsBold"), Qt::CaseInsensitive);
                       const bool italic = value.contains(QLatin1String("fsItalic"), Qt::CaseInsensitive);
                       const bool underline = value.contains(QLatin1String("fsUnderline"), Qt::CaseInsensitive);
                       const bool strike = value.contains(QLatin1String("fsStrikeOut"), Qt::CaseInsensitive);
                       return [=](Grid& g) {
                         QFont f = get(g);
                         f.setBold(bold);
                         f.setItalic(italic);
                         f.setUnderline(underline);
                         f.setStrikeOut(strike);
                         set(g, f);
                       };
                     }});
  const QString size_key = p + QStringLiteral(".Size");
  entries.push_back({size_key, [get](Grid& g) { return QString::number(get(g).pointSize()); },
                     [size_key, get, set](const std::optional<QString>& text) -> Apply {
                       const int size = Read_Int(size_key, text, 1, 4096);
                       return [=](Grid& g) {
                         QFont f = get(g);
                         f.setPointSize(size);
                         set(g, f);
                       };
                     }});
  entries.push_back({p + QStringLiteral(".Name"), [get](Grid& g) { return get(g).family(); },
                     [get, set](const std::optional<QString>& text) -> Apply {
                       const QString family = text.value_or(QString());
                       return [=](Grid& g) {
                         QFont f = get(g);
                         f.setFamily(family);
                         set(g, f);
                       };
                     }});
}

const QStringList kControlStyles = {"csClassic", "csFlat", "csWinXP", "csBorland", "csDUD", "csGlyph", "csTheme"};
const QStringList kLooks = {"glStandard", "glSoft", "glClassic", "glDUD", "glXP",
                            "glListView", "glVista", "glWin7",    "glOffice2007", ""};
const QStringList kDisplays = {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"};
const QStringList kCells = {"bcNormal", "bcFixed", "bcAll"};

#define GRID_COLOR(name) Color(#name, [](Grid& g) { return g.name(); }, [](Grid& g, TColor c) { g.Set##name(c); })
#define GRID_BOOL(name) Bool(#name, [](Grid& g) { return g.name(); }, [](Grid& g, bool b) { g.Set##name(b); })
#define PART_COLOR(part, name) \
  Color(#part "." #name, [](Grid& g) { return g.part().name(); }, [](Grid& g, TColor c) { g.part().Set##name(c); })
#define PART_BOOL(part, name) \
  Bool(#part "." #name, [](Grid& g) { return g.part().name(); }, [](Grid& g, bool b) { g.part().Set##name(b); })
#define PART_INT(part, name) \
  Int(#part "." #name, [](Grid& g) { return int(g.part().name()); }, [](Grid& g, int v) { g.part().Set##name(v); })
#define FIELD_COLOR(part, name) \
  Color(#part "." #name, [](Grid& g) { return g.part().name; }, [](Grid& g, TColor c) { g.part().name = c; })
#define FIELD_INT(part, name) \
  Int(#part "." #name, [](Grid& g) { return g.part().name; }, [](Grid& g, int v) { g.part().name = v; })

const std::vector<Entry>& Entries() {
  static const std::vector<Entry> entries = [] {
    std::vector<Entry> e = {
        GRID_COLOR(Color),
        GRID_COLOR(HintColor),
        GRID_COLOR(SelectionColor),
        GRID_COLOR(SelectionColorTo),
        GRID_COLOR(SelectionMirrorColor),
        GRID_COLOR(SelectionMirrorColorTo),
        GRID_COLOR(SelectionTextColor),
        GRID_COLOR(URLColor),
        GRID_BOOL(URLShow),
        GRID_BOOL(URLShowInText),
        GRID_COLOR(ScrollColor),
        GRID_COLOR(ActiveRowColor),
        GRID_BOOL(ActiveRowShow),
        GRID_BOOL(ActiveCellShow),
    };
    Add_Font(
        e, "Font", [](Grid& g) { return g.GridFont(); }, [](Grid& g, const QFont& f) { g.SetGridFont(f); },
        [](Grid& g) { return g.FontColor(); }, [](Grid& g, TColor c) { g.SetFontColor(c); });
    e.push_back(GRID_COLOR(ActiveCellColor));
    e.push_back(GRID_COLOR(ActiveCellColorTo));
    Add_Font(
        e, "ActiveCellFont", [](Grid& g) { return g.ActiveCellFont(); },
        [](Grid& g, const QFont& f) { g.SetActiveCellFont(f); }, [](Grid& g) { return g.ActiveCellFontColor(); },
        [](Grid& g, TColor c) { g.SetActiveCellFontColor(c); });
    Add_Font(
        e, "FixedFont", [](Grid& g) { return g.FixedFont(); }, [](Grid& g, const QFont& f) { g.SetFixedFont(f); },
        [](Grid& g) { return g.FixedFontColor(); }, [](Grid& g, TColor c) { g.SetFixedFontColor(c); });
    const std::vector<Entry> rest = {
        PART_COLOR(Balloon, BackgroundColor),
        PART_COLOR(Balloon, TextColor),
        Int(
            "Balloon.Transparency", [](Grid& g) { return int(g.Balloon().Transparency()); },
            [](Grid& g, int v) { g.Balloon().SetTransparency((unsigned char)v); }, 0, 255),
        PART_COLOR(Bands, PrimaryColor),
        PART_COLOR(Bands, SecondaryColor),
        PART_BOOL(Bands, Active),
        FIELD_COLOR(SortSettings, IndexColor),
        PART_COLOR(FloatingFooter, Color),
        PART_INT(ControlLook, CheckSize),
        PART_COLOR(ControlLook, Color),
        PART_COLOR(ControlLook, CommentColor),
        Enum(
            "ControlLook.ControlStyle", kControlStyles, [](Grid& g) { return int(g.ControlLook().ControlStyle()); },
            [](Grid& g, int v) { g.ControlLook().SetControlStyle(TControlStyle(v)); }),
        PART_COLOR(ControlLook, FixedGradientFrom),
        PART_COLOR(ControlLook, FixedGradientTo),
        PART_INT(ControlLook, RadioSize),
        PART_BOOL(ControlLook, FlatButton),
        PART_COLOR(ControlLook, ProgressBorderColor),
        PART_BOOL(ControlLook, ProgressXP),
        Enum(
            "Look", kLooks, [](Grid& g) { return int(g.Look()); },
            [](Grid& g, int v) { g.SetLook(TGridLook(v)); }),
        PART_COLOR(SearchFooter, Color),
        PART_COLOR(SearchFooter, ColorTo),
        PART_COLOR(Grouping, HeaderColor),
        PART_COLOR(Grouping, HeaderColorTo),
        PART_COLOR(Grouping, HeaderTextColor),
        PART_BOOL(Grouping, HeaderUnderline),
        PART_COLOR(Grouping, HeaderLineColor),
        PART_INT(Grouping, HeaderLineWidth),
        PART_COLOR(Grouping, SummaryColor),
        PART_COLOR(Grouping, SummaryColorTo),
        PART_COLOR(Grouping, SummaryTextColor),
        PART_BOOL(Grouping, SummaryLine),
        PART_COLOR(Grouping, SummaryLineColor),
        PART_INT(Grouping, SummaryLineWidth),
        GRID_COLOR(GridLineColor),
        GRID_COLOR(GridFixedLineColor),
        FIELD_INT(BackGround, Top),
        FIELD_INT(BackGround, Left),
        Enum(
            "BackGround.Display", kDisplays, [](Grid& g) { return int(g.BackGround().Display); },
            [](Grid& g, int v) { g.BackGround().Display = TBackgroundDisplay(v); }),
        Enum(
            "BackGround.Cells", kCells, [](Grid& g) { return int(g.BackGround().Cells); },
            [](Grid& g, int v) { g.BackGround().Cells = TBackgroundCells(v); }),
        FIELD_COLOR(BackGround, Color),
        FIELD_COLOR(BackGround, ColorTo),
    };
    e.insert(e.end(), rest.begin(), rest.end());
    return e;
  }();
  return entries;
}

}  // namespace

void TZadIrururOziz::SaveVisualProps(const QString& FileName) {
  std::vector<std::pair<QString, QString>> lines;
  for (const Entry& entry : Entries()) lines.emplace_back(entry.key, entry.write(*this));
  try {
    atomic_file::Write(FileName, Visual_Props_File::Format(lines));
  } catch (const File_Write_Error&) {
    throw VAzaZeriVader(("Cannot Create " + FileName).toStdString());
  }
}

void TZadIrururOziz::LoadVisualProps(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly)) throw VAzaZeriVader(("Cannot open file " + FileName).toStdString());
  const QByteArray bytes = file.read(Visual_Props_File::Max_Bytes + 1);
  if (bytes.size() > Visual_Props_File::Max_Bytes)
    throw VAzaZeriVader(("File too large: " + FileName).toStdString());
  const Visual_Props_File props = Visual_Props_File::Parse(bytes);
  // Every value is converted before the first one is applied.
  std::vector<Apply> changes;
  for (const Entry& entry : Entries()) changes.push_back(entry.read(props.Value(entry.key)));
  for (const Apply& change : changes)
    if (change) change(*this);
  RepaintAll();
}
