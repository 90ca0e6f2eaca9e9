#pragma once
// A session on the scripted pipe, with the helpers the link tests share.

#include <chrono>

#include "dsplink/dsp_session.h"
#include "tests/dsplink/scripted_pipe.h"
#include "tests/support/test_support.h"

namespace qv::test {

struct Link {
    FakeClock clock;
    ScriptedPipe pipe{clock};
    DspSession session{pipe, clock};
    DspLink& link = session.link();
    ScriptedUserInterface ui;
    Link() { link.port().OpenPort(1); }
    void Telegram(std::vector<std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), link.telegram().data.begin());
        link.telegram().length = static_cast<std::uint8_t>(bytes.size());
    }
    // The next answer is exactly these characters.
    void RawAnswer(const std::string& text) {
        pipe.prefix = text;
        pipe.answerFilter = [](std::vector<std::uint8_t>&, int) { return false; };
    }
    std::chrono::milliseconds Elapsed() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            clock.Now().time_since_epoch());
    }
};

}  // namespace qv::test
