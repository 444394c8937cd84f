#pragma once
// One row of the event list: nine text cells and the selected flag.
// The nine cells live in one heap block (each cell a varint length and its
// bytes), so a million rows stay far below the memory a string per cell costs.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace document {

enum Column : int {
    ColN = 0,
    ColSel = 1,
    ColTick = 2,
    ColMbt = 3,
    ColEvent = 4,
    ColCh = 5,
    ColData = 6,
    ColComment = 7,
    ColText = 8,
};
inline constexpr int kColumnCount = 9;

using RowCells = std::array<std::string_view, kColumnCount>;

class EventRow {
public:
    EventRow() = default;
    explicit EventRow(const RowCells& cells) { setCells(cells); }
    EventRow(const EventRow& other);
    EventRow& operator=(const EventRow& other);
    EventRow(EventRow&&) noexcept = default;
    EventRow& operator=(EventRow&&) noexcept = default;

    std::string_view cell(int column) const;
    RowCells cells() const;
    void setCell(int column, std::string_view text);
    void appendCell(int column, std::string_view text);
    void setCells(const RowCells& cells);

    bool selected() const { return selected_; }
    void setSelected(bool on) { selected_ = on; }

    // Empties cells 1 to 8 and clears the selected flag; cell 0 stays.
    void blank();
    bool empty() const;

    friend bool operator==(const EventRow& a, const EventRow& b) {
        return a.selected_ == b.selected_ && a.cells() == b.cells();
    }

private:
    std::unique_ptr<char[]> data_;
    std::uint32_t size_ = 0;
    bool selected_ = false;
};

}  // namespace document
