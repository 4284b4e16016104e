#pragma once
// The drop-down of image-list rows: each entry shows its image (the entry's data is its image
// index in a borrowed image list) before its text. Entries are as tall as the images plus a
// margin, and the open list is made much taller than a plain one, since image entries are big
// and few lines of them would show otherwise.

#include "platform/base/CString.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"

namespace zt {

class actrl_ComboBoxEx_msgHook;

class ZTUI_EXPORT actrl_ComboBoxEx : public CComboBox
{
public:
    // Entry height without images.
    static constexpr int kPlainEntryHeight = 18;
    // Around an image, top and bottom together.
    static constexpr int kImageMargin = 4;
    // How much taller than its closed face the window becomes while its list is open.
    static constexpr int kOpenListExtra = 400;
    static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST |
                                    CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;

    actrl_ComboBoxEx() = default;
    ~actrl_ComboBoxEx() override;

    void SetHook(actrl_ComboBoxEx_msgHook* hook) { m_hook = hook; }
    // Borrowed; must be set before the window is created, as it decides the entry height.
    void SetImageList(CImageList* images) { m_images = images; }
    CImageList* ImageList() const { return m_images; }
    BOOL CreateCombo(const RECT& rect, CWnd* parent, UINT id);
    // The first image's height plus the margin when the list has images, else the plain height.
    int EntryHeight() const;
    // Adds an entry at the end with its image index as data; its index.
    int AddEntry(const CString& text, int imageIndex);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSelChange();
    afx_msg void OnDropDown();
    DECLARE_MESSAGE_MAP()

private:
    actrl_ComboBoxEx_msgHook* m_hook = nullptr;
    CImageList* m_images = nullptr;
};

} // namespace zt
