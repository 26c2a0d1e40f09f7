#include "outputs/serial/comm_types.h"

#include <iterator>

int Baudrate_Value(TBaudrate rate) {
  static constexpr int kRates[] = {110,   300,   600,   1200,   2400,   4800,   9600,    14400,  19200,
                                   38400, 56000, 57600, 115200, 128000, 256000, 1500000, 3000000};
  const auto index = static_cast<unsigned>(rate);
  return index < std::size(kRates) ? kRates[index] : 9600;
}
