// The exception classes of the editor library. Each takes its text from the message table.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "base/library_messages.h"

namespace wendax {

class EOvcException : public std::runtime_error {
  public:
    explicit EOvcException(const std::string& message) : std::runtime_error(message) {}
};

// Memory for a change could not be obtained.
class EOutOfMemory : public EOvcException {
  public:
    EOutOfMemory() : EOvcException(LibraryMessage(lmOutOfMemory)) {}
};

class ENoTimersAvailable : public EOvcException {
  public:
    ENoTimersAvailable() : EOvcException(LibraryMessage(lmNoTimersAvailable)) {}
};

class EControllerError : public EOvcException {
  public:
    using EOvcException::EOvcException;
};

class ENoControllerAssigned : public EControllerError {
  public:
    ENoControllerAssigned() : EControllerError(LibraryMessage(lmNoControllerAssigned)) {}
};

class ECmdProcessorError : public EOvcException {
  public:
    using EOvcException::EOvcException;
};

class EDuplicateCommand : public ECmdProcessorError {
  public:
    EDuplicateCommand() : ECmdProcessorError(LibraryMessage(lmDuplicateCommand)) {}
};

class ETableNotFound : public ECmdProcessorError {
  public:
    ETableNotFound() : ECmdProcessorError(LibraryMessage(lmTableNotFound)) {}
};

// Stored command tables that cannot be read; `detail` says where and why.
class EInvalidTableData : public ECmdProcessorError {
  public:
    explicit EInvalidTableData(const std::string& detail)
        : ECmdProcessorError(LibraryMessage(lmInvalidTableData) + ": " + detail) {}
};

class EEntryFieldError : public EOvcException {
  public:
    using EOvcException::EOvcException;
};

class EInvalidDataType : public EEntryFieldError {
  public:
    using EEntryFieldError::EEntryFieldError;
};

class EInvalidPictureMask : public EEntryFieldError {
  public:
    using EEntryFieldError::EEntryFieldError;
};

class EInvalidRangeValue : public EEntryFieldError {
  public:
    using EEntryFieldError::EEntryFieldError;
};

// An editor failure with its 16-bit error code (0 for range errors).
class EEditorError : public EOvcException {
  public:
    EEditorError(const std::string& message, std::uint16_t code)
        : EOvcException(message), FErrorCode(code) {}
    std::uint16_t ErrorCode() const { return FErrorCode; }

  private:
    std::uint16_t FErrorCode;
};

class EInvalidLineOrCol : public EEditorError {
  public:
    EInvalidLineOrCol() : EEditorError(LibraryMessage(lmInvalidLineOrCol), 0) {}
};

class EInvalidLineOrPara : public EEditorError {
  public:
    EInvalidLineOrPara() : EEditorError(LibraryMessage(lmInvalidLineOrPara), 0) {}
};

class EFixedFontError : public EOvcException {
  public:
    using EOvcException::EOvcException;
};

class EInvalidFixedFont : public EFixedFontError {
  public:
    EInvalidFixedFont() : EFixedFontError(LibraryMessage(lmInvalidFixedFont)) {}
};

class EInvalidFontParam : public EFixedFontError {
  public:
    EInvalidFontParam() : EFixedFontError(LibraryMessage(lmInvalidFontParam)) {}
};

}  // namespace wendax
