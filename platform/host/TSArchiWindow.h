#pragma once
// A window: an opening above a sill.

#include "platform/host/TSArchiOpening.h"

class TSArchiWindow;
using TSArchiWindowPtr = RefCountedPtr<TSArchiWindow>;

class TSArchiWindow : public TSArchiOpening
{
public:
    static constexpr const char* CLASS_NAME = "TSArchiWindow";
    static constexpr double DEFAULT_WIDTH = 1500.0;
    static constexpr double DEFAULT_HEIGHT = 1500.0;
    static constexpr double DEFAULT_SILL_HEIGHT = 900.0;
    static TSArchiWindowPtr Create();

    TSObjectPtr Clone() const override;

protected:
    TSArchiWindow();
    TSArchiWindow(const TSArchiWindow&) = default;
    ~TSArchiWindow() override = default;
};
