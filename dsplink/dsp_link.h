#pragma once
// The link to the box as a service: it owns the port with its receive store
// and the telegram buffer, exchanges one telegram for its answer, and erases,
// writes and reads ranges of a flash slot from and into an image the caller
// holds (so a read-back can go into an image of its own).

#include <array>
#include <cstdint>
#include <string>

#include "curves/user_interface.h"
#include "dsplink/clock.h"
#include "dsplink/dsp_image.h"
#include "dsplink/serial_device.h"
#include "dsplink/serial_port.h"

namespace qv {

// The telegram buffer: bytes to send, or the payload of the answer.
struct IdpTelegram {
    std::array<std::uint8_t, 21> data{};
    std::uint8_t length = 0;
    std::uint8_t complete = 0;
};

// Telegram codes of the box.
constexpr std::uint8_t kWriteBlockCode = 0x11;
constexpr std::uint8_t kReadBlockCode = 0x12;
constexpr std::uint8_t kEraseSectorCode = 0x14;
constexpr std::uint8_t kSelectSetCode = 0x31;
// Image bytes per block telegram.
constexpr std::size_t kBlockSize = 16;

// A share [from, to] of a long operation's progress bar, with its text.
// Operations report after every block, so a window can keep repainting.
struct ProgressSpan {
    UserInterface* ui = nullptr;
    double from = 0.0;
    double to = 1.0;
    std::string text;
    void Report(std::size_t done, std::size_t total) const;
    // The person pressed "Cancel": loops stop before their next telegram.
    bool Cancelled() const { return ui != nullptr && ui->ProgressCancelled(); }
    ProgressSpan Part(std::size_t index, std::size_t parts) const;
};

class DspLink {
  public:
    DspLink(SerialDevice& device, Clock& clock) : port_(device), clock_(clock) {}
    DspLink(const DspLink&) = delete;
    DspLink& operator=(const DspLink&) = delete;

    SerialPort& port() { return port_; }
    const SerialPort& port() const { return port_; }
    Clock& clock() { return clock_; }
    // The request before an exchange, its answer after it (kept until the next).
    IdpTelegram& telegram() { return telegram_; }
    const IdpTelegram& telegram() const { return telegram_; }

    // Sends the telegram and receives its answer into the buffer; true when
    // the answer begins with '!' (0x21). Reports "Fehler 16/18 aufgetreten".
    bool Exchange(UserInterface& ui);

    // Sector 0..7 of the slot.
    bool EraseSector(UserInterface& ui, std::uint8_t slotCode, std::uint8_t sector);
    // Image bytes [start, start + count) to the same offsets of the slot, in
    // blocks of 16; stops at the first failure.
    bool WriteRange(UserInterface& ui, std::uint8_t slotCode, const DspImage& image,
                    std::size_t start, std::size_t count, const ProgressSpan& progress = {});
    // Slot bytes [start, start + count) into the same offsets of image; stops
    // at the first failure, with what came so far already copied.
    bool ReadRange(UserInterface& ui, std::uint8_t slotCode, DspImage& image, std::size_t start,
                   std::size_t count, const ProgressSpan& progress = {});
    // The box runs set 0..7 (at the rate of the slot last written).
    bool SelectSet(UserInterface& ui, std::uint8_t set);

  private:
    SerialPort port_;
    Clock& clock_;
    IdpTelegram telegram_;
};

}  // namespace qv
