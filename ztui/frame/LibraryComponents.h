#pragma once
// The components the library itself publishes in the component registry.

namespace zt {

// Publishes the icon manager ("IResManagerIcon"); a component a host published earlier under
// the same name is kept.
void PublishLibraryComponents();
// Withdraws what PublishLibraryComponents published, releasing it unless someone holds it.
void WithdrawLibraryComponents();

} // namespace zt
