#include "window/headless_view.h"

namespace kelvara {

Text HeadlessView::GetText(int id) const {
    const auto it = texts_.find(id);
    return it == texts_.end() ? Text() : it->second;
}

void HeadlessView::SetText(int id, const Text& text) {
    texts_[id] = text;
}

bool HeadlessView::IsChecked(int id) const {
    return checked_.count(id) != 0;
}

void HeadlessView::SetChecked(int id, bool checked) {
    if (checked) {
        checked_.insert(id);
    } else {
        checked_.erase(id);
    }
}

void HeadlessView::SetEnabled(int id, bool enabled) {
    if (enabled) {
        disabled_.erase(id);
    } else {
        disabled_.insert(id);
    }
}

bool HeadlessView::IsEnabled(int id) const {
    return disabled_.count(id) == 0;
}

void HeadlessView::ListClear(int id) {
    lists_[id] = List{};
    texts_[id].clear();
}

void HeadlessView::ListAdd(int id, const Text& entry) {
    lists_[id].entries.push_back(entry);
}

int HeadlessView::ListCount(int id) const {
    const auto it = lists_.find(id);
    return it == lists_.end() ? 0 : static_cast<int>(it->second.entries.size());
}

Text HeadlessView::ListItem(int id, int index) const {
    const auto it = lists_.find(id);
    if (it == lists_.end() || index < 0 || index >= static_cast<int>(it->second.entries.size())) {
        return {};
    }
    return it->second.entries[static_cast<size_t>(index)];
}

int HeadlessView::ListSelection(int id) const {
    const auto it = lists_.find(id);
    return it == lists_.end() ? -1 : it->second.selection;
}

void HeadlessView::ListSelect(int id, int index) {
    List& list = lists_[id];
    if (index < 0 || index >= static_cast<int>(list.entries.size())) {
        list.selection = -1;
        texts_[id].clear();
    } else {
        list.selection = index;
        texts_[id] = list.entries[static_cast<size_t>(index)];
    }
}

View::Answer HeadlessView::MessageBox(TextView caption, TextView text, Buttons buttons) {
    messages.push_back(ShownMessage{Text(caption), Text(text), buttons});
    if (answer) return answer(messages.back());
    return Answer::Ok;
}

void HeadlessView::ClickRadio(int id, std::initializer_list<int> group) {
    for (int other : group) SetChecked(other, other == id);
}

}  // namespace kelvara
