/** @file Exceptions.h
 ** The class library's errors, carrying the exact texts the user sees. **/
#pragma once

#include <QString>
#include <exception>

class Exception : public std::exception {
 public:
  explicit Exception(QString Message) : FMessage(std::move(Message)), FUtf8(FMessage.toUtf8()) {}
  const QString& Message() const { return FMessage; }
  const char* what() const noexcept override { return FUtf8.constData(); }

 private:
  QString FMessage;
  QByteArray FUtf8;
};

/** "List index out of bounds (%d)". */
class EListError : public Exception {
 public:
  using Exception::Exception;
  static EListError IndexOutOfBounds(int Index) {
    return EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
  }
};

/** Conversion and assignment errors: "Cannot assign a %s to a %s". */
class EConvertError : public Exception {
 public:
  using Exception::Exception;
  static EConvertError CannotAssign(const QString& SourceClass, const QString& DestClass) {
    return EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(SourceClass, DestClass));
  }
};

/** An operation called where it cannot be carried out, such as from within itself. */
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

/** Calling an operation that only descendants implement. */
class EAbstractError : public Exception {
 public:
  EAbstractError() : Exception(QStringLiteral("Abstract Error")) {}
};

/** Ends a command the user chose not to finish; shown to no one. */
class EAbort : public Exception {
 public:
  EAbort() : Exception(QStringLiteral("Operation aborted")) {}
};

/** "Cannot open file "%s". %s" with the full path and the system's reason. */
class EFOpenError : public Exception {
 public:
  EFOpenError(const QString& FileName, const QString& Reason)
      : Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, Reason)) {}
};

/** "Cannot create file "%s". %s" with the full path and the system's reason. */
class EFCreateError : public Exception {
 public:
  EFCreateError(const QString& FileName, const QString& Reason)
      : Exception(QStringLiteral("Cannot create file \"%1\". %2").arg(FileName, Reason)) {}
};
