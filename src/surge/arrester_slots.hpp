#pragma once
// The value-store boxes Text1(41..50) of the surge arrester page.

namespace surge {

enum ArresterSlot : int {
  ArresterUm = 41,
  ArresterUcMin = 42,
  ArresterUrMin = 43,
  ArresterUr = 44,
  ArresterUc = 45,
  ArresterSteepResidual = 46,
  ArresterUpl = 47,
  ArresterUps = 48,
  ArresterDischargeClass = 49,
  ArresterEnergy = 50,
};

}  // namespace surge
