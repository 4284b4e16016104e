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
#include "ztui/frame/ZTUiMgn.h"
#include "ztui/frame/ZTUiModule.h"
#include "ztui/frame/ZTUiResourceScope.h"
#include "ztui/frame/ZTViewMsgEvent.h"
#include "ztui/frame/ZTViewMsgEventListener.h"

// Drawing input.
#include "ztui/drawinput/DynTraceInfo.h"
#include "ztui/drawinput/ZTDrawWay.h"
#include "ztui/drawinput/ZTToolLayoutMgn.h"

// Property list.
#include "ztui/proplist/editors/ButtonBitmap.h"
#include "ztui/proplist/editors/ButtonColor.h"
#include "ztui/proplist/editors/ButtonIcon.h"
#include "ztui/proplist/editors/CommitGuard.h"
#include "ztui/proplist/editors/PropertyButtonIcon.h"
#include "ztui/proplist/editors/PropertyEditorFactory.h"
#include "ztui/proplist/editors/actrl_CompositeEdit.h"
#include "ztui/proplist/editors/actrl_edit_button.h"
#include "ztui/proplist/editors/actrl_point3d_part.h"
#include "ztui/proplist/editors/ctrl_CheckBox.h"
#include "ztui/proplist/editors/ctrl_button.h"
#include "ztui/proplist/editors/ctrl_combobox.h"
#include "ztui/proplist/editors/ctrl_comboboxEx.h"
#include "ztui/proplist/editors/item_ctrl_color_button.h"
#include "ztui/proplist/editors/item_ctrl_edit_button.h"
#include "ztui/proplist/editors/item_ctrl_image.h"
#include "ztui/proplist/editors/item_ctrl_point3d_part.h"
#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/PropertyList_imp.h"
#include "ztui/proplist/model/PropertyMgrUI.h"
#include "ztui/proplist/model/ValueText.h"
#include "ztui/proplist/painting/EditFacePainter.h"
#include "ztui/proplist/painting/EditorPainter.h"
#include "ztui/proplist/painting/PropertyRowPainter.h"
#include "ztui/proplist/style/DrawStyleColor.h"
#include "ztui/proplist/style/DrawStyleItem.h"
#include "ztui/proplist/style/PropertyStyle.h"
#include "ztui/proplist/style/XmlReader.h"
#include "ztui/proplist/window/EditorIdCounter.h"
#include "ztui/proplist/window/GdiPropertyRowMetrics.h"
#include "ztui/proplist/window/ListBoxProperty.h"
#include "ztui/proplist/window/ListBoxPropertyDataMgr.h"
#include "ztui/proplist/window/PropertyRows.h"

// Owner-drawn widgets.
#include "ztui/widgets/CCustomEdit.h"
#include "ztui/widgets/CollapseGroupBox.h"
#include "ztui/widgets/ControlGroups.h"
#include "ztui/widgets/ExpressionEvaluator.h"
#include "ztui/widgets/IconButton.h"

// Dialog layout.
#include "ztui/dlglayout/CQDockDlg.h"
#include "ztui/dlglayout/LayoutRules.h"
#include "ztui/dlglayout/QDlgResize.h"
#include "ztui/dlglayout/ResizeTracker.h"

// Property panel.
#include "ztui/propertypanel/CNewPropertyDlgBase.h"
#include "ztui/propertypanel/PropertyGroupMemory.h"
#include "ztui/propertypanel/ZTDlgToolPanelBase.h"
#include "ztui/propertypanel/ZTHostToolPropertyAdapter.h"
#include "ztui/propertypanel/ZTPanelToolProperty.h"
#include "ztui/propertypanel/ZTPropertyDlg.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"
#include "ztui/propertypanel/ZTProperyListImpl.h"
#include "ztui/propertypanel/ZTSelectionToolProperty.h"
#include "ztui/propertypanel/ZTToolProperty.h"

// Layers.
#include "ztui/layers/ZTButtonLayerSet.h"
