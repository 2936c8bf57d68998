/** @file ObjList.cpp
 ** Item actions of object containers. **/
#include "editor/ObjList.h"

void TObjectContainer::PerformItemAction(int Action, TObject* Obj) {
  for (int I = Count() - 1; I >= 0; --I)
    static_cast<TContainerItem*>(Items(I))->DoAction(Action, Obj);
}
