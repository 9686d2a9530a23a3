// A numbered set of like controls, such as the three Munsell boxes Text12(0..2).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tintara::ui {

template <typename T>
class ControlArray {
public:
    // Adds element i, named "base(i)".
    template <typename... Args>
    T& add(const std::string& base, Args&&... args) {
        const std::string name = base + "(" + std::to_string(items_.size()) + ")";
        items_.push_back(std::make_unique<T>(name, std::forward<Args>(args)...));
        return *items_.back();
    }
    T& operator[](int i) { return *items_.at(std::size_t(i)); }
    const T& operator[](int i) const { return *items_.at(std::size_t(i)); }
    int size() const { return int(items_.size()); }

private:
    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace tintara::ui
