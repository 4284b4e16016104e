#pragma once
// The host's tool property interface of its building classes: lists an element's fields
// as records and writes an edited record back into the element, each edit one undo step.
// One object serves every building class; Register puts it under each class name.

#include "platform/host/IToolProperty.h"

class TSArchToolProperty : public IToolProperty
{
public:
    static RefCountedPtr<TSArchToolProperty> Create() { return new TSArchToolProperty(); }
    // Registers one interface under every building class of the host and returns it.
    static RefCountedPtr<TSArchToolProperty> Register();

    void OnPropertyListGet(RefCountedPtr<ITSObject>& obj, TesselUIProperyList& list) override;
    void OnSelectionPropertyListGet(const std::vector<ElementRef*>& elements,
                                    TesselUIProperyList& list) override;
    // Writes the record into the object and, when the object is an element, into its model.
    void OnPropertyItemChanged(RefCountedPtr<ITSObject>& obj, int key,
                               TesselUIPropertyItem& record) override;

    // How many edits were refused (bad values, unknown keys) since the start.
    int GetRefusedCount() const { return m_refused; }

protected:
    TSArchToolProperty() = default;
    ~TSArchToolProperty() override = default;

private:
    int m_refused = 0;
};
