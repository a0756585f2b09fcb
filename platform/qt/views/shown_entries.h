#pragma once
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace platform::qt {

// The entries a list widget shows, kept to bring it to the model's entries
// by changing only the rows between those both share at the start and at
// the end: entries mostly come or go one at a time, and a list of
// thousands must not be filled afresh for each.
class ShownEntries {
public:
    // removeRow(at) takes one row away; insertRow(at, entry) puts one in.
    template <class RemoveRow, class InsertRow>
    void update(const std::vector<std::string>& wanted, RemoveRow removeRow, InsertRow insertRow) {
        const std::size_t shared = std::min(shown_.size(), wanted.size());
        std::size_t front = 0;
        while (front < shared && shown_[front] == wanted[front]) ++front;
        std::size_t back = 0;
        while (back < shared - front && shown_[shown_.size() - 1 - back] == wanted[wanted.size() - 1 - back]) ++back;
        const int at = static_cast<int>(front);
        for (std::size_t gone = shown_.size() - front - back; gone > 0; --gone) removeRow(at);
        for (std::size_t i = front; i < wanted.size() - back; ++i) insertRow(static_cast<int>(i), wanted[i]);
        shown_ = wanted;
    }

private:
    std::vector<std::string> shown_;
};

}  // namespace platform::qt
