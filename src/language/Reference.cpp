/** @file Reference.cpp
 ** Reading the reference file and looking words up in it. **/
#include "language/Reference.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {
QStringList StringsOf(const QJsonValue& Value) {
  QStringList Result;
  for (const QJsonValue& Item : Value.toArray()) Result.append(Item.toString());
  return Result;
}
}  // namespace

// Outside the unnamed namespace: the macro declares the resource's initialiser there.
static void LoadReferenceResource() {
  Q_INIT_RESOURCE(reference);
}

TReference TReference::FromJson(const QByteArray& Json) {
  QJsonParseError Error;
  const QJsonDocument Document = QJsonDocument::fromJson(Json, &Error);
  if (Document.isNull())
    throw EReferenceError(QStringLiteral("The reference cannot be read: %1 at offset %2")
                              .arg(Error.errorString())
                              .arg(Error.offset));
  const QJsonArray Items = Document.object().value(QStringLiteral("entries")).toArray();
  TReference Reference;
  for (const QJsonValue& Item : Items) {
    const QJsonObject O = Item.toObject();
    TReferenceEntry E;
    E.Word = O.value(QStringLiteral("word")).toString();
    E.Kind = O.value(QStringLiteral("kind")).toString();
    if (E.Word.isEmpty() || E.Kind.isEmpty())
      throw EReferenceError(QStringLiteral("A reference entry has no word or no kind (entry %1)")
                                .arg(Reference.FEntries.size() + 1));
    E.Group = O.value(QStringLiteral("group")).toString();
    E.Summary = O.value(QStringLiteral("summary")).toString();
    E.Forms = StringsOf(O.value(QStringLiteral("forms")));
    E.Reads = O.value(QStringLiteral("reads")).toString();
    E.Writes = O.value(QStringLiteral("writes")).toString();
    E.Note = O.value(QStringLiteral("note")).toString();
    E.Width = O.value(QStringLiteral("width")).toInt();
    E.Parts = StringsOf(O.value(QStringLiteral("parts")));
    Reference.FByWord.insert(E.Word.toLower(), static_cast<int>(Reference.FEntries.size()));
    Reference.FEntries.push_back(std::move(E));
  }
  return Reference;
}

const TReference& TReference::Standard() {
  static const TReference Loaded = [] {
    LoadReferenceResource();
    QFile File(QStringLiteral(":/reference/reference.json"));
    if (!File.open(QIODevice::ReadOnly))
      throw EReferenceError(QStringLiteral("The reference file is missing"));
    return FromJson(File.readAll());
  }();
  return Loaded;
}

std::vector<const TReferenceEntry*> TReference::Find(const QString& Word) const {
  std::vector<const TReferenceEntry*> Result;
  for (auto It = FByWord.find(Word.toLower()); It != FByWord.end() && It.key() == Word.toLower(); ++It)
    Result.push_back(&FEntries[It.value()]);
  // The hash hands equal keys back newest first; the file's order reads better.
  std::reverse(Result.begin(), Result.end());
  return Result;
}

const TReferenceEntry* TReference::First(const QString& Word) const {
  const auto Found = Find(Word);
  return Found.empty() ? nullptr : Found.front();
}

std::vector<const TReferenceEntry*> TReference::Search(const QString& Text) const {
  std::vector<const TReferenceEntry*> Starting, Containing;
  for (const TReferenceEntry& E : FEntries) {
    if (E.Word.startsWith(Text, Qt::CaseInsensitive))
      Starting.push_back(&E);
    else if (E.Word.contains(Text, Qt::CaseInsensitive) ||
             E.Summary.contains(Text, Qt::CaseInsensitive))
      Containing.push_back(&E);
  }
  Starting.insert(Starting.end(), Containing.begin(), Containing.end());
  return Starting;
}

int TReference::RegisterWidth(const QString& Word) const {
  for (const TReferenceEntry* E : Find(Word))
    if (E->Kind == u"register" && E->Group == u"general") return E->Width;
  return 0;
}

QStringList TReference::Describe(const TReferenceEntry& E) {
  QStringList Lines;
  Lines.append(QStringLiteral("%1 (%2): %3").arg(E.Word, E.Kind, E.Summary));
  QStringList Forms;
  for (const QString& Form : E.Forms)
    Forms.append(Form.isEmpty() ? E.Word : E.Word + u' ' + Form);
  if (!Forms.isEmpty()) Lines.append(QStringLiteral("Forms: ") + Forms.join(QStringLiteral("; ")));
  if (E.Kind == u"register" || E.Kind == u"segment") {
    QString Line = QStringLiteral("Width: %1 bits").arg(E.Width);
    if (!E.Parts.isEmpty()) Line += QStringLiteral("; parts: ") + E.Parts.join(QStringLiteral(", "));
    Lines.append(Line);
  }
  if (E.Kind == u"instruction")
    Lines.append(QStringLiteral("Flags read: %1; written: %2")
                     .arg(E.Reads.isEmpty() ? QStringLiteral("none") : E.Reads,
                          E.Writes.isEmpty() ? QStringLiteral("none") : E.Writes));
  if (!E.Note.isEmpty()) Lines.append(QStringLiteral("Note: ") + E.Note);
  return Lines;
}
