#include "document/event_row.h"

#include <cstring>
#include <stdexcept>

namespace document {
namespace {

std::size_t varintSize(std::size_t n) {
    std::size_t size = 1;
    while (n >= 0x80) {
        n >>= 7;
        ++size;
    }
    return size;
}

char* putVarint(char* p, std::size_t n) {
    while (n >= 0x80) {
        *p++ = static_cast<char>((n & 0x7F) | 0x80);
        n >>= 7;
    }
    *p++ = static_cast<char>(n);
    return p;
}

const char* getVarint(const char* p, std::size_t& n) {
    n = 0;
    int shift = 0;
    for (;;) {
        const auto b = static_cast<unsigned char>(*p++);
        n |= static_cast<std::size_t>(b & 0x7F) << shift;
        if (!(b & 0x80)) return p;
        shift += 7;
    }
}

}  // namespace

EventRow::EventRow(const EventRow& other) : size_(other.size_), selected_(other.selected_) {
    if (size_) {
        data_ = std::make_unique_for_overwrite<char[]>(size_);
        std::memcpy(data_.get(), other.data_.get(), size_);
    }
}

EventRow& EventRow::operator=(const EventRow& other) {
    if (this != &other) {
        EventRow copy(other);
        *this = std::move(copy);
    }
    return *this;
}

std::string_view EventRow::cell(int column) const {
    if (!data_) return {};
    const char* p = data_.get();
    std::size_t n = 0;
    for (int c = 0; c < column; ++c) {
        p = getVarint(p, n);
        p += n;
    }
    p = getVarint(p, n);
    return {p, n};
}

RowCells EventRow::cells() const {
    RowCells out{};
    if (!data_) return out;
    const char* p = data_.get();
    for (auto& cell : out) {
        std::size_t n = 0;
        p = getVarint(p, n);
        cell = {p, n};
        p += n;
    }
    return out;
}

void EventRow::setCells(const RowCells& cells) {
    std::size_t total = 0;
    bool allEmpty = true;
    for (auto c : cells) {
        total += varintSize(c.size()) + c.size();
        allEmpty = allEmpty && c.empty();
    }
    if (allEmpty) {
        data_.reset();
        size_ = 0;
        return;
    }
    if (total > UINT32_MAX) throw std::length_error("event row too long");
    auto block = std::make_unique_for_overwrite<char[]>(total);
    char* p = block.get();
    for (auto c : cells) {
        p = putVarint(p, c.size());
        if (!c.empty()) std::memcpy(p, c.data(), c.size());
        p += c.size();
    }
    data_ = std::move(block);  // the old block outlives the copy above, so aliasing views are safe
    size_ = static_cast<std::uint32_t>(total);
}

void EventRow::setCell(int column, std::string_view text) {
    auto all = cells();
    all[static_cast<std::size_t>(column)] = text;
    setCells(all);
}

void EventRow::appendCell(int column, std::string_view text) {
    if (text.empty()) return;
    std::string joined(cell(column));
    joined += text;
    setCell(column, joined);
}

void EventRow::blank() {
    const std::string n(cell(ColN));
    RowCells all{};
    all[ColN] = n;
    setCells(all);
    selected_ = false;
}

bool EventRow::empty() const { return !data_; }

}  // namespace document
