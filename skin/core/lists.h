#pragma once
// The skin's ordered lists: positions count from 1, and a position outside 1 … count is a program
// error that ends the program with the run time's fatal error.
#include <initializer_list>
#include <utility>
#include <vector>

#include "host/fatal.h"

namespace skin {

template <class T>
class List {
 public:
  List() = default;
  List(std::initializer_list<T> items) : items_(items) {}

  int count() const { return static_cast<int>(items_.size()); }
  bool contains(int position) const { return position >= 1 && position <= count(); }

  T& operator[](int position) { return items_[checked(position)]; }
  const T& operator[](int position) const { return items_[checked(position)]; }

  // Appends and returns the new count, which is the item's position.
  int append(T item) {
    items_.push_back(std::move(item));
    return count();
  }
  void remove(int position) { items_.erase(items_.begin() + checked(position)); }
  void clear() { items_.clear(); }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::size_t checked(int position) const {
    if (!contains(position)) host::fatal_error("list position out of range");
    return static_cast<std::size_t>(position - 1);
  }

  std::vector<T> items_;
};

// A list of control records: created holding one empty (zeroed) record, which the first
// registration takes over; later registrations append.
template <class T>
class RecordList : public List<T> {
 public:
  RecordList() : List<T>{T{}} {}

  // Returns the record's position.
  int register_record(T record) {
    if (this->count() == 1 && (*this)[1].handle == nullptr) {
      (*this)[1] = std::move(record);
      return 1;
    }
    return this->append(std::move(record));
  }
};

}  // namespace skin
