#pragma once
// Shows the wait cursor for the life of the object, on every path out of the
// block that holds it. Guards nest.
namespace ui {

class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

  // True while any guard is alive.
  static bool active();

 private:
  bool set_ = false;
};

}  // namespace ui
