#pragma once
#include <QString>
#include <stdexcept>

// A failure of the serial-port component. The message is the failure's text followed by
// " (Error: <code>) ", where the code is the system's error number or -1 for the
// component's own refusals; callers show the message as it stands.
class ECommError : public std::runtime_error {
 public:
  ECommError(const QString& text, int error_code);
  int ErrorCode() const { return error_code_; }

 private:
  int error_code_;
};
