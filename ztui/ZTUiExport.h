#pragma once
// libztui is built with hidden visibility: only what carries ZTUI_EXPORT is part of its ABI.
#define ZTUI_EXPORT __attribute__((visibility("default")))
