// quorvane-cli dsp: the box's transfers for scripts, on the editor's own link code.

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

#include "cli/cli_command.h"
#include "cli/cli_language.h"
#include "cli/cli_user_interface.h"
#include "correction/predicted_result.h"
#include "curves/curve_files.h"
#include "curves/number_syntax.h"
#include "curves/tr.h"
#include "dsp_dialogs/setup_dialog_logic.h"
#include "dspbox/virtual_dsp_box.h"
#include "dsplink/apply_profile.h"
#include "dsplink/box_history.h"
#include "dsplink/dsp_protocol.h"
#include "dsplink/dsp_telegrams.h"
#include "dsplink/filter_transfer.h"
#include "dsplink/program_file.h"
#include "dsplink/qt_serial_device.h"
#include "dsplink/set_transfer.h"

namespace qv::cli {
namespace {

// The signal that asked a transfer to stop (SIGINT, SIGTERM); 0 while none
// did. A signal handler can only reach a flag of this kind.
volatile std::sig_atomic_t gStopSignal = 0;

extern "C" void StopBetweenTelegrams(int signal) {
    gStopSignal = signal;
    // A second signal ends the program at once.
    std::signal(signal, SIG_DFL);
}

// The batch tool's interface, with a signal taken as "Cancel": transfers
// stop between telegrams and say what the set holds.
class StoppableUserInterface : public CliUserInterface {
  public:
    bool ProgressCancelled() override { return gStopSignal != 0; }
};

struct Options {
    std::string port;
    std::string fault;
    bool noVerify = false;
    bool noHistory = false;
    std::string operation;
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    bool allowClipping = false;
};

std::optional<std::string> Value(const Options& o, const std::string& name) {
    auto it = o.values.find(name);
    if (it == o.values.end()) return std::nullopt;
    return it->second;
}

std::uint16_t Number(const Options& o, const std::string& name, std::uint16_t fallback, int min,
                     int max) {
    const auto text = Value(o, name);
    if (!text) return fallback;
    const auto v = ToNumber(*text);
    if (!v || *v < min || *v > max || *v != static_cast<int>(*v))
        throw UsageError(Fill(QV_TR("%1 needs a whole number %2..%3"),
                              {name, std::to_string(min), std::to_string(max)}));
    return static_cast<std::uint16_t>(*v);
}

// The setup dialog's start values and limits for every field not given;
// throws UsageError for a value outside them.
SetupBlock GivenSetup(const Options& o, SetupBlock b) {
    const SetupBlock start = SetupStartValues();
    b.gainLeft = Number(o, "--gain-left", start.gainLeft, 0, kGainMax);
    b.gainRight = Number(o, "--gain-right", start.gainRight, 0, kGainMax);
    b.defaultLeft = Number(o, "--default-left", start.defaultLeft, 0, kSetupDefaultMax);
    b.defaultRight = Number(o, "--default-right", start.defaultRight, 0, kSetupDefaultMax);
    b.delayLeft = Number(o, "--delay-left", kDelayMin, kDelayMin, kLeftDelayMax);
    b.delayRight = Number(o, "--delay-right", kDelayMin, kDelayMin, kDelayMax);
    const auto room = Value(o, "--room").value_or("off");
    if (room != "on" && room != "off") throw UsageError(QV_TR("--room needs on or off"));
    b.room = room == "on" ? 1 : 0;
    return b;
}

SetChoice Choice(const Options& o) {
    const auto set = Value(o, "--set");
    const auto rate = Value(o, "--rate");
    if (!set || !rate) throw UsageError(Fill(QV_TR("%1 needs --set and --rate"), {o.operation}));
    const auto n = ToNumber(*set);
    if (!n || *n < 1 || *n > 8 || *n != static_cast<int>(*n))
        throw UsageError(QV_TR("--set needs 1..8"));
    SetChoice c;
    c.set = static_cast<std::uint8_t>(*n - 1);
    if (*rate == "44.1") {
        c.rate = kRate44k1;
    } else if (*rate == "48") {
        c.rate = kRate48k;
    } else if (*rate == "33") {
        c.rate = kRate33k;
    } else {
        throw UsageError(QV_TR("--rate needs 44.1, 48 or 33"));
    }
    return c;
}

std::uint8_t Range(const Options& o) {
    const auto r = Value(o, "--range").value_or("high");
    if (r == "high") return 1;
    if (r == "low") return 2;
    throw UsageError(QV_TR("--range needs high or low"));
}

// Takes the set and rate, the profile of range and rate, and the setup of the image.
void Prepare(DspSession& s, UserInterface& ui, const Options& o, SetChoice c) {
    s.LockRate(true);
    s.ChooseSet(FixedSetChooser(c));
    SetupBlock b = s.setup().Get();
    b.range = Range(o);
    b.rangeChosen = 1;
    b.sampleFrequency = RateFrequency(c.rate);
    s.setup().Put(b);
    ApplyProfile(s, b.range, b.room, b.sampleFrequency, nullptr, ui);
    s.SetModeWord(static_cast<std::uint16_t>(b.range == 1 ? kModeHigh : kModeLow));
}

void PrintSetup(const SetupBlock& b) {
    std::cout << "gain-left " << b.gainLeft << "\ngain-right " << b.gainRight << "\ndefault-left "
              << b.defaultLeft << "\ndefault-right " << b.defaultRight << "\ndelay-left "
              << b.delayLeft << "\ndelay-right " << b.delayRight << "\nsample-frequency "
              << b.sampleFrequency << "\nrange " << int(b.range) << "\nrange-chosen "
              << int(b.rangeChosen) << "\nroom " << int(b.room) << "\n";
}

// The filter goes into the program file of the range and rate: without it
// there is nothing to write, and the person needs to know where it was looked for.
bool ProgramFileThere(const DspSession& s, UserInterface& ui) {
    const std::filesystem::path file = s.ProgramPath();
    if (std::filesystem::exists(file)) return true;
    const std::filesystem::path dir = s.programDirectory().empty()
                                          ? std::filesystem::current_path()
                                          : std::filesystem::absolute(s.programDirectory());
    ui.Message(Fill(QV_TR("write-filter needs the DSP program file %1: not found in %2 "
                          "(--program-dir, default the current directory)"),
                    {file.filename().string(), dir.string()}));
    return false;
}

bool RunOperation(DspSession& s, UserInterface& ui, const Options& o) {
    const std::string& op = o.operation;
    if (op == "ping") return true;
    if (op == "version") {
        const auto v = ReadVersion(s, ui);
        if (!v) return false;
        std::cout << int(*v) << "\n";
        if (*v != 1) ui.Message(QV_TR("Software fuer DSP updaten --> Menu: Setup DSP"));
        return true;
    }
    const SetChoice choice = Choice(o);
    const WriteOptions write{.verify = !o.noVerify};
    s.setup().Put(SetupStartValues());
    if (op == "read-setup") {
        s.ChooseSet(FixedSetChooser(choice));
        if (!ReadSetupSequence(s, ui)) return false;
        PrintSetup(s.setup().Get());
        return true;
    }
    Prepare(s, ui, o, choice);
    if (op == "write-setup") {
        s.setup().Put(GivenSetup(o, s.setup().Get()));
        BusyScope busy(ui);
        return s.setup().Commit(ui, write);
    }
    if (op == "write-software") {
        if (o.positional.size() > 1) throw UsageError(QV_TR("write-software takes one FILE"));
        return WriteSoftware(s, ui, o.positional.empty() ? s.ProgramPath() : o.positional[0],
                             write);
    }
    if (op == "write-filter") {
        if (o.positional.size() != 1) throw UsageError(QV_TR("write-filter needs one FILTER file"));
        if (!CheckFileReadable(o.positional[0], ui)) return false;
        if (!ProgramFileThere(s, ui)) return false;
        const PointList filter = ReadXYFile(o.positional[0], ui);
        const bool ok = EqualizerPath(s, ui, filter, write);
        if (ok)
            std::cerr << Tr(Fill(QV_TR("Filter in Set %1 geschrieben"),
                                 {std::to_string(choice.set + 1)}))
                      << "\n";
        return ok;
    }
    if (op == "read-filter") {
        const auto out = Value(o, "--out");
        if (!out) throw UsageError(QV_TR("read-filter needs --out FILE"));
        s.LockRate(false);
        const auto filter = ReadEqFilter(s, ui);
        if (!filter) return false;
        WriteXYFile(*out, *filter, ui);
        ui.StatusLine(Fill(QV_TR("Filter read from %1"), {SetText(choice.set, choice.rate)}));
        return true;
    }
    if (op == "backup") {
        const auto out = Value(o, "--out");
        if (!out) throw UsageError(QV_TR("backup needs --out FILE.hex"));
        return BackupSet(s, ui, *out);
    }
    if (op == "restore") {
        if (o.positional.size() != 1) throw UsageError(QV_TR("restore needs one FILE.hex"));
        return RestoreSet(s, ui, o.positional[0], write);
    }
    if (op == "undo-write") return RestoreFromHistory(s, ui, Number(o, "--steps", 1, 1, 10), write);
    throw UsageError(Fill(QV_TR("unknown operation %1"), {op}));
}

// The box holds each coefficient only up to +-1; a larger one is refused
// before the line is touched.
bool FilterFitsTheBox(const Options& o) {
    if (o.operation != "write-filter" || o.allowClipping) return true;
    if (o.positional.size() != 1) throw UsageError(QV_TR("write-filter needs one FILTER file"));
    CliUserInterface ui;
    if (!CheckFileReadable(o.positional[0], ui)) return false;
    const Headroom h = FilterHeadroom(ReadXYFile(o.positional[0], ui));
    if (h.Clips()) ui.Message(HeadroomMessage(h));
    return !h.Clips();
}

int Run(const Options& o) {
    // Values outside the dialogs' limits are refused before any traffic.
    if (o.operation == "write-setup") GivenSetup(o, SetupStartValues());
    if (!FilterFitsTheBox(o)) return kExitRefused;
    int argc = 1;
    char name[] = "quorvane-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    SteadyClock clock;
    std::unique_ptr<SerialDevice> device;
    VirtualDspBox* box = nullptr;
    const auto flash = Value(o, "--flash");
    if (o.port == "virtual") {
        DspBoxOptions options;
        options.faults = ParseFaultSpec(o.fault);
        auto virtualBox = std::make_unique<VirtualDspBox>(clock, options);
        box = virtualBox.get();
        if (flash && std::filesystem::exists(*flash)) box->LoadFlash(*flash);
        device = std::move(virtualBox);
    } else {
        device = std::make_unique<QtSerialDevice>();
    }
    StoppableUserInterface ui;
    DspSession s(*device, clock);
    if (const auto dir = Value(o, "--program-dir")) s.SetProgramDirectory(*dir);
    // The in-process box's states are kept apart from a real box's.
    BoxHistory history(box != nullptr ? BoxHistory::DefaultRoot() / "virtual"
                                      : BoxHistory::DefaultRoot());
    if (!o.noHistory) s.SetHistory(&history);
    // The result goes to standard output; a failure is the last line on standard error.
    s.SetFailureAsStatusLine(false);
    if (Value(o, "--set") && Value(o, "--rate"))
        s.SetUndoHint("\"quorvane-cli dsp undo-write --set " + *Value(o, "--set") + " --rate " +
                      *Value(o, "--rate") + "\"");
    gStopSignal = 0;
    std::signal(SIGINT, StopBetweenTelegrams);
    std::signal(SIGTERM, StopBetweenTelegrams);
    s.link().port().SetDeviceOverride(1, o.port);
    try {
        if (!CheckDspConnection(s.link(), ui, 1)) {
            ui.Message(QV_TR("keine RS232-Verbindung zu DSP!"));
            return kExitRefused;
        }
        s.SetConnected(true);
        const bool ok = RunOperation(s, ui, o);
        s.link().port().ClosePort();
        if (box != nullptr && flash) box->SaveFlash(*flash);
        if (gStopSignal != 0) return 128 + gStopSignal;  // 130 after SIGINT
        return ok ? kExitOk : kExitRefused;
    } catch (const UsageError&) {
        s.link().port().ClosePort();
        throw;
    }
}

// Each value option keeps its text for the operation's own checks.
void AddValue(CLI::App& cmd, const std::shared_ptr<Options>& o, const std::string& name,
              const std::string& help) {
    cmd.add_option_function<std::string>(
        name, [o, name](const std::string& v) { o->values[name] = v; }, help);
}

void AddSetAndRate(CLI::App& op, const std::shared_ptr<Options>& o, bool withRange) {
    AddValue(op, o, "--set", Tr(QV_TR("the set, 1..8")));
    AddValue(op, o, "--rate", Tr(QV_TR("the sampling rate in kHz: 44.1, 48 or 33")));
    if (withRange) AddValue(op, o, "--range", Tr(QV_TR("high (default) or low")));
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<Options>();
    cmd.add_option("--port", o->port,
                   Tr(QV_TR("the serial device, or \"virtual\" for the in-process box")))
        ->required();
    cmd.add_option("--fault", o->fault,
                   Tr(QV_TR("a fault of the virtual box (drop=N, corrupt=N, ...)")));
    AddValue(cmd, o, "--flash", Tr(QV_TR("the virtual box's flash file (loaded, then saved)")));
    AddValue(cmd, o, "--program-dir", Tr(QV_TR("where the DSP program files are (default: .)")));
    cmd.add_flag("--no-verify", o->noVerify, Tr(QV_TR("do not read back what was written")));
    cmd.add_flag("--no-history", o->noHistory,
                 Tr(QV_TR("do not keep what a set held before a write in the box history")));
    cmd.require_subcommand(1);
    auto add = [&](const char* name, const std::string& help) {
        CLI::App* op = cmd.add_subcommand(name, help);
        op->fallthrough();  // --port and the like may follow the operation
        op->callback([o, op] { o->operation = op->get_name(); });
        return op;
    };
    add("ping", Tr(QV_TR("is the box there?")));
    add("version", Tr(QV_TR("the box's software version")));
    AddSetAndRate(*add("read-setup", Tr(QV_TR("print the setup of a set"))), o, false);
    CLI::App* writeSetup = add("write-setup", Tr(QV_TR("write a setup into a set")));
    AddSetAndRate(*writeSetup, o, true);
    AddValue(*writeSetup, o, "--room", Tr(QV_TR("on or off (default)")));
    for (const char* name : {"--gain-left", "--gain-right", "--default-left", "--default-right"})
        AddValue(*writeSetup, o, name, Tr(QV_TR("in 0.1 dB steps")));
    for (const char* name : {"--delay-left", "--delay-right"})
        AddValue(*writeSetup, o, name, Tr(QV_TR("in sample periods")));
    CLI::App* software = add("write-software", Tr(QV_TR("write the DSP program into a set")));
    AddSetAndRate(*software, o, true);
    software->add_option("FILE", o->positional,
                         Tr(QV_TR("the program file (default: the profile's)")));
    CLI::App* filter = add("write-filter", Tr(QV_TR("write an equalizer filter into a set")));
    AddSetAndRate(*filter, o, true);
    filter->add_option("FILTER", o->positional,
                       Tr(QV_TR("XY-Format file of the 1800 coefficients")));
    filter->add_flag("--allow-clipping", o->allowClipping,
                     Tr(QV_TR("send a filter with coefficients beyond +-1 (the box clips them)")));
    CLI::App* readFilter = add("read-filter", Tr(QV_TR("read the equalizer filter of a set")));
    AddSetAndRate(*readFilter, o, true);
    AddValue(*readFilter, o, "--out", Tr(QV_TR("the XY-Format file to write")));
    CLI::App* backup = add("backup", Tr(QV_TR("save a set (program, length, setup) as Intel HEX")));
    AddSetAndRate(*backup, o, false);
    AddValue(*backup, o, "--out", Tr(QV_TR("the Intel HEX file to write")));
    CLI::App* restore = add("restore", Tr(QV_TR("write an Intel HEX backup into a set")));
    AddSetAndRate(*restore, o, false);
    restore->add_option("FILE", o->positional, Tr(QV_TR("the Intel HEX file")))->required();
    CLI::App* undo = add("undo-write", Tr(QV_TR("put back what a set held before the last write")));
    AddSetAndRate(*undo, o, false);
    AddValue(*undo, o, "--steps", Tr(QV_TR("that many writes back, 1..10 (default 1)")));
    return [o] {
        o->values["--port"] = o->port;
        return Run(*o);
    };
}

const RegisterCommand kRegister({"dsp", QV_TR("the box's transfers: setup, software, filters"),
                                 Setup});

}  // namespace
}  // namespace qv::cli
