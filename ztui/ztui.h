#pragma once
// Every exported class of the library.

#include "ztui/ZTUiExport.h"

// Frame: module life and the event registries.
#include "ztui/frame/ComponentRegistry.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/frame/IResManagerIcon.h"
#include "ztui/frame/ResManagerIcon.h"
#include "ztui/frame/ZTCmdLineEvent.h"
#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTUiEvent.h"
#include "ztui/frame/ZTUiEventListener.h"
#include "ztui/frame/ZTUiMainFrameEventListener.h"
#include "ztui/frame/ZTUiModule.h"
#include "ztui/frame/ZTUiResourceScope.h"
#include "ztui/frame/ZTViewMsgEvent.h"
#include "ztui/frame/ZTViewMsgEventListener.h"

// Drawing input.
#include "ztui/drawinput/DynTraceInfo.h"
#include "ztui/drawinput/ZTDrawWay.h"
#include "ztui/drawinput/ZTToolLayoutMgn.h"

// Property list.
#include "ztui/proplist/ButtonBitmap.h"
#include "ztui/proplist/ButtonIcon.h"
#include "ztui/proplist/DrawStyleColor.h"
#include "ztui/proplist/DrawStyleItem.h"
#include "ztui/proplist/EditFacePainter.h"
#include "ztui/proplist/EditorIdCounter.h"
#include "ztui/proplist/GdiPropertyRowMetrics.h"
#include "ztui/proplist/ListBoxProperty.h"
#include "ztui/proplist/PropertyEditorFactory.h"
#include "ztui/proplist/PropertyItem_imp.h"
#include "ztui/proplist/PropertyList_imp.h"
#include "ztui/proplist/PropertyMgrUI.h"
#include "ztui/proplist/PropertyRowPainter.h"
#include "ztui/proplist/PropertyRows.h"
#include "ztui/proplist/PropertyStyle.h"
#include "ztui/proplist/ValueText.h"
#include "ztui/proplist/XmlReader.h"
#include "ztui/proplist/actrl_CompositeEdit.h"
#include "ztui/proplist/actrl_edit_button.h"
#include "ztui/proplist/actrl_point3d_part.h"
#include "ztui/proplist/item_ctrl_edit_button.h"
#include "ztui/proplist/item_ctrl_image.h"
#include "ztui/proplist/item_ctrl_point3d_part.h"
