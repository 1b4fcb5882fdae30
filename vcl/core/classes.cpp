#include <vcl/classes.h>

#include <algorithm>

namespace vcl {

TComponent::TComponent(TComponent* AOwner) : OwnerComponent(AOwner) {
  if (OwnerComponent) OwnerComponent->Owned.push_back(this);
}

TComponent::~TComponent() {
  // Destroy what this component owns, last created first; each leaves the
  // list as it goes.
  while (!Owned.empty()) delete Owned.back();
  if (OwnerComponent) std::erase(OwnerComponent->Owned, this);
}

}  // namespace vcl
