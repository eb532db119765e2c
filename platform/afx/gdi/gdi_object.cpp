// CGdiObject, the handle maps of drawing objects and DCs, and CDC's attachment.
//
// A handle maps to the object that owns it (permanent: made by Attach) or to a temporary
// wrapper made by FromHandle. Temporary wrappers are freed when the drawing layer reports
// their handle deleted, so a wrapper never outlives its handle and nothing piles up.
#include <afxwin.h>

#include "gdi/gdi_internal.h"

#include <map>
#include <unordered_map>
#include <utility>

namespace {

struct Maps {
    std::unordered_map<HGDIOBJ, CGdiObject*> objects;
    std::map<std::pair<HGDIOBJ, const CRuntimeClass*>, CGdiObject*> tempObjects;
    std::unordered_map<HDC, CDC*> dcs;
    std::unordered_map<HDC, CDC*> tempDcs;
};

// Never destroyed: wrappers may be released from other static destructors at exit.
Maps& TheMaps() {
    static Maps* maps = new Maps;
    return *maps;
}

// Forgets the handle's owner only while it is still this object: Detach after a new Attach of the
// same handle elsewhere leaves the newer owner mapped.
template <class Map, class Object>
void Unmap(Map& map, typename Map::key_type handle, const Object* owner) {
    auto it = map.find(handle);
    if (it != map.end() && it->second == owner)
        map.erase(it);
}

void DropTemporaries(void* handle) {
    Maps& maps = TheMaps();
    // Wrappers of one handle sit together in the ordered map, one per class asked for.
    auto it = maps.tempObjects.lower_bound(std::make_pair(handle, nullptr));
    while (it != maps.tempObjects.end() && it->first.first == handle) {
        it->second->m_hObject = nullptr; // the handle is already going
        delete it->second;
        it = maps.tempObjects.erase(it);
    }
    auto dc = maps.tempDcs.find(static_cast<HDC>(handle));
    if (dc != maps.tempDcs.end()) {
        dc->second->m_hDC = dc->second->m_hAttribDC = nullptr;
        delete dc->second;
        maps.tempDcs.erase(dc);
    }
    auto owner = maps.objects.find(handle);
    if (owner != maps.objects.end())
        maps.objects.erase(owner);
    auto ownerDc = maps.dcs.find(static_cast<HDC>(handle));
    if (ownerDc != maps.dcs.end())
        maps.dcs.erase(ownerDc);
}

struct HookInstaller {
    HookInstaller() { gdi_internal::SetObjectDeletedHook(DropTemporaries); }
} installHook;

} // namespace

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::CGdiObject() : m_hObject(nullptr) {}

CGdiObject::~CGdiObject() {
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandleAs(HGDIOBJ hObject, const CRuntimeClass* cls) {
    if (!hObject)
        return nullptr;
    Maps& maps = TheMaps();
    auto owner = maps.objects.find(hObject);
    if (owner != maps.objects.end())
        return owner->second;
    auto key = std::make_pair(hObject, cls);
    auto it = maps.tempObjects.find(key);
    if (it != maps.tempObjects.end())
        return it->second;
    CGdiObject* wrapper = static_cast<CGdiObject*>(cls->CreateObject());
    if (!wrapper)
        wrapper = new CGdiObject;
    wrapper->m_hObject = hObject;
    maps.tempObjects.emplace(key, wrapper);
    return wrapper;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
    return FromHandleAs(hObject, RUNTIME_CLASS(CGdiObject));
}

void PASCAL CGdiObject::DeleteTempMap() {
    Maps& maps = TheMaps();
    for (auto& entry : maps.tempObjects) {
        entry.second->m_hObject = nullptr; // temporaries never own their handle
        delete entry.second;
    }
    maps.tempObjects.clear();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject)
        return FALSE;
    m_hObject = hObject;
    TheMaps().objects[hObject] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    if (hObject)
        Unmap(TheMaps().objects, hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const {
    return ::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex) {
    return Attach(::GetStockObject(nIndex));
}

// ---------------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::CDC() : m_hDC(nullptr), m_hAttribDC(nullptr) {}

CDC::~CDC() {
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
    if (!hDC)
        return nullptr;
    Maps& maps = TheMaps();
    auto owner = maps.dcs.find(hDC);
    if (owner != maps.dcs.end())
        return owner->second;
    auto it = maps.tempDcs.find(hDC);
    if (it != maps.tempDcs.end())
        return it->second;
    CDC* wrapper = new CDC;
    wrapper->m_hDC = wrapper->m_hAttribDC = hDC;
    maps.tempDcs.emplace(hDC, wrapper);
    return wrapper;
}

void PASCAL CDC::DeleteTempMap() {
    Maps& maps = TheMaps();
    for (auto& entry : maps.tempDcs) {
        entry.second->m_hDC = entry.second->m_hAttribDC = nullptr;
        delete entry.second;
    }
    maps.tempDcs.clear();
}

BOOL CDC::Attach(HDC hDC) {
    if (!hDC)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    TheMaps().dcs[hDC] = this;
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    if (hDC)
        Unmap(TheMaps().dcs, hDC, this);
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}
