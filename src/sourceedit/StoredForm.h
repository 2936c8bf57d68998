/** @file StoredForm.h
 ** A reader of stored form data in text form: properties as "Name = Value", with
 ** booleans, numbers, identifiers, quoted strings, sets, string lists and collections. **/
#pragma once

#include <QStringList>
#include <vector>

#include "platform/core/Exceptions.h"

/** Stored data that cannot be read, or names a property or value that does not exist. */
class EReadError : public Exception {
 public:
  using Exception::Exception;
};

struct TStoredProperty;
/** The properties of one object, or of one collection item, in stored order. */
using TStoredProperties = std::vector<TStoredProperty>;

struct TStoredValue {
  enum TKind { vkIdent, vkInteger, vkString, vkSet, vkStrings, vkCollection };
  TKind Kind = vkIdent;
  QString Text;  ///< an identifier (True, False, clNavy) or a string
  qint64 Integer = 0;
  QStringList List;                      ///< the members of a set, or the lines of a string list
  std::vector<TStoredProperties> Items;  ///< the items of a collection
};

struct TStoredProperty {
  QString Name;  ///< dotted for a property of a nested object: SyntaxColoring.Enabled
  TStoredValue Value;
  int Line = 0;
};

/** Reads stored form data.

    Name = True | False | clNavy | -1 | 'it''s' | 'a'#13'b' | [fsBold, fsItalic]
    Name.Strings = ( 'one' 'two' )
    Name = < item Name = Value ... end item ... end >

    Lines starting with // are comments. Raises EReadError with the line of the fault. */
TStoredProperties ReadStoredForm(const QString& Text);
