/** @file ProjectIndex.cpp
 ** Files replace their whole list of declarations; only that file's names change in the
 ** name table, so indexing a project file by file stays linear. **/
#include "language/ProjectIndex.h"

#include <QStringList>
#include <algorithm>

void TProjectIndex::SetFile(const QString& File, std::vector<TDeclaration> Declarations) {
  // The name table points into the file's list by position: as many declarations as before
  // (moved, or one renamed while typing) keep their entries but for the renamed ones.
  if (const auto It = FFiles.find(File); It != FFiles.end() && It->second.size() == Declarations.size()) {
    for (int I = 0; I < static_cast<int>(Declarations.size()); ++I)
      if (It->second[I].Name != Declarations[I].Name) {
        FByName.remove(It->second[I].Name.toLower(), {File, I});
        FByName.insert(Declarations[I].Name.toLower(), {File, I});
      }
    It->second = std::move(Declarations);
    return;
  }
  Unhash(File);
  for (int I = 0; I < static_cast<int>(Declarations.size()); ++I)
    FByName.insert(Declarations[I].Name.toLower(), {File, I});
  FFiles[File] = std::move(Declarations);
}

void TProjectIndex::RemoveFile(const QString& File) {
  Unhash(File);
  FFiles.erase(File);
}

void TProjectIndex::Unhash(const QString& File) {
  const auto It = FFiles.find(File);
  if (It == FFiles.end()) return;
  for (int I = 0; I < static_cast<int>(It->second.size()); ++I)
    FByName.remove(It->second[I].Name.toLower(), {File, I});
}

QStringList TProjectIndex::Files() const {
  QStringList Result;
  for (const auto& [File, _] : FFiles) Result.append(File);
  return Result;
}

const std::vector<TDeclaration>& TProjectIndex::DeclarationsOf(const QString& File) const {
  static const std::vector<TDeclaration> None;
  const auto It = FFiles.find(File);
  return It == FFiles.end() ? None : It->second;
}

std::vector<TLocatedDeclaration> TProjectIndex::Find(const QString& Name) const {
  std::vector<TLocatedDeclaration> Result;
  const QString Key = Name.toLower();
  for (auto It = FByName.find(Key); It != FByName.end() && It.key() == Key; ++It)
    Result.push_back({It->File, FFiles.at(It->File)[It->Index]});
  std::sort(Result.begin(), Result.end(), [](const auto& A, const auto& B) {
    return std::tie(A.File, A.Declaration.Line) < std::tie(B.File, B.Declaration.Line);
  });
  return Result;
}

bool TProjectIndex::Declares(const QString& Name) const {
  return FByName.contains(Name.toLower());
}

std::vector<TLocatedDeclaration> TProjectIndex::Matching(const QString& Filter) const {
  std::vector<TLocatedDeclaration> Starting, Containing;
  for (const auto& [File, Declarations] : FFiles)
    for (const TDeclaration& D : Declarations) {
      if (D.Name.startsWith(Filter, Qt::CaseInsensitive))
        Starting.push_back({File, D});
      else if (D.Name.contains(Filter, Qt::CaseInsensitive))
        Containing.push_back({File, D});
    }
  const auto ByName = [](const auto& A, const auto& B) {
    return A.Declaration.Name.compare(B.Declaration.Name, Qt::CaseInsensitive) < 0;
  };
  std::stable_sort(Starting.begin(), Starting.end(), ByName);
  std::stable_sort(Containing.begin(), Containing.end(), ByName);
  Starting.insert(Starting.end(), Containing.begin(), Containing.end());
  return Starting;
}
