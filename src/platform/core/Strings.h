/** @file Strings.h
 ** The abstract string list: a descendant supplies the basic operations, and everything
 ** else (adding, assigning, the whole text, loading and saving) is built on them. **/
#pragma once

#include "platform/core/Persistent.h"

class TStrings : public TPersistent {
 public:
  QString ClassName() const override { return QStringLiteral("TStrings"); }

  virtual void Clear() = 0;
  virtual void Delete(int Index) = 0;
  virtual void Insert(int Index, const QString& S) = 0;

  int Count() const { return GetCount(); }
  QString Strings(int Index) const { return Get(Index); }
  void SetStrings(int Index, const QString& S) { Put(Index, S); }
  virtual int Add(const QString& S);
  void AddStrings(const TStrings* Source);
  virtual int IndexOf(const QString& S) const;
  /** Every line followed by CR LF, the last one too. */
  QString Text() const { return GetTextStr(); }
  /** Replaces the lines by those of Value, split at CR LF, CR or LF, up to a NUL if any. */
  void SetText(const QString& Value) { SetTextStr(Value); }
  void Assign(const TPersistent* Source) override;
  /** Reads the file's text (byte-order mark detection) and sets it as Text. */
  virtual void LoadFromFile(const QString& FileName);
  /** Writes Text to the file, replacing it only once the new content is complete. */
  virtual void SaveToFile(const QString& FileName) const;
  void BeginUpdate();
  void EndUpdate();

 protected:
  virtual QString Get(int Index) const = 0;
  virtual int GetCount() const = 0;
  virtual void Put(int Index, const QString& S);
  virtual QString GetTextStr() const;
  virtual void SetTextStr(const QString& Value);
  virtual void SetUpdateState(bool) {}
  int UpdateCount() const { return FUpdateCount; }

 private:
  int FUpdateCount = 0;
};
