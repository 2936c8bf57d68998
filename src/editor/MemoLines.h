/** @file MemoLines.h
 ** The editor's rows as a string list that keeps no rows of its own: every change is one
 ** replacement of the editor's text. **/
#pragma once

#include "platform/core/Strings.h"
#include "platform/core/TextDecoding.h"
#include "platform/core/TextFormat.h"

class TMemoComponent;

class TMemoComponentStrings : public TStrings {
 public:
  explicit TMemoComponentStrings(TMemoComponent* AMemo) : Memo(AMemo) {}
  QString ClassName() const override { return QStringLiteral("TMemoComponentStrings"); }

  void Clear() override;
  void Delete(int Index) override;
  void Insert(int Index, const QString& S) override;

  using TStrings::LoadFromFile;
  using TStrings::SaveToFile;
  /** Reads FileName into the editor as LoadFromFile does; what the file is, for writing it
      back, and in Unreadable what of it could not be read (empty when all could). */
  TTextFormat LoadFromFile(const QString& FileName, QString& Unreadable);
  /** The same for a file already read and decoded (off the user-interface thread). */
  TTextFormat LoadDecoded(TDecodedText Decoded, QString& Unreadable);
  /** Writes the text to FileName in Format, keeping the bytes of the parts not edited since
      Format was read; false, writing nothing, when a character does not fit. After writing,
      Format is the written file's. EFCreateError as SaveToFile. */
  bool SaveToFile(const QString& FileName, TTextFormat& Format) const;

  TMemoComponent* Memo;

 protected:
  QString Get(int Index) const override;
  int GetCount() const override;
  void Put(int Index, const QString& S) override;
  QString GetTextStr() const override;
  void SetTextStr(const QString& Value) override;
};
