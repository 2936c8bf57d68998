/** @file InputPresets.h
 ** Saved standard inputs of a project ("stdin presets"): named texts written to the running
 ** program before the user types. Kept beside the project in PROJECT.ypr.inputs (JSON), so
 ** they survive restarts and travel with the project; the project file stays as it is. **/
#pragma once

#include <QString>
#include <vector>

struct TInputPreset {
  QString Name;
  QString Text;
};

class TInputPresets {
 public:
  /** The presets file of a project file. */
  static QString FileOf(const QString& ProjectFile);

  /** Reads FileName; a missing file is an empty list. Raises an Exception naming the file
      when it cannot be read or is not a presets file; the presets then stay empty and
      Save refuses, so that a file the studio does not understand is never overwritten. */
  void Load(const QString& FileName);
  /** Writes the presets back, replacing the file only when the new one is complete. */
  void Save() const;
  bool Writable() const { return FWritable; }

  const std::vector<TInputPreset>& Items() const { return FItems; }
  /** Adds or replaces the preset of that name. */
  void Put(const QString& Name, const QString& Text);
  void Remove(const QString& Name);
  /** The text of that preset; empty when there is none. */
  QString TextOf(const QString& Name) const;

 private:
  QString FFileName;
  std::vector<TInputPreset> FItems;
  bool FWritable = false;
};
