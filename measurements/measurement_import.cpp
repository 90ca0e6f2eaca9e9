#include "measurements/measurement_import.h"

namespace qv {

std::vector<std::string> ImportReport::Lines() const {
    return notes;
}

std::string ImportReport::Text() const {
    std::string text;
    for (const auto& line : Lines()) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

MeasurementProbe ProbeMeasurement(const std::string& path) {
    throw ImportError("Importing " + path + " is not available yet.");
}

ImportedMeasurement ImportMeasurement(const std::string& path, const ImportOptions&) {
    throw ImportError("Importing " + path + " is not available yet.");
}

ImportedMeasurement ImportMeasurementText(std::string_view, const std::string& name,
                                          const ImportOptions&) {
    throw ImportError("Importing " + name + " is not available yet.");
}

}  // namespace qv
