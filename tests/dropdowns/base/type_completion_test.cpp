#include "dropdowns/base/type_completion.h"

#include <gtest/gtest.h>

#include "dropdowns/base/type_ahead_text.h"

namespace {

const QStringList kFruit{QStringLiteral("Apple"), QStringLiteral("Apricot"), QStringLiteral("Banana")};

struct Completion_Case {
  const char* Name;
  const char* Text;
  int Caret;
  bool MatchCase;
  TypeCompletion::Result::Kind What;
  const char* NewText;
  int NewCaret;
  int Index;
};

// Text as it stands after a key changed it, with the caret after the key.
const Completion_Case kCases[] = {
    {"first letter completes, typed case kept", "a", 1, false, TypeCompletion::Result::Completed, "apple", 1, 0},
    {"longer prefix picks the later item", "apr", 3, false, TypeCompletion::Result::Completed, "apricot", 3, 1},
    {"upper-case typing", "BA", 2, false, TypeCompletion::Result::Completed, "BAnana", 2, 2},
    {"match case refuses other case", "a", 1, true, TypeCompletion::Result::Cut, "a", 1, -1},
    {"match case accepts same case", "Ap", 2, true, TypeCompletion::Result::Completed, "Apple", 2, 0},
    {"no match after a completion drops the tail", "ax", 2, false, TypeCompletion::Result::Cut, "ax", 2, -1},
    {"no match drops what followed the caret", "hexllo", 3, false, TypeCompletion::Result::Cut, "hex", 3, -1},
    {"a whole caption completes to itself", "banana", 6, false, TypeCompletion::Result::Completed, "banana", 6, 2},
    {"empty text", "", 0, false, TypeCompletion::Result::None, "", 0, -1},
    {"caret at the start matches nothing", "apple", 0, false, TypeCompletion::Result::None, "", 0, -1},
};

TEST(TypeCompletion, CompletesTheTypedPartFromTheFirstCandidate) {
  for (const Completion_Case& c : kCases) {
    SCOPED_TRACE(c.Name);
    TypeCompletion completion;
    completion.MatchCase = c.MatchCase;
    const TypeCompletion::Result r = completion.TextChanged(QString::fromUtf8(c.Text), c.Caret, kFruit);
    EXPECT_EQ(r.What, c.What);
    if (r.What == TypeCompletion::Result::None) continue;
    EXPECT_EQ(r.Text, QString::fromUtf8(c.NewText));
    EXPECT_EQ(r.Caret, c.NewCaret);
    EXPECT_EQ(r.Index, c.Index);
    EXPECT_EQ(completion.ItemChange(), c.Index >= 0);
  }
}

TEST(TypeCompletion, KeysSwitchCompletionOffAndOn) {
  const struct {
    int Key;
    bool Before;
    bool After;
  } keys[] = {
      {Qt::Key_Backspace, true, false}, {Qt::Key_Delete, true, false}, {Qt::Key_Escape, true, false},
      {Qt::Key_Return, false, false},   {Qt::Key_Enter, true, true},   {Qt::Key_A, false, true},
      {Qt::Key_Shift, false, true},
  };
  for (const auto& k : keys) {
    TypeCompletion completion;
    completion.SetWorkMode(k.Before);
    completion.KeyDown(k.Key);
    EXPECT_EQ(completion.WorkMode(), k.After) << k.Key;
  }
  // Switched off, a change keeps its text: Backspace after a completion
  // removes the tail for good.
  TypeCompletion completion;
  completion.KeyDown(Qt::Key_Backspace);
  EXPECT_EQ(completion.TextChanged(QStringLiteral("a"), 1, kFruit).What, TypeCompletion::Result::None);
}

TEST(TypeCompletion, KeyReleaseHandsOverTheCompletionOnce) {
  TypeCompletion completion;
  EXPECT_EQ(completion.KeyReleased(), -1);
  completion.TextChanged(QStringLiteral("apr"), 3, kFruit);
  EXPECT_EQ(completion.ItemIdx(), 1);
  EXPECT_EQ(completion.ItemSel(), 3);
  EXPECT_EQ(completion.KeyReleased(), 1);
  EXPECT_EQ(completion.KeyReleased(), -1);
  // A later change without a match forgets the completion.
  completion.TextChanged(QStringLiteral("a"), 1, kFruit);
  completion.TextChanged(QStringLiteral("q"), 1, kFruit);
  EXPECT_EQ(completion.KeyReleased(), -1);
}

TEST(TypeCompletion, CaseFoldingKeepsPositions) {
  // "ß" upper-cases to "SS" as a whole string; per character it stays, so
  // the typed part's length still counts characters of the edit text.
  EXPECT_EQ(TypeCompletion::Match_Case_Text(QStringLiteral(u"straße"), false), QStringLiteral(u"STRAßE"));
  const QStringList streets{QStringLiteral(u"Straßenbahn")};
  TypeCompletion completion;
  const TypeCompletion::Result r = completion.TextChanged(QStringLiteral(u"straße"), 6, streets);
  EXPECT_EQ(r.Text, QStringLiteral(u"straßenbahn"));
  EXPECT_EQ(r.Caret, 6);
}

TEST(TypeCompletion, TailIsLimited) {
  const QStringList long_one{QStringLiteral("x") + QString(400, QLatin1Char('y'))};
  TypeCompletion completion;
  EXPECT_EQ(completion.TextChanged(QStringLiteral("x"), 1, long_one).Text.size(), 1 + 255);
}

TEST(TypeCompletion, ExactLookUpAndModifiedState) {
  EXPECT_EQ(TypeCompletion::Index_Of(kFruit, QStringLiteral("Apricot"), Qt::CaseSensitive), 1);
  EXPECT_EQ(TypeCompletion::Index_Of(kFruit, QStringLiteral("apricot"), Qt::CaseSensitive), -1);
  EXPECT_EQ(TypeCompletion::Index_Of(kFruit, QStringLiteral("apricot"), Qt::CaseInsensitive), 1);
  TypeCompletion completion;
  completion.SetOldValue(QStringLiteral("Apple"));
  EXPECT_FALSE(completion.Modified(QStringLiteral("Apple")));
  EXPECT_TRUE(completion.Modified(QString()));
}

TEST(TypeAheadText, TextLivesFromTheFirstKeyOfABurst) {
  uint32_t now = 0;
  TypeAheadText text;
  text.Clock = [&] { return now; };
  EXPECT_EQ(text.Add(Qt::Key_B), QStringLiteral("B"));
  now = 400;
  EXPECT_EQ(text.Add(Qt::Key_L), QStringLiteral("BL"));
  now = 600;
  EXPECT_EQ(text.Add(Qt::Key_I), QStringLiteral("I"));
  now = 1099;
  EXPECT_EQ(text.Add(Qt::Key_N), QStringLiteral("IN"));
  text.Clear();
  EXPECT_EQ(text.Text(), QString());
}

TEST(TypeAheadText, KeysCountByTheirKeyCodes) {
  const struct {
    int Key;
    int Code;
  } keys[] = {
      {Qt::Key_A, 'A'},      {Qt::Key_Z, 'Z'},      {Qt::Key_5, '5'},     {Qt::Key_Space, ' '},
      {Qt::Key_Shift, 16},   {Qt::Key_Return, 13},  {Qt::Key_Escape, 27}, {Qt::Key_F1, 112},
      {Qt::Key_Exclam, '1'}, {Qt::Key_Minus, 0xBD}, {Qt::Key_unknown, 0},
  };
  for (const auto& k : keys) EXPECT_EQ(Look_Up_Key_Code(k.Key), k.Code) << k.Key;
  // Shift in a burst keeps the text from matching a caption.
  TypeAheadText text;
  text.Add(Qt::Key_Shift);
  EXPECT_EQ(text.Add(Qt::Key_B), QStringLiteral("\x10"
                                                "B"));
}

}  // namespace
