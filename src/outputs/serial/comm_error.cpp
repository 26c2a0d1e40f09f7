#include "outputs/serial/comm_error.h"

ECommError::ECommError(const QString& text, int error_code)
    : std::runtime_error((text + QString::asprintf(" (Error: %d) ", error_code)).toStdString()),
      error_code_(error_code) {}
