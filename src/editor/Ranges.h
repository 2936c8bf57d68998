/** @file Ranges.h
 ** Ranges of an editor's text. A range in the editor's TrackedRanges is moved by every
 ** edit; one without a collection is temporary and used within one operation. **/
#pragma once

#include <span>
#include <vector>

#include "editor/ObjList.h"
#include "editor/TextCell.h"
#include "platform/core/Geometry.h"

class TMemoComponent;
class TCustomRange;

class TMCRanges : public TObjectContainer {
 public:
  using TRangeClass = std::function<TCustomRange*(TCollection*)>;

  explicit TMCRanges(TMemoComponent* AOwner);
  QString ClassName() const override { return QStringLiteral("TMCRanges"); }

  TCustomRange* Add();
  TCustomRange* Add(int Start, int Count);
  TCustomRange* Items(int Index) const;
  TMemoComponent* Owner() const { return FEditor; }
  const TRangeClass& ItemClass() const { return FItemClass; }
  void SetItemClass(TRangeClass Value) { FItemClass = std::move(Value); }

  /** Hands the moving of Range over to the editor, which moves it without a visit per edit. */
  void MoveByEditor(TCustomRange* Range);
  /** Calls Visit for each range every edit visits (all but those the editor moves itself)
      as they are now, from the last index to the first. Visit and the handlers it runs may
      free ranges: a freed one is skipped, and a range added meanwhile is not visited. */
  void VisitBackwards(const std::function<void(TCustomRange&)>& Visit);

 protected:
  void ItemInserted(TCollectionItem* Item) override { FVisited.push_back(Item); }
  void ItemRemoved(TCollectionItem* Item) override;
  void ItemsReordered() override;

 private:
  void StopVisiting(TCollectionItem* Item);

  TMemoComponent* FEditor;
  TRangeClass FItemClass;
  std::vector<TCollectionItem*> FVisited;
  std::span<TCollectionItem*>* FWalk = nullptr;  ///< the ranges of the visit under way
};

class TCustomRange : public TContainerItem {
 public:
  explicit TCustomRange(TCollection* Collection);
  QString ClassName() const override { return QStringLiteral("TCustomRange"); }
  void AssignTo(TPersistent* Dest) const override;

  virtual void SetRStart(int Value);
  virtual void SetREnd(int Value);
  virtual void SetRLength(int Value);
  virtual int RStart() const;
  virtual int REnd() const;
  virtual int RLength() const;
  virtual TTextCell EndRowCol() const;
  virtual TTextCell StartRowCol() const;
  virtual void SetEndRowCol(TTextCell Value);
  virtual void SetStartRowCol(TTextCell Value);
  virtual void SetText(const QString& Value);
  virtual QString Text() const;
  virtual void Clear();
  virtual void DrawRange();
  virtual void ScrollInView(int FromBorder);

  /** Client pixel position of the range's first cell and of the cell after its last character. */
  TPoint StartPoint() const;
  TPoint EndPoint() const;

  TMemoComponent* Editor() const { return FEditor; }
  void SetEditor(TMemoComponent* Value) { FEditor = Value; }
  bool CharInRange(int CharIdx) const { return RStart() <= CharIdx && CharIdx <= REnd(); }
  /** Follows a replacement of the positions A..B that changed the text's length by Delta, so
      that the range keeps covering the same characters; one left empty is told so. */
  void FollowReplacement(int A, int B, int Delta);
  /** True when the editor moves this tracked range itself (see TMCRanges::MoveByEditor). */
  bool MovedByEditor() const { return FMovedByEditor; }

  // The nested change bracket: only the outermost DoChanging and its closing call report.
  void DoChanging();
  void DoChange();
  void DoDiscardChanges();
  bool IsChanging() const { return FChanging > 0; }
  virtual void NotifyOverwrite();

  TNotifyEvent OnChange;
  TNotifyEvent OnOverwrite;

 protected:
  virtual void Changing() {}
  virtual void Changed();
  virtual void ChangesDiscarded() {}

 private:
  friend class TMCRanges;
  /** Through the editor, which holds a handler's exception while it edits. */
  void Raise(const TNotifyEvent& Event);
  TMemoComponent* FEditor = nullptr;
  int FChanging = 0;
  bool FMovedByEditor = false;
};

/** An offset shared by a group of ranges whose stored positions are relative to it, so
    that the group moves by one addition. Pending, when set, points at a further shift that
    the group's owner has not handed out yet. */
struct TRangeOffset {
  int Shift = 0;
  const int* Pending = nullptr;
  int Owed() const { return Shift + (Pending ? *Pending : 0); }
};

/** A range with a stored start and end, kept inside the text when set. */
class TMCRange : public TCustomRange {
 public:
  explicit TMCRange(TCollection* Collection = nullptr) : TCustomRange(Collection) {}
  QString ClassName() const override { return QStringLiteral("TMCRange"); }

  void SetRStart(int Value) override;
  void SetREnd(int Value) override;
  int RStart() const override { return FRStart + Owed(); }
  int REnd() const override { return FREnd + Owed(); }

  /** The offset the stored positions are relative to; nullptr while they are plain. */
  TRangeOffset* Offset() const { return FOffset; }
  /** Makes the stored positions relative to Value; the positions stay what they are. */
  void SetOffset(TRangeOffset* Value);
  /** Moves both positions by Delta as a change of the offset would: without events or
      clamping. For the owner of the offsets, which moves some ranges of a group alone. */
  void MoveStoredPositions(int Delta) {
    FRStart += Delta;
    FREnd += Delta;
  }

 private:
  int Owed() const { return FOffset ? FOffset->Owed() : 0; }

  int FRStart = 1;
  int FREnd = 0;
  TRangeOffset* FOffset = nullptr;
};

/** Always the whole text of its editor. */
class TWholeTextRange : public TCustomRange {
 public:
  explicit TWholeTextRange(TCollection* Collection = nullptr) : TCustomRange(Collection) {}
  QString ClassName() const override { return QStringLiteral("TWholeTextRange"); }
  void SetRStart(int) override {}
  void SetREnd(int) override {}
  int RStart() const override { return 1; }
  int REnd() const override;
};
