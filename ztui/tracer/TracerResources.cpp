// The tracer boxes as dialog templates: a column of labels, a column of value fields and two
// small buttons to the right, which the boxes move onto the focused row.
#include "ztui/tracer/TracerResources.h"

#include "platform/win/WinCtlDefs.h"
#include "platform/win/WinUserDefs.h"
#include "platform/win/resources/ResourceModule.h"

namespace zt {

namespace {

struct ButtonSpec
{
    int id;
    const wchar_t* text;
    short x;
};

using zt::win::DialogTemplate;

constexpr short kRowPitch = 12;
constexpr short kRowHeight = 11;
constexpr short kTopMargin = 2;
constexpr short kLabelX = 2;
constexpr short kLabelWidth = 36;
constexpr short kFieldX = 40;
constexpr short kFieldWidth = 40;
constexpr short kButtonWidth = 11;
constexpr short kCommitX = 82;
constexpr short kNoActionX = 94;

DialogTemplate BoxTemplate(short cx, short cy)
{
    DialogTemplate t;
    t.style = WS_POPUP | DS_SETFONT;
    t.exStyle = WS_EX_TOOLWINDOW;
    t.cx = cx;
    t.cy = cy;
    t.fontName = L"MS Shell Dlg";
    t.pointSize = 8;
    return t;
}

void AddRow(DialogTemplate& t, int row, int labelId, const wchar_t* label, int fieldId)
{
    const short y = static_cast<short>(kTopMargin + row * kRowPitch);
    t.AddItem(L"Static", label, labelId, SS_LEFT, kLabelX, y, kLabelWidth, kRowHeight);
    t.AddItem(L"Edit", nullptr, fieldId, WS_BORDER | ES_AUTOHSCROLL, kFieldX, y, kFieldWidth,
              kRowHeight);
}

void AddButtons(DialogTemplate& t)
{
    for (ButtonSpec spec : {ButtonSpec{tracer_ids::kCommit, L"√", kCommitX},
                            ButtonSpec{tracer_ids::kNoAction, L"○", kNoActionX}}) {
        auto [id, text, x] = spec;
        t.AddItem(L"Button", text, id, BS_PUSHBUTTON, x, kTopMargin, kButtonWidth, kRowHeight);
    }
}

DialogTemplate ArchTemplate()
{
    using namespace tracer_ids;
    DialogTemplate t = BoxTemplate(107, 93);
    AddRow(t, 0, kDistanceLabel, L"  距 离", kDistance);
    AddRow(t, 1, kAngleLabel, L"  角 度", kAngle);
    AddRow(t, 2, kXLabel, L"    X", kX);
    AddRow(t, 3, kYLabel, L"    Y", kY);
    AddRow(t, 4, kZLabel, L"    Z", kZ);
    AddRow(t, 5, kFirstLabel, L"    Z", kFirst);
    AddRow(t, 6, kSecondLabel, L"    Z", kSecond);
    AddButtons(t);
    return t;
}

DialogTemplate DimTemplate()
{
    using namespace tracer_ids;
    DialogTemplate t = BoxTemplate(109, 90);
    AddRow(t, 0, kFirstLabel, L"第一维", kFirst);
    AddRow(t, 1, kSecondLabel, L"第二维", kSecond);
    AddRow(t, 2, kDistanceLabel, L"  距 离", kDistance);
    AddRow(t, 3, kAngleLabel, L"  角 度", kAngle);
    AddRow(t, 4, kXLabel, L"    X", kX);
    AddRow(t, 5, kYLabel, L"    Y", kY);
    AddRow(t, 6, kZLabel, L"    Z", kZ);
    AddButtons(t);
    return t;
}

// The custom box makes its rows itself, from the tool's function; only the buttons are fixed.
DialogTemplate CustomTemplate()
{
    DialogTemplate t = BoxTemplate(206, 130);
    for (ButtonSpec spec : {ButtonSpec{tracer_ids::kCustomCommit, L"√", 161},
                            ButtonSpec{tracer_ids::kCustomNoAction, L"○", 183}}) {
        auto [id, text, x] = spec;
        t.AddItem(L"Button", text, id, BS_PUSHBUTTON, x, 1, 20, 20).style &= ~WS_VISIBLE;
    }
    return t;
}

} // namespace

bool RegisterTracerResources(HINSTANCE module)
{
    if (!module)
        return false;
    using zt::win::ResourceModule;
    bool ok =
        ResourceModule::AddDialog(module, MAKEINTRESOURCEW(kDialogArchTracer), ArchTemplate());
    ok = ResourceModule::AddDialog(module, MAKEINTRESOURCEW(kDialogDimTracer), DimTemplate()) && ok;
    ok = ResourceModule::AddDialog(module, MAKEINTRESOURCEW(kDialogCustomTracer),
                                   CustomTemplate()) &&
         ok;
    return ok;
}

} // namespace zt
