#pragma once
#include <optional>
#include <string>
#include <vector>

#include "analysis/TimingRecording.h"
#include "model/Circuit.h"

// The rows of the timing diagram: which recorded levels it shows, under which
// names and in which order. Names are those the circuit's functions use (X1, Q1,
// Y1, G3 for the third gate, F1), and the elements they do not name are numbered in
// reading order by kind: ГТИ1 for a generator, S1 for a summer.
namespace analysis {

// What the row menu of the panel does to a row.
enum class TimingRowAction { Remove, MoveUp, MoveDown, Split };

struct TimingRow {
    std::string name;
    // One source for a signal; the bits of a number, least significant first.
    // Of several bits and no number, a state: the bits written first bit first.
    std::vector<SignalSource> bits;
    bool bus = false;
    friend bool operator==(const TimingRow&, const TimingRow&) = default;
};

// The value of the row at a kept column: the level, or the number of a bus (its
// bits that were not recorded count as 0); nothing where no bit was recorded.
std::optional<int> rowValue(const CTimingRecording& recording, const TimingRow& row,
                            uint64_t column);

// The value as the diagram writes it: a number in decimal, a state as its bits.
std::string valueText(const TimingRow& row, int value);
// The same for columns first to first + count - 1, -1 where nothing was recorded.
void rowValues(const CTimingRecording& recording, const TimingRow& row, uint64_t first,
               uint64_t count, std::vector<int>& out);

// In reading order: every input signal, every generator, every trigger's Q and
// every indicator as a number.
std::vector<TimingRow> defaultTimingRows(const CCircuit& circuit);
// Every output pin of every element, element by element (logic-element table
// first, each kind in reading order), then every indicator's connected inputs.
std::vector<TimingRow> signalsToAdd(const CCircuit& circuit);
// The triggers' Q in reading order, whose bits name the state: none without triggers.
TimingRow stateRow(const CCircuit& circuit);

// The rows the panel shows, kept from one recording to the next and following the
// circuit: the rows of new elements are added, the names of those still there
// follow the reading order, and a removed element's row stays while the recording
// holds its levels.
class CTimingRows {
  public:
    const std::vector<TimingRow>& rows() const { return rows_; }
    const TimingRow& state() const { return state_; }

    // Takes the circuit as it stands; every source of a row is tracked by the recording.
    void follow(const CCircuit& circuit, CTimingRecording& recording);
    void remove(size_t row);
    void moveUp(size_t row);
    void moveDown(size_t row);
    // A number's connected inputs as rows of their own in its place.
    void split(size_t row, const CCircuit& circuit);
    // A row more at the bottom (nothing when it shows already).
    void add(const TimingRow& row, CTimingRecording& recording);

  private:
    std::vector<TimingRow> rows_;
    TimingRow state_;
    // Rows the user removed, which following the circuit does not bring back.
    std::vector<std::vector<SignalSource>> dismissed_;
};

}  // namespace analysis
