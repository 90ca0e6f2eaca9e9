#pragma once
// Numbers typed into the setup dialogs' fields: a level in dB of
// attenuation as the fields show it, checked against the field's limit when
// the dialog's write button takes it.

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// What a typed field gave: the value, or the message that names the fault.
struct TypedValue {
    std::optional<int> value;
    std::string error;
};

// A level as shown ("  - 12.5") or typed ("12.5", "-12.5", "12"): tenths of
// a dB of attenuation, at most one decimal; nullopt for anything else.
std::optional<int> ParseVolumeTenths(std::string_view text);
// The typed level of the field called `what`, within 0 ... maxTenths.
TypedValue CheckTypedVolume(const std::string& what, std::string_view text, int maxTenths);

}  // namespace qv
