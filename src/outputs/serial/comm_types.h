#pragma once
#include <cstdint>
#include <functional>
#include <initializer_list>

class TCustomComm;

// The enumerations' order is their value; settings and event masks are stored by it.
enum class TBaudrate {
  br110,
  br300,
  br600,
  br1200,
  br2400,
  br4800,
  br9600,
  br14400,
  br19200,
  br38400,
  br56000,
  br57600,
  br115200,
  br128000,
  br256000,
  br1500000,
  br3000000
};
int Baudrate_Value(TBaudrate rate);

enum class TParity { paNone, paOdd, paEven, paMark, paSpace };
enum class TStopbits { sb10, sb15, sb20 };
enum class TDatabits { da4, da5, da6, da7, da8 };

enum class TCommOption { coParityCheck, coDsrSensitivity, coIgnoreXOff, coErrorChar, coNullStrip };
enum class TFlowControl { fcNone, fcCTS, fcDTR, fcSoftware, fcDefault };
enum class TCommEventType { evBreak, evCts, evDsr, evError, evRing, evRlsd, evRxChar, evRxFlag, evTxEmpty };

// A small bit set over one of the enumerations above (Delphi's "set of").
template <typename E>
class Enum_Set {
 public:
  constexpr Enum_Set() = default;
  constexpr Enum_Set(std::initializer_list<E> items) {
    for (E item : items) bits_ |= Bit(item);
  }
  static constexpr Enum_Set From_Bits(uint32_t bits) {
    Enum_Set set;
    set.bits_ = bits;
    return set;
  }
  constexpr bool Has(E item) const { return (bits_ & Bit(item)) != 0; }
  constexpr void Add(E item) { bits_ |= Bit(item); }
  constexpr void Remove(E item) { bits_ &= ~Bit(item); }
  constexpr uint32_t Bits() const { return bits_; }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(Enum_Set a, Enum_Set b) { return a.bits_ == b.bits_; }
  static constexpr uint32_t Bit(E item) { return 1u << static_cast<unsigned>(item); }

 private:
  uint32_t bits_ = 0;
};

using TCommOptions = Enum_Set<TCommOption>;
using TCommEventTypes = Enum_Set<TCommEventType>;

inline constexpr TCommEventTypes kAll_Comm_Events{
    TCommEventType::evBreak,  TCommEventType::evCts,    TCommEventType::evDsr,
    TCommEventType::evError,  TCommEventType::evRing,   TCommEventType::evRlsd,
    TCommEventType::evRxChar, TCommEventType::evRxFlag, TCommEventType::evTxEmpty};

// Event handlers; they run on the port's event thread (see custom_comm.h).
using TNotifyEvent = std::function<void(TCustomComm* sender)>;
using TCommEvent = std::function<void(TCustomComm* sender, uint32_t status)>;
using TCommErrorEvent = std::function<void(TCustomComm* sender, int32_t errors)>;
using TCommRxCharEvent = std::function<void(TCustomComm* sender, int32_t count)>;

// The device control block as last written to the port. Linux keeps no such block;
// the component keeps its own so that the limits and characters it chose can be read back.
struct TDCB {
  int BaudRate = 9600;
  TParity Parity = TParity::paNone;
  TStopbits Stopbits = TStopbits::sb10;
  int ByteSize = 8;
  char XonChar = 17;
  char XoffChar = 19;
  char ErrorChar = 0;
  char EofChar = 0;
  char EvtChar = 0;
  int XonLim = 0;
  int XoffLim = 0;
  bool OutxCtsFlow = false;
  bool RtsHandshake = false;
  bool OutxDsrFlow = false;
  bool DtrHandshake = false;
  bool OutX = false;
  bool InX = false;
  bool ParityCheck = false;
  bool DsrSensitivity = false;
  bool TXContinueOnXoff = false;
  bool ErrorCharReplace = false;
  bool Null = false;
};
