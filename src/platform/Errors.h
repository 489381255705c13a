#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

// A failure the user is told about. what() is the exact message, in
// UTF-8, as the message box shows it.
class EUserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An action called off on purpose (the user answered No, or cancelled a
// dialog it needs): it ends without a further message.
class EAbort : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A settings field or file field that is not a number.
class EConvertError : public EUserError {
 public:
  using EUserError::EUserError;
};

// A picture that cannot be read: missing, corrupt, truncated or too large.
class EPictureError : public EUserError {
 public:
  using EUserError::EUserError;
};

// The printing system refused: no printer, an invalid one, a job that cannot start.
class EPrinterError : public EUserError {
 public:
  using EUserError::EUserError;
};

// A bitmap, BMP file or clipboard operation failed.
class EGraphicsError : public EUserError {
 public:
  using EUserError::EUserError;
};

}  // namespace quorvel
