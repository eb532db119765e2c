// The root of the framework's class tree: CObject and its run-time class records.
//
//   - export and linkage macros (AFX_EXT_CLASS, AFX_EXT_API, AFX_EXT_DATA, AFX_API, AFX_DATA)
//   - diagnostics (ASSERT, VERIFY, TRACE, ASSERT_VALID, ASSERT_KINDOF, DEBUG_NEW)
//   - CRuntimeClass: name, size, base class, dynamic creation, lookup by name
//   - CObject
//   - DECLARE_/IMPLEMENT_DYNAMIC, _DYNCREATE, _SERIAL and RUNTIME_CLASS
//
// Every class that wants a run-time record declares DECLARE_DYNAMIC(CMine) and one source file
// says IMPLEMENT_DYNAMIC(CMine, CBase). The record is a static member named class##CMine
// (CMine::classCMine), which is the name exporting libraries and their hosts link against.
#pragma once

#include "windef.h"

#include <cstddef>

#ifndef PASCAL
#define PASCAL
#endif

// Classes, functions and data that a shared library hands to its hosts. Libraries build with
// hidden visibility, so only what carries these marks is seen from outside.
#define AFX_EXT_CLASS __attribute__((visibility("default")))
#define AFX_EXT_API __attribute__((visibility("default")))
#define AFX_EXT_DATA __attribute__((visibility("default")))
#define AFX_EXT_DATADEF
#define AFX_CLASS_EXPORT __attribute__((visibility("default")))
#define AFX_CLASS_IMPORT __attribute__((visibility("default")))
#define AFX_API_EXPORT __attribute__((visibility("default")))
#define AFX_API_IMPORT __attribute__((visibility("default")))
#define AFX_DATA_EXPORT __attribute__((visibility("default")))
#define AFX_DATA_IMPORT __attribute__((visibility("default")))

// The framework's own classes and functions, always visible to every module.
#define AFX_API __attribute__((visibility("default")))
#define AFX_DATA __attribute__((visibility("default")))
#define AFX_DATADEF
#define AFX_CORE_DATA AFX_DATA
#define AFX_NOVTABLE
#define AFXAPI
#define AFX_CDECL
#define AFX_INLINE inline

// ---------------------------------------------------------------------------------------------
// Diagnostics. A failed ASSERT in a debug build reports file and line on stderr and carries on
// (a user-interface library should not take the host down over a broken invariant); in a
// release build (NDEBUG) it compiles to nothing. VERIFY always evaluates its expression.

// Reports a failed assertion; returns FALSE so the macro can be used in expressions.
AFX_API BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
// How many assertions have failed since start-up or the last desktop reset.
AFX_API int AFXAPI AfxAssertFailureCount();

#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#else
#define ASSERT(f) ((void)((f) || AfxAssertFailedLine(__FILE__, __LINE__)))
#define VERIFY(f) ASSERT(f)
#endif

#define ASSERT_VALID(pOb) ((void)0)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define DEBUG_NEW new
#define THIS_FILE __FILE__

// Tracing goes nowhere: the platform has no debugger output window, and tests read behaviour,
// not logs. The arguments are not evaluated, as with a release build of the real thing.
#define TRACE(...) ((void)0)
#define TRACE0(sz) ((void)0)
#define TRACE1(sz, p1) ((void)0)
#define TRACE2(sz, p1, p2) ((void)0)
#define TRACE3(sz, p1, p2, p3) ((void)0)

// ---------------------------------------------------------------------------------------------
class CObject;
class CArchive;
class CDumpContext;

// The run-time record of one class. It is a plain aggregate so that every record is built at
// compile time, before any constructor of any module runs.
struct AFX_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                        // 0xFFFF for classes that cannot be serialized
    CObject*(PASCAL* m_pfnCreateObject)(); // NULL for classes that cannot be created dynamically
    CRuntimeClass* m_pBaseClass;           // NULL only for CObject

    // A new object of this class, or NULL when the class was not declared DYNCREATE.
    CObject* CreateObject() const;
    // TRUE when this class is pBaseClass or derives from it.
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // The record of a class by its name (exact, case-sensitive as C++ names are), among the
    // classes of every loaded module; NULL when none is known by that name.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    // A new object of the named class, or NULL when unknown or not creatable.
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);
};

// Enrols a class record so that FromName finds it, and withdraws it when its module unloads.
// IMPLEMENT_DYNAMIC makes one per class; it needs no other use.
struct AFX_API AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

    CRuntimeClass* m_pClass;
    AFX_CLASSINIT* m_pNext;
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))
#define _RUNTIME_CLASS(class_name) RUNTIME_CLASS(class_name)

class AFX_API CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

    // TRUE when this object's class is pClass or derives from it; FALSE for NULL.
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    // Debug hooks kept for source compatibility; the platform checks nothing here.
    virtual void AssertValid() const {}
    virtual void Dump(CDumpContext& dc) const;

    static const AFX_DATA CRuntimeClass classCObject;

protected:
    CObject() = default;

private:
    // Framework objects own windows and GDI handles; copying one would free them twice.
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

// ---------------------------------------------------------------------------------------------
// Declaration and implementation macros.

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static const CRuntimeClass class##class_name;                                                  \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* PASCAL CreateObject();

// Serialization through archives is not part of this platform; a SERIAL class is a DYNCREATE
// class that carries its schema number.
#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                       \
    const CRuntimeClass class_name::class##class_name = {                                          \
        #class_name, static_cast<int>(sizeof(class class_name)), wSchema, pfnNew,                  \
        RUNTIME_CLASS(base_class_name)};                                                           \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                      \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                           \
        return RUNTIME_CLASS(class_name);                                                          \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* PASCAL class_name::CreateObject() {                                                   \
        return new class_name;                                                                     \
    }                                                                                              \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                     \
    CObject* PASCAL class_name::CreateObject() {                                                   \
        return new class_name;                                                                     \
    }                                                                                              \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)
