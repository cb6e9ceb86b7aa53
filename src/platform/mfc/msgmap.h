// Message maps as tables. Each ON_ macro is one AFX_MSGMAP_ENTRY whose thunk unpacks the
// message and calls the handler through the class that declared the map, so handlers may
// be protected and virtual ones dispatch virtually. A lookup walks the derived map first,
// then the maps of the bases.
//
// Notification and control codes and ids are kept as WORDs, as MFC keeps them, so negative
// notification codes (NM_DBLCLK, LVN_*) compare equal to the low word of a WM_NOTIFY code.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/dialog.h"
#include "platform/win32/messages.h"

class CCmdTarget;
class CWnd;

// Returns whether the handler handled the message; *pResult is the message's result.
using AfxThunk = bool (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message, WM_COMMAND, WM_NOTIFY or WM_REFLECT_BASE + one of those
    UINT nCode;    // control or notification code (WORD)
    UINT nID;      // first control or command id (WORD)
    UINT nLastID;  // last id of the range
    AfxThunk pfn;  // nullptr ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Messages a parent sends back to the child that notified it.
inline constexpr UINT WM_REFLECT_BASE = 0xBC00;

// Marks message handlers, as in MFC.
#define afx_msg

// Command codes of OnCmdMsg: a WM_COMMAND from a menu or accelerator is CN_COMMAND; a
// notification arrives as MAKELONG(code, WM_NOTIFY) with an AFX_NOTIFY as pExtra.
inline constexpr int CN_COMMAND = 0;

struct NMHDR;
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, nullptr }                                                                        \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// The thunk of one entry; its body sees target (ThisClass*), wParam, lParam and pResult.
#define AFX_MSG_THUNK(...)                                                                         \
    [](CCmdTarget* afxTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> bool {            \
        [[maybe_unused]] ThisClass* target = static_cast<ThisClass*>(afxTarget);                   \
        (void)wParam;                                                                              \
        (void)lParam;                                                                              \
        (void)pResult;                                                                             \
        __VA_ARGS__                                                                                \
    }

// Window messages.
#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0, 0, AFX_MSG_THUNK({                                                       \
         (target->*static_cast<void (ThisClass::*)(UINT, LPARAM)>(&ThisClass::OnSysCommand))(      \
             static_cast<UINT>(wParam), lParam);                                                   \
         *pResult = 0;                                                                             \
         return true;                                                                              \
     })},
#define ON_WM_PAINT()                                                                              \
    {WM_PAINT, 0, 0, 0, AFX_MSG_THUNK({                                                            \
         (target->*static_cast<void (ThisClass::*)()>(&ThisClass::OnPaint))();                     \
         *pResult = 0;                                                                             \
         return true;                                                                              \
     })},
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, 0, AFX_MSG_THUNK({                                                    \
         HCURSOR h =                                                                               \
             (target->*static_cast<HCURSOR (ThisClass::*)()>(&ThisClass::OnQueryDragIcon))();      \
         *pResult = reinterpret_cast<LRESULT>(h);                                                  \
         return true;                                                                              \
     })},
#define ON_WM_DESTROY()                                                                            \
    {WM_DESTROY, 0, 0, 0, AFX_MSG_THUNK({                                                          \
         (target->*static_cast<void (ThisClass::*)()>(&ThisClass::OnDestroy))();                   \
         *pResult = 0;                                                                             \
         return true;                                                                              \
     })},
#define ON_WM_CLOSE()                                                                              \
    {WM_CLOSE, 0, 0, 0, AFX_MSG_THUNK({                                                            \
         (target->*static_cast<void (ThisClass::*)()>(&ThisClass::OnClose))();                     \
         *pResult = 0;                                                                             \
         return true;                                                                              \
     })},
#define ON_WM_SIZE()                                                                               \
    {WM_SIZE, 0, 0, 0, AFX_MSG_THUNK({                                                             \
         (target->*static_cast<void (ThisClass::*)(UINT, int, int)>(&ThisClass::OnSize))(          \
             static_cast<UINT>(wParam), static_cast<int>(LOWORD(static_cast<DWORD_PTR>(lParam))),  \
             static_cast<int>(HIWORD(static_cast<DWORD_PTR>(lParam))));                            \
         *pResult = 0;                                                                             \
         return true;                                                                              \
     })},
#define ON_WM_TIMER()                                                                              \
    {WM_TIMER, 0, 0, 0, AFX_MSG_THUNK({                                                            \
         (target->*static_cast<void (ThisClass::*)(UINT_PTR)>(&ThisClass::OnTimer))(               \
             static_cast<UINT_PTR>(wParam));                                                       \
         *pResult = 0;                                                                             \
         return true;                                                                              \
     })},
#define ON_WM_KEYDOWN()                                                                            \
    {WM_KEYDOWN, 0, 0, 0, AFX_MSG_THUNK({                                                          \
         (target->*static_cast<void (ThisClass::*)(UINT, UINT, UINT)>(&ThisClass::OnKeyDown))(     \
             static_cast<UINT>(wParam), static_cast<UINT>(LOWORD(static_cast<DWORD_PTR>(lParam))), \
             static_cast<UINT>(HIWORD(static_cast<DWORD_PTR>(lParam))));                           \
         *pResult = 0;                                                                             \
         return true;                                                                              \
     })},
#define ON_WM_SETFOCUS()                                                                           \
    {WM_SETFOCUS, 0, 0, 0, AFX_MSG_THUNK({                                                         \
         (target->*static_cast<void (ThisClass::*)(CWnd*)>(&ThisClass::OnSetFocus))(               \
             CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));                                    \
         *pResult = 0;                                                                             \
         return true;                                                                              \
     })},
#define ON_WM_KILLFOCUS()                                                                          \
    {WM_KILLFOCUS, 0, 0, 0, AFX_MSG_THUNK({                                                        \
         (target->*static_cast<void (ThisClass::*)(CWnd*)>(&ThisClass::OnKillFocus))(              \
             CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));                                    \
         *pResult = 0;                                                                             \
         return true;                                                                              \
     })},

// LRESULT memberFxn(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn)                                                             \
    {static_cast<UINT>(message), 0, 0, 0, AFX_MSG_THUNK({                                          \
         *pResult = (target->*static_cast<LRESULT (ThisClass::*)(WPARAM, LPARAM)>(memberFxn))(     \
             wParam, lParam);                                                                      \
         return true;                                                                              \
     })},

// Commands: void memberFxn()
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    {WM_COMMAND, static_cast<WORD>(wNotifyCode), static_cast<WORD>(id), static_cast<WORD>(id),     \
     AFX_MSG_THUNK({                                                                               \
         (target->*static_cast<void (ThisClass::*)()>(memberFxn))();                               \
         return true;                                                                              \
     })},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(CN_COMMAND, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

// Notifications from a child: void memberFxn(NMHDR*, LRESULT*)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    {WM_NOTIFY, static_cast<WORD>(static_cast<int>(wNotifyCode)), static_cast<WORD>(id),           \
     static_cast<WORD>(id), AFX_MSG_THUNK({                                                        \
         (target->*static_cast<void (ThisClass::*)(NMHDR*, LRESULT*)>(memberFxn))(                 \
             reinterpret_cast<NMHDR*>(lParam), pResult);                                           \
         return true;                                                                              \
     })},

// A control's own notifications, reflected to it by its parent before the parent's map.
// void memberFxn()
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                 \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<WORD>(wNotifyCode), 0, 0, AFX_MSG_THUNK({           \
         (target->*static_cast<void (ThisClass::*)()>(memberFxn))();                               \
         return true;                                                                              \
     })},
// void memberFxn(NMHDR*, LRESULT*): the parent never sees the notification.
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                  \
    {WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(static_cast<int>(wNotifyCode)), 0, 0,          \
     AFX_MSG_THUNK({                                                                               \
         (target->*static_cast<void (ThisClass::*)(NMHDR*, LRESULT*)>(memberFxn))(                 \
             reinterpret_cast<NMHDR*>(lParam), pResult);                                           \
         return true;                                                                              \
     })},
// BOOL memberFxn(NMHDR*, LRESULT*): FALSE lets the parent's own map see it too.
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                               \
    {WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(static_cast<int>(wNotifyCode)), 0, 0,          \
     AFX_MSG_THUNK({                                                                               \
         return (target->*static_cast<BOOL (ThisClass::*)(NMHDR*, LRESULT*)>(memberFxn))(          \
                    reinterpret_cast<NMHDR*>(lParam), pResult) != FALSE;                           \
     })},

namespace mw::mfc {
// The first entry for the message, code and id, searching pMap and then its bases.
const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                         UINT nID);
} // namespace mw::mfc
