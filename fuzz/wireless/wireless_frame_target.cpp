// Feeds arbitrary datagrams to the wireless frame decoder as both radio modules
// hand them over: first from a meter without a key, then with the keys of the test
// frames and with a wrong one, so that both decryptions run on malformed and
// truncated frames. Each decode gets an exactly sized copy so that any read past
// the datagram is caught.
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>

#include "scan/wireless/wireless_frame_decoder.h"

namespace {

constexpr std::array<uint8_t, 16> kKeys[] = {
    {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x11},
    {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F},
    {0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
  if (size > 0) std::memcpy(copy.get(), data, size);
  const int len = static_cast<int>(size);

  for (TRadioModule module : {rmTelit, rmRadioCrafts}) {
    // Most inputs would fail the length check; give them the L field that passes it.
    const size_t module_length = module == rmTelit ? 3 : 1;
    if (size >= module_length && size - module_length <= 255) copy[0] = static_cast<uint8_t>(size - module_length);
    TList_Slave_wMBus list;
    std::mutex lock;
    Wireless_Frame_Decoder decoder(list, lock);
    decoder.Set_Callback([](int32_t, TSlave_wMBus*) {}, false);
    decoder.Decode_Wireless_Frame(copy.get(), len, module);
    for (const auto& key : kKeys) {
      for (auto& meter : list) {
        meter->Enable_Key = true;
        meter->Key = key;
      }
      decoder.Decode_Wireless_Frame(copy.get(), len, module);
    }
  }
  return 0;
}
