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

// A property backed by the owner's getter, so that reading it runs the
// owner's code. The owner passes itself when it constructs the property;
// the property is never copied.
template <class Owner, class T, T (Owner::*Get)() const>
class ComputedProperty {
public:
  explicit ComputedProperty(Owner* Object) noexcept : Self(Object) {}
  ComputedProperty(const ComputedProperty&) = delete;

  operator T() const { return (Self->*Get)(); }
  T operator()() const { return (Self->*Get)(); }

protected:
  Owner* const Self;
};

// A property with a getter and a setter: `Control->Visible = true` runs the
// owner's setter.
template <class Owner, class T, T (Owner::*Get)() const, void (Owner::*Set)(T)>
class Property : public ComputedProperty<Owner, T, Get> {
public:
  using ComputedProperty<Owner, T, Get>::ComputedProperty;

  Property& operator=(T NewValue) {
    (this->Self->*Set)(NewValue);
    return *this;
  }
};

}  // namespace vcl
