#pragma once
// Opaque handles of the DFU layer. Each table hands out numbers from its own
// range and never reuses one, so a stale handle, a handle of another kind or
// a made-up value such as 1 is simply not found: callers get an error code and
// nothing is dereferenced.

#include <cstdint>
#include <map>
#include <memory>

namespace ostrel {

using DfuHandle = uint32_t;

template <class T>
class DfuHandleTable {
 public:
  explicit DfuHandleTable(DfuHandle firstHandle) : next_(firstHandle) {}

  DfuHandle add(std::unique_ptr<T> item) {
    const DfuHandle handle = next_++;
    items_.emplace(handle, std::move(item));
    return handle;
  }
  T* find(DfuHandle handle) const {
    auto it = items_.find(handle);
    return it == items_.end() ? nullptr : it->second.get();
  }
  std::unique_ptr<T> take(DfuHandle handle) {
    auto it = items_.find(handle);
    if (it == items_.end()) return nullptr;
    std::unique_ptr<T> item = std::move(it->second);
    items_.erase(it);
    return item;
  }
  size_t size() const { return items_.size(); }

 private:
  DfuHandle next_;
  std::map<DfuHandle, std::unique_ptr<T>> items_;
};

}  // namespace ostrel
