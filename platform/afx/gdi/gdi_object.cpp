// CGdiObject, the handle maps of drawing objects and DCs, and CDC's attachment.
//
// A handle maps to the object that owns it (permanent: made by Attach) or to a temporary
// wrapper made by FromHandle. Temporary wrappers go at idle time (DeleteTempMap) and, so that
// nothing piles up between idle times, whenever the map has grown: wrappers whose handle
// GetObjectType no longer knows are let go then.
//
// Every paint makes a new DC, and the framework wraps it (WM_ERASEBKGND, WM_CTLCOLOR*), so the
// wrappers and the map nodes that hold them are kept in small pools when let go and handed out
// again: a window that repaints at a steady rate allocates nothing. The pools are bounded; what
// does not fit is freed as before.
#include <afxwin.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Enough for every DC and object wrapped during one paint of a busy dialog.
constexpr std::size_t kSpareLimit = 32;
// The temporary maps are first swept for deleted handles at this size.
constexpr std::size_t kSweepFloor = 16;

// Nodes of a map kept after an erase for the next insert.
template <class Map> class NodePool {
public:
    NodePool() { spare_.reserve(kSpareLimit); }
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    // Returns the iterator after the erased entry, as Map::erase does.
    typename Map::iterator Erase(Map& map, typename Map::iterator it) {
        auto next = std::next(it);
        auto node = map.extract(it);
        if (spare_.size() < kSpareLimit)
            spare_.push_back(std::move(node));
        return next;
    }

    void Insert(Map& map, const typename Map::key_type& key, typename Map::mapped_type value) {
        if (spare_.empty()) {
            map.emplace(key, value);
            return;
        }
        auto node = std::move(spare_.back());
        spare_.pop_back();
        node.key() = key;
        node.mapped() = value;
        map.insert(std::move(node));
    }

    // map[key] = value, through the pool.
    void Assign(Map& map, const typename Map::key_type& key, typename Map::mapped_type value) {
        auto it = map.find(key);
        if (it != map.end())
            it->second = value;
        else
            Insert(map, key, value);
    }

private:
    std::vector<typename Map::node_type> spare_;
};

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

using ObjectMap = std::unordered_map<HGDIOBJ, CGdiObject*>;
using TempObjectMap = std::map<std::pair<HGDIOBJ, const CRuntimeClass*>, CGdiObject*>;
using DcMap = std::unordered_map<HDC, CDC*>;

struct Maps {
    ObjectMap objects;
    TempObjectMap tempObjects;
    DcMap dcs;
    DcMap tempDcs;
    NodePool<ObjectMap> objectNodes;
    NodePool<TempObjectMap> tempObjectNodes;
    NodePool<DcMap> dcNodes; // for both DC maps
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
template <class Map, class Object>
void Unmap(Map& map, NodePool<Map>& pool, typename Map::key_type handle, const Object* owner) {
    auto it = map.find(handle);
    if (it != map.end() && it->second == owner)
        pool.Erase(map, it);
}

void ReleaseTemporary(Maps& maps, CGdiObject* wrapper) {
    wrapper->m_hObject = nullptr; // temporaries never own their handle
    maps.spareObjects.Release(wrapper);
}

void ReleaseTemporary(Maps& maps, CDC* wrapper) {
    wrapper->m_hDC = wrapper->m_hAttribDC = nullptr;
    maps.spareDcs.Release(wrapper);
}

HGDIOBJ HandleOf(const std::pair<HGDIOBJ, const CRuntimeClass*>& key) {
    return key.first;
}
HGDIOBJ HandleOf(HDC dc) {
    return dc;
}

// Lets go of the wrappers whose handle is gone, once the map has reached sweepAt; the next sweep
// comes when the map has doubled again, so the cost stays in proportion.
template <class Map, class Pool>
void SweepDeleted(Maps& maps, Map& map, Pool& pool, std::size_t& sweepAt) {
    if (map.size() < sweepAt)
        return;
    for (auto it = map.begin(); it != map.end();) {
        if (::GetObjectType(HandleOf(it->first)) == 0) {
            ReleaseTemporary(maps, it->second);
            it = pool.Erase(map, it);
        } else {
            ++it;
        }
    }
    sweepAt = std::max(kSweepFloor, 2 * map.size());
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
    auto owner = maps.objects.find(hObject);
    if (owner != maps.objects.end())
        return owner->second;
    auto key = std::make_pair(hObject, cls);
    auto it = maps.tempObjects.find(key);
    if (it != maps.tempObjects.end())
        return it->second;
    SweepDeleted(maps, maps.tempObjects, maps.tempObjectNodes, maps.tempObjectsSweepAt);
    CGdiObject* wrapper = maps.spareObjects.Take(cls);
    if (!wrapper)
        wrapper = static_cast<CGdiObject*>(cls->CreateObject());
    if (!wrapper)
        wrapper = new CGdiObject;
    wrapper->m_hObject = hObject;
    maps.tempObjectNodes.Insert(maps.tempObjects, key, wrapper);
    return wrapper;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
    return FromHandleAs(hObject, RUNTIME_CLASS(CGdiObject));
}

void PASCAL CGdiObject::DeleteTempMap() {
    Maps& maps = TheMaps();
    for (auto it = maps.tempObjects.begin(); it != maps.tempObjects.end();) {
        ReleaseTemporary(maps, it->second);
        it = maps.tempObjectNodes.Erase(maps.tempObjects, it);
    }
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject)
        return FALSE;
    m_hObject = hObject;
    Maps& maps = TheMaps();
    maps.objectNodes.Assign(maps.objects, hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ hObject = m_hObject;
    if (hObject)
        Unmap(TheMaps().objects, TheMaps().objectNodes, hObject, this);
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
    SweepDeleted(maps, maps.tempDcs, maps.dcNodes, maps.tempDcsSweepAt);
    CDC* wrapper = maps.spareDcs.Take(RUNTIME_CLASS(CDC));
    if (!wrapper)
        wrapper = new CDC;
    wrapper->m_hDC = wrapper->m_hAttribDC = hDC;
    maps.dcNodes.Insert(maps.tempDcs, hDC, wrapper);
    return wrapper;
}

void PASCAL CDC::DeleteTempMap() {
    Maps& maps = TheMaps();
    for (auto it = maps.tempDcs.begin(); it != maps.tempDcs.end();) {
        ReleaseTemporary(maps, it->second);
        it = maps.dcNodes.Erase(maps.tempDcs, it);
    }
}

BOOL CDC::Attach(HDC hDC) {
    if (!hDC)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    Maps& maps = TheMaps();
    maps.dcNodes.Assign(maps.dcs, hDC, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    if (hDC)
        Unmap(TheMaps().dcs, TheMaps().dcNodes, hDC, this);
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
