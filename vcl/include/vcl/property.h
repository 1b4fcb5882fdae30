#pragma once
// A read-only property: reads like a data member, can be set only by Owner.

namespace vcl {

template <class Owner, class T>
class ReadOnlyProperty {
public:
  operator const T&() const noexcept { return Value; }
  const T& operator()() const noexcept { return Value; }

private:
  friend Owner;
  ReadOnlyProperty& operator=(const T& NewValue) { Value = NewValue; return *this; }
  T Value{};
};

}  // namespace vcl

namespace vcl {

// A property backed by the owner's getter (and setter, if it has one), so
// that `Control->Visible = true` runs the owner's code. The owner passes
// itself when it constructs the property; the property is never copied.
template <class Owner, class T, T (Owner::*Get)() const, void (Owner::*Set)(T) = nullptr>
class Property {
public:
  explicit Property(Owner* Object) noexcept : Self(Object) {}
  Property(const Property&) = delete;

  operator T() const { return (Self->*Get)(); }
  T operator()() const { return (Self->*Get)(); }

  Property& operator=(T NewValue)
    requires(Set != nullptr)
  {
    (Self->*Set)(NewValue);
    return *this;
  }

private:
  Owner* const Self;
};

}  // namespace vcl
