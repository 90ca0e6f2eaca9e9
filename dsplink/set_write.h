#pragma once
// One write into the current set (ChosenSet, ChosenRate), from keeping what
// the set holds to the one message that says how it ended.
//
// Before the first erase, the set's contents go into the box history: from
// this program's own record of what it last wrote and verified there when a
// short read (the length word, the setup block and a few program blocks)
// confirms it, else from reading the set. A write that ends short ends with
// exactly one message, in the editor also as the status line, naming the
// set, the step, how far the bar got and what the set now holds. Messages of
// the layers below are held back meanwhile (they would only say it twice);
// a write that succeeds shows them as before.
//
// SetWrite is the UserInterface the write's steps talk to: it forwards the
// progress, keeps the messages, and answers "Cancel" also when the session
// was asked to stop (window closed, SIGINT).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "curves/user_interface.h"
#include "dsplink/dsp_session.h"
#include "dsplink/intel_hex.h"
#include "dsplink/set_readback.h"

namespace qv {

// What ended a transfer short.
enum class WriteEnd { NoAnswer, Damaged, Refused, NotSent, Cancelled, PortLost, HistoryLost };

// The program, length word and setup block of an image: the program only
// while the length word is valid.
HexSlotImage SlotContents(const DspImage& image);
// previous after erasing sectors and writing ranges of image.
HexSlotImage SlotAfterWrite(const HexSlotImage& previous, const std::vector<std::uint8_t>& sectors,
                            const DspImage& image, const std::vector<ImageRange>& ranges);

class SetWrite : public UserInterface {
  public:
    // what: "the filter"; command: the history's name for it ("Filter -> DSP").
    SetWrite(DspSession& s, UserInterface& ui, std::string what, std::string command,
             WriteOptions options = {});
    ~SetWrite() override;
    SetWrite(const SetWrite&) = delete;
    SetWrite& operator=(const SetWrite&) = delete;

    DspSession& session() { return s_; }
    // Whether the written ranges are read back and compared.
    bool Verify() const { return options_.verify; }
    // The first line of the failure message (a command's own closing text).
    void SetHeadline(std::string text) { headline_ = std::move(text); }

    // Keeps what the set holds in the history (nothing when the session has
    // none). False after the failure message: nothing was erased.
    bool KeepPrevious(const ProgressSpan& progress);
    // previous is what the set holds; the history is not written (an undo).
    void SetPrevious(std::optional<HexSlotImage> previous) { previous_ = std::move(previous); }
    // The history still holds a state to go back to (an undo that fails keeps it).
    void HistoryHoldsAState() { kept_ = true; }

    // What the write is doing now, for the message: "erasing the set",
    // "writing the filter", "verifying the filter", "selecting the set".
    void Doing(std::string doing) { doing_ = std::move(doing); }
    // Sectors about to be erased: from here on the set is incomplete.
    void Erasing(const std::vector<std::uint8_t>& sectors);
    // Every range was written; verified when the comparison passed.
    void WrittenAll() { writtenAll_ = true; }

    // The endings. Each returns false (Succeeded true) for the caller to pass on.
    bool Failed(WriteEnd end, const std::string& detail = {});
    // A link operation returned false: the reason from what the link saw.
    bool LinkFailed();
    bool Differs(std::size_t offset);
    // The set holds image's ranges: the record is kept, the status line given.
    bool Succeeded(const DspImage& image, const std::vector<ImageRange>& ranges, bool verified,
                   const std::string& statusLine);

    // Runs a step; an exception of the port (it vanished) ends the write
    // with its message instead of leaving the set unexplained.
    template <class F>
    bool Run(F&& step) {
        try {
            return step();
        } catch (const std::exception& e) {
            if (ended_) throw;
            return Failed(WriteEnd::PortLost, e.what());
        }
    }

    // The failure message a Failed(end) would give now.
    std::string FailureText(WriteEnd end, const std::string& detail) const;

    // UserInterface
    void Message(const std::string& text) override { held_.push_back(text); }
    void ErrorBox(const std::string& title, const std::string& text) override {
        ui_.ErrorBox(title, text);
    }
    std::optional<std::string> ChooseOpenFile(const std::string& f) override {
        return ui_.ChooseOpenFile(f);
    }
    std::optional<std::string> ChooseSaveFile(const std::string& f) override {
        return ui_.ChooseSaveFile(f);
    }
    void SetBusy(bool busy) override { ui_.SetBusy(busy); }
    void BeginProgress(const std::string& title) override { ui_.BeginProgress(title); }
    void Progress(double fraction, const std::string& text) override;
    void EndProgress() override { ui_.EndProgress(); }
    bool ProgressCancelled() override;
    void StatusLine(const std::string& text) override { ui_.StatusLine(text); }

  private:
    std::string Holds() const;
    void Say(const std::string& text);

    DspSession& s_;
    UserInterface& ui_;
    std::string what_, command_, headline_;
    std::string doing_;
    WriteOptions options_;
    std::vector<std::string> held_;
    std::optional<HexSlotImage> previous_;
    std::vector<std::uint8_t> erased_;
    bool kept_ = false;
    bool writtenAll_ = false;
    bool verifyDifference_ = false;
    bool ended_ = false;
    double fraction_ = 0.0;
};

}  // namespace qv
