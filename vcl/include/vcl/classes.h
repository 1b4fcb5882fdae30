#pragma once
// TObject, TComponent and event closures.

#include <vcl/ansistring.h>

#include <vector>

namespace vcl {

class TObject {
public:
  virtual ~TObject() = default;
};

// A bound method: an object and one of its member functions, the way the
// form resource connects an event to a handler of the form.
template <class... Args>
class TClosure {
public:
  TClosure() = default;
  template <class C>
  TClosure(C* Object, void (C::*Handler)(Args...))
      : Self(Object), Method(static_cast<void (TObject::*)(Args...)>(Handler)) {}

  explicit operator bool() const noexcept { return Method != nullptr; }
  void operator()(Args... A) const { (Self->*Method)(A...); }

private:
  TObject* Self = nullptr;
  void (TObject::*Method)(Args...) = nullptr;
};

using TNotifyEvent = TClosure<TObject*>;

// A component belongs to its owner, which destroys it; a component destroyed
// first leaves its owner's list.
class TComponent : public TObject {
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const noexcept { return OwnerComponent; }

  AnsiString Name;
  int Tag = 0;

private:
  TComponent* OwnerComponent;
  std::vector<TComponent*> Owned;
};

}  // namespace vcl
