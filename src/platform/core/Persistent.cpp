/** @file Persistent.cpp
 ** The assignment protocol: Assign asks the source to assign itself. **/
#include "platform/core/Persistent.h"

void TPersistent::Assign(const TPersistent* Source) {
  if (!Source) throw EConvertError::CannotAssign(QStringLiteral("nil"), ClassName());
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const {
  throw EConvertError::CannotAssign(ClassName(), Dest ? Dest->ClassName() : QStringLiteral("nil"));
}
