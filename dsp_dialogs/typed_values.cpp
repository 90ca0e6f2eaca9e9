#include "dsp_dialogs/typed_values.h"

#include <cstdio>

#include "curves/tr.h"

namespace qv {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::string Decibels(int tenths) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", tenths / 10.0);
    return buf;
}

}  // namespace

std::optional<int> ParseVolumeTenths(std::string_view text) {
    text = Trim(text);
    // The sign only says "attenuation", as the fields show it.
    if (!text.empty() && text.front() == '-') text = Trim(text.substr(1));
    int whole = 0, digits = 0, tenths = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        if (digits >= 5) return std::nullopt;
        whole = whole * 10 + (text[i] - '0');
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        if (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            tenths = text[i] - '0';
            ++i;
            ++digits;
        }
    }
    if (digits == 0 || i != text.size()) return std::nullopt;
    return whole * 10 + tenths;
}

TypedValue CheckTypedVolume(const std::string& what, std::string_view text, int maxTenths) {
    const std::optional<int> tenths = ParseVolumeTenths(text);
    if (!tenths)
        return {std::nullopt, Fill(QV_TR("%1: \"%2\" is no level in dB (e.g. 12.5)."),
                                   {what, std::string(Trim(text))})};
    if (*tenths > maxTenths)
        return {std::nullopt, Fill(QV_TR("%1: %2 dB is outside 0.0 ... %3 dB."),
                                   {what, Decibels(*tenths), Decibels(maxTenths)})};
    return {tenths, {}};
}

}  // namespace qv
