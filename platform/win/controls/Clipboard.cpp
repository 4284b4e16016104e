// Memory blocks and the desktop clipboard.
#include "platform/win/WinCtl.h"
#include "platform/win/WinUser.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace {

struct Block
{
    std::size_t size = 0;
    int locks = 0;
    std::unique_ptr<unsigned char[]> data;
};

struct Blocks
{
    std::mutex mutex;
    std::set<Block*> live;
};

Blocks& AllBlocks()
{
    static Blocks* blocks = new Blocks; // lives for the process, as the system heap does
    return *blocks;
}

Block* Find(HGLOBAL mem)
{
    auto* b = reinterpret_cast<Block*>(mem);
    Blocks& all = AllBlocks();
    return all.live.count(b) ? b : nullptr;
}

struct Clipboard
{
    std::mutex mutex;
    bool open = false;
    HWND openedBy = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HANDLE> formats;
};

Clipboard& TheClipboard()
{
    static Clipboard* clipboard = new Clipboard;
    return *clipboard;
}

void FreeAll(Clipboard& c)
{
    for (auto& [format, mem] : c.formats)
        GlobalFree(static_cast<HGLOBAL>(mem));
    c.formats.clear();
}

} // namespace

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes)
{
    auto* b = new Block;
    b->size = bytes;
    b->data.reset(new unsigned char[bytes ? bytes : 1]);
    if (flags & GMEM_ZEROINIT)
        std::memset(b->data.get(), 0, bytes ? bytes : 1);
    Blocks& all = AllBlocks();
    std::lock_guard lock(all.mutex);
    all.live.insert(b);
    return reinterpret_cast<HGLOBAL>(b);
}

LPVOID GlobalLock(HGLOBAL mem)
{
    Blocks& all = AllBlocks();
    std::lock_guard lock(all.mutex);
    Block* b = Find(mem);
    if (!b)
        return nullptr;
    ++b->locks;
    return b->data.get();
}

BOOL GlobalUnlock(HGLOBAL mem)
{
    Blocks& all = AllBlocks();
    std::lock_guard lock(all.mutex);
    Block* b = Find(mem);
    if (!b || b->locks == 0)
        return FALSE;
    return --b->locks > 0;
}

std::size_t GlobalSize(HGLOBAL mem)
{
    Blocks& all = AllBlocks();
    std::lock_guard lock(all.mutex);
    Block* b = Find(mem);
    return b ? b->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL mem)
{
    Blocks& all = AllBlocks();
    std::lock_guard lock(all.mutex);
    Block* b = Find(mem);
    if (!b)
        return mem;
    all.live.erase(b);
    delete b;
    return nullptr;
}

BOOL OpenClipboard(HWND owner)
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    if (c.open)
        return FALSE;
    c.open = true;
    c.openedBy = owner;
    return TRUE;
}

BOOL CloseClipboard()
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    if (!c.open)
        return FALSE;
    c.open = false;
    c.openedBy = nullptr;
    return TRUE;
}

BOOL EmptyClipboard()
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    if (!c.open)
        return FALSE;
    FreeAll(c);
    c.owner = c.openedBy;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data)
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    if (!c.open || !data || GlobalSize(data) == 0)
        return nullptr;
    auto it = c.formats.find(format);
    if (it != c.formats.end() && it->second != data)
        GlobalFree(static_cast<HGLOBAL>(it->second));
    c.formats[format] = data;
    return data;
}

HANDLE GetClipboardData(UINT format)
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    if (!c.open)
        return nullptr;
    auto it = c.formats.find(format);
    return it == c.formats.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT format)
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    return c.formats.count(format) ? TRUE : FALSE;
}

HWND GetClipboardOwner()
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    return c.owner;
}

HWND GetOpenClipboardWindow()
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    return c.open ? c.openedBy : nullptr;
}
