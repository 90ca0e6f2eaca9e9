#pragma once
// "Filter -> DSP": the computed filters as 32-bit floats, patched into the
// program image (equalizer) or written to the parameter area (room).

#include <cstdint>
#include <span>

#include "curves/point_list.h"
#include "curves/user_interface.h"
#include "dsplink/dsp_session.h"

namespace qv {

// |x| clamped to 1, cut (not rounded) to 24 significant bits above 2^-31,
// as IEEE single-precision bits. NaN gives 0.
std::uint32_t EncodeCoefficient(double x);

// Values in pairs: value 2p twice at base + 16p, value 2p + 1 twice at
// base + 16p + 8, each 4 bytes low first; while 2p < count and the list has
// the pair's first value. A pair without its second value gets 0.0 there.
// Stops before writing past the end of target. Returns the bytes stored.
std::size_t PutCoefficients(std::span<std::uint8_t> target, std::size_t base, int count,
                            const PointList& list);

// The equalizer path: coefficients into the program, the image to the slot.
bool EqualizerPath(DspSession& s, UserInterface& ui, const PointList& eqFilter,
                   WriteOptions options = {});
// The room path: room delay, busy bit, the coefficients byte by byte to the
// parameter area, busy bit cleared, set selected. pathTimeDepth in s.
bool RoomPath(DspSession& s, UserInterface& ui, const PointList& roomFilter, double pathTimeDepth,
              WriteOptions options = {});
// The room path delay in sample periods, as the box takes it (16 bits).
std::uint16_t RoomDelay(const DspProgramProfile& p, double pathTimeDepth);

// Which path a filter takes; None where the shown diagram has no filter.
enum class TransferPath { None, Equalizer, Room };
struct FilterTransfer {
    TransferPath path = TransferPath::None;
    PointList filter;
};

// The whole command: the path of `what`, after the chooser (Cancel ends it
// without touching the box). True when a transfer ran and every step
// succeeded.
bool FilterToDsp(DspSession& s, UserInterface& ui, const FilterTransfer& what, SetChooser& chooser,
                 double pathTimeDepth, WriteOptions options = {});

}  // namespace qv
