/** @file InputPresets.cpp **/
#include "studio/build/InputPresets.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/core/Exceptions.h"
#include "platform/core/TextFile.h"

QString TInputPresets::FileOf(const QString& ProjectFile) {
  return ProjectFile + QStringLiteral(".inputs");
}

void TInputPresets::Load(const QString& FileName) {
  FFileName = FileName;
  FItems.clear();
  FWritable = false;
  if (!QFileInfo::exists(FileName)) {
    FWritable = true;
    return;
  }
  const QString Text = ReadTextFile(FileName);
  QJsonParseError Error;
  const QJsonDocument Document = QJsonDocument::fromJson(Text.toUtf8(), &Error);
  if (!Document.isObject() || !Document.object().value(u"presets").isArray())
    throw Exception(QStringLiteral("The input presets in \"%1\" cannot be read: %2.")
                        .arg(QFileInfo(FileName).absoluteFilePath(),
                             Error.error != QJsonParseError::NoError ? Error.errorString()
                                                                     : QStringLiteral("no presets list")));
  for (const QJsonValue& Value : Document.object().value(u"presets").toArray()) {
    const QJsonObject Item = Value.toObject();
    const QString Name = Item.value(u"name").toString();
    if (!Name.isEmpty()) Put(Name, Item.value(u"text").toString());
  }
  FWritable = true;
}

void TInputPresets::Save() const {
  if (!FWritable || FFileName.isEmpty()) return;
  QJsonArray List;
  for (const TInputPreset& Preset : FItems)
    List.append(QJsonObject{{QStringLiteral("name"), Preset.Name}, {QStringLiteral("text"), Preset.Text}});
  const QJsonDocument Document(QJsonObject{{QStringLiteral("presets"), List}});
  WriteTextFile(FFileName, QString::fromUtf8(Document.toJson(QJsonDocument::Indented)));
}

void TInputPresets::Put(const QString& Name, const QString& Text) {
  for (TInputPreset& Preset : FItems) {
    if (Preset.Name == Name) {
      Preset.Text = Text;
      return;
    }
  }
  FItems.push_back(TInputPreset{Name, Text});
}

void TInputPresets::Remove(const QString& Name) {
  std::erase_if(FItems, [&](const TInputPreset& Preset) { return Preset.Name == Name; });
}

QString TInputPresets::TextOf(const QString& Name) const {
  for (const TInputPreset& Preset : FItems)
    if (Preset.Name == Name) return Preset.Text;
  return QString();
}
