#include "platform/host/TSArchiWindow.h"

TSArchiWindowPtr TSArchiWindow::Create()
{
    return new TSArchiWindow();
}

TSArchiWindow::TSArchiWindow() : TSArchiOpening(CLASS_NAME)
{
    SetWidth(DEFAULT_WIDTH);
    SetHeight(DEFAULT_HEIGHT);
    SetSillHeight(DEFAULT_SILL_HEIGHT);
}

TSObjectPtr TSArchiWindow::Clone() const
{
    return new TSArchiWindow(*this);
}
