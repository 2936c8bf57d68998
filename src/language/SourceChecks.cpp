/** @file SourceChecks.cpp
 ** The checks that need more than one line, a run of lines at a time. Brackets are matched
 ** per kind from each line's unmatched counts, so only the lines holding a stray bracket are
 ** read again. **/
#include "language/SourceChecks.h"

#include <algorithm>
#include <limits>

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

}  // namespace

TSourceCheck::TSourceCheck(const TSourceModel& Model, const QString& File, const TProjectIndex& Index,
                           TSourceModel::TLineText Text)
    : FModel(Model), FFile(File), FIndex(Index), FText(std::move(Text)) {}

bool TSourceCheck::Step(int Lines) {
  while (FPhase != TPhase::Done && Lines > 0) {
    if (FPhase == TPhase::Unclosed) {
      // A step over the lines left with open brackets, each read again.
      for (; Lines > 0 && FKind < 3; --Lines) {
        if (FEntry < FOpen[FKind].size()) {
          ReportUnclosed(FKind, FOpen[FKind][FEntry++]);
        } else {
          ++FKind;
          FEntry = 0;
        }
      }
      if (FKind == 3) NextPhase();
      continue;
    }
    const int Last = FLine - 1 + std::min(Lines, FModel.LineCount() - FLine + 1);
    Lines -= Last - FLine + 1;
    switch (FPhase) {
      case TPhase::LineProblems:
        FModel.LineProblems(FLine, Last, FProblems);
        break;
      case TPhase::Brackets:
        for (int Line = FLine; Line <= Last; ++Line) MatchBrackets(Line);
        break;
      case TPhase::Targets: {
        std::vector<TTargetUse> Targets;
        FModel.Targets(FLine, Last, Targets);
        for (const TTargetUse& T : Targets)
          if (!FIndex.Declares(T.Name))
            FProblems.push_back({TSeverity::Warning, T.Line, T.Column, static_cast<int>(T.Name.size()),
                                 QStringLiteral("No file of the project declares \"%1\"").arg(T.Name)});
        break;
      }
      case TPhase::Duplicates: {
        std::vector<TDeclaration> Declarations;
        FModel.Declarations(FLine, Last, Declarations);
        for (const TDeclaration& D : Declarations) CheckDuplicate(D);
        break;
      }
      case TPhase::Unclosed:
      case TPhase::Done:
        break;
    }
    FLine = Last + 1;
    if (FLine > FModel.LineCount()) NextPhase();
  }
  return FPhase == TPhase::Done;
}

void TSourceCheck::NextPhase() {
  if (FPhase == TPhase::Unclosed) CheckUnterminated(FModel, FText, FProblems);
  FPhase = static_cast<TPhase>(static_cast<int>(FPhase) + 1);
  FLine = 1;
  if (FPhase == TPhase::Done)
    std::stable_sort(FProblems.begin(), FProblems.end(), [](const TProblem& A, const TProblem& B) {
      return std::tie(A.Line, A.Column) < std::tie(B.Line, B.Column);
    });
}

void TSourceCheck::MatchBrackets(int Line) {
  const TBracketBalance B = FModel.Balance(Line);
  for (int K = 0; K < 3; ++K) {
    int Closes = B.Closes[K];
    while (Closes > 0 && !FOpen[K].empty()) {
      const int Used = std::min(Closes, FOpen[K].back().second);
      Closes -= Used;
      if ((FOpen[K].back().second -= Used) == 0) FOpen[K].pop_back();
    }
    for (int Stray = 1; Stray <= Closes; ++Stray) {
      const QString Text = FText(Line);
      FProblems.push_back({TSeverity::Error, Line,
                           StrayCloserColumn(Text, TokensOf(FModel, Line, Text), K, B.Closes[K] - Closes + Stray), 1,
                           QStringLiteral("\"%1\" without a matching \"%2\"").arg(Closers[K], Openers[K])});
    }
    if (B.Opens[K] > 0) FOpen[K].push_back({Line, B.Opens[K]});
  }
}

void TSourceCheck::ReportUnclosed(int Kind, std::pair<int, int> Open) {
  const auto [Line, Count] = Open;
  const QString Text = FText(Line);
  const auto Tokens = TokensOf(FModel, Line, Text);
  for (int I = Count; I >= 1; --I)
    FProblems.push_back({TSeverity::Error, Line, UnclosedOpenerColumn(Text, Tokens, Kind, I), 1,
                         QStringLiteral("\"%1\" is never closed").arg(Openers[Kind])});
}

void TSourceCheck::CheckDuplicate(const TDeclaration& D) {
  if (!IsRoutine(D)) return;
  for (const TLocatedDeclaration& Other : FIndex.Find(D.Name)) {
    if (!IsRoutine(Other.Declaration) || (Other.File == FFile && Other.Declaration.Line == D.Line)) continue;
    FProblems.push_back({TSeverity::Error, D.Line, D.Column, static_cast<int>(D.Name.size()),
                         QStringLiteral("\"%1\" is also declared at %2:%3").arg(D.Name, Other.File).arg(Other.Declaration.Line)});
    return;
  }
}

std::vector<TProblem> CheckSource(const TSourceModel& Model, const QString& File,
                                  const TProjectIndex& Index, const TSourceModel::TLineText& Text) {
  TSourceCheck Check(Model, File, Index, Text);
  Check.Step(std::numeric_limits<int>::max());
  return Check.Problems();
}
