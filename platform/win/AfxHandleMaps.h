#pragma once
// The handle maps behind the MFC-shaped drawing classes: permanent entries for attached
// wrappers, temporary wrappers made by FromHandle. When a handle leaves the GDI table its
// temporary wrapper is deleted and its permanent entry dropped.

class CGdiObject;
class CDC;

namespace zt::win {

template <class Wrapper>
class HandleMap;

// Installs the GDI table hook once; every map entry point calls it.
void EnsureHandleMapHook();

void ForgetGdiWrapper(void* handle);
void ForgetDcWrapper(void* handle);

} // namespace zt::win
