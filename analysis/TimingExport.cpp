#include "analysis/TimingExport.h"

#include <algorithm>
#include <sstream>

#include "analysis/ValueChangeDump.h"
#include "model/ElementKinds.h"

namespace analysis {
namespace {

constexpr uint64_t kTenths = 10;

Probe probeOf(const SignalSource& source) {
    return {isLogicTableKind(source.kind) ? 'L' : 'B', source.slot, source.kind, source.pin};
}

// A number is its indicator's; a state has its bits as rows of their own.
std::vector<Probe> rowProbes(const std::vector<TimingRow>& rows) {
    std::vector<Probe> probes;
    for (const TimingRow& row : rows) {
        if (row.bus)
            probes.push_back(
                {'L', row.bits.front().slot, row.bits.front().kind, Probe::kIndicatorNumber});
        else if (row.bits.size() == 1)
            probes.push_back(probeOf(row.bits.front()));
    }
    return probes;
}

bool anyManual(const CTimingRecording& recording) {
    for (uint64_t n = recording.firstColumn(); n < recording.endColumn(); ++n)
        if (recording.column(n).cause == ColumnCause::Manual) return true;
    return false;
}

}  // namespace

std::string timingValueChangeDump(const CTimingRecording& recording, const CTimingRows& rows) {
    std::vector<TimingRow> shown;
    for (const TimingRow& row : rows.rows())
        if (row.bus || row.bits.size() == 1) shown.push_back(row);
    const bool tenths = anyManual(recording);
    std::ostringstream out;
    CValueChangeDump dump(
        out, rowProbes(shown),
        tenths ? CValueChangeDump::Unit::TenthOfTick : CValueChangeDump::Unit::Tick);
    const uint64_t perTick = tenths ? kTenths : 1;
    std::vector<int> values(shown.size());
    uint64_t manualAfterTick = 0;
    uint64_t time = 0;
    for (uint64_t n = recording.firstColumn(); n < recording.endColumn(); ++n) {
        const TimingColumn column = recording.column(n);
        manualAfterTick = column.cause == ColumnCause::Manual ? manualAfterTick + 1 : 0;
        time = column.tick * perTick + std::min(manualAfterTick, perTick - 1);
        for (size_t r = 0; r < shown.size(); ++r)
            values[r] = rowValue(recording, shown[r], n).value_or(0);
        dump.sample(values, time);
    }
    if (recording.endColumn() > recording.firstColumn())
        dump.finish((recording.column(recording.endColumn() - 1).tick + 1) * perTick);
    return out.str();
}

}  // namespace analysis
