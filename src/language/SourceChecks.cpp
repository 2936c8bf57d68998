/** @file SourceChecks.cpp
 ** The checks that need more than one line. Brackets are matched per kind from each line's
 ** unmatched counts, so only the lines holding a stray bracket are read again. **/
#include "language/SourceChecks.h"

#include <algorithm>

namespace {
const QChar Openers[3] = {u'(', u'[', u'{'};
const QChar Closers[3] = {u')', u']', u'}'};

std::vector<TToken> TokensOf(const TSourceModel& Model, int Line, const QString& Text) {
  std::vector<TToken> Tokens;
  LexLine(Text, Model.StateAtStart(Line), Tokens);
  return Tokens;
}

// The Count-th closer of Kind on Line that has no opener on the line before it.
int StrayCloserColumn(const QString& Text, const std::vector<TToken>& Tokens, int Kind, int Count) {
  int Open = 0;
  for (const TToken& T : Tokens) {
    if ((T.Kind != TTokenKind::Open && T.Kind != TTokenKind::Close) || BracketKind(Text[T.Start]) != Kind)
      continue;
    if (T.Kind == TTokenKind::Open) ++Open;
    else if (Open > 0) --Open;
    else if (--Count == 0) return T.Start + 1;
  }
  return 1;
}

// The opener of Kind on Line left unmatched at the line's end, counted from the last.
int UnclosedOpenerColumn(const QString& Text, const std::vector<TToken>& Tokens, int Kind, int FromLast) {
  int Close = 0;
  for (auto It = Tokens.rbegin(); It != Tokens.rend(); ++It) {
    if ((It->Kind != TTokenKind::Open && It->Kind != TTokenKind::Close) ||
        BracketKind(Text[It->Start]) != Kind)
      continue;
    if (It->Kind == TTokenKind::Close) ++Close;
    else if (Close > 0) --Close;
    else if (--FromLast == 0) return It->Start + 1;
  }
  return 1;
}

void CheckBrackets(const TSourceModel& Model, const TSourceModel::TLineText& Text,
                   std::vector<TProblem>& Problems) {
  // Lines whose openers stay unmatched, per kind: (line, openers the line leaves open).
  std::vector<std::pair<int, int>> Open[3];
  for (int Line = 1; Line <= Model.LineCount(); ++Line) {
    const TBracketBalance B = Model.Balance(Line);
    for (int K = 0; K < 3; ++K) {
      int Closes = B.Closes[K];
      while (Closes > 0 && !Open[K].empty()) {
        const int Used = std::min(Closes, Open[K].back().second);
        Closes -= Used;
        if ((Open[K].back().second -= Used) == 0) Open[K].pop_back();
      }
      for (int Stray = 1; Stray <= Closes; ++Stray) {
        const QString Line_ = Text(Line);
        Problems.push_back({TSeverity::Error, Line,
                            StrayCloserColumn(Line_, TokensOf(Model, Line, Line_), K,
                                              B.Closes[K] - Closes + Stray),
                            1, QStringLiteral("\"%1\" without a matching \"%2\"").arg(Closers[K], Openers[K])});
      }
      if (B.Opens[K] > 0) {
        Open[K].push_back({Line, B.Opens[K]});
      }
    }
  }
  for (int K = 0; K < 3; ++K)
    for (const auto& [Line, Count] : Open[K]) {
      const QString Line_ = Text(Line);
      const auto Tokens = TokensOf(Model, Line, Line_);
      for (int I = Count; I >= 1; --I)
        Problems.push_back({TSeverity::Error, Line, UnclosedOpenerColumn(Line_, Tokens, K, I), 1,
                            QStringLiteral("\"%1\" is never closed").arg(Openers[K])});
    }
}

void CheckUnterminated(const TSourceModel& Model, const TSourceModel::TLineText& Text,
                       std::vector<TProblem>& Problems) {
  const TLexState End = Model.StateAtEnd();
  if (End != TLexState::BlockComment && End != TLexState::String) return;
  int Line = Model.LineCount();
  while (Line > 1 && Model.StateAtStart(Line) == End) --Line;
  const QString Line_ = Text(Line);
  const auto Tokens = TokensOf(Model, Line, Line_);
  const TTokenKind Kind = End == TLexState::String ? TTokenKind::String : TTokenKind::Comment;
  int Column = 1;
  for (auto It = Tokens.rbegin(); It != Tokens.rend(); ++It)
    if (It->Kind == Kind) {
      Column = It->Start + 1;
      break;
    }
  Problems.push_back({TSeverity::Error, Line, Column, End == TLexState::String ? 1 : 2,
                      End == TLexState::String ? QStringLiteral("String not terminated at the end of the text")
                                               : QStringLiteral("Block comment not closed at the end of the text")});
}

bool IsRoutine(const TDeclaration& D) {
  return D.Kind == u"procedure" || D.Kind == u"function";
}

void CheckDuplicates(const TSourceModel& Model, const QString& File, const TProjectIndex& Index,
                     std::vector<TProblem>& Problems) {
  for (const TDeclaration& D : Model.Declarations()) {
    if (!IsRoutine(D)) continue;
    for (const TLocatedDeclaration& Other : Index.Find(D.Name)) {
      if (!IsRoutine(Other.Declaration) || (Other.File == File && Other.Declaration.Line == D.Line)) continue;
      Problems.push_back({TSeverity::Error, D.Line, D.Column, static_cast<int>(D.Name.size()),
                          QStringLiteral("\"%1\" is also declared at %2:%3")
                              .arg(D.Name, Other.File).arg(Other.Declaration.Line)});
      break;
    }
  }
}
}  // namespace

std::vector<TProblem> CheckSource(const TSourceModel& Model, const QString& File,
                                  const TProjectIndex& Index, const TSourceModel::TLineText& Text) {
  std::vector<TProblem> Problems = Model.LineProblems();
  CheckBrackets(Model, Text, Problems);
  CheckUnterminated(Model, Text, Problems);
  for (const TTargetUse& T : Model.Targets())
    if (!Index.Declares(T.Name))
      Problems.push_back({TSeverity::Warning, T.Line, T.Column, static_cast<int>(T.Name.size()),
                          QStringLiteral("No file of the project declares \"%1\"").arg(T.Name)});
  CheckDuplicates(Model, File, Index, Problems);
  std::stable_sort(Problems.begin(), Problems.end(), [](const TProblem& A, const TProblem& B) {
    return std::tie(A.Line, A.Column) < std::tie(B.Line, B.Column);
  });
  return Problems;
}
