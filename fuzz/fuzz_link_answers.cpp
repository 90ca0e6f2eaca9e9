// The host's answer side of the link: whatever arrives on the line (telegram
// frames, echoes and values of byte commands, noise) is fed to the host's
// operations, which must end, keep their buffers in bounds and never write
// outside the image.
//
// The first byte picks the operations; the rest is what the box "sends".

#include <cstdint>
#include <deque>
#include <vector>

#include "dsplink/dsp_protocol.h"
#include "dsplink/dsp_telegrams.h"
#include "dsplink/set_transfer.h"

namespace {

// A line that takes every byte and hands out the fuzz input in small pieces.
class AnswerLine : public qv::SerialDevice {
  public:
    AnswerLine(const std::uint8_t* data, std::size_t size) : bytes_(data, data + size) {}
    void Open(const std::string&) override { open_ = true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool WriteByte(std::uint8_t, std::chrono::milliseconds) override { return open_; }
    std::size_t BytesWaiting() override { return std::min<std::size_t>(bytes_.size(), 7); }
    std::vector<std::uint8_t> Read(std::size_t max) override {
        std::vector<std::uint8_t> out;
        while (out.size() < max && !bytes_.empty()) {
            out.push_back(bytes_.front());
            bytes_.pop_front();
        }
        return out;
    }
    bool WaitForData(std::chrono::milliseconds) override { return !bytes_.empty(); }
    void SetDtr(bool) override {}
    void SetRts(bool) override {}
    bool Empty() const { return bytes_.empty(); }

  private:
    std::deque<std::uint8_t> bytes_;
    bool open_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t plan = data[0];
    AnswerLine line(data + 1, size - 1);
    qv::FakeClock clock;
    qv::DspSession s(line, clock);
    qv::SilentUserInterface ui;
    s.link().port().OpenPort(1);
    s.SetConnected(true);
    s.Choose({static_cast<std::uint8_t>(plan % 8), static_cast<std::uint8_t>((plan / 8) % 3)});
    qv::DspProgramProfile profile = s.profile();
    profile.eqCoefOffset = 3396;
    profile.eqTapCount = 1799;
    s.SetProfile(profile);
    qv::DspImage written{};
    // Every operation consumes answers; stop when the line has nothing left.
    for (int round = 0; round < 64 && !line.Empty(); ++round) {
        switch ((plan + round) % 9) {
            case 0:
                qv::ReceiveTelegram(s.link());
                if (s.link().telegram().length > s.link().telegram().data.size()) __builtin_trap();
                break;
            case 1:
                s.link().telegram().data[0] = 0x39;
                s.link().telegram().length = 2;
                qv::TransactTelegram(s.link(), ui);
                break;
            case 2:
                qv::PingDsp(s.link(), ui);
                break;
            case 3:
                qv::ReadDspByte(s.link(), ui, 0x7FFA);
                break;
            case 4:
                qv::WriteDspByte(s.link(), ui, 0x7FFB, 0x05);
                break;
            case 5:
                qv::SelectSetCommand(s.link(), ui, 5);
                break;
            case 6:
                // A read near the end of the image: answers must not spill past it.
                qv::ReadRange(s, ui, qv::kImageSize - 37, 37);
                break;
            case 7: {
                qv::SetWrite w(s, ui, "the filter", "Filter -> DSP");
                qv::VerifyRanges(w, written, {{qv::kImageSize - 20, 20}, {0, 3}}, {});
            } break;
            case 8:
                // Length word, then the coefficients: a filter read back.
                if (auto filter = qv::ReadEqFilter(s, ui); filter && filter->size() > 1798)
                    __builtin_trap();
                break;
        }
    }
    return 0;
}
