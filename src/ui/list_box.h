// A list box: a column of text entries of which at most one is selected, such
// as the palette viewer's sample list.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace tintara::ui {

class ListBox : public Control {
public:
    ListBox(std::string name, TwipRect rect);

    const std::vector<std::string>& items() const { return items_; }
    int listCount() const { return int(items_.size()); }
    void addItem(std::string item);
    // False for an index outside the list. A selected entry removed leaves
    // nothing selected; the selection below it moves up with its entry.
    bool removeItem(int index);
    // Empties the list; nothing is selected afterwards.
    void clear();

    // The selected entry, -1 when none is.
    int listIndex() const { return listIndex_; }
    // Selects an entry from code (-1 selects none) without raising Click; false,
    // and the selection kept, for an index outside the list.
    bool setListIndex(int index);
    // The person selects an entry: it becomes the selection and Click fires.
    void choose(int index);
    std::function<void()> onClick;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

}  // namespace tintara::ui
