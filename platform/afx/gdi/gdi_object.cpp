// CGdiObject, the handle maps of drawing objects and DCs, and CDC's attachment.
//
// A handle maps to the object that owns it (permanent: made by Attach) or to a temporary
// wrapper made by FromHandle. Temporary wrappers go at idle time (DeleteTempMap) and, so that
// nothing piles up between idle times, whenever the map has grown: wrappers whose handle
// GetObjectType no longer knows are let go then.
//
// The maps are indexed by the handle's slot bits (drawing handles are 16 apart), with the whole
// handle kept and compared, so a deleted handle finds nothing. Every paint makes a new DC, and
// the framework wraps it (WM_ERASEBKGND, WM_CTLCOLOR*), so let-go wrappers are kept in a small
// pool and handed out again: a window that repaints at a steady rate allocates nothing.
#include <afxwin.h>

#include "afx/handle_slots.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// Enough for every DC and object wrapped during one paint of a busy dialog.
constexpr std::size_t kSpareLimit = 32;
// The temporary maps are first swept for deleted handles at this size.
constexpr std::size_t kSweepFloor = 16;
constexpr unsigned kGdiHandleShift = 4;

// Temporary wrappers let go, ready to wrap another handle. Only plain wrappers made here come
// back, and they hold nothing but their handle, which is cleared before they are kept.
template <class Object> class WrapperPool {
public:
    WrapperPool() { spare_.reserve(kSpareLimit); }
    WrapperPool(const WrapperPool&) = delete;
    WrapperPool& operator=(const WrapperPool&) = delete;
    ~WrapperPool() {
        for (Object* object : spare_)
            delete object;
    }

    void Release(Object* object) {
        if (spare_.size() < kSpareLimit)
            spare_.push_back(object);
        else
            delete object;
    }

    // A kept wrapper of exactly this class, or null.
    Object* Take(const CRuntimeClass* cls) {
        for (std::size_t i = spare_.size(); i-- > 0;) {
            if (spare_[i]->GetRuntimeClass() == cls) {
                Object* object = spare_[i];
                spare_[i] = spare_.back();
                spare_.pop_back();
                return object;
            }
        }
        return nullptr;
    }

private:
    std::vector<Object*> spare_;
};

// A temporary wrapper and the class it was asked for (CPen::FromHandle and
// CGdiObject::FromHandle of one handle are two wrappers).
struct TempObject {
    const CRuntimeClass* cls = nullptr;
    CGdiObject* wrapper = nullptr;
};
struct OtherTempObject {
    HGDIOBJ handle;
    TempObject temp;
};

using ObjectMap = afx_internal::HandleSlots<HGDIOBJ, CGdiObject*, kGdiHandleShift>;
using TempObjectMap = afx_internal::HandleSlots<HGDIOBJ, TempObject, kGdiHandleShift>;
using DcMap = afx_internal::HandleSlots<HDC, CDC*, kGdiHandleShift>;

struct Maps {
    ObjectMap objects;
    TempObjectMap tempObjects;               // the first class asked for, by handle
    std::vector<OtherTempObject> tempOthers; // further classes of the same handles (rare)
    DcMap dcs;
    DcMap tempDcs;
    WrapperPool<CGdiObject> spareObjects;
    WrapperPool<CDC> spareDcs;
    std::size_t tempObjectsSweepAt = kSweepFloor;
    std::size_t tempDcsSweepAt = kSweepFloor;
};

// Never destroyed: wrappers may be released from other static destructors at exit.
Maps& TheMaps() {
    static Maps* maps = new Maps;
    return *maps;
}

// Forgets the handle's owner only while it is still this object: Detach after a new Attach of the
// same handle elsewhere leaves the newer owner mapped.
template <class Map, class Handle, class Object>
void Unmap(Map& map, Handle handle, const Object* owner) {
    if (map.Find(handle) == owner)
        map.Erase(handle);
}

void ReleaseTemporary(Maps& maps, CGdiObject* wrapper) {
    wrapper->m_hObject = nullptr; // temporaries never own their handle
    maps.spareObjects.Release(wrapper);
}

void ReleaseTemporary(Maps& maps, CDC* wrapper) {
    wrapper->m_hDC = wrapper->m_hAttribDC = nullptr;
    maps.spareDcs.Release(wrapper);
}

// A deleted handle still mapped holds the slot its successor (the same slot of the drawing
// layer's table, a later generation) is about to take: it goes first, its wrapper with it.
template <class Map, class Handle, class Release>
void EvictDeleted(Map& map, Handle handle, Release release) {
    auto occupant = map.Occupant(handle);
    if (occupant.first != Handle() && occupant.first != handle &&
        ::GetObjectType(occupant.first) == 0) {
        release(occupant.second);
        map.Erase(occupant.first);
    }
}

std::size_t TempObjectCount(const Maps& maps) {
    return maps.tempObjects.Size() + maps.tempOthers.size();
}

// Lets go of the wrappers whose handle is gone, once the map has reached sweepAt; the next sweep
// comes when the map has doubled again, so the cost stays in proportion.
void SweepDeletedObjects(Maps& maps) {
    if (TempObjectCount(maps) < maps.tempObjectsSweepAt)
        return;
    maps.tempObjects.EraseIf([&maps](HGDIOBJ handle, const TempObject& temp) {
        if (::GetObjectType(handle) != 0)
            return false;
        ReleaseTemporary(maps, temp.wrapper);
        return true;
    });
    auto gone = std::remove_if(maps.tempOthers.begin(), maps.tempOthers.end(),
                               [&maps](const OtherTempObject& other) {
                                   if (::GetObjectType(other.handle) != 0)
                                       return false;
                                   ReleaseTemporary(maps, other.temp.wrapper);
                                   return true;
                               });
    maps.tempOthers.erase(gone, maps.tempOthers.end());
    maps.tempObjectsSweepAt = std::max(kSweepFloor, 2 * TempObjectCount(maps));
}

void SweepDeletedDcs(Maps& maps) {
    if (maps.tempDcs.Size() < maps.tempDcsSweepAt)
        return;
    maps.tempDcs.EraseIf([&maps](HDC handle, CDC* wrapper) {
        if (::GetObjectType(handle) != 0)
            return false;
        ReleaseTemporary(maps, wrapper);
        return true;
    });
    maps.tempDcsSweepAt = std::max(kSweepFloor, 2 * maps.tempDcs.Size());
}

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
    if (CGdiObject* owner = maps.objects.Find(hObject))
        return owner;
    TempObject first = maps.tempObjects.Find(hObject);
    if (first.wrapper && first.cls == cls)
        return first.wrapper;
    for (const OtherTempObject& other : maps.tempOthers)
        if (other.handle == hObject && other.temp.cls == cls)
            return other.temp.wrapper;
    SweepDeletedObjects(maps);
    CGdiObject* wrapper = maps.spareObjects.Take(cls);
    if (!wrapper)
        wrapper = static_cast<CGdiObject*>(cls->CreateObject());
    if (!wrapper)
        wrapper = new CGdiObject;
    wrapper->m_hObject = hObject;
    if (maps.tempObjects.Find(hObject).wrapper) {
        maps.tempOthers.push_back(OtherTempObject{hObject, TempObject{cls, wrapper}});
    } else {
        EvictDeleted(maps.tempObjects, hObject,
                     [&maps](const TempObject& old) { ReleaseTemporary(maps, old.wrapper); });
        maps.tempObjects.Assign(hObject, TempObject{cls, wrapper});
    }
    return wrapper;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
    return FromHandleAs(hObject, RUNTIME_CLASS(CGdiObject));
}

void PASCAL CGdiObject::DeleteTempMap() {
    Maps& maps = TheMaps();
    maps.tempObjects.ForEach(
        [&maps](HGDIOBJ, const TempObject& temp) { ReleaseTemporary(maps, temp.wrapper); });
    maps.tempObjects.Clear();
    for (const OtherTempObject& other : maps.tempOthers)
        ReleaseTemporary(maps, other.temp.wrapper);
    maps.tempOthers.clear();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject)
        return FALSE;
    m_hObject = hObject;
    ObjectMap& objects = TheMaps().objects;
    EvictDeleted(objects, hObject, [](CGdiObject*) {});
    objects.Assign(hObject, this);
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

namespace {
// A new temporary wrapper, out of line so that finding a wrapped DC stays short.
__attribute__((noinline)) CDC* WrapNewDc(Maps& maps, HDC hDC) {
    SweepDeletedDcs(maps);
    CDC* wrapper = maps.spareDcs.Take(RUNTIME_CLASS(CDC));
    if (!wrapper)
        wrapper = new CDC;
    wrapper->m_hDC = wrapper->m_hAttribDC = hDC;
    EvictDeleted(maps.tempDcs, hDC, [&maps](CDC* old) { ReleaseTemporary(maps, old); });
    maps.tempDcs.Assign(hDC, wrapper);
    return wrapper;
}
} // namespace

CDC* PASCAL CDC::FromHandle(HDC hDC) {
    if (!hDC)
        return nullptr;
    Maps& maps = TheMaps();
    if (CDC* owner = maps.dcs.Find(hDC))
        return owner;
    if (CDC* temp = maps.tempDcs.Find(hDC))
        return temp;
    // Each paint's DC mostly takes the slot of the last one, already deleted: its wrapper, the
    // one the pool would hand out again, wraps the new DC in place.
    const auto occupant = maps.tempDcs.Occupant(hDC);
    if (occupant.first != nullptr && ::GetObjectType(occupant.first) == 0) {
        occupant.second->m_hDC = occupant.second->m_hAttribDC = hDC;
        maps.tempDcs.ReplaceOccupant(hDC, occupant.second);
        return occupant.second;
    }
    return WrapNewDc(maps, hDC);
}

void PASCAL CDC::DeleteTempMap() {
    Maps& maps = TheMaps();
    maps.tempDcs.ForEach([&maps](HDC, CDC* wrapper) { ReleaseTemporary(maps, wrapper); });
    maps.tempDcs.Clear();
}

BOOL CDC::Attach(HDC hDC) {
    if (!hDC)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    DcMap& dcs = TheMaps().dcs;
    EvictDeleted(dcs, hDC, [](CDC*) {});
    dcs.Assign(hDC, this);
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
