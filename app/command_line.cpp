#include "app/command_line.h"

#include "curves/tr.h"

namespace qv {

EditorOptions ParseEditorOptions(const std::vector<std::string>& args) {
    EditorOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--virtual-dsp") {
            o.virtualDsp = true;
        } else if (a == "--quit-after-start") {
            o.quitAfterStart = true;
        } else if (a == "--erased") {
            o.erasedBox = true;
        } else if (a == "--lang") {
            if (i + 1 >= args.size() || (args[i + 1] != "de" && args[i + 1] != "en")) {
                o.error = QV_TR("--lang needs de or en");
                return o;
            }
            o.language = args[++i];
        } else if (a.size() == 6 && a.rfind("--com", 0) == 0 && a[5] >= '1' && a[5] <= '4') {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                o.error = Fill(QV_TR("%1 needs a device name"), {a});
                return o;
            }
            o.comDevices[static_cast<std::size_t>(a[5] - '1')] = args[++i];
        } else if (!a.starts_with("-")) {
            if (!a.ends_with(".qvproj")) {
                o.error = Fill(QV_TR("%1 is not a project (FILE.qvproj)"), {a});
                return o;
            }
            if (!o.projectFile.empty()) {
                o.error = QV_TR("only one project can be opened");
                return o;
            }
            o.projectFile = a;
        } else {
            o.error = Fill(QV_TR("unknown option %1"), {a});
            return o;
        }
    }
    return o;
}

std::string EditorUsage() {
    return QV_TR(
        "usage: quorvane [--com1 DEVICE] ... [--com4 DEVICE] [--virtual-dsp [--erased]]\n"
        "                [--lang de|en] [--quit-after-start] [--help] [FILE.qvproj]\n"
        "\n"
        "  --comN DEVICE   the serial device behind COMN (default /dev/ttyS0 ... /dev/ttyS3)\n"
        "  --virtual-dsp   put the virtual DSP box behind COM1, to work without a box\n"
        "  --erased        start the virtual box with its flash erased (it starts with\n"
        "                  the demo program and a setup in every set)\n"
        "  --lang de|en    the original texts or English (default: English for an\n"
        "                  English locale, the original texts otherwise)\n"
        "  --quit-after-start\n"
        "                  end as soon as the main window is shown (a start-up check)\n"
        "  --help          show this text\n"
        "  FILE.qvproj     open this project at start (with --quit-after-start, a\n"
        "                  project that cannot be opened ends the editor with status 1)\n"
        "\n"
        "The editor works in the current directory: it reads impuls.cfg, amlin.cor,\n"
        "amlow.cor and amroom.cor at start and the DSP program files from there.\n");
}

}  // namespace qv
