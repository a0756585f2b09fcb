#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// The part of an entry a list shows and a screen reader reads: with a shown
// length above 0, the entry's first shownLength characters, right-trimmed
// (an entry may carry more past them for the program alone, as a recipe
// index entry carries its record number); else the whole entry.
std::string EntryAsShown(std::string_view entry, int shownLength);
std::vector<std::string> EntriesAsShown(const std::vector<std::string>& entries, int shownLength);

// The entries of a list or combo box and the one chosen. A sorted list puts
// each new entry in its alphabetical place without regard to case (after
// equal ones); an unsorted one keeps the order entries were added in, or the
// place given. The choice follows its entry as others come and go.
class ListItems {
public:
    // Returns the position the entry went to.
    int add(std::string item, int at, bool sorted);
    // Removing the chosen entry leaves none chosen.
    bool remove(int at);
    void clear() {
        items_.clear();
        chosen_ = -1;
    }
    // The chosen entry, -1 for none; a position outside the list chooses none.
    int chosen() const { return chosen_; }
    void choose(int at) { chosen_ = valid(at) ? at : -1; }
    int count() const { return static_cast<int>(items_.size()); }
    bool valid(int at) const { return at >= 0 && at < count(); }
    // "" for a position outside the list.
    const std::string& at(int at) const;
    // The first entry equal to text without regard to case, or -1.
    int find(const std::string& text) const;
    const std::vector<std::string>& all() const { return items_; }

private:
    std::vector<std::string> items_;
    int chosen_ = -1;
};

}  // namespace ui
