#include "ztui/propertypanel/ZTToolProperty.h"

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/ElementRef.h"
#include "platform/host/AppServices.h"
#include "platform/host/Callable.h"
#include "platform/host/Executors.h"
#include "platform/host/TSGraphicElement.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TSUserPropertySet.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "platform/win/WinDlg.h"
#include "platform/win/WinUser.h"
#include "ztui/layers/ZTButtonLayerSet.h"
#include "ztui/propertypanel/ZTProperyListImpl.h"

#include <cerrno>
#include <cstdint>
#include <cwchar>
#include <mutex>
#include <optional>

namespace zt {

namespace {

// How a record's value travels as text; the codes are kept per item key of a class.
enum KindCode : int
{
    kColor = 0,
    kBool = 1,
    kInt = 2,
    kDouble = 3,
    kText = 4,
    kButton = 5,
    kList = 6,
    kPoint = 7,
    kEditButton = 9,
    kImageList = 11,
    kMultiText = 13,
};

struct ClassTables
{
    std::map<std::int32_t, int> kindsByKey;
    std::map<CString, std::int32_t> keysByName;
};

// Per class, for the life of the process. Tools run on the work thread, but a host may call
// from its interface thread too; the lock costs nothing next to listing an object.
struct Registry
{
    std::mutex mutex;
    std::map<Utf8String, ClassTables> tables;
    CString currentLayer;
    std::vector<CString> layers;
};

Registry& State()
{
    static Registry registry;
    return registry;
}

IToolProperty* ToolOfClass(const Utf8String& className)
{
    return dynamic_cast<IToolProperty*>(TesselToolsInterfaceManager::QueryICmdInterface(
        className.c_str(), IToolProperty::INTERFACE_NAME));
}

// The tool of a graphic element's class, or null.
IToolProperty* ToolOfObject(const RefCountedPtr<ITSObject>& obj)
{
    if (obj.IsNull() || !dynamic_cast<TSGraphicElement*>(obj.get()))
        return nullptr;
    return ToolOfClass(obj->GetECClassName());
}

CString Printf(const wchar_t* format, auto... args)
{
    wchar_t buffer[128];
    std::swprintf(buffer, std::size(buffer), format, args...);
    return CString(buffer);
}

// The record's text and its kind code, in the order the kinds are tried.
std::optional<std::pair<CString, int>> TextOf(const TesselUIPropertyItem& record)
{
    ColorValue color;
    bool flag = false;
    int integer = 0;
    double number = 0.0;
    WString text;
    ButtonValue button;
    ListValue list;
    DPoint3d point{};
    EditButtonValue edit;
    MultiText multi;
    ListImageValue images;
    if (record.getValue(color))
        return std::pair{Printf(L"%u", unsigned(color.color)), int(kColor)};
    if (record.getValue(flag))
        return std::pair{Printf(L"%d", flag ? 1 : 0), int(kBool)};
    if (record.getValue(integer))
        return std::pair{Printf(L"%d", integer), int(kInt)};
    if (record.getValue(number))
        return std::pair{Printf(L"%f", number), int(kDouble)};
    if (record.getValue(text))
        return std::pair{CString(text.c_str()), int(kText)};
    if (record.getValue(button))
        return std::pair{CString(button.text.c_str()), int(kButton)};
    if (record.getValue(list))
        return std::pair{Printf(L"%d", list.selected), int(kList)};
    if (record.getValue(point))
        return std::pair{Printf(L"%f,%f,%f", point.x, point.y, point.z), int(kPoint)};
    if (record.getValue(edit))
        return std::pair{CString(edit.text.c_str()), int(kEditButton)};
    if (record.getValue(multi))
        return std::pair{CString(multi.text.c_str()), int(kMultiText)};
    if (record.getValue(images))
        return std::pair{Printf(L"%d", images.selected), int(kImageList)};
    return std::nullopt;
}

// Whole texts only: "12abc" is not a number, and neither is an empty text.
template <class T, class Parse>
std::optional<T> ReadNumber(const CString& text, Parse parse)
{
    const wchar_t* begin = text.GetString();
    wchar_t* end = nullptr;
    errno = 0;
    const auto value = parse(begin, &end);
    if (end == begin || errno == ERANGE)
        return std::nullopt;
    while (*end == L' ')
        ++end;
    if (*end)
        return std::nullopt;
    return static_cast<T>(value);
}

std::optional<long long> ReadInteger(const CString& text)
{
    return ReadNumber<long long>(
        text, [](const wchar_t* s, wchar_t** end) { return std::wcstoll(s, end, 10); });
}

std::optional<int> ReadInt(const CString& text)
{
    std::optional<long long> value = ReadInteger(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
        return std::nullopt;
    return int(*value);
}

std::optional<TesselUIPropertyItem> RecordFromText(const CString& name, const CString& text,
                                                   int kind)
{
    const wchar_t* caption = name.GetString();
    const WString value(text.GetString());
    switch (kind) {
    case kColor: {
        std::optional<long long> color = ReadInteger(text);
        if (!color || *color < 0 || *color > 0xFFFFFFFFll)
            return std::nullopt;
        return TesselUIPropertyItem(caption, ColorValue{static_cast<unsigned long>(*color)});
    }
    case kBool: {
        std::optional<long long> flag = ReadInteger(text);
        return TesselUIPropertyItem(caption, flag && *flag == 1);
    }
    case kInt: {
        std::optional<int> integer = ReadInt(text);
        if (!integer)
            return std::nullopt;
        return TesselUIPropertyItem(caption, *integer);
    }
    case kDouble: {
        std::optional<double> number = ReadNumber<double>(
            text, [](const wchar_t* s, wchar_t** end) { return std::wcstod(s, end); });
        if (!number)
            return std::nullopt;
        return TesselUIPropertyItem(caption, *number);
    }
    case kText:
        return TesselUIPropertyItem(caption, value);
    case kButton:
        return TesselUIPropertyItem(caption, ButtonValue{value, 0});
    case kList: {
        std::optional<int> index = ReadInt(text);
        if (!index)
            return std::nullopt;
        return TesselUIPropertyItem(caption, ListValue{*index, {value}, false});
    }
    case kEditButton:
        return TesselUIPropertyItem(caption, EditButtonValue{value, nullptr});
    case kImageList: {
        std::optional<int> index = ReadInt(text);
        if (!index)
            return std::nullopt;
        ListImageValue images;
        images.selected = *index;
        return TesselUIPropertyItem(caption, images);
    }
    case kMultiText:
        return TesselUIPropertyItem(caption, MultiText{3, value});
    default:
        // Points (and kinds without a text form) do not travel back.
        return std::nullopt;
    }
}

// Builds both tables of a class from a filled collector; props, when given, receives the texts.
ClassTables TablesOf(const ZTProperyListImpl& collector, std::map<CString, CString>* props)
{
    ClassTables tables;
    for (const ZTProperyListImpl::Entry& entry : collector.items()) {
        const CString name(entry.record.getName().c_str());
        tables.keysByName.emplace(name, entry.key);
        if (std::optional<std::pair<CString, int>> text = TextOf(entry.record)) {
            tables.kindsByKey.emplace(entry.key, text->second);
            if (props)
                props->emplace(name, text->first);
        }
    }
    return tables;
}

std::optional<TSUserPropertyCell> CellOf(const TesselUIPropertyItem& record)
{
    TSUserPropertyCell cell;
    ColorValue color;
    bool flag = false;
    int integer = 0;
    double number = 0.0;
    WString text;
    ButtonValue button;
    EditButtonValue edit;
    MultiText multi;
    ListValue list;
    DPoint3d point{};
    ListImageValue images;
    if (record.getValue(color))
        cell.SetInt(std::int64_t(color.color));
    else if (record.getValue(flag))
        cell.SetBool(flag);
    else if (record.getValue(integer))
        cell.SetInt(integer);
    else if (record.getValue(number))
        cell.SetDouble(number);
    else if (record.getValue(text))
        cell.SetString(text);
    else if (record.getValue(button))
        cell.SetString(button.text);
    else if (record.getValue(edit))
        cell.SetString(edit.text);
    else if (record.getValue(multi))
        cell.SetString(multi.text);
    else if (record.getValue(list))
        cell.SetString(list.selected >= 0 && std::size_t(list.selected) < list.strings.size()
                           ? list.strings[std::size_t(list.selected)]
                           : WString());
    else if (record.getValue(point))
        cell.SetString(WString(Printf(L"%f,%f,%f", point.x, point.y, point.z).GetString()));
    else if (record.getValue(images))
        cell.SetString(WString(Printf(L"%d", images.selected).GetString()));
    else
        return std::nullopt;
    return cell;
}

// Fills the host's layer box on the interface thread.
void FillLayerBox(std::vector<CString> layers, CString current)
{
    auto fill = [layers = std::move(layers), current = std::move(current)] {
        HWND box = App_GetLayerComb();
        if (!box || !::IsWindow(box))
            return;
        ::SendMessageW(box, CB_RESETCONTENT, 0, 0);
        LRESULT selected = CB_ERR;
        for (const CString& layer : layers) {
            LRESULT index =
                ::SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(layer.GetString()));
            if (index >= 0 && layer == current)
                selected = index;
        }
        if (selected != CB_ERR)
            ::SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    };
    auto* call = new CallerF<decltype(fill)>(std::move(fill));
    TesselFuncCall::ToCallOnUITread(call);
    call->Release();
}

} // namespace

void ZTToolProperty::OnPropertyGet(RefCountedPtr<ITSObject>& obj, std::map<CString, CString>& props)
{
    IToolProperty* tool = ToolOfObject(obj);
    if (!tool)
        return;
    ZTProperyListImpl collector;
    tool->OnPropertyListGet(obj, collector);
    ClassTables tables = TablesOf(collector, &props);
    collector.clear();
    std::lock_guard lock(State().mutex);
    State().tables[obj->GetECClassName()] = std::move(tables);
}

void ZTToolProperty::OnPropertySet(RefCountedPtr<ITSObject>& obj,
                                   const std::map<CString, CString>& props,
                                   RefCountedPtr<ITSObject> source)
{
    IToolProperty* tool = ToolOfObject(obj);
    if (!tool)
        return;
    const Utf8String className = obj->GetECClassName();
    {
        RefCountedPtr<ITSObject>& listed = source.IsValid() ? source : obj;
        IToolProperty* lister = source.IsValid() ? ToolOfObject(source) : tool;
        ZTProperyListImpl collector;
        if (lister)
            lister->OnPropertyListGet(listed, collector);
        std::lock_guard lock(State().mutex);
        ClassTables& tables = State().tables[className];
        if (tables.kindsByKey.empty() || tables.keysByName.empty())
            tables = TablesOf(collector, nullptr);
        collector.clear();
    }

    struct Selected
    {
        CString name;
        CString text;
        int kind = -1;
    };
    std::map<std::int32_t, Selected> selected; // by key: ascending, one per key
    {
        std::lock_guard lock(State().mutex);
        const ClassTables& tables = State().tables[className];
        if (tables.kindsByKey.empty() || tables.keysByName.empty())
            return;
        for (const auto& [name, text] : props) {
            auto key = tables.keysByName.find(name);
            if (key == tables.keysByName.end())
                continue;
            auto kind = tables.kindsByKey.find(key->second);
            selected.emplace(
                key->second,
                Selected{name, text, kind == tables.kindsByKey.end() ? -1 : kind->second});
        }
    }
    AbstractUiStateManager& ui = AbstractUiStateManager::Get();
    for (auto& [key, entry] : selected) {
        ui.SetValue(kFromFormatBrushKey, true);
        if (std::optional<TesselUIPropertyItem> record =
                RecordFromText(entry.name, entry.text, entry.kind))
            tool->OnPropertyItemChanged(obj, key, *record);
    }
    ui.SetValue(kFromFormatBrushKey, false);
}

bool ZTToolProperty::getLinkArchElementProperty(ElementRef* element, TSUserPropertySet& set)
{
    if (!element || element->IsDeleted())
        return false;
    RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(
        element->GetElementId(), element->GetDgnModelP());
    IToolProperty* tool = ToolOfObject(obj);
    if (!tool)
        return false;
    ZTProperyListImpl collector;
    tool->OnSelectionPropertyListGet({element}, collector);
    const auto& groups = collector.groups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        set.GetGroupNames().push_back(groups[g].name);
        const int base = static_cast<int>(set.GetValues().size());
        for (const ZTProperyListImpl::Entry& entry : collector.items()) {
            if (entry.group != static_cast<std::int64_t>(g))
                continue;
            std::optional<TSUserPropertyCell> cell = CellOf(entry.record);
            if (!cell)
                continue;
            TSUserPropertyValuePtr value = TSUserPropertyValue::Create();
            value->SetGroupIdx(static_cast<int>(g));
            value->SetValueIdx(entry.key - base);
            value->SetValue(*cell);
            set.GetValues().emplace(entry.record.getName(), value);
        }
    }
    collector.clear();
    return !set.GetGroupNames().empty();
}

void ZTToolProperty::OnSelectedLayer(const std::vector<ElementRef*>& elements, const wchar_t* layer)
{
    const CString name(layer ? layer : L"");
    {
        std::lock_guard lock(State().mutex);
        State().currentLayer = name;
    }
    for (ElementRef* element : elements)
        ZTButtonLayerSet::AssignLayer(name, element);
}

void ZTToolProperty::OnSelectionChanged(const std::vector<ElementRef*>& elements)
{
    if (elements.empty())
        return;
    std::vector<CString> layers;
    CString current = GetCurrentLayerName();
    ZTButtonLayerSet::GetLayerVector(layers, current, elements.front());
    FillLayerBox(layers, current);
    std::lock_guard lock(State().mutex);
    State().layers = std::move(layers);
    State().currentLayer = current;
}

void ZTToolProperty::OnClickToolBarButton(const std::vector<ElementRef*>&, unsigned id)
{
    if (id == kAddPropertyButton)
        ::MessageBoxW(nullptr, L"新增属性", L"", MB_SYSTEMMODAL);
    else if (id == kRemovePropertyButton)
        ::MessageBoxW(nullptr, L"删除属性", L"", MB_SYSTEMMODAL);
}

CString ZTToolProperty::GetCurrentLayerName()
{
    std::lock_guard lock(State().mutex);
    return State().currentLayer;
}

void ZTToolProperty::SetCurrentLayerName(const CString& layer)
{
    std::lock_guard lock(State().mutex);
    State().currentLayer = layer;
}

std::vector<CString> ZTToolProperty::GetLayerNames()
{
    std::lock_guard lock(State().mutex);
    return State().layers;
}

} // namespace zt
