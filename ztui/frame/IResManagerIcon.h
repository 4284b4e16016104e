#pragma once
// The icon manager: a process-wide set of 16 x 16 icons read from resource libraries, found by
// name. It is published in the component registry under kResManagerIconName; the host decides
// which libraries to load into it (the library itself never calls load).

#include "platform/base/Handles.h"
#include "ztui/frame/ComponentRegistry.h"

#include <memory>
#include <string_view>

namespace resman {

// The name the icon manager is published under. (Plain pointers, not inline objects: an
// exported inline object would keep the library from being unloaded.)
constexpr const char* kResManagerIconName = "IResManagerIcon";

// A walk over the icons of the manager as they were when the walk began.
class ZTUI_EXPORT IResIconIterator
{
public:
    virtual ~IResIconIterator() = default;
    // Moves to the next icon (the first on the first call); false when none is left.
    virtual bool next() = 0;
    // The icon's key (lower case, trimmed) and the icon; valid after next returned true.
    virtual const wchar_t* name() const = 0;
    virtual HICON icon() const = 0;
};

class ZTUI_EXPORT IResManagerIcon : public zt::IComponent
{
public:
    static constexpr const char* kInterfaceName = "IResManagerIcon";

    // Loads a resource library (a module name or path, as LoadLibraryW takes it) and adds one
    // 16 x 16 icon for each of its icon groups, keyed by the group's name in lower case without
    // surrounding blanks; an icon with a key already present replaces the earlier one. False
    // when the library cannot be loaded or holds no icon.
    virtual bool load(const wchar_t* fileName) = 0;
    // The icon of that name (compared as the keys are made), or null. An icon stays valid until
    // the process ends, even after a later load replaced it.
    virtual HICON find(const wchar_t* name) const = 0;
    // Every icon, in key order.
    virtual std::unique_ptr<IResIconIterator> iterate() const = 0;
};

} // namespace resman
