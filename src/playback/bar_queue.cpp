#include "playback/bar_queue.h"

namespace playback {

void BarQueue::push(Bar bar) {
    const std::lock_guard lock(mutex_);
    bars_.push_back(std::move(bar));
}

void BarQueue::close() {
    const std::lock_guard lock(mutex_);
    closed_ = true;
}

std::vector<Bar> BarQueue::withdraw() {
    const std::lock_guard lock(mutex_);
    std::vector<Bar> out(std::make_move_iterator(bars_.begin()), std::make_move_iterator(bars_.end()));
    bars_.clear();
    closed_ = false;
    return out;
}

std::size_t BarQueue::pending() const {
    const std::lock_guard lock(mutex_);
    return bars_.size();
}

BarQueue::Take BarQueue::takeDue(std::uint64_t tick, Bar& into) {
    const std::unique_lock lock(mutex_, std::try_to_lock);
    if (!lock.owns_lock()) return Take::NotYet;
    if (bars_.empty()) return closed_ ? Take::Ended : Take::NotYet;
    if (bars_.front().start > tick) return Take::NotYet;
    into = std::move(bars_.front());
    bars_.pop_front();
    taken_.fetch_add(1);
    return Take::Bar;
}

}  // namespace playback
