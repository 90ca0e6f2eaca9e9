// quorvane-cli dsp: the box's transfers for scripts, on the editor's own link code.

#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "curves/curve_files.h"
#include "curves/number_syntax.h"
#include "dspbox/virtual_dsp_box.h"
#include "dsplink/dsp_protocol.h"
#include "dsplink/dsp_telegrams.h"
#include "dsplink/filter_transfer.h"
#include "dsplink/program_file.h"
#include "dsplink/qt_serial_device.h"

namespace qv::cli {
namespace {

const char* const kUsage =
    "  quorvane-cli dsp --port DEVICE|virtual [--fault SPEC] [--flash FILE] OPERATION [OPTIONS]\n"
    "      (--fault and --flash: the in-process virtual box)\n"
    "      ping | version\n"
    "      read-setup --set 1..8 --rate 44.1|48|33\n"
    "      write-setup --set S --rate R [--range high|low] [--room on|off]\n"
    "          [--gain-left N] [--gain-right N] [--default-left N] [--default-right N]\n"
    "          [--delay-left N] [--delay-right N]   (0.1 dB steps, sample periods)\n"
    "      write-software --set S --rate R [--range high|low] [FILE]\n"
    "      write-filter FILTER --set S --rate R [--range high|low]\n"
    "          (FILTER: XY-Format file of the 1800 equalizer coefficients)\n"
    "      --program-dir DIR: where the DSP program files are (default: .)";

struct Options {
    std::string port;
    std::string fault;
    std::string operation;
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
};

const std::vector<std::string> kValueOptions = {
    "--port",       "--fault",       "--set",         "--rate",         "--range",
    "--room",       "--gain-left",   "--gain-right",  "--default-left", "--default-right",
    "--delay-left", "--delay-right", "--program-dir", "--flash"};

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

Options Parse(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) == 0) {
            if (std::find(kValueOptions.begin(), kValueOptions.end(), a) == kValueOptions.end())
                throw UsageError("unknown option " + a);
            if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
            o.values[a] = args[++i];
        } else if (o.operation.empty()) {
            o.operation = a;
        } else {
            o.positional.push_back(a);
        }
    }
    if (o.values.count("--port") == 0) throw UsageError("--port is missing");
    o.port = o.values["--port"];
    if (o.values.count("--fault") != 0) o.fault = o.values["--fault"];
    if (o.operation.empty()) throw UsageError("no operation");
    return o;
}

std::optional<std::string> Value(const Options& o, const std::string& name) {
    auto it = o.values.find(name);
    if (it == o.values.end()) return std::nullopt;
    return it->second;
}

std::uint16_t Number(const Options& o, const std::string& name, std::uint16_t fallback, int max) {
    const auto text = Value(o, name);
    if (!text) return fallback;
    const auto v = ToNumber(*text);
    if (!v || *v < 0 || *v > max || *v != static_cast<int>(*v))
        throw UsageError(name + " needs a whole number 0.." + std::to_string(max));
    return static_cast<std::uint16_t>(*v);
}

SetChoice Choice(const Options& o) {
    const auto set = Value(o, "--set");
    const auto rate = Value(o, "--rate");
    if (!set || !rate) throw UsageError(o.operation + " needs --set and --rate");
    const auto n = ToNumber(*set);
    if (!n || *n < 1 || *n > 8 || *n != static_cast<int>(*n)) throw UsageError("--set needs 1..8");
    SetChoice c;
    c.set = static_cast<std::uint8_t>(*n - 1);
    if (*rate == "44.1") {
        c.rate = kRate44k1;
    } else if (*rate == "48") {
        c.rate = kRate48k;
    } else if (*rate == "33") {
        c.rate = kRate33k;
    } else {
        throw UsageError("--rate needs 44.1, 48 or 33");
    }
    return c;
}

std::uint8_t Range(const Options& o) {
    const auto r = Value(o, "--range").value_or("high");
    if (r == "high") return 1;
    if (r == "low") return 2;
    throw UsageError("--range needs high or low");
}

// Takes the set and rate, the profile of range and rate, and the setup of the image.
void Prepare(DspSession& s, UserInterface& ui, const Options& o, SetChoice c) {
    s.state.LockRate(true);
    FixedSetChooser(c).Choose(s.state);
    SetupBlock b = GetSetupBlock(s.image);
    b.range = Range(o);
    b.rangeChosen = 1;
    b.sampleFrequency = RateFrequency(c.rate);
    PutSetupBlock(s.image, b);
    ApplyProfile(s.profile, b.range, b.room, b.sampleFrequency, nullptr, ui);
    s.state.SetModeWord(static_cast<std::uint16_t>(b.range == 1 ? kModeHigh : kModeLow));
}

void PrintSetup(const SetupBlock& b) {
    std::cout << "gain-left " << b.gainLeft << "\ngain-right " << b.gainRight << "\ndefault-left "
              << b.defaultLeft << "\ndefault-right " << b.defaultRight << "\ndelay-left "
              << b.delayLeft << "\ndelay-right " << b.delayRight << "\nsample-frequency "
              << b.sampleFrequency << "\nrange " << int(b.range) << "\nrange-chosen "
              << int(b.rangeChosen) << "\nroom " << int(b.room) << "\n";
}

bool RunOperation(DspSession& s, UserInterface& ui, const Options& o) {
    const std::string& op = o.operation;
    if (op == "ping") return true;
    if (op == "version") {
        const auto v = ReadVersion(s, ui);
        if (!v) return false;
        std::cout << int(*v) << "\n";
        if (*v != 1) ui.Message("Software fuer DSP updaten --> Menu: Setup DSP");
        return true;
    }
    const SetChoice choice = Choice(o);
    PutSetupBlock(s.image, SetupStartValues());
    if (op == "read-setup") {
        FixedSetChooser(choice).Choose(s.state);
        if (!ReadSetupSequence(s, ui)) return false;
        PrintSetup(GetSetupBlock(s.image));
        return true;
    }
    Prepare(s, ui, o, choice);
    if (op == "write-setup") {
        SetupBlock b = GetSetupBlock(s.image);
        b.gainLeft = Number(o, "--gain-left", b.gainLeft, 300);
        b.gainRight = Number(o, "--gain-right", b.gainRight, 300);
        b.defaultLeft = Number(o, "--default-left", b.defaultLeft, 700);
        b.defaultRight = Number(o, "--default-right", b.defaultRight, 700);
        b.delayLeft = Number(o, "--delay-left", b.delayLeft, 5000);
        b.delayRight = Number(o, "--delay-right", b.delayRight, 6000);
        const auto room = Value(o, "--room").value_or("off");
        if (room != "on" && room != "off") throw UsageError("--room needs on or off");
        b.room = room == "on" ? 1 : 0;
        PutSetupBlock(s.image, b);
        BusyScope busy(ui);
        return WriteSetupSequence(s, ui);
    }
    if (op == "write-software") {
        if (o.positional.size() > 1) throw UsageError("write-software takes one FILE");
        return WriteSoftware(s, ui, o.positional.empty() ? s.ProgramPath() : o.positional[0]);
    }
    if (op == "write-filter") {
        if (o.positional.size() != 1) throw UsageError("write-filter needs one FILTER file");
        if (!CheckFileReadable(o.positional[0], ui)) return false;
        const PointList filter = ReadXYFile(o.positional[0], ui);
        const bool ok = EqualizerPath(s, ui, filter);
        if (ok) std::cerr << "Filter in Set " << choice.set + 1 << " geschrieben\n";
        return ok;
    }
    throw UsageError("unknown operation " + op);
}

int Run(const std::vector<std::string>& args) {
    Options o;
    try {
        o = Parse(args);
    } catch (const UsageError& e) {
        std::cerr << "quorvane-cli dsp: " << e.what() << "\n" << kUsage << "\n";
        return kExitUsage;
    }
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
    CliUserInterface ui;
    DspSession s(*device, clock);
    if (const auto dir = Value(o, "--program-dir")) s.programDirectory = *dir;
    s.link.port().SetDeviceOverride(1, o.port);
    try {
        if (!CheckDspConnection(s.link, ui, 1)) {
            ui.Message("keine RS232-Verbindung zu DSP!");
            return kExitRefused;
        }
        s.state.SetConnected(true);
        const bool ok = RunOperation(s, ui, o);
        s.link.port().ClosePort();
        if (box != nullptr && flash) box->SaveFlash(*flash);
        return ok ? kExitOk : kExitRefused;
    } catch (const UsageError& e) {
        std::cerr << "quorvane-cli dsp: " << e.what() << "\n" << kUsage << "\n";
        return kExitUsage;
    }
}

const RegisterCommand kRegister({"dsp", kUsage, Run});

}  // namespace
}  // namespace qv::cli
